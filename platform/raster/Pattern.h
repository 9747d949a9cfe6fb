#pragma once

#include "platform/raster/Surface.h"

#include <array>
#include <cstdint>
#include <optional>

namespace raster {

// A brush as the raster code sees it: nothing at all (hollow), one colour, or an 8 x 8 tile. A
// tile pixel may be left uncovered (the gaps of a hatch on a transparent background): there the
// destination stays as it was, whatever the raster operation.
struct Pattern {
    enum class Kind { Hollow, Solid, Tiled };

    Kind kind = Kind::Solid;
    uint32_t colour = kOpaque; // the solid colour, as a pixel
    std::array<uint32_t, 64> tile{}; // row-major pixels of a tiled pattern
    std::array<bool, 64> covered{};
    int originX = 0; // the tile's top-left pixel sits at (originX, originY) modulo 8; kept in 0..7
    int originY = 0;

    // Tile index of a destination pixel.
    int indexAt(int x, int y) const { return ((y - originY) & 7) * 8 + ((x - originX) & 7); }
};

Pattern solidPattern(uint32_t pixel);
Pattern hollowPattern();
// A hatch drawn in `line`; the gaps show `gap` (an opaque background) or nothing (transparent).
// An unknown hatch style gives no pattern.
std::optional<Pattern> hatchPattern(Hatch style, uint32_t line, std::optional<uint32_t> gap, int originX, int originY);

} // namespace raster
