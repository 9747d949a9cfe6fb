#pragma once

#include "platform/raster/Pattern.h"
#include "platform/raster/Surface.h"

#include <cstdint>

namespace raster {

// Where a blit reads from: the pixel of `surface` at (x, y) lands on the target's top-left corner.
// The corner is 64-bit so that a caller who clips the target first can move it along without
// leaving the int range.
struct BlitSource {
    Surface surface;
    int64_t x = 0;
    int64_t y = 0;
};

// Runs a raster code over `target` of `dst`, clipped to the destination and to the part of the
// target the source covers. A code that ignores the source or the brush does not look at it; a
// hollow brush draws nothing with a code that uses the brush. Source and destination may be the
// same pixels, overlapping or not. Returns the rectangle that was written (empty when none).
Rect blit(uint8_t code, const Surface& dst, const Rect& target, const BlitSource* source, const Pattern* pattern);

} // namespace raster
