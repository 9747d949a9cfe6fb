// Rounded rectangles, drawn as the polygon round their pixels, and inverted rectangles.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"
#include "platform/raster/Blit.h"
#include "platform/raster/Rop3.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace gdi {

using namespace detail;

namespace {

// How far outside the DC's pixels the shape must still be drawn: rows and columns beyond it are cut
// off the outline first. The DC's pen cannot reach in from there (a pen draws no wider than 2^15
// pixels), so what the DC shows is the same, and a shape of any size costs no more than the pixels
// near the DC.
int64_t reachOf(const DeviceContext& dc)
{
    const Pen* pen = handles().find<Pen>(dc.pen);
    const int64_t width = pen ? std::min<int64_t>(std::abs(int64_t(pen->record.lopnWidth.x)), 1 << 15) : 0;
    return width / 2 + 2;
}

// A quarter of the corner ellipse, which is `width` x `height` pixels: how many pixels a row of
// the corner is cut in from the rectangle's side. Row j counts from the rectangle's top (or
// bottom) edge; a pixel stays when its centre lies within the ellipse.
class Corner {
public:
    Corner(int64_t width, int64_t height) : w_(width), h_(height) {}

    int64_t indent(int64_t j) const
    {
        if (w_ < 1 || h_ < 1 || 2 * j + 1 >= h_)
            return 0;
        const int64_t last = (w_ + 1) / 2; // the corner's columns are those left of the centre
        // The nearest guess, then the exact test settles it.
        const double dy = (2.0 * j + 1 - h_) / h_;
        int64_t k = std::clamp<int64_t>(std::llround(w_ / 2.0 * (1 - std::sqrt(1 - dy * dy)) - 0.5), 0, last);
        while (k > 0 && inside(k - 1, j))
            --k;
        while (k < last && !inside(k, j))
            ++k;
        return k;
    }

private:
    // In doubled coordinates every value is a whole number, so the test is exact: the ellipse's
    // sides are at most 2^31, so the terms stay below 2^127.
    bool inside(int64_t k, int64_t j) const
    {
        __extension__ typedef __int128 Wide; // GCC and Clang both have it
        const Wide dx = 2 * k + 1 - w_, dy = 2 * j + 1 - h_, w = w_, h = h_;
        return dx * dx * h * h + dy * dy * w * w <= w * w * h * h;
    }

    int64_t w_;
    int64_t h_;
};

struct Span {
    int64_t y;
    int64_t left;
    int64_t right; // inclusive
};

// Adds a vertex, leaving out a repeat, and a vertex the outline passes straight through.
void addVertex(std::vector<POINT>& outline, int64_t x, int64_t y)
{
    const POINT p{static_cast<int32_t>(x), static_cast<int32_t>(y)};
    const size_t n = outline.size();
    if (n >= 1 && outline[n - 1].x == p.x && outline[n - 1].y == p.y)
        return;
    if (n >= 2) {
        const POINT& a = outline[n - 2];
        const POINT& b = outline[n - 1];
        const int64_t ax = b.x - a.x, ay = b.y - a.y, bx = p.x - b.x, by = p.y - b.y;
        if (ax * by == ay * bx && ax * bx + ay * by > 0)
            outline.pop_back();
    }
    outline.push_back(p);
}

// The closed outline through the outermost pixels of the rows, clockwise, stepping between rows
// along pixels that belong to the shape, so the pen covers exactly its edge pixels and the brush
// the pixels within.
std::vector<POINT> outlineOf(const std::vector<Span>& rows)
{
    std::vector<POINT> outline;
    const auto step = [&outline](int64_t x, int64_t y, int64_t nextX, int64_t nextY, bool widening) {
        if (widening)
            addVertex(outline, x, nextY);
        else
            addVertex(outline, nextX, y);
        addVertex(outline, nextX, nextY);
    };
    addVertex(outline, rows.front().left, rows.front().y);
    addVertex(outline, rows.front().right, rows.front().y);
    for (size_t i = 0; i + 1 < rows.size(); ++i) // down the right side
        step(rows[i].right, rows[i].y, rows[i + 1].right, rows[i + 1].y, rows[i + 1].right >= rows[i].right);
    addVertex(outline, rows.back().left, rows.back().y);
    for (size_t i = rows.size() - 1; i > 0; --i) // up the left side
        step(rows[i].left, rows[i].y, rows[i - 1].left, rows[i - 1].y, rows[i - 1].left <= rows[i].left);
    if (outline.size() > 1 && outline.back().x == outline.front().x && outline.back().y == outline.front().y)
        outline.pop_back();
    return outline;
}

} // namespace

bool RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height)
{
    DeviceContext* dc = dcOf(hdc);
    const std::optional<raster::Surface> surface = dc ? targetOf(*dc) : std::nullopt;
    if (!surface)
        return false;
    const int64_t l = std::min(left, right), r = std::max(left, right);
    const int64_t t = std::min(top, bottom), b = std::max(top, bottom);
    const Corner corner(std::min<int64_t>(std::abs(int64_t(width)), r - l),
                        std::min<int64_t>(std::abs(int64_t(height)), b - t));
    const int64_t reach = reachOf(*dc);
    std::vector<Span> rows;
    const int64_t first = std::max(t, -reach), last = std::min(b, surface->height + reach);
    for (int64_t y = first; y < last; ++y) {
        const int64_t cut = corner.indent(std::min(y - t, b - 1 - y));
        const int64_t from = std::clamp(l + cut, -reach, surface->width + reach);
        const int64_t to = std::clamp(r - 1 - cut, -reach, surface->width + reach);
        if (from <= to)
            rows.push_back({y, from, to});
    }
    if (rows.empty())
        return true;
    const std::vector<POINT> outline = outlineOf(rows);
    if (outline.size() == 1) { // one pixel: no inside to fill, and the pen marks it as a line one pixel long
        const POINT dot[2] = {outline[0], {outline[0].x + 1, outline[0].y}};
        return Polyline(hdc, dot, 2);
    }
    return Polygon(hdc, outline.data(), static_cast<int>(outline.size()));
}

bool InvertRect(HDC hdc, const RECT* rect)
{
    DeviceContext* dc = dcOf(hdc);
    const std::optional<raster::Surface> surface = dc ? targetOf(*dc) : std::nullopt;
    if (!surface || !rect)
        return false;
    const raster::Rect area =
        raster::clipped(std::min(rect->left, rect->right), std::min(rect->top, rect->bottom),
                        std::max(rect->left, rect->right), std::max(rect->top, rect->bottom), surface->bounds());
    markChanged(*dc, raster::blit(raster::rop3Code(DSTINVERT), *surface, area, nullptr, nullptr));
    return true;
}

} // namespace gdi
