#include "platform/raster/Stretch.h"


#include <algorithm>
#include <cstdint>

namespace raster {

namespace {

// One axis of the mapping, in normalised (non-negative) extents.
struct Axis {
    int srcStart;
    int srcLength;
    int dstStart;
    int dstLength;
    bool mirrored;
    int srcLimit; // the source surface's extent on this axis

    // Source pixels [first, last) behind destination pixel `d`.
    std::pair<int, int> box(int d) const
    {
        const int64_t u = mirrored ? dstLength - 1 - (d - dstStart) : d - dstStart;
        const int first = static_cast<int>(u * srcLength / dstLength);
        const int last = std::max(first + 1, static_cast<int>((u + 1) * srcLength / dstLength));
        return {srcStart + first, srcStart + last};
    }
    int clamp(int s) const { return std::clamp(s, 0, srcLimit - 1); }
};

Axis axis(int s, int sLen, int d, int dLen, int limit)
{
    const int srcStart = sLen < 0 ? s + sLen : s;
    const int dstStart = dLen < 0 ? d + dLen : d;
    return {srcStart, std::abs(sLen), dstStart, std::abs(dLen), (sLen < 0) != (dLen < 0), limit};
}

uint32_t sampleBox(const Surface& src, const Axis& ax, const Axis& ay, int x, int y, StretchMode mode)
{
    const auto [x0, x1] = ax.box(x);
    const auto [y0, y1] = ay.box(y);
    if (mode != StretchMode::BlackOnWhite && mode != StretchMode::WhiteOnBlack && mode != StretchMode::Halftone)
        return src.row(ay.clamp(y0))[ax.clamp(x0)];
    uint32_t all = ~0u, any = 0;
    uint64_t red = 0, green = 0, blue = 0;
    for (int sy = y0; sy < y1; ++sy)
        for (int sx = x0; sx < x1; ++sx) {
            const uint32_t p = src.row(ay.clamp(sy))[ax.clamp(sx)];
            all &= p;
            any |= p;
            red += p >> 16 & 0xFF;
            green += p >> 8 & 0xFF;
            blue += p & 0xFF;
        }
    if (mode == StretchMode::BlackOnWhite)
        return all;
    if (mode == StretchMode::WhiteOnBlack)
        return any;
    const uint64_t n = static_cast<uint64_t>(x1 - x0) * (y1 - y0);
    return kOpaque | static_cast<uint32_t>((red + n / 2) / n) << 16 | static_cast<uint32_t>((green + n / 2) / n) << 8
           | static_cast<uint32_t>((blue + n / 2) / n);
}

} // namespace

Rect normalisedRect(int x, int y, int w, int h)
{
    return {std::min(x, x + w), std::min(y, y + h), std::max(x, x + w), std::max(y, y + h)};
}

std::vector<uint32_t> resample(const Surface& src, const StretchMap& map, const Rect& visible, StretchMode mode)
{
    std::vector<uint32_t> out;
    if (visible.empty() || src.width <= 0 || src.height <= 0 || map.sw == 0 || map.sh == 0)
        return out;
    const Axis ax = axis(map.sx, map.sw, map.dx, map.dw, src.width);
    const Axis ay = axis(map.sy, map.sh, map.dy, map.dh, src.height);
    out.reserve(static_cast<size_t>(visible.width()) * visible.height());
    for (int y = visible.top; y < visible.bottom; ++y)
        for (int x = visible.left; x < visible.right; ++x)
            out.push_back(sampleBox(src, ax, ay, x, y, mode) | kOpaque);
    return out;
}

} // namespace raster
