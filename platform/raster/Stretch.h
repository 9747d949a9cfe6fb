#pragma once

#include "platform/raster/Surface.h"

#include <vector>

namespace raster {

// The source rectangle (sx, sy, sw, sh) mapped onto the destination rectangle (dx, dy, dw, dh).
// Where the signs of the widths (or heights) differ the picture is mirrored on that axis.
struct StretchMap {
    int sx, sy, sw, sh;
    int dx, dy, dw, dh;
};

// Most source pixels one destination pixel reads on each axis. A bigger box is sampled at this
// many points spread evenly over it, so a stretch costs what its destination costs, however
// large the source rectangle.
constexpr int kMaxSamplesPerAxis = 16;

// The pixels of `visible` (destination coordinates, inside the destination rectangle) as the
// stretch mode samples them, row by row in a buffer of visible's size. Each destination pixel
// stands for a box of source pixels: black-on-white keeps the AND of the box (black wins),
// white-on-black the OR (white wins), halftone the average colour; colour-on-colour and any
// other mode take the box's first pixel. Source pixels outside the source repeat its edge, so
// black-on-white and white-on-black look only at the box's part inside the source. A box (or
// that part of it) wider or taller than kMaxSamplesPerAxis is sampled as above.
std::vector<uint32_t> resample(const Surface& src, const StretchMap& map, const Rect& visible, StretchMode mode);

} // namespace raster
