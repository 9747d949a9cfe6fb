#pragma once

#include "platform/raster/Pattern.h"
#include "platform/raster/Surface.h"

#include <cstdint>
#include <vector>

namespace raster {

// One raster operation over a rectangle that is already clipped to every surface involved.
struct RasterJob {
    Surface dst;
    Rect area; // inside dst
    // The source pixel for area's top-left corner, then srcStride pixels per row. When the code
    // ignores the source this is a row of zeros with stride 0, so every path reads a source alike.
    const uint32_t* src = nullptr;
    ptrdiff_t srcStride = 0;
    // Solid or tiled; only read when the code uses the pattern.
    const Pattern* pattern = nullptr;

    uint32_t* dstRow(int j) const { return dst.row(area.top + j) + area.left; }
    const uint32_t* srcRow(int j) const { return src + j * srcStride; }
};

// Runs a code through its fast path when one is registered and applies, else the generic path.
void run(uint8_t code, const RasterJob& job);

// The reference: every code, every pattern, worked out from the code's truth table alone.
void runGeneric(uint8_t code, const RasterJob& job);

// Fast paths are rows of a table (FastPaths.cpp). Turning them off sends every code down the
// generic path, which is how the tests compare the two.
using FastPath = void (*)(const RasterJob&);
FastPath findFastPath(uint8_t code);
std::vector<uint8_t> fastPathCodes();
void setFastPathsEnabled(bool enabled);
bool fastPathsEnabled();

} // namespace raster
