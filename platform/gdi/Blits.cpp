#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"
#include "platform/raster/Blit.h"
#include "platform/raster/Rop3.h"
#include "platform/raster/Stretch.h"

#include <algorithm>

namespace gdi {

using namespace detail;

namespace {

// The most pixels read at once into colours: 16 Mi, 64 MiB of them.
constexpr int64_t kMostPixelsRead = int64_t(1) << 24;

struct Drawable {
    DeviceContext* dc;
    raster::Surface surface;
};

std::optional<Drawable> drawable(HDC hdc)
{
    DeviceContext* dc = dcOf(hdc);
    if (!dc)
        return std::nullopt;
    const std::optional<raster::Surface> surface = targetOf(*dc);
    if (!surface)
        return std::nullopt;
    return Drawable{dc, *surface};
}

// Where a copy takes its pixels from: the DC's own, or for the screen and a window's frame a copy of
// the area read from the screen, which the source then owns.
struct Source {
    raster::BlitSource pixels;
    raster::PixelBuffer read;
};

std::optional<Source> sourceOf(HDC hdc, int64_t x, int64_t y, int width, int height)
{
    const DeviceContext* dc = dcOf(hdc);
    if (!dc)
        return std::nullopt;
    if (dc->type == DeviceContext::Type::Screen) {
        std::optional<raster::PixelBuffer> read = readScreen(*dc, x, y, width, height);
        if (!read)
            return std::nullopt;
        Source s{{}, std::move(*read)};
        s.pixels = {{s.read.data(), std::max(width, 0), std::max(height, 0), std::max(width, 0)}, 0, 0};
        return s;
    }
    const std::optional<raster::Surface> surface = targetOf(*dc);
    if (!surface)
        return std::nullopt;
    return Source{{*surface, x, y}, {}};
}

// The brush, only built when the code looks at it.
std::optional<raster::Pattern> patternFor(uint8_t code, const DeviceContext& dc)
{
    return raster::kRop3Table[code].pattern ? std::optional(patternOf(dc)) : std::nullopt;
}

bool blitOnto(const Drawable& to, uint8_t code, const raster::Rect& target, const raster::BlitSource* from)
{
    const std::optional<raster::Pattern> pattern = patternFor(code, *to.dc);
    const raster::Rect area = raster::blit(code, to.surface, target, from, pattern ? &*pattern : nullptr);
    markChanged(*to.dc, area);
    return true;
}

} // namespace

bool PatBlt(HDC hdc, int x, int y, int width, int height, uint32_t rop)
{
    const uint8_t code = raster::rop3Code(rop);
    const std::optional<Drawable> to = drawable(hdc);
    if (!to || raster::kRop3Table[code].source)
        return false;
    return blitOnto(*to, code, raster::clippedExtent(x, y, width, height, to->surface.bounds()), nullptr);
}

bool BitBlt(HDC hdc, int x, int y, int width, int height, HDC source, int sx, int sy, uint32_t rop)
{
    const uint8_t code = raster::rop3Code(rop);
    const std::optional<Drawable> to = drawable(hdc);
    if (!to)
        return false;
    const bool usesSource = raster::kRop3Table[code].source;
    if (width <= 0 || height <= 0)
        return !usesSource || sourceOf(source, sx, sy, 0, 0).has_value();
    const raster::Rect target = raster::clippedExtent(x, y, width, height, to->surface.bounds());
    std::optional<Source> from;
    if (usesSource) { // the source corner moves with the clipped target's
        from = sourceOf(source, int64_t(sx) + target.left - x, int64_t(sy) + target.top - y, target.width(),
                        target.height());
        if (!from)
            return false;
    }
    return blitOnto(*to, code, target, from ? &from->pixels : nullptr);
}

bool StretchBlt(HDC hdc, int x, int y, int width, int height, HDC source, int sx, int sy, int sourceWidth,
                int sourceHeight, uint32_t rop)
{
    const uint8_t code = raster::rop3Code(rop);
    if (!raster::kRop3Table[code].source) {
        const std::optional<Drawable> to = drawable(hdc);
        return to && blitOnto(*to, code, raster::clippedExtent(x, y, width, height, to->surface.bounds()), nullptr);
    }
    if (width == sourceWidth && height == sourceHeight && width > 0 && height > 0)
        return BitBlt(hdc, x, y, width, height, source, sx, sy, rop); // nothing to sample
    const std::optional<Drawable> to = drawable(hdc);
    // A screen source is read as its area, which then starts at (0, 0); a mirrored one is not read.
    const bool screen = dcOf(source) && dcOf(source)->type == DeviceContext::Type::Screen;
    if (screen && (sourceWidth <= 0 || sourceHeight <= 0))
        return false;
    const std::optional<Source> src = sourceOf(source, sx, sy, sourceWidth, sourceHeight);
    if (!to || !src)
        return false;
    const int fromX = static_cast<int>(src->pixels.x), fromY = static_cast<int>(src->pixels.y);
    const raster::Rect visible = raster::clippedExtent(x, y, width, height, to->surface.bounds());
    std::vector<uint32_t> sampled =
        raster::resample(src->pixels.surface, {fromX, fromY, sourceWidth, sourceHeight, x, y, width, height}, visible,
                         static_cast<raster::StretchMode>(to->dc->stretchMode));
    if (sampled.empty())
        return true;
    const raster::BlitSource from{{sampled.data(), visible.width(), visible.height(), visible.width()}, 0, 0};
    return blitOnto(*to, code, visible, &from);
}

COLORREF GetPixel(HDC hdc, int x, int y)
{
    // The screen and a window's frame are read where they are, as any copy from them is.
    if (const DeviceContext* dc = dcOf(hdc); dc && dc->type == DeviceContext::Type::Screen)
        return GetPixels(hdc, x, y, 1, 1).front();
    const std::optional<Drawable> d = drawable(hdc);
    if (!d || x < 0 || y < 0 || x >= d->surface.width || y >= d->surface.height)
        return CLR_INVALID;
    return raster::colourFromPixel(d->surface.row(y)[x]);
}

std::vector<COLORREF> GetPixels(HDC hdc, int x, int y, int width, int height)
{
    if (width <= 0 || height <= 0 || int64_t(width) * height > kMostPixelsRead)
        return {};
    std::vector<COLORREF> colours(size_t(width) * height, CLR_INVALID);
    const DeviceContext* dc = dcOf(hdc);
    if (!dc)
        return colours;
    // Where the pixels come from, and the part of the area they cover, in the area's own coordinates.
    raster::PixelBuffer read;
    raster::Surface from;
    raster::Rect covered;
    int64_t fromX = 0, fromY = 0;
    if (dc->type == DeviceContext::Type::Screen) {
        std::optional<raster::PixelBuffer> screen = readScreen(*dc, x, y, width, height, &covered);
        if (!screen)
            return colours;
        read = std::move(*screen);
        from = {read.data(), width, height, width};
    } else if (const std::optional<raster::Surface> surface = targetOf(*dc)) {
        from = *surface;
        fromX = x;
        fromY = y;
        const raster::Rect on = raster::clipped(x, y, int64_t(x) + width, int64_t(y) + height, from.bounds());
        if (!on.empty())
            covered = {int(on.left - fromX), int(on.top - fromY), int(on.right - fromX), int(on.bottom - fromY)};
    } else {
        return colours;
    }
    for (int row = covered.top; row < covered.bottom; ++row) {
        const uint32_t* line = from.row(fromY + row);
        for (int column = covered.left; column < covered.right; ++column)
            colours[size_t(row) * width + column] = raster::colourFromPixel(line[fromX + column]);
    }
    return colours;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF colour)
{
    const std::optional<Drawable> d = drawable(hdc);
    if (!d || x < 0 || y < 0 || x >= d->surface.width || y >= d->surface.height)
        return CLR_INVALID;
    d->surface.row(y)[x] = raster::pixelFromColour(colour);
    markChanged(*d->dc, {x, y, x + 1, y + 1});
    return colour & 0xFFFFFF;
}

} // namespace gdi
