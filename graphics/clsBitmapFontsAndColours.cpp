// Fitting a font to a size, and composing a colour.
#include "graphics/clsBitmap.h"

#include "graphics/WorkBitmap.h"
#include "platform/forms/Screen.h"
#include "platform/gdi/AnsiText.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/Numbers.h"

using vb::Int16;

Int16 clsBitmap::GetFontPointSize(QFont* fntDetails, const QString& strText, Int16 intHeight, Int16 intWidth,
                                  int32_t enmMeasurement)
{
    if (!fntDetails)
        return 0;
    if (enmMeasurement == Twips) {
        intHeight = intHeight / vb::CInt(forms::Screen::TwipsPerPixelY());
        intWidth = intWidth / vb::CInt(forms::Screen::TwipsPerPixelX());
    }
    if (intHeight.value() < 1 && intWidth.value() < 1)
        return vb::CInt(fntDetails->pointSizeF());
    const QString text = strText.isEmpty() ? QStringLiteral("W") : strText;

    // Measured at 8 points in a scratch DC; the caller's font object keeps that size.
    gdi::SIZE extent;
    {
        const WorkBitmap scratch(*this, 1, 1, 0);
        fntDetails->setPointSizeF(8);
        gdi::HFONT previousFont = 0;
        const gdi::HFONT font = CreateLogFont(*fntDetails, previousFont, scratch.dc(), 0);
        const QByteArray ansi = gdi::toAnsi(text);
        gdi::GetTextExtentPoint32A(scratch.dc(), ansi.constData(), static_cast<int>(ansi.size()), &extent);
        gdi::SelectObject(scratch.dc(), previousFont);
        gdi::DeleteObject(font);
    }

    // Pixels per point in each direction, and the size that fills the asked extent.
    const auto fit = [size = fntDetails->pointSizeF()](Int16 wanted, int32_t measured) -> Int16 {
        const double perPoint = measured / size;
        return wanted.value() > 0 && perPoint != 0 ? vb::CInt(wanted.value() / perPoint) : Int16(0);
    };
    const Int16 hp = fit(intHeight, extent.cy), wp = fit(intWidth, extent.cx);
    // Both given: the smaller fits both. One given: the other is 0, so the larger is the fit.
    if (intHeight.value() >= 1 && intWidth.value() >= 1)
        return hp.value() < wp.value() ? hp : wp;
    return hp.value() > wp.value() ? hp : wp;
}

int32_t clsBitmap::FromRGB(uint8_t bytRed, uint8_t bytGreen, uint8_t bytBlue)
{
    return bytRed + bytGreen * 256 + bytBlue * 65536;
}
