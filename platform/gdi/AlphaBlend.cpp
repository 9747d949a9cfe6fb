// Constant-alpha blending between two DCs' pixels.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"
#include "platform/raster/Blend.h"

#include <algorithm>

namespace gdi {

using namespace detail;

namespace {

// The rectangle (x, y, width, height) inside `bounds`, worked out in 64 bits so that no corner
// of a rectangle near the edge of the int range wraps round.
raster::Rect clippedTo(const raster::Rect& bounds, int x, int y, int width, int height)
{
    const int64_t left = std::max<int64_t>(x, bounds.left), top = std::max<int64_t>(y, bounds.top);
    const int64_t right = std::min<int64_t>(int64_t(x) + width, bounds.right);
    const int64_t bottom = std::min<int64_t>(int64_t(y) + height, bounds.bottom);
    if (right <= left || bottom <= top)
        return {};
    return {int(left), int(top), int(right), int(bottom)};
}

bool covers(const raster::Surface& surface, int x, int y, int width, int height)
{
    return x >= 0 && y >= 0 && int64_t(x) + width <= surface.width && int64_t(y) + height <= surface.height;
}

} // namespace

bool AlphaBlend(HDC hdc, int x, int y, int width, int height, HDC source, int sx, int sy, int sourceWidth,
                int sourceHeight, uint32_t blend)
{
    const uint8_t operation = blend & 0xFF, flags = blend >> 8 & 0xFF;
    const uint8_t alpha = blend >> 16 & 0xFF, format = blend >> 24;
    DeviceContext* to = dcOf(hdc);
    const DeviceContext* from = dcOf(source);
    if (operation != AC_SRC_OVER || flags != 0 || format != 0 || !to || !from)
        return false;
    const std::optional<raster::Surface> dst = targetOf(*to), src = targetOf(*from);
    if (!dst || !src || width < 0 || height < 0 || width != sourceWidth || height != sourceHeight)
        return false;
    if (!covers(*src, sx, sy, width, height))
        return false;
    const raster::Rect target = clippedTo(dst->bounds(), x, y, width, height);
    if (target.empty())
        return true;
    // Within the source, which covers the whole rectangle, so these fit an int.
    const int offsetX = static_cast<int>(sx + (int64_t(target.left) - x));
    const int offsetY = static_cast<int>(sy + (int64_t(target.top) - y));
    // The blend reads each source pixel once, so a source overlapping its own destination would
    // read pixels already blended: refused, as the platform refuses it.
    if (dst->bits == src->bits
        && target.intersects({offsetX, offsetY, offsetX + target.width(), offsetY + target.height()}))
        return false;
    markChanged(*to, raster::blendOnto(*dst, target, *src, offsetX, offsetY, alpha));
    return true;
}

} // namespace gdi
