#pragma once

#include "platform/raster/Raster.h"
#include "platform/raster/Surface.h"

#include <cstdint>
#include <vector>

// Mixing a source over a destination with one opacity for the whole area.
namespace raster {

// One channel: source * alpha / 255 + destination * (255 - alpha) / 255, taken to the nearest
// whole number. The sum over 255 never falls on a half (255 is odd), so "nearest" needs no tie
// rule, and with alpha 0 or 255 the result is exactly one of the two inputs.
constexpr uint32_t blendChannel(uint32_t source, uint32_t destination, uint32_t alpha)
{
    return (source * alpha + destination * (255 - alpha) + 127) / 255;
}

// The reference: pixel by pixel, channel by channel, through blendChannel.
void blendConstantReference(const RasterJob& job, uint8_t alpha);
// The same results from a loop over the rows' bytes that the compiler turns into vector code,
// built for each vector width the processor may have; blendConstant runs the widest it has.
void blendConstant(const RasterJob& job, uint8_t alpha);
using BlendLoop = void (*)(const RasterJob&, uint8_t alpha);
std::vector<BlendLoop> blendLoops(); // those this processor can run, narrowest first

// Blends the source's pixels, starting at (source.x, source.y), into `target` of `dst`, clipped to
// the destination. The caller checks that the source covers the target; the two may be the same
// pixels only when they do not overlap. Returns the rectangle that was written.
Rect blendOnto(const Surface& dst, const Rect& target, const Surface& source, int sx, int sy, uint8_t alpha);

} // namespace raster
