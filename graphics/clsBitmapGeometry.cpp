// Geometry: a tilted ellipse drawn as a polygon, the angle and the slope between two points.
#include "graphics/clsBitmap.h"

#include "platform/forms/Screen.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/Numbers.h"

#include <cmath>
#include <vector>

using vb::Int16;

namespace {

constexpr float kPi = 3.1415927f;

float radians(float degrees) { return degrees * kPi / 180.0f; }

} // namespace

void clsBitmap::DrawEllipse(Int16 intCenterX, Int16 intCenterY, Int16 intHeight, Int16 intWidth, Int16 intTiltAngle,
                            int32_t lngColour, Int16 intThickness, bool blnIsHollow, int32_t udtMesurement)
{
    if (udtMesurement == Twips) {
        // In twips the pen's width is taken off both sides of each size; in pixels it is not.
        const float perPixelX = static_cast<float>(forms::Screen::TwipsPerPixelX());
        const float perPixelY = static_cast<float>(forms::Screen::TwipsPerPixelY());
        const float pen = (intThickness * 2).value();
        intCenterX = vb::CInt(intCenterX.value() / perPixelX);
        intCenterY = vb::CInt(intCenterY.value() / perPixelY);
        intHeight = vb::CInt(intHeight.value() / perPixelY - pen);
        intWidth = vb::CInt(intWidth.value() / perPixelX - pen);
    }
    // a is the half axis across the tilt direction, a + b the one along it.
    const Int16 a = vb::CInt(intHeight.value() / 2.0);
    const Int16 b = vb::CInt(intWidth.value() / 2.0 - a.value());
    const Int16 halfLength = a + b;
    // Too small to give a point count: nothing to draw.
    if (halfLength.value() <= 0)
        return;
    const float tilt = static_cast<float>(intTiltAngle.value() % 360);
    const float n = halfLength.value() * kPi / 3.0f;
    const int count = vb::CLng(n);
    const float step = 360.0f / n;
    std::vector<gdi::POINT> points(static_cast<size_t>(count) + 1);

    const float alongX = b.value() * std::sin(radians(tilt)), alongY = b.value() * std::cos(radians(tilt));
    for (float t = 0; t <= 360.0f; t += step) {
        const int k = vb::CLng(t / step);
        if (k > count)
            vb::raiseSubscriptOutOfRange();
        const float x = intCenterX.value() + alongX * std::cos(radians(t)) + a.value() * std::sin(radians(tilt + t));
        const float y = intCenterY.value() + alongY * std::cos(radians(t)) + a.value() * std::cos(radians(tilt + t));
        points[k] = {vb::CLng(x), vb::CLng(y)};
    }

    // A hollow brush leaves the inside as it was, which is what a caller asking for a hollow
    // ellipse expects; otherwise the brush fills it in the outline's colour.
    const gdi::LOGBRUSH brushRecord{blnIsHollow ? gdi::BS_HOLLOW : gdi::BS_SOLID, static_cast<gdi::COLORREF>(lngColour),
                                    blnIsHollow ? 1u : 0u};
    const gdi::LOGPEN penRecord{
        gdi::PS_GEOMETRIC | gdi::PS_SOLID, {intThickness.value(), 0}, static_cast<gdi::COLORREF>(lngColour)};
    const gdi::HBRUSH brush = gdi::CreateBrushIndirect(&brushRecord);
    const gdi::HPEN pen = gdi::CreatePenIndirect(&penRecord);
    const gdi::HGDIOBJ previousBrush = gdi::SelectObject(m_hDC, brush);
    const gdi::HGDIOBJ previousPen = gdi::SelectObject(m_hDC, pen);
    gdi::Polygon(m_hDC, points.data(), count);
    gdi::SelectObject(m_hDC, previousPen);
    gdi::SelectObject(m_hDC, previousBrush);
    gdi::DeleteObject(pen);
    gdi::DeleteObject(brush);
}

Int16 clsBitmap::GetAngle(Int16 intX1, Int16 intY1, Int16 intX2, Int16 intY2)
{
    const Int16 dx = intX2 - intX1, dy = intY2 - intY1;
    const int x = dx.value(), y = dy.value();
    if (x == 0 && y == 0)
        return 0;
    float angle = static_cast<float>(std::atan(Slope(intX1, intY1, intX2, intY2))) * 180.0f / kPi;
    if (y < 0)
        angle += 180;
    if (angle < 0)
        angle += 360;
    // The arctangent knows only two quadrants; the signs of the differences pick the half turn.
    if (angle != 0) {
        const bool sameSigns = (y < 0 && x < 0) || (y >= 0 && x >= 0);
        angle = static_cast<float>(vb::CInt(sameSigns ? angle : angle + 180).value() % 360);
    }
    if (x == 0 && y > 0)
        angle = 90;
    else if (x == 0 && y < 0)
        angle = 270;
    else if (x < 0 && y == 0)
        angle = 180;
    else if (x > 0 && y == 0)
        angle = 0;
    return vb::CInt(angle).value() % 360;
}

float clsBitmap::Slope(Int16 intX1, Int16 intY1, Int16 intX2, Int16 intY2)
{
    const Int16 dx = intX2 - intX1, dy = intY2 - intY1;
    if (dx.value() == 0 || dy.value() == 0)
        return 0;
    return static_cast<float>(static_cast<double>(dy.value()) / dx.value());
}
