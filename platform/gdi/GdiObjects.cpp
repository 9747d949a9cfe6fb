#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"

#include <array>
#include <cstring>
#include <new>

namespace gdi {

using namespace detail;

namespace {

// The largest bitmap we agree to make, in pixels (512 MiB of memory).
constexpr int64_t kMaxPixels = int64_t(1) << 27;

template <class T, class... Args>
HGDIOBJ addStock(Args&&... args)
{
    auto object = std::make_unique<T>(std::forward<Args>(args)...);
    object->stock = true;
    return handles().add(std::move(object));
}

LOGFONTA stockFont(int32_t height, int32_t weight)
{
    LOGFONTA f;
    f.lfHeight = height;
    f.lfWeight = weight;
    f.lfCharSet = DEFAULT_CHARSET;
    return f; // no face name: the desktop's default family
}

bool isKnownPenStyle(uint32_t style)
{
    const uint32_t type = style & PS_TYPE_MASK;
    const uint32_t cap = style & PS_ENDCAP_MASK;
    const uint32_t join = style & PS_JOIN_MASK;
    const uint32_t known = PS_STYLE_MASK | PS_ENDCAP_MASK | PS_JOIN_MASK | PS_TYPE_MASK;
    return (style & ~known) == 0 && (style & PS_STYLE_MASK) <= PS_INSIDEFRAME
           && (type == PS_COSMETIC || type == PS_GEOMETRIC) && cap <= PS_ENDCAP_FLAT && join <= PS_JOIN_MITER;
}

// The twenty static colours every palette device reserves: ten at each end of its palette.
std::vector<PALETTEENTRY> defaultPaletteEntries()
{
    constexpr uint8_t colours[20][3] = {{0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},
                                        {0, 0, 128},     {128, 0, 128},   {0, 128, 128},   {192, 192, 192},
                                        {192, 220, 192}, {166, 202, 240}, {255, 251, 240}, {160, 160, 164},
                                        {128, 128, 128}, {255, 0, 0},     {0, 255, 0},     {255, 255, 0},
                                        {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
    std::vector<PALETTEENTRY> entries;
    for (const auto& c : colours)
        entries.push_back({c[0], c[1], c[2], 0});
    return entries;
}

template <class Record>
int copyRecord(const Record& r, int size, void* out)
{
    if (!out)
        return sizeof(Record);
    if (size < static_cast<int>(sizeof(Record)))
        return 0;
    std::memcpy(out, &r, sizeof(Record));
    return sizeof(Record);
}

} // namespace

namespace detail {

HGDIOBJ stockObject(int id)
{
    static const std::array<HGDIOBJ, 18> stock = [] {
        std::array<HGDIOBJ, 18> s{};
        const auto brush = [](uint32_t style, COLORREF colour) { return addStock<Brush>(LOGBRUSH{style, colour, 0}); };
        const auto pen = [](uint32_t style, COLORREF colour) { return addStock<Pen>(LOGPEN{style, {1, 0}, colour}); };
        s[WHITE_BRUSH] = brush(BS_SOLID, RGB(255, 255, 255));
        s[LTGRAY_BRUSH] = brush(BS_SOLID, RGB(192, 192, 192));
        s[GRAY_BRUSH] = brush(BS_SOLID, RGB(128, 128, 128));
        s[DKGRAY_BRUSH] = brush(BS_SOLID, RGB(64, 64, 64));
        s[BLACK_BRUSH] = brush(BS_SOLID, RGB(0, 0, 0));
        s[NULL_BRUSH] = brush(BS_HOLLOW, 0);
        s[WHITE_PEN] = pen(PS_SOLID, RGB(255, 255, 255));
        s[BLACK_PEN] = pen(PS_SOLID, RGB(0, 0, 0));
        s[NULL_PEN] = pen(PS_NULL, 0);
        s[SYSTEM_FONT] = addStock<Font>(stockFont(16, FW_BOLD));
        s[DEFAULT_GUI_FONT] = addStock<Font>(stockFont(-11, FW_NORMAL));
        s[DEFAULT_PALETTE] = addStock<Palette>(defaultPaletteEntries());
        return s;
    }();
    return id >= 0 && id < static_cast<int>(stock.size()) ? stock[id] : 0;
}

HBITMAP stockBitmap()
{
    static const HBITMAP bitmap = addStock<Bitmap>(1, 1);
    return bitmap;
}

} // namespace detail

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height)
{
    if (!dcOf(hdc) || width < 0 || height < 0 || int64_t(width) * height > kMaxPixels)
        return 0;
    try {
        return handles().add(std::make_unique<Bitmap>(width, height));
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush)
{
    if (!brush)
        return 0;
    const bool known = brush->lbStyle == BS_SOLID || brush->lbStyle == BS_HOLLOW
                       || (brush->lbStyle == BS_HATCHED && brush->lbHatch <= HS_DIAGCROSS);
    return known ? handles().add(std::make_unique<Brush>(*brush)) : 0;
}

HPEN CreatePenIndirect(const LOGPEN* pen)
{
    if (!pen || !isKnownPenStyle(pen->lopnStyle))
        return 0;
    return handles().add(std::make_unique<Pen>(*pen));
}

HFONT CreateFontIndirectA(const LOGFONTA* font)
{
    if (!font)
        return 0;
    LOGFONTA record = *font;
    record.lfFaceName[LF_FACESIZE - 1] = 0; // a name that fills the field is cut, never read past
    return handles().add(std::make_unique<Font>(record));
}

HGDIOBJ GetStockObject(int id) { return stockObject(id); }

bool DeleteObject(HGDIOBJ object)
{
    Object* o = handles().find(object);
    if (!o || o->kind == Kind::DC || o->kind == Kind::Window || o->kind == Kind::Icon || o->kind == Kind::Menu)
        return false;
    if (o->stock)
        return true; // stock objects outlive everyone; deleting one is harmless
    if (o->selections > 0)
        return false;
    handles().remove(object);
    return true;
}

int GetObjectA(HGDIOBJ object, int size, void* record)
{
    Object* o = handles().find(object);
    if (!o)
        return 0;
    switch (o->kind) {
    case Kind::Bitmap: {
        auto* b = static_cast<Bitmap*>(o);
        BITMAP info;
        info.bmWidth = b->width;
        info.bmHeight = b->height;
        info.bmWidthBytes = b->width * 4;
        info.bmBits = b->pixels.data();
        return copyRecord(info, size, record);
    }
    case Kind::Brush: return copyRecord(static_cast<Brush*>(o)->record, size, record);
    case Kind::Pen: return copyRecord(static_cast<Pen*>(o)->record, size, record);
    case Kind::Font: return copyRecord(static_cast<Font*>(o)->record, size, record);
    case Kind::Palette:
        return copyRecord(static_cast<uint16_t>(static_cast<Palette*>(o)->entries.size()), size, record);
    case Kind::DC:
    case Kind::Window:
    case Kind::Icon:
    case Kind::Menu: break;
    }
    return 0;
}

uint32_t GetObjectType(HGDIOBJ object)
{
    const Object* o = handles().find(object);
    if (!o)
        return 0;
    switch (o->kind) {
    case Kind::DC:
        return static_cast<const DeviceContext*>(o)->type == DeviceContext::Type::Memory ? OBJ_MEMDC : OBJ_DC;
    case Kind::Bitmap: return OBJ_BITMAP;
    case Kind::Brush: return OBJ_BRUSH;
    case Kind::Pen: return OBJ_PEN;
    case Kind::Font: return OBJ_FONT;
    case Kind::Palette: return OBJ_PAL;
    case Kind::Window:
    case Kind::Icon:
    case Kind::Menu: break;
    }
    return 0;
}

HandleStats handleStats()
{
    const HandleTable& t = handles();
    HandleStats s;
    s.live = t.live();
    s.dcs = t.count(Kind::DC);
    s.bitmaps = t.count(Kind::Bitmap);
    s.brushes = t.count(Kind::Brush);
    s.pens = t.count(Kind::Pen);
    s.fonts = t.count(Kind::Font);
    s.windows = t.count(Kind::Window);
    s.palettes = t.count(Kind::Palette);
    s.icons = t.count(Kind::Icon);
    s.tableSize = t.size();
    return s;
}

QImage snapshot(HDC hdc)
{
    const DeviceContext* dc = dcOf(hdc);
    const std::optional<raster::Surface> target = dc ? targetOf(*dc) : std::nullopt;
    if (!target)
        return {};
    const QImage wrapped(reinterpret_cast<const uchar*>(target->bits), target->width, target->height,
                         static_cast<qsizetype>(target->stride) * 4, QImage::Format_RGB32);
    return wrapped.copy();
}

} // namespace gdi
