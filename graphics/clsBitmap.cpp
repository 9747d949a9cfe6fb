// Model and lifetime: construction, the memory bitmap behind the image, SetBitmap and the size.
#include "graphics/clsBitmap.h"

#include "platform/forms/Screen.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/Numbers.h"

#include <algorithm>

using vb::Int16;

clsBitmap::clsBitmap()
{
    SetBitmap(0, 0, ButtonFace, 0);
    SetStretchMode(gdi::COLORONCOLOR);
}

clsBitmap::~clsBitmap() { DestroyMemoryBitmap(m_hDC, m_hBitmap, m_hOldBitmap); }

void clsBitmap::SetBitmap(Int16 intHeight, Int16 intWidth, int32_t lngColour, gdi::HDC lngCompatableWithhDc)
{
    m_lngBackgroundColour = GetSystemColour(lngColour);
    DestroyMemoryBitmap(m_hDC, m_hBitmap, m_hOldBitmap);
    // The platform refuses a bitmap of negative size, which would leave the DC without one; a
    // negative extent makes an empty image instead, one that draws nothing and is released as usual.
    m_rcImage.right = std::max<int32_t>(intWidth.value(), 0);
    m_rcImage.bottom = std::max<int32_t>(intHeight.value(), 0);
    CreateMemoryBitmap(m_hDC, m_hBitmap, m_hOldBitmap, m_rcImage, lngCompatableWithhDc, Pixels, BackgroundColourMarker);
    m_lngCompatibleDC = lngCompatableWithhDc;
}

Int16 clsBitmap::Width() const { return Int16::from(static_cast<long long>(m_rcImage.right) - m_rcImage.left); }
Int16 clsBitmap::Height() const { return Int16::from(static_cast<long long>(m_rcImage.bottom) - m_rcImage.top); }

void clsBitmap::CreateMemoryBitmap(gdi::HDC& hDC, gdi::HBITMAP& hBitmap, gdi::HBITMAP& hOldBitmap,
                                   const gdi::RECT& rcSize, gdi::HDC lngCompatibleDC, int32_t udtMeasurement,
                                   int32_t lngColour)
{
    gdi::RECT rc = rcSize;
    if (udtMeasurement == Twips)
        RectToPixels(rc);
    const int width = rc.right - rc.left;
    const int height = rc.bottom - rc.top;
    if (lngCompatibleDC != 0) {
        hDC = gdi::CreateCompatibleDC(lngCompatibleDC);
        hBitmap = gdi::CreateCompatibleBitmap(lngCompatibleDC, width, height);
    } else {
        const gdi::HDC screen = gdi::GetDC(0);
        hDC = gdi::CreateCompatibleDC(screen);
        hBitmap = gdi::CreateCompatibleBitmap(screen, width, height);
        gdi::ReleaseDC(0, screen);
    }
    hOldBitmap = gdi::SelectObject(hDC, hBitmap);

    const int32_t fill = lngColour == BackgroundColourMarker ? m_lngBackgroundColour : lngColour;
    gdi::SetBkMode(hDC, gdi::OPAQUE);
    gdi::SetBkColor(hDC, static_cast<gdi::COLORREF>(fill));
    DrawRect(fill, 0, 0, Int16::from(height), Int16::from(width), Pixels, gdi::BS_SOLID, 8, hDC);
    gdi::MoveToEx(hDC, 0, 0, nullptr);
    gdi::SetBrushOrgEx(hDC, 0, 0, nullptr);
}

void clsBitmap::DestroyMemoryBitmap(gdi::HDC& hDC, gdi::HBITMAP& hBitmap, gdi::HBITMAP& hOldBitmap)
{
    if (hDC == 0)
        return;
    if (hDC == m_hDC && m_hOldPalette != 0) {
        gdi::SelectPalette(hDC, m_hOldPalette, false);
        m_hOldPalette = 0;
        m_picPalette = {};
    }
    gdi::SelectObject(hDC, hOldBitmap);
    gdi::DeleteObject(hBitmap);
    gdi::DeleteDC(hDC);
    hDC = 0;
    hBitmap = 0;
    hOldBitmap = 0;
}

void clsBitmap::RectToPixels(gdi::RECT& rc)
{
    const double x = forms::Screen::TwipsPerPixelX();
    const double y = forms::Screen::TwipsPerPixelY();
    rc.left = vb::CLng(rc.left / x);
    rc.right = vb::CLng(rc.right / x);
    rc.top = vb::CLng(rc.top / y);
    rc.bottom = vb::CLng(rc.bottom / y);
}
