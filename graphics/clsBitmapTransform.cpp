// Mirroring and turning: an area of a DC copied into the image flipped, or turned by quarter turns.
#include "graphics/clsBitmap.h"

#include "graphics/PixelColumns.h"
#include "graphics/TwipsToPixels.h"
#include "graphics/WorkBitmap.h"
#include "platform/gdi/Gdi.h"

using vb::Int16;

namespace {

constexpr int32_t LeftToRight = 0;
constexpr int32_t TopToBottom = 1;

// The W x H area at (x, y) of `from` into the top-left corner of `to`, mirrored one block copy per
// column (left to right) or per row (top to bottom); any other orientation copies the top row as
// it is. Positions are 16-bit sums, as everywhere in the class.
void mirror(gdi::HDC to, gdi::HDC from, Int16 x, Int16 y, Int16 w, Int16 h, int32_t orientation)
{
    if (orientation == LeftToRight) {
        for (int i = 0; i < w.value(); ++i)
            gdi::BitBlt(to, (w - 1 - i).value(), 0, 1, h.value(), from, (x + i).value(), y.value(), gdi::SRCCOPY);
    } else if (orientation == TopToBottom) {
        for (int i = 0; i < h.value(); ++i)
            gdi::BitBlt(to, 0, (h - 1 - i).value(), w.value(), 1, from, x.value(), (y + i).value(), gdi::SRCCOPY);
    } else {
        gdi::BitBlt(to, 0, 0, w.value(), 1, from, x.value(), y.value(), gdi::SRCCOPY);
    }
}

} // namespace

void clsBitmap::FlipBitmap(Int16 intDestX, Int16 intDestY, Int16 intWidth, Int16 intHeight, gdi::HDC lngSourcehDc,
                           Int16 intSourceX, Int16 intSourceY, int32_t Orientation, int32_t udtMeasurement)
{
    if (udtMeasurement == Twips)
        graphics::twipsToPixels({&intDestX, &intWidth, &intSourceX}, {&intDestY, &intHeight, &intSourceY});
    const int w = intWidth.value(), h = intHeight.value();
    const WorkBitmap work(*this, w, h, lngSourcehDc);
    mirror(work.dc(), lngSourcehDc, intSourceX, intSourceY, intWidth, intHeight, Orientation);
    gdi::BitBlt(m_hDC, intDestX.value(), intDestY.value(), w, h, work.dc(), 0, 0, gdi::SRCCOPY);
}

void clsBitmap::RotateBitmap(gdi::HDC lngSourcehDc, int32_t Rotate, Int16 intDestX, Int16 intDestY, Int16 intSourceX,
                             Int16 intSourceY, Int16 intWidth, Int16 intHeight, int32_t udtMeasurement)
{
    if (udtMeasurement == Twips)
        graphics::twipsToPixels({&intDestX, &intSourceX, &intWidth}, {&intDestY, &intSourceY, &intHeight});
    const int w = intWidth.value(), h = intHeight.value();
    // A half turn keeps the area's shape; a quarter turn, and any value that turns nothing, swap it.
    const int workWidth = Rotate == 2 ? w : h, workHeight = Rotate == 2 ? h : w;
    const WorkBitmap work(*this, workWidth, workHeight, m_hDC);

    if (Rotate == 0 || Rotate == 1) {
        graphics::PixelColumns source(lngSourcehDc, intSourceX.value(), intSourceY.value(), w, h);
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y) {
                const gdi::COLORREF c = source.at((intSourceX + x).value(), (intSourceY + y).value());
                if (Rotate == 0) // the top row becomes the right-hand column
                    gdi::SetPixel(work.dc(), (intHeight - 1 - y).value(), x, c);
                else // the top row becomes the left-hand column, read upwards
                    gdi::SetPixel(work.dc(), y, (intWidth - 1 - x).value(), c);
            }
    } else if (Rotate == 2) {
        // Two mirror passes make the half turn: left to right from the source into a first work
        // bitmap, then top to bottom from that one into the work bitmap that is copied out.
        const WorkBitmap pass(*this, w, h, m_hDC);
        mirror(pass.dc(), lngSourcehDc, intSourceX, intSourceY, intWidth, intHeight, LeftToRight);
        mirror(work.dc(), pass.dc(), 0, 0, intWidth, intHeight, TopToBottom);
    }
    gdi::BitBlt(m_hDC, intDestX.value(), intDestY.value(), workWidth, workHeight, work.dc(), 0, 0, gdi::SRCCOPY);
}
