#include "platform/gdi/ClientSurface.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"
#include "platform/raster/Surface.h"

#include <utility>

namespace gdi {

using namespace detail;

namespace detail {

DeviceContext* dcOf(HDC hdc) { return handles().find<DeviceContext>(hdc); }

std::optional<raster::Surface> targetOf(const DeviceContext& dc)
{
    switch (dc.type) {
    case DeviceContext::Type::Memory:
        // The stock bitmap every new memory DC holds is shared by all of them: drawing on it
        // would carry pixels from one DC to another, so it is nothing to draw on.
        if (!dc.bitmapObject || dc.bitmapObject->stock)
            return std::nullopt;
        return dc.bitmapObject->surface();
    case DeviceContext::Type::Window:
        if (Window* w = handles().find<Window>(dc.window); w && w->surface)
            return w->surface->pixels();
        return std::nullopt;
    case DeviceContext::Type::Screen: break;
    }
    return std::nullopt;
}

void markChanged(const DeviceContext& dc, const raster::Rect& area)
{
    if (dc.type != DeviceContext::Type::Window || area.empty())
        return;
    if (Window* w = handles().find<Window>(dc.window); w && w->surface)
        w->surface->changed(area);
}

raster::Pattern patternOf(const DeviceContext& dc)
{
    const Brush* brush = handles().find<Brush>(dc.brush);
    if (!brush)
        return raster::hollowPattern();
    const LOGBRUSH& r = brush->record;
    const uint32_t colour = raster::pixelFromColour(r.lbColor);
    if (r.lbStyle == BS_SOLID)
        return raster::solidPattern(colour);
    if (r.lbStyle == BS_HATCHED) {
        const std::optional<uint32_t> gap =
            dc.bkMode == OPAQUE ? std::optional(raster::pixelFromColour(dc.bkColor)) : std::nullopt;
        if (auto hatch = raster::hatchPattern(static_cast<raster::Hatch>(r.lbHatch), colour, gap, dc.brushOrigin.x,
                                              dc.brushOrigin.y))
            return *hatch;
    }
    return raster::hollowPattern();
}

} // namespace detail

namespace {

void hold(HGDIOBJ object, HDC dc)
{
    Object* o = handles().find(object);
    if (!o)
        return;
    ++o->selections;
    if (o->kind == Kind::Bitmap && !o->stock)
        static_cast<Bitmap*>(o)->selectedInto = dc;
}

void letGo(HGDIOBJ object)
{
    Object* o = handles().find(object);
    if (!o)
        return;
    --o->selections;
    if (o->kind == Kind::Bitmap)
        static_cast<Bitmap*>(o)->selectedInto = 0;
}

} // namespace

HGDIOBJ detail::swapInto(HGDIOBJ& slot, HGDIOBJ object, HDC hdc)
{
    const HGDIOBJ previous = slot;
    if (previous == object)
        return previous;
    letGo(previous);
    hold(object, hdc);
    slot = object;
    return previous;
}

namespace {

HDC addDC(DeviceContext::Type type, HWND window)
{
    auto owned = std::make_unique<DeviceContext>(type);
    DeviceContext* dc = owned.get();
    dc->window = window;
    const HDC h = handles().add(std::move(owned));
    if (!h)
        return 0;
    swapInto(dc->brush, stockObject(WHITE_BRUSH), h);
    swapInto(dc->pen, stockObject(BLACK_PEN), h);
    swapInto(dc->font, stockObject(SYSTEM_FONT), h);
    swapInto(dc->palette, stockObject(DEFAULT_PALETTE), h);
    if (type == DeviceContext::Type::Memory) {
        swapInto(dc->bitmap, stockBitmap(), h);
        dc->bitmapObject = handles().find<Bitmap>(dc->bitmap);
    }
    return h;
}

} // namespace

void detail::destroyDC(HDC hdc)
{
    DeviceContext* dc = dcOf(hdc);
    if (!dc)
        return;
    for (HGDIOBJ selected : {dc->bitmap, dc->brush, dc->pen, dc->font, dc->palette})
        letGo(selected);
    handles().remove(hdc);
}

HDC CreateCompatibleDC(HDC hdc)
{
    if (hdc != 0 && !dcOf(hdc))
        return 0;
    return addDC(DeviceContext::Type::Memory, 0);
}

bool DeleteDC(HDC hdc)
{
    DeviceContext* dc = dcOf(hdc);
    if (!dc || dc->type != DeviceContext::Type::Memory)
        return false;
    destroyDC(hdc);
    return true;
}

HDC GetDC(HWND hwnd)
{
    if (hwnd == 0)
        return addDC(DeviceContext::Type::Screen, 0);
    Window* w = handles().find<Window>(hwnd);
    if (!w || !w->widget)
        return 0;
    if (!w->surface)
        w->surface = new ClientSurface(w->widget);
    return addDC(DeviceContext::Type::Window, hwnd);
}

int ReleaseDC(HWND hwnd, HDC hdc)
{
    DeviceContext* dc = dcOf(hdc);
    if (!dc || dc->type == DeviceContext::Type::Memory || dc->own || dc->window != hwnd)
        return 0;
    destroyDC(hdc);
    return 1;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object)
{
    DeviceContext* dc = dcOf(hdc);
    Object* o = handles().find(object);
    if (!dc || !o)
        return 0;
    switch (o->kind) {
    case Kind::Bitmap: {
        auto* bitmap = static_cast<Bitmap*>(o);
        if (dc->type != DeviceContext::Type::Memory)
            return 0;
        if (object != dc->bitmap && !bitmap->stock && bitmap->selectedInto != 0)
            return 0; // already drawn on through another DC
        const HGDIOBJ previous = swapInto(dc->bitmap, object, hdc);
        dc->bitmapObject = bitmap;
        return previous;
    }
    case Kind::Brush: return swapInto(dc->brush, object, hdc);
    case Kind::Pen: return swapInto(dc->pen, object, hdc);
    case Kind::Font: return swapInto(dc->font, object, hdc);
    case Kind::DC:
    case Kind::Window:
    case Kind::Palette: // through SelectPalette only
    case Kind::Icon:
    case Kind::Menu: break;
    }
    return 0;
}

HGDIOBJ GetCurrentObject(HDC hdc, uint32_t objectType)
{
    const DeviceContext* dc = dcOf(hdc);
    if (!dc)
        return 0;
    switch (objectType) {
    case OBJ_BITMAP: return dc->bitmap;
    case OBJ_BRUSH: return dc->brush;
    case OBJ_PEN: return dc->pen;
    case OBJ_FONT: return dc->font;
    case OBJ_PAL: return dc->palette;
    default: return 0;
    }
}

} // namespace gdi
