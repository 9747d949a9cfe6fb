#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Painter.h"
#include "platform/raster/PolygonFill.h"

#include <QPolygon>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace gdi {

using namespace detail;

namespace {

constexpr int64_t kWidestPen = (1 << 15) - 1;

Qt::PenStyle lineStyle(uint32_t style)
{
    switch (style & PS_STYLE_MASK) {
    case PS_DASH: return Qt::DashLine;
    case PS_DOT: return Qt::DotLine;
    case PS_DASHDOT: return Qt::DashDotLine;
    case PS_DASHDOTDOT: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

Qt::PenCapStyle capStyle(uint32_t style)
{
    switch (style & PS_ENDCAP_MASK) {
    case PS_ENDCAP_SQUARE: return Qt::SquareCap;
    case PS_ENDCAP_FLAT: return Qt::FlatCap;
    default: return Qt::RoundCap;
    }
}

Qt::PenJoinStyle joinStyle(uint32_t style)
{
    switch (style & PS_JOIN_MASK) {
    case PS_JOIN_BEVEL: return Qt::BevelJoin;
    case PS_JOIN_MITER: return Qt::MiterJoin;
    default: return Qt::RoundJoin;
    }
}

// A cosmetic pen, or a geometric one no wider than a pixel, draws the platform's thin line: one
// pixel wide and without its last pixel, so lines drawn end to end never cover a pixel twice.
// Qt's one-pixel pen with a flat cap leaves the last pixel out the same way.
QPen qpenFor(const LOGPEN& record)
{
    const bool geometric = (record.lopnStyle & PS_TYPE_MASK) == PS_GEOMETRIC;
    // In 64 bits: the width of INT_MIN has no int magnitude.
    const int64_t width = geometric ? std::abs(int64_t(record.lopnWidth.x)) : 1;
    QPen pen(qcolor(record.lopnColor));
    pen.setStyle(lineStyle(record.lopnStyle));
    if (width <= 1) {
        pen.setWidth(0);
        pen.setCapStyle(Qt::FlatCap);
        return pen;
    }
    // Qt refuses a pen of 2^15 pixels or wider, drawing it one pixel wide; the widest it takes
    // stands in for it.
    pen.setWidth(static_cast<int>(std::min<int64_t>(width, kWidestPen)));
    pen.setCapStyle(capStyle(record.lopnStyle));
    pen.setJoinStyle(joinStyle(record.lopnStyle));
    return pen;
}

// The outline through the points with the DC's pen, open or closed. Polyline fails without a pen;
// a null pen draws nothing.
bool stroke(DeviceContext& dc, const POINT* points, int count, bool closed)
{
    const Pen* pen = handles().find<Pen>(dc.pen);
    if (!pen)
        return false;
    if ((pen->record.lopnStyle & PS_STYLE_MASK) == PS_NULL)
        return true;
    DcPainter drawing(dc);
    if (!drawing.isActive())
        return false;
    QPainter& p = drawing.painter();
    p.setPen(qpenFor(pen->record));
    // Gaps of a dashed line show the background colour unless the background is transparent.
    p.setBackgroundMode(dc.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    p.setBackground(qcolor(dc.bkColor));
    QPolygon polygon;
    for (int i = 0; i < count; ++i)
        polygon << QPoint(points[i].x, points[i].y);
    if (closed)
        p.drawPolygon(polygon);
    else
        p.drawPolyline(polygon);
    return true;
}

} // namespace

bool Polyline(HDC hdc, const POINT* points, int count)
{
    DeviceContext* dc = dcOf(hdc);
    if (!dc || !points || count < 2)
        return false;
    return stroke(*dc, points, count, false);
}

// The brush fills first and the pen draws over the fill's edge, as the platform paints it.
bool Polygon(HDC hdc, const POINT* points, int count)
{
    DeviceContext* dc = dcOf(hdc);
    const std::optional<raster::Surface> surface = dc ? targetOf(*dc) : std::nullopt;
    if (!surface || !points || count < 2)
        return false;
    std::vector<raster::Vertex> vertices;
    for (int i = 0; i < count; ++i)
        vertices.push_back({points[i].x, points[i].y});
    const auto rule = static_cast<raster::FillRule>(dc->polyFillMode);
    markChanged(*dc, raster::fillPolygon(*surface, vertices, rule, patternOf(*dc)));
    return stroke(*dc, points, count, true);
}

} // namespace gdi
