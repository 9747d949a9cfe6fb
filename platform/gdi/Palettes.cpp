// Palette objects. The screen is a true-colour device: palettes are kept and selected, so a
// picture that carries one works, but they never change a colour.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"

#include <algorithm>

namespace gdi {

using namespace detail;

HPALETTE CreatePalette(const LOGPALETTE* palette)
{
    if (!palette || palette->palVersion != PALETTE_VERSION || palette->palNumEntries == 0
        || palette->palNumEntries > kMaxPaletteEntries)
        return 0;
    return handles().add(std::make_unique<Palette>(
        std::vector<PALETTEENTRY>(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries)));
}

HPALETTE SelectPalette(HDC hdc, HPALETTE palette, bool /*forceBackground: no device here has a foreground*/)
{
    DeviceContext* dc = dcOf(hdc);
    if (!dc || !handles().find<Palette>(palette))
        return 0;
    return swapInto(dc->palette, palette, hdc);
}

uint32_t RealizePalette(HDC hdc) { return dcOf(hdc) ? 0 : GDI_ERROR; }

uint32_t GetSystemPaletteEntries(HDC, uint32_t, uint32_t, PALETTEENTRY*) { return 0; }

uint32_t GetPaletteEntries(HPALETTE palette, uint32_t start, uint32_t count, PALETTEENTRY* entries)
{
    const Palette* p = handles().find<Palette>(palette);
    if (!p)
        return 0;
    const auto size = static_cast<uint32_t>(p->entries.size());
    if (!entries)
        return size;
    if (start >= size)
        return 0;
    const uint32_t n = std::min(count, size - start);
    std::copy_n(p->entries.begin() + start, n, entries);
    return n;
}

} // namespace gdi
