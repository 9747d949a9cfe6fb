// Lines and gradients, and splitting a colour into its components.
#include "graphics/TwipsToPixels.h"
#include "graphics/clsBitmap.h"

#include "platform/forms/Screen.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/Numbers.h"

#include <algorithm>

using vb::Int16;

namespace {

// A colour from components, each taken to the nearest whole number and any above 255 as 255.
int32_t composeColour(float red, float green, float blue)
{
    const auto component = [](float v) { return std::min<int32_t>(vb::CInt(v).value(), 255); };
    return component(red) + component(green) * 256 + component(blue) * 65536;
}

} // namespace

void clsBitmap::DrawLine(Int16 intX1, Int16 intY1, Int16 intX2, Int16 intY2, int32_t lngColour, Int16 intWidth,
                         int32_t udtMeasurement)
{
    if (udtMeasurement == Twips) {
        graphics::exactTwipsToPixels({&intX1, &intX2}, {&intY1, &intY2});
    }
    const gdi::LOGPEN record{
        gdi::PS_GEOMETRIC | gdi::PS_SOLID, {intWidth.value(), 0}, static_cast<gdi::COLORREF>(lngColour)};
    const gdi::HPEN pen = gdi::CreatePenIndirect(&record);
    const gdi::HGDIOBJ previous = gdi::SelectObject(m_hDC, pen);
    const gdi::POINT points[2] = {{intX1.value(), intY1.value()}, {intX2.value(), intY2.value()}};
    gdi::Polyline(m_hDC, points, 2);
    gdi::SelectObject(m_hDC, previous);
    gdi::DeleteObject(pen);
}

void clsBitmap::GetRGB(int32_t lngColour, Int16* intRed, Int16* intGreen, Int16* intBlue)
{
    constexpr int32_t firstSystemColour = BackgroundColourMarker; // &H80000000, index 0
    constexpr int32_t lastSystemColour = BackgroundColourMarker + 28; // &H8000001C
    if (lngColour >= firstSystemColour && lngColour <= lastSystemColour)
        lngColour = static_cast<int32_t>(gdi::GetSysColor(lngColour & 0x7FFFFFFF));
    else if (lngColour > 0xFFFFFF || lngColour < -0xFFFFFF)
        return;
    if (intRed)
        *intRed = lngColour & 0xFF;
    if (intGreen)
        *intGreen = lngColour >> 8 & 0xFF;
    if (intBlue)
        *intBlue = lngColour >> 16 & 0xFF;
}

void clsBitmap::Gradient(int32_t lngStartCol, int32_t lngFinishCol, Int16 intLeft, Int16 intTop, Int16 intWidth,
                         Int16 intHeight, int32_t Direction, uint8_t bytLineWidth)
{
    // A rejected finish colour leaves the start's components in place; a rejected start leaves 0s.
    Int16 red = 0, green = 0, blue = 0;
    GetRGB(lngStartCol, &red, &green, &blue);
    const Int16 startRed = red, startGreen = green, startBlue = blue;
    GetRGB(lngFinishCol, &red, &green, &blue);

    const int length = Direction == 0 ? intHeight.value() : Direction == 1 ? intWidth.value() : 0;
    if (length == 0)
        vb::raiseDivisionByZero();
    const auto increment = [&](Int16 finish, Int16 start) {
        return static_cast<float>(static_cast<double>(finish.value() - start.value()) * bytLineWidth / length);
    };
    const float stepRed = increment(red, startRed);
    const float stepGreen = increment(green, startGreen);
    const float stepBlue = increment(blue, startBlue);
    // With no width the lines would never move on; there is nothing to draw.
    if (bytLineWidth == 0)
        return;

    float r = startRed.value(), g = startGreen.value(), b = startBlue.value();
    // The offset steps in 32 bits so the step after the last line cannot overflow; the
    // coordinates it makes are 16-bit as always.
    for (int i = 0; i <= length; i += bytLineWidth) {
        r = std::clamp(r, 0.0f, 255.0f);
        g = std::clamp(g, 0.0f, 255.0f);
        b = std::clamp(b, 0.0f, 255.0f);
        const int32_t colour = composeColour(r, g, b);
        const Int16 offset = Int16::from(i);
        if (Direction == 0)
            DrawLine(intLeft, intTop + offset, intLeft + intWidth, intTop + offset, colour, bytLineWidth, Pixels);
        else
            DrawLine(intLeft + offset, intTop, intLeft + offset, intTop + intHeight, colour, bytLineWidth, Pixels);
        r += stepRed;
        g += stepGreen;
        b += stepBlue;
    }
}
