#pragma once

#include "platform/raster/Pattern.h"
#include "platform/raster/Surface.h"

#include <cstdint>
#include <vector>

namespace raster {

struct Vertex {
    int32_t x = 0;
    int32_t y = 0;
};

// Which points a self-crossing outline encloses: those with an odd number of edges on either side
// (alternate), or those the outline winds round (winding). The values are the platform's.
enum class FillRule : int { Alternate = 1, Winding = 2 };

// The pixel rows the closed polygon covers, each run as a rectangle one pixel high, top to bottom
// and left to right, clipped to `clip`. Pixel (x, y) stands for the point (x, y), as it does for
// the lines drawn round a polygon, so a fill meets its outline without a gap: it is covered when
// that point is inside. A point exactly on an edge counts for the edge's right-hand side only
// (below a horizontal edge), so shapes sharing an edge split its pixels without overlap.
std::vector<Rect> polygonSpans(const std::vector<Vertex>& vertices, FillRule rule, const Rect& clip);

// Fills those runs of `dst` with the brush (pattern copy); a hollow brush fills nothing. Returns
// the rectangle round what was written.
Rect fillPolygon(const Surface& dst, const std::vector<Vertex>& vertices, FillRule rule, const Pattern& brush);

} // namespace raster
