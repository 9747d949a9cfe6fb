// Shapes: rounded rectangles, inverted areas and polygons.
#include "graphics/TwipsToPixels.h"
#include "graphics/clsBitmap.h"

#include "platform/forms/Screen.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/Numbers.h"

#include <vector>

using vb::Int16;

namespace {

// A brush and a pen selected into a DC for the length of one drawing call, then put back and
// deleted. When the platform refuses either, nothing is selected: the call must not draw with
// whatever the DC held.
class ShapeTools {
public:
    ShapeTools(gdi::HDC dc, const gdi::LOGBRUSH& brush, const gdi::LOGPEN& pen)
        : dc_(dc), brush_(gdi::CreateBrushIndirect(&brush)), pen_(gdi::CreatePenIndirect(&pen))
    {
        if (!ready())
            return;
        previousBrush_ = gdi::SelectObject(dc_, brush_);
        previousPen_ = gdi::SelectObject(dc_, pen_);
    }
    ~ShapeTools()
    {
        if (ready()) {
            gdi::SelectObject(dc_, previousPen_);
            gdi::SelectObject(dc_, previousBrush_);
        }
        gdi::DeleteObject(pen_);
        gdi::DeleteObject(brush_);
    }
    ShapeTools(const ShapeTools&) = delete;
    ShapeTools& operator=(const ShapeTools&) = delete;

    bool ready() const { return brush_ != 0 && pen_ != 0; }

private:
    gdi::HDC dc_;
    gdi::HBRUSH brush_;
    gdi::HPEN pen_;
    gdi::HGDIOBJ previousBrush_ = 0;
    gdi::HGDIOBJ previousPen_ = 0;
};

} // namespace

void clsBitmap::DrawRoundRect(int32_t lngColour, Int16 intLeft, Int16 intTop, Int16 intRight, Int16 intBottom,
                              Int16 intEdgeRadius, int32_t udtMeasurement, int32_t lngStyle, int32_t lngPattern,
                              gdi::HDC lnghDC)
{
    const gdi::HDC target = lnghDC != 0 ? lnghDC : m_hDC;
    if (udtMeasurement == Twips) {
        // By the twips per pixel as the screen reports them, each quotient to the nearest whole number.
        graphics::exactTwipsToPixels({&intLeft, &intRight, &intEdgeRadius}, {&intTop, &intBottom});
    }
    // The colour goes to the platform as it is: a system-colour code is not resolved.
    const auto colour = static_cast<gdi::COLORREF>(lngColour);
    const ShapeTools tools(target, {static_cast<uint32_t>(lngStyle), colour, static_cast<uint32_t>(lngPattern)},
                           {gdi::PS_SOLID, {1, 0}, colour});
    if (tools.ready())
        gdi::RoundRect(target, intLeft.value(), intTop.value(), intRight.value(), intBottom.value(),
                       intEdgeRadius.value(), intEdgeRadius.value());
}

void clsBitmap::Invert(Int16 intX, Int16 intY, Int16 intWidth, Int16 intHeight)
{
    if (m_hDC == 0)
        return;
    const Int16 left = intX == Omitted ? Int16::from(m_rcImage.left) : intX;
    const Int16 top = intY == Omitted ? Int16::from(m_rcImage.top) : intY;
    const Int16 width = intWidth.value() < 0 ? Int16::from(int64_t(m_rcImage.right) - m_rcImage.left) : intWidth;
    const Int16 height = intHeight.value() < 0 ? Int16::from(int64_t(m_rcImage.bottom) - m_rcImage.top) : intHeight;
    const gdi::RECT area{left.value(), top.value(), (left + width).value(), (top + height).value()};
    gdi::InvertRect(m_hDC, &area);
}

void clsBitmap::DrawPoly(const vb::Array<Int16>& intX, const vb::Array<Int16>& intY, int32_t lngFillColour,
                         int32_t lngBorderColour, Int16 intBorderWidth, int32_t udtMeasurement)
{
    if (intX.LBound() != intY.LBound() || intX.UBound() != intY.UBound())
        return;
    const int32_t lower = intX.LBound();
    std::vector<gdi::POINT> points;
    for (int64_t i = lower; i <= intX.UBound(); ++i)
        points.push_back({intX(static_cast<int32_t>(i)).value(), intY(static_cast<int32_t>(i)).value()});
    if (udtMeasurement == Twips) {
        // The twips per pixel first to a whole number, then integer division, which drops the remainder.
        const int32_t perPixelX = vb::CLng(forms::Screen::TwipsPerPixelX());
        const int32_t perPixelY = vb::CLng(forms::Screen::TwipsPerPixelY());
        if (perPixelX == 0 || perPixelY == 0)
            vb::raiseDivisionByZero();
        for (gdi::POINT& p : points)
            p = {p.x / perPixelX, p.y / perPixelY};
    }
    // A cosmetic pen is one pixel wide whatever its width: the border needs a geometric one.
    const ShapeTools tools(
        m_hDC, {gdi::BS_SOLID, static_cast<gdi::COLORREF>(lngFillColour), 0},
        {gdi::PS_GEOMETRIC | gdi::PS_SOLID, {intBorderWidth.value(), 0}, static_cast<gdi::COLORREF>(lngBorderColour)});
    if (tools.ready())
        gdi::Polygon(m_hDC, points.data(), static_cast<int>(points.size()));
}
