#include "platform/raster/Stretch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace raster {

namespace {

// Where one destination pixel reads on one axis: up to kMaxSamplesPerAxis source positions.
struct Samples {
    std::array<int, kMaxSamplesPerAxis> at{};
    int count = 0;
};

// One axis of the mapping, in normalised (non-negative) extents. Everything is 64-bit: a corner
// near the int limits plus an extent of nearly 2^31 must not wrap round.
struct Axis {
    int64_t srcStart;
    int64_t srcLength;
    int64_t dstStart;
    int64_t dstLength;
    bool mirrored;
    int srcLimit; // the source surface's extent on this axis

    // Source pixels [first, last) behind destination pixel `d`, which lies in the destination.
    std::pair<int64_t, int64_t> box(int d) const
    {
        const int64_t u = mirrored ? dstLength - 1 - (d - dstStart) : d - dstStart;
        const int64_t first = u * srcLength / dstLength;
        const int64_t last = std::max(first + 1, (u + 1) * srcLength / dstLength);
        return {srcStart + first, srcStart + last};
    }
    int clamp(int64_t s) const { return static_cast<int>(std::clamp<int64_t>(s, 0, srcLimit - 1)); }

    // Every position of [first, last) when there are few, else evenly spread ones (the middles of
    // kMaxSamplesPerAxis equal parts); each clamped into the source.
    Samples spread(int64_t first, int64_t last) const
    {
        Samples s;
        const int64_t length = last - first;
        s.count = static_cast<int>(std::min<int64_t>(length, kMaxSamplesPerAxis));
        for (int k = 0; k < s.count; ++k)
            s.at[k] = clamp(length <= kMaxSamplesPerAxis ? first + k
                                                         : first + (2 * k + 1) * length / (2 * kMaxSamplesPerAxis));
        return s;
    }
    // The whole box, edge repeats and all, for averaging.
    Samples boxSamples(int d) const
    {
        const auto [first, last] = box(d);
        return spread(first, last);
    }
    // Only the box's pixels inside the source: repeating the edge adds nothing to an AND or an OR.
    Samples distinctSamples(int d) const
    {
        const auto [first, last] = box(d);
        return spread(clamp(first), int64_t(clamp(last - 1)) + 1);
    }
};

Axis axis(int s, int sLen, int d, int dLen, int limit)
{
    const int64_t srcStart = sLen < 0 ? int64_t(s) + sLen : s;
    const int64_t dstStart = dLen < 0 ? int64_t(d) + dLen : d;
    return {srcStart, std::abs(int64_t(sLen)), dstStart, std::abs(int64_t(dLen)), (sLen < 0) != (dLen < 0), limit};
}

uint32_t sampleBox(const Surface& src, const Axis& ax, const Axis& ay, int x, int y, StretchMode mode)
{
    if (mode != StretchMode::BlackOnWhite && mode != StretchMode::WhiteOnBlack && mode != StretchMode::Halftone)
        return src.row(ay.clamp(ay.box(y).first))[ax.clamp(ax.box(x).first)];
    const bool average = mode == StretchMode::Halftone;
    const Samples xs = average ? ax.boxSamples(x) : ax.distinctSamples(x);
    const Samples ys = average ? ay.boxSamples(y) : ay.distinctSamples(y);
    uint32_t all = ~0u, any = 0;
    uint64_t red = 0, green = 0, blue = 0;
    for (int j = 0; j < ys.count; ++j) {
        const uint32_t* row = src.row(ys.at[j]);
        for (int i = 0; i < xs.count; ++i) {
            const uint32_t p = row[xs.at[i]];
            all &= p;
            any |= p;
            red += p >> 16 & 0xFF;
            green += p >> 8 & 0xFF;
            blue += p & 0xFF;
        }
    }
    if (mode == StretchMode::BlackOnWhite)
        return all;
    if (mode == StretchMode::WhiteOnBlack)
        return any;
    const uint64_t n = static_cast<uint64_t>(xs.count) * ys.count;
    return kOpaque | static_cast<uint32_t>((red + n / 2) / n) << 16 | static_cast<uint32_t>((green + n / 2) / n) << 8
           | static_cast<uint32_t>((blue + n / 2) / n);
}

} // namespace

std::vector<uint32_t> resample(const Surface& src, const StretchMap& map, const Rect& visible, StretchMode mode)
{
    std::vector<uint32_t> out;
    if (visible.empty() || src.width <= 0 || src.height <= 0 || map.sw == 0 || map.sh == 0 || map.dw == 0
        || map.dh == 0)
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
