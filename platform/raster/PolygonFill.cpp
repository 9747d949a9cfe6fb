#include "platform/raster/PolygonFill.h"

#include "platform/raster/Blit.h"

#include <algorithm>
#include <cmath>

namespace raster {

namespace {

struct Crossing {
    double x;
    int direction; // +1 for an edge going down, -1 going up
};

// Where the edges cross the horizontal line through the points of row y. An edge counts from its
// upper end down to, not including, its lower end, so an edge passing through a vertex on the line
// is counted once and a horizontal edge not at all.
std::vector<Crossing> crossings(const std::vector<Vertex>& vertices, int y)
{
    std::vector<Crossing> found;
    for (size_t i = 0; i < vertices.size(); ++i) {
        const Vertex& a = vertices[i];
        const Vertex& b = vertices[(i + 1) % vertices.size()];
        if ((a.y <= y) == (b.y <= y))
            continue;
        const double x = a.x + (double(y) - a.y) * (double(b.x) - a.x) / (double(b.y) - a.y);
        found.push_back({x, b.y > a.y ? 1 : -1});
    }
    std::sort(found.begin(), found.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    return found;
}

// The pixels whose points x lie in [from, to), kept within the clip.
void addSpan(std::vector<Rect>& spans, double from, double to, int y, const Rect& clip)
{
    const double left = std::max<double>(std::ceil(from), clip.left);
    const double right = std::min<double>(std::ceil(to), clip.right);
    if (left < right)
        spans.push_back({int(left), y, int(right), y + 1});
}

} // namespace

std::vector<Rect> polygonSpans(const std::vector<Vertex>& vertices, FillRule rule, const Rect& clip)
{
    std::vector<Rect> spans;
    if (vertices.size() < 3)
        return spans;
    const auto [low, high] = std::minmax_element(vertices.begin(), vertices.end(),
                                                 [](const Vertex& l, const Vertex& r) { return l.y < r.y; });
    const int64_t top = std::max<int64_t>(low->y, clip.top), bottom = std::min<int64_t>(high->y, clip.bottom);
    for (int64_t y = top; y < bottom; ++y) {
        const std::vector<Crossing> row = crossings(vertices, int(y));
        int winding = 0;
        for (size_t k = 0; k + 1 < row.size(); ++k) {
            winding += rule == FillRule::Winding ? row[k].direction : 1;
            const bool inside = rule == FillRule::Winding ? winding != 0 : winding % 2 != 0;
            if (inside)
                addSpan(spans, row[k].x, row[k + 1].x, int(y), clip);
        }
    }
    return spans;
}

Rect fillPolygon(const Surface& dst, const std::vector<Vertex>& vertices, FillRule rule, const Pattern& brush)
{
    Rect written;
    for (const Rect& span : polygonSpans(vertices, rule, dst.bounds())) {
        const Rect area = blit(0xF0, dst, span, nullptr, &brush);
        if (area.empty())
            continue;
        written = written.empty() ? area
                                  : Rect{std::min(written.left, area.left), std::min(written.top, area.top),
                                         std::max(written.right, area.right), std::max(written.bottom, area.bottom)};
    }
    return written;
}

} // namespace raster
