// Text: a string in a rectangle, with a font made from a font object.
#include "graphics/clsBitmap.h"

#include "graphics/WorkBitmap.h"

#include "platform/gdi/AnsiText.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/Numbers.h"

#include <QFontInfo>

#include <cstring>

using vb::Int16;

namespace {

uint32_t alignmentFlags(int32_t enmAlignment)
{
    switch (enmAlignment) {
    case 1: return gdi::DT_VCENTER | gdi::DT_LEFT;
    case 2: return gdi::DT_VCENTER | gdi::DT_CENTER;
    case 3: return gdi::DT_VCENTER | gdi::DT_RIGHT;
    default: return gdi::DT_TOP | gdi::DT_LEFT;
    }
}

// The font object's size in points. A Qt font may be sized in pixels instead; its point size is
// then what those pixels measure on the screen.
double pointSize(const QFont& font, int pixelsPerInch)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    return font.pixelSize() * 72.0 / (pixelsPerInch > 0 ? pixelsPerInch : 96);
}

} // namespace

void clsBitmap::DrawString(const QString& strText, Int16 intTop, Int16 intLeft, Int16 intHeight, Int16 intWidth,
                           const QFont& fntFormat, int32_t lngColour, int32_t enmAlignment, Int16 intAngle,
                           int32_t udtMeasurement)
{
    gdi::RECT rc{intLeft.value(), intTop.value(), (intLeft + intWidth).value(), (intTop + intHeight).value()};
    if (udtMeasurement == Twips)
        RectToPixels(rc);
    gdi::HFONT previousFont = 0;
    const gdi::HFONT font = CreateLogFont(fntFormat, previousFont, m_hDC, intAngle);
    const uint32_t flags = alignmentFlags(enmAlignment);
    gdi::SetBkMode(m_hDC, gdi::TRANSPARENT);
    gdi::SetTextColor(m_hDC, static_cast<gdi::COLORREF>(lngColour));
    const QByteArray ansi = gdi::toAnsi(strText);
    gdi::DrawTextA(m_hDC, ansi.constData(), static_cast<int>(strText.size()), &rc, flags);
    gdi::SelectObject(m_hDC, previousFont);
    gdi::DeleteObject(font);
}

Int16 clsBitmap::GetTextHeight(const QFont& fntFormat)
{
    // Measured in a DC of its own, so the image's DC keeps its font.
    const WorkBitmap work(*this, 1, 1, 0);
    gdi::HFONT previousFont = 0;
    const gdi::HFONT font = CreateLogFont(fntFormat, previousFont, work.dc(), 0);
    gdi::TEXTMETRICA metrics;
    gdi::GetTextMetricsA(work.dc(), &metrics);
    gdi::SelectObject(work.dc(), previousFont);
    gdi::DeleteObject(font);
    return Int16::from(metrics.tmHeight);
}

gdi::HFONT clsBitmap::CreateLogFont(const QFont& fntFormat, gdi::HFONT& lngPreviousFont, gdi::HDC lnghDC,
                                    Int16 intAngle)
{
    const gdi::HDC target = lnghDC != 0 ? lnghDC : m_hDC;
    const int pixelsPerInch = gdi::GetDeviceCaps(m_hDC, gdi::LOGPIXELSY);
    const uint8_t points = vb::CByte(pointSize(fntFormat, pixelsPerInch));
    const QByteArray name = gdi::toAnsi(fntFormat.family());

    gdi::LOGFONTA lf;
    lf.lfHeight = -vb::CLng(points * pixelsPerInch / 72.0);
    lf.lfWidth = 0;
    lf.lfEscapement = intAngle.value() % 360 * 10;
    lf.lfOrientation = 0;
    lf.lfWeight = fntFormat.bold() ? gdi::FW_BOLD : gdi::FW_NORMAL;
    lf.lfItalic = fntFormat.italic() ? 255 : 0;
    lf.lfUnderline = fntFormat.underline() ? 255 : 0;
    lf.lfStrikeOut = fntFormat.strikeOut() ? 255 : 0;
    lf.lfCharSet = gdi::DEFAULT_CHARSET;
    lf.lfOutPrecision = 0;
    lf.lfClipPrecision = 0;
    lf.lfQuality = gdi::PROOF_QUALITY;
    lf.lfPitchAndFamily = 0;
    // The name and its zero byte must fit the record's 32 bytes.
    if (name.size() >= gdi::LF_FACESIZE)
        vb::raiseSubscriptOutOfRange();
    std::memcpy(lf.lfFaceName, name.constData(), static_cast<size_t>(name.size()));
    lf.lfFaceName[name.size()] = 0;

    const gdi::HFONT font = gdi::CreateFontIndirectA(&lf);
    lngPreviousFont = gdi::SelectObject(target, font);
    return font;
}
