// A new size for the image: its pixels kept at the top left or stretched.
#include "graphics/clsBitmap.h"

#include "platform/gdi/Gdi.h"
#include "platform/vb/Numbers.h"

using vb::Int16;

void clsBitmap::ReSize(Int16 intWidth, Int16 intHeight, bool blnStretch)
{
    if (intWidth.value() < 0)
        intWidth = Width();
    if (intHeight.value() < 0)
        intHeight = Height();
    // The edges are 32-bit, as a window's position may have put them far out; checked before
    // anything is made.
    const gdi::RECT rc{m_rcImage.left, m_rcImage.top, vb::CLng(double(m_rcImage.left) + intWidth.value()),
                       vb::CLng(double(m_rcImage.top) + intHeight.value())};

    gdi::HDC hDC = 0;
    gdi::HBITMAP hBitmap = 0;
    gdi::HBITMAP hOldBitmap = 0;
    CreateMemoryBitmap(hDC, hBitmap, hOldBitmap, {0, 0, intWidth.value(), intHeight.value()}, 0, Pixels,
                       BackgroundColourMarker);
    if (blnStretch)
        gdi::StretchBlt(hDC, 0, 0, intWidth.value(), intHeight.value(), m_hDC, m_rcImage.left, m_rcImage.top,
                        Width().value(), Height().value(), gdi::SRCCOPY);
    else
        gdi::BitBlt(hDC, 0, 0, intWidth.value(), intHeight.value(), m_hDC, m_rcImage.left, m_rcImage.top, gdi::SRCCOPY);
    DestroyMemoryBitmap(m_hDC, m_hBitmap, m_hOldBitmap);
    m_hDC = hDC;
    m_hBitmap = hBitmap;
    m_hOldBitmap = hOldBitmap;
    m_rcImage = rc;
}

void clsBitmap::SizeToBitmap(gdi::HBITMAP hBitmap, const bool& blnStretch)
{
    gdi::BITMAP record;
    if (gdi::GetObjectType(hBitmap) != gdi::OBJ_BITMAP || gdi::GetObjectA(hBitmap, sizeof record, &record) == 0)
        return;
    ReSize(Int16::from(record.bmWidth), Int16::from(record.bmHeight), blnStretch);
}

void clsBitmap::setWidth(Int16 intWidth) { ReSize(intWidth, -1, false); }
void clsBitmap::setHeight(Int16 intHeight) { ReSize(-1, intHeight, false); }
