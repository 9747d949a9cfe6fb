// The screen as something to read: its pixels, a window's frame, the desktop's wallpaper and the
// work area the desktop's panels leave.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/XConnection.h"
#include "platform/raster/Surface.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace gdi {

using namespace detail;

namespace {

// A copy from the screen reads only what it copies, which a copy to an image bounds; a stretch from
// it reads its whole source area, refused past this many pixels (a gibibyte).
constexpr int64_t kMostPixelsRead = int64_t(1) << 28;

} // namespace

std::optional<raster::PixelBuffer> detail::readScreen(const DeviceContext& dc, int64_t x, int64_t y, int width,
                                                      int height, raster::Rect* onScreen)
{
    xcb_connection_t* c = x11Connection();
    if (!c || dc.type != DeviceContext::Type::Screen)
        return std::nullopt;
    const uint32_t root = x11Root(c);
    int rootWidth = 0, rootHeight = 0;
    if (!drawableSize(c, root, rootWidth, rootHeight))
        return std::nullopt;
    // The area that can be read: the whole screen, or the window's frame on it.
    raster::Rect readable{0, 0, rootWidth, rootHeight};
    int originX = 0, originY = 0;
    if (dc.window != 0) {
        RECT frame;
        if (!GetWindowRect(dc.window, &frame))
            return std::nullopt;
        originX = frame.left;
        originY = frame.top;
        readable = readable.intersected({frame.left, frame.top, frame.right, frame.bottom});
    }
    const int w = std::max(width, 0), h = std::max(height, 0);
    if (int64_t(w) * h > kMostPixelsRead)
        return std::nullopt;
    raster::PixelBuffer pixels(static_cast<size_t>(w) * h, raster::kOpaque);
    const raster::Rect wanted = raster::clipped(int64_t(originX) + x, int64_t(originY) + y, int64_t(originX) + x + w,
                                                int64_t(originY) + y + h, readable);
    const int64_t intoX = wanted.left - originX - x, intoY = wanted.top - originY - y;
    if (onScreen)
        *onScreen = wanted.empty() ? raster::Rect{}
                                   : raster::Rect{int(intoX), int(intoY), int(intoX) + wanted.width(),
                                                  int(intoY) + wanted.height()};
    if (wanted.empty())
        return pixels;
    if (!readPixels(c, root, wanted.left, wanted.top, wanted.width(), wanted.height(),
                    pixels.data() + intoY * w + intoX, w))
        return std::nullopt;
    return pixels;
}

HDC GetWindowDC(HWND hwnd)
{
    const Window* w = handles().find<Window>(hwnd);
    if (!w || !w->widget || !x11Connection())
        return 0;
    const HDC hdc = GetDC(0);
    if (DeviceContext* dc = dcOf(hdc))
        dc->window = hwnd;
    return hdc;
}

bool PaintDesktop(HDC hdc)
{
    DeviceContext* dc = dcOf(hdc);
    xcb_connection_t* c = x11Connection();
    if (!dc || !c)
        return false;
    const std::optional<raster::Surface> target = targetOf(*dc);
    if (!target)
        return false;
    // What lies beyond the wallpaper's corner repeats it, as the root window tiles its background.
    const uint32_t wallpaper = rootWallpaper(c);
    int tileWidth = 0, tileHeight = 0;
    raster::PixelBuffer tile;
    if (wallpaper != 0 && drawableSize(c, wallpaper, tileWidth, tileHeight)) {
        tileWidth = std::min(tileWidth, target->width);
        tileHeight = std::min(tileHeight, target->height);
        tile.assign(static_cast<size_t>(tileWidth) * tileHeight, raster::kOpaque);
        if (!readPixels(c, wallpaper, 0, 0, tileWidth, tileHeight, tile.data(), tileWidth))
            tile.clear();
    }
    const uint32_t desktop = raster::pixelFromColour(GetSysColor(COLOR_BACKGROUND));
    for (int y = 0; y < target->height; ++y) {
        uint32_t* row = target->row(y);
        if (tile.empty()) {
            std::fill_n(row, target->width, desktop);
            continue;
        }
        const uint32_t* from = tile.data() + static_cast<ptrdiff_t>(y % tileHeight) * tileWidth;
        for (int x = 0; x < target->width; x += tileWidth)
            std::copy_n(from, std::min(tileWidth, target->width - x), row + x);
    }
    markChanged(*dc, target->bounds());
    return true;
}

bool SystemParametersInfoA(uint32_t action, uint32_t, void* value, uint32_t)
{
    if (action != SPI_GETWORKAREA || !value)
        return false;
    auto* area = static_cast<RECT*>(value);
    if (xcb_connection_t* c = x11Connection(); c && netWorkArea(c, area->left, area->top, area->right, area->bottom))
        return true;
    QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    if (!screen)
        return false;
    const QRect r = screen->availableGeometry();
    *area = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    return true;
}

} // namespace gdi
