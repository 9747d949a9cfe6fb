#include "platform/raster/Pattern.h"

namespace raster {

namespace {
// Which pixels of the 8 x 8 cell a hatch style draws.
std::optional<bool> hatchBit(Hatch style, int x, int y)
{
    const bool horizontal = y == 3;
    const bool vertical = x == 3;
    const bool falling = x == y; // top-left to bottom-right
    const bool rising = x + y == 7; // bottom-left to top-right
    switch (style) {
    case Hatch::Horizontal: return horizontal;
    case Hatch::Vertical: return vertical;
    case Hatch::FallingDiagonal: return falling;
    case Hatch::RisingDiagonal: return rising;
    case Hatch::Cross: return horizontal || vertical;
    case Hatch::DiagonalCross: return falling || rising;
    default: return std::nullopt;
    }
}
} // namespace

Pattern solidPattern(uint32_t pixel)
{
    Pattern p;
    p.kind = Pattern::Kind::Solid;
    p.colour = pixel | kOpaque;
    return p;
}

Pattern hollowPattern()
{
    Pattern p;
    p.kind = Pattern::Kind::Hollow;
    return p;
}

std::optional<Pattern> hatchPattern(Hatch style, uint32_t line, std::optional<uint32_t> gap, int originX, int originY)
{
    Pattern p;
    p.kind = Pattern::Kind::Tiled;
    // Only the origin modulo 8 matters; keeping it in 0..7 lets x - originX never overflow.
    p.originX = originX & 7;
    p.originY = originY & 7;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const std::optional<bool> bit = hatchBit(style, x, y);
            if (!bit)
                return std::nullopt;
            const int i = y * 8 + x;
            p.covered[i] = *bit || gap.has_value();
            p.tile[i] = (*bit ? line : gap.value_or(0)) | kOpaque;
        }
    return p;
}

} // namespace raster
