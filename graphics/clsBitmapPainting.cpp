// Painting: copying the image out and another DC in, filling rectangles, stretch mode and colour
// adjustment.
#include "graphics/TwipsToPixels.h"
#include "graphics/clsBitmap.h"

#include "platform/forms/Screen.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/Numbers.h"

using vb::Int16;

void clsBitmap::Paint(gdi::HDC lngDestDc, Int16 intDestX, Int16 intDestY, Int16 intHeight, Int16 intWidth,
                      Int16 intSourceX, Int16 intSourceY, int32_t lngPaintMode)
{
    // The whole image is Right x Bottom, not the differences: an image moved by its Left or Top
    // still copies from its DC's corner.
    const int height = intHeight.value() < 0 ? m_rcImage.bottom : intHeight.value();
    const int width = intWidth.value() < 0 ? m_rcImage.right : intWidth.value();
    gdi::BitBlt(lngDestDc, intDestX.value(), intDestY.value(), width, height, m_hDC, intSourceX.value(),
                intSourceY.value(), static_cast<uint32_t>(lngPaintMode));
}

void clsBitmap::DrawRect(int32_t lngColour, Int16 intTop, Int16 intLeft, Int16 intHeight, Int16 intWidth,
                         int32_t udtMeasurement, int32_t lngStyle, int32_t lngPattern, gdi::HDC lnghDC)
{
    const gdi::HDC target = lnghDC != 0 ? lnghDC : m_hDC;
    if (intHeight.value() < 0)
        intHeight = Int16::from(static_cast<long long>(m_rcImage.bottom) - m_rcImage.top);
    if (intWidth.value() < 0)
        intWidth = Int16::from(static_cast<long long>(m_rcImage.right) - m_rcImage.left);
    // The right and bottom edges must be 16-bit values too, though only the extents are used.
    static_cast<void>(intLeft + intWidth);
    static_cast<void>(intTop + intHeight);
    if (udtMeasurement == Twips) {
        graphics::exactTwipsToPixels({&intLeft, &intWidth}, {&intTop, &intHeight});
    }
    const int32_t colour = lngColour == BackgroundColourMarker ? m_lngBackgroundColour : lngColour;
    const gdi::LOGBRUSH record{static_cast<uint32_t>(lngStyle), static_cast<gdi::COLORREF>(colour),
                               static_cast<uint32_t>(lngPattern)};
    const gdi::HBRUSH brush = gdi::CreateBrushIndirect(&record);
    // A brush record the platform refuses must not leave the fill to whatever brush the DC holds.
    if (brush == 0)
        return;
    const gdi::HGDIOBJ previous = gdi::SelectObject(target, brush);
    gdi::PatBlt(target, intLeft.value(), intTop.value(), intWidth.value(), intHeight.value(), gdi::PATCOPY);
    gdi::SelectObject(target, previous);
    gdi::DeleteObject(brush);
}

void clsBitmap::Cls() { DrawRect(BackgroundColourMarker, 0, 0, -1, -1, Pixels, gdi::BS_SOLID, 8, m_hDC); }

void clsBitmap::PaintFrom(gdi::HDC lngSourceDC, Int16 intSrcWidth, Int16 intSrcHeight, Int16 intSrcLeft,
                          Int16 intSrcTop, Int16 intDestLeft, Int16 intDestTop, Int16 intDestWidth, Int16 intDestHeight,
                          int32_t enmPaintMode)
{
    if (lngSourceDC == 0 || intSrcWidth.value() == 0 || intSrcHeight.value() == 0 || intDestWidth.value() == 0
        || intDestHeight.value() == 0)
        return;
    if (intDestWidth.value() < 0 || intDestHeight.value() < 0) {
        intDestWidth = Width();
        intDestHeight = Height();
    }
    if (intSrcWidth.value() < 0 || intSrcHeight.value() < 0) {
        intSrcWidth = Width();
        intSrcHeight = Height();
    }
    const auto rop = static_cast<uint32_t>(enmPaintMode);
    if (intSrcWidth == intDestWidth && intSrcHeight == intDestHeight)
        gdi::BitBlt(m_hDC, intDestLeft.value(), intDestTop.value(), intDestWidth.value(), intDestHeight.value(),
                    lngSourceDC, intSrcLeft.value(), intSrcTop.value(), rop);
    else
        gdi::StretchBlt(m_hDC, intDestLeft.value(), intDestTop.value(), intDestWidth.value(), intDestHeight.value(),
                        lngSourceDC, intSrcLeft.value(), intSrcTop.value(), intSrcWidth.value(), intSrcHeight.value(),
                        rop);
}

void clsBitmap::SetStretchMode(int32_t lngMode)
{
    gdi::POINT origin;
    if (m_hDC == 0 || !gdi::GetBrushOrgEx(m_hDC, &origin))
        return;
    if (gdi::GetStretchBltMode(m_hDC) != gdi::HALFTONE)
        gdi::SetStretchBltMode(m_hDC, Int16::from(lngMode).value());
    AdjustColour();
    gdi::SetBrushOrgEx(m_hDC, origin.x, origin.y, nullptr);
}

void clsBitmap::AdjustColour(int32_t enmNegative, int32_t enmIlluminant, int32_t lngRedGamma, int32_t lngGreenGamma,
                             int32_t lngBlueGamma, Int16 intRoundToBlackAt, Int16 intRoundToWhiteFrom,
                             Int16 intContrast, Int16 intBrightness, Int16 intColourfulness, Int16 intRedGreenTint)
{
    if (m_hDC == 0)
        return;
    const auto gamma = [](int32_t g) { return static_cast<uint16_t>(g >= 2500 && g <= 65000 ? g : 10000); };
    const auto within = [](Int16 v, int lo, int hi, int neutral) {
        return static_cast<int16_t>(v.value() >= lo && v.value() <= hi ? v.value() : neutral);
    };
    gdi::COLORADJUSTMENT ca;
    ca.caSize = 24;
    ca.caFlags = static_cast<uint16_t>(Int16::from(enmNegative).value());
    ca.caIlluminantIndex = static_cast<uint16_t>(Int16::from(enmIlluminant).value());
    ca.caRedGamma = gamma(lngRedGamma);
    ca.caGreenGamma = gamma(lngGreenGamma);
    ca.caBlueGamma = gamma(lngBlueGamma);
    ca.caReferenceBlack = static_cast<uint16_t>(within(intRoundToBlackAt, 0, 4000, 0));
    ca.caReferenceWhite = static_cast<uint16_t>(within(intRoundToWhiteFrom, 6000, 10000, 10000));
    ca.caContrast = within(intContrast, -100, 100, 0);
    ca.caBrightness = within(intBrightness, -100, 100, 0);
    ca.caColorfulness = within(intColourfulness, -100, 100, 0);
    ca.caRedGreenTint = within(intRedGreenTint, -100, 100, 0);
    gdi::SetColorAdjustment(m_hDC, &ca);
}
