// Blending: two pictures mixed with one opacity by the platform, or pixel by pixel with a mask.
#include "graphics/clsBitmap.h"

#include "graphics/PixelColumns.h"
#include "graphics/TwipsToPixels.h"
#include "graphics/WorkBitmap.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/Numbers.h"

using vb::Int16;

namespace {

struct Channels {
    float red, green, blue;
};

// A colour read back as a signed value split by whole-number division, as the blend has always
// done it: a failed read (-1) comes out as red -1, which no real colour matches.
Channels channelsOf(int32_t colour)
{
    const int32_t blue = colour / 65536;
    const int32_t green = (colour - blue * 65536) / 256;
    const int32_t red = colour - blue * 65536 - green * 256;
    return {float(red), float(green), float(blue)};
}

} // namespace

void clsBitmap::WinBlend(gdi::HDC lngPic1hDc, gdi::HDC lngPic2hDc, Int16 intDestX, Int16 intDestY, Int16 intWidth,
                         Int16 intHeight, Int16 lngPic1X, Int16 lngPic1Y, Int16 lngPic2X, Int16 lngPic2Y,
                         float sngBlendAmount, int32_t enmMeasurement)
{
    if (intWidth.value() < 0)
        intWidth = Int16::from(static_cast<long long>(m_rcImage.right) - m_rcImage.left);
    if (intHeight.value() < 0)
        intHeight = Int16::from(static_cast<long long>(m_rcImage.bottom) - m_rcImage.top);
    if (enmMeasurement == Twips)
        graphics::twipsToPixels({&intDestX, &intWidth, &lngPic1X, &lngPic2X},
                                {&intDestY, &intHeight, &lngPic1Y, &lngPic2Y});
    // The product is single precision, as the amount is: 0.3 gives 76.5 and so 76, not 77. An
    // amount whose alpha leaves 0..255 stops here, before anything is drawn.
    const uint8_t alpha = vb::CByte(sngBlendAmount * 255.0f);

    const int w = intWidth.value(), h = intHeight.value();
    const WorkBitmap work(*this, w, h, m_hDC);
    gdi::BitBlt(work.dc(), 0, 0, w, h, lngPic1hDc, lngPic1X.value(), lngPic1Y.value(), gdi::SRCCOPY);
    gdi::AlphaBlend(work.dc(), 0, 0, w, h, lngPic2hDc, lngPic2X.value(), lngPic2Y.value(), w, h,
                    gdi::blendFunction(alpha));
    gdi::BitBlt(m_hDC, intDestX.value(), intDestY.value(), w, h, work.dc(), 0, 0, gdi::SRCCOPY);
}

void clsBitmap::BFAlphaBlend(gdi::HDC lngDesthDc, gdi::HDC lngSrc1hDc, gdi::HDC lngSrc2hDc, Int16 intDestX,
                             Int16 intDestY, Int16 intWidth, Int16 intHeight, Int16 lngSrc1X, Int16 lngSrc1Y,
                             Int16 lngSrc2X, Int16 lngSrc2Y, float sngBlendAmount, gdi::HDC lngMaskhDc,
                             int32_t intMeasurement)
{
    if (intMeasurement == Twips)
        graphics::twipsToPixels({&intDestX, &intWidth, &lngSrc1X, &lngSrc2X},
                                {&intDestY, &intHeight, &lngSrc1Y, &lngSrc2Y});
    const int w = intWidth.value(), h = intHeight.value();
    // Whole amounts copy one source and never look at the mask.
    if (sngBlendAmount >= 1 || sngBlendAmount <= 0) {
        const bool second = sngBlendAmount >= 1;
        gdi::BitBlt(lngDesthDc, intDestX.value(), intDestY.value(), w, h, second ? lngSrc2hDc : lngSrc1hDc,
                    (second ? lngSrc2X : lngSrc1X).value(), (second ? lngSrc2Y : lngSrc1Y).value(), gdi::SRCCOPY);
        return;
    }

    const WorkBitmap work(*this, w, h, lngDesthDc);
    graphics::PixelColumns source1(lngSrc1hDc, lngSrc1X.value(), lngSrc1Y.value(), w, h);
    graphics::PixelColumns source2(lngSrc2hDc, lngSrc2X.value(), lngSrc2Y.value(), w, h);
    graphics::PixelColumns mask(lngMaskhDc, 0, 0, w, h);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) {
            const auto read = [x, y](graphics::PixelColumns& from, Int16 left, Int16 top) {
                return static_cast<int32_t>(from.at((left + x).value(), (top + y).value()));
            };
            const Channels c1 = channelsOf(read(source1, lngSrc1X, lngSrc1Y));
            const Channels c2 = channelsOf(read(source2, lngSrc2X, lngSrc2Y));
            float a = sngBlendAmount;
            if (lngMaskhDc != 0) {
                // The mask selects rather than grades: only pure white reaches 765.
                const Channels m = channelsOf(read(mask, 0, 0));
                a = float((int32_t(m.red) + int32_t(m.green) + int32_t(m.blue)) / 765);
            }
            Channels mixed = c1;
            if (c1.red != c2.red || c1.green != c2.green || c1.blue != c2.blue)
                mixed = {c1.red - (c1.red - c2.red) * a, c1.green - (c1.green - c2.green) * a,
                         c1.blue - (c1.blue - c2.blue) * a};
            // Green and blue are taken to whole numbers first, red only with the sum, which is
            // worked out in double precision so that red's fraction survives beside blue * 65536.
            const double colour =
                mixed.red + vb::roundHalfEven(mixed.green) * 256 + vb::roundHalfEven(mixed.blue) * 65536;
            gdi::SetPixel(work.dc(), x, y, static_cast<gdi::COLORREF>(vb::CLng(colour)));
        }
    gdi::BitBlt(lngDesthDc, intDestX.value(), intDestY.value(), w, h, work.dc(), 0, 0, gdi::SRCCOPY);
}
