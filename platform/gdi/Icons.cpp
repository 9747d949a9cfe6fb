// Icon objects: their own copies of a colour and a mask bitmap.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"

#include <new>

namespace gdi {

using namespace detail;

HICON CreateIconIndirect(const ICONINFO* info)
{
    if (!info)
        return 0;
    const Bitmap* colour = handles().find<Bitmap>(info->hbmColor);
    const Bitmap* mask = handles().find<Bitmap>(info->hbmMask);
    if (!colour || !mask || colour->stock || mask->width != colour->width || mask->height != colour->height
        || colour->width == 0 || colour->height == 0)
        return 0;
    try {
        return handles().add(std::make_unique<Icon>(*colour, *mask, *info));
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

bool DestroyIcon(HICON icon)
{
    if (!handles().find<Icon>(icon))
        return false;
    handles().remove(icon);
    return true;
}

bool GetIconInfo(HICON icon, ICONINFO* info)
{
    const Icon* i = handles().find<Icon>(icon);
    if (!i || !info)
        return false;
    const auto copy = [i](const raster::PixelBuffer& pixels) -> HBITMAP {
        const HDC screen = GetDC(0);
        const HBITMAP b = CreateCompatibleBitmap(screen, i->width, i->height);
        ReleaseDC(0, screen);
        if (Bitmap* bitmap = handles().find<Bitmap>(b))
            bitmap->pixels = pixels;
        return b;
    };
    const HBITMAP colour = copy(i->colour);
    const HBITMAP mask = copy(i->mask);
    if (!colour || !mask) {
        DeleteObject(colour);
        DeleteObject(mask);
        return false;
    }
    *info = i->info;
    info->hbmColor = colour;
    info->hbmMask = mask;
    return true;
}

} // namespace gdi
