// The screen, the desktop's wallpaper and a window copied into the image.
#include "graphics/TwipsToPixels.h"
#include "graphics/clsBitmap.h"

#include "graphics/WorkBitmap.h"
#include "platform/forms/Screen.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/Numbers.h"

using vb::Int16;

namespace {

// A negative size stands for the image's, and is converted along with the others when the values
// are twips: destination first, then the screen's corner.
void capturedArea(Int16& intScreenX, Int16& intScreenY, Int16& intDestWidth, Int16& intDestHeight, Int16& intDestX,
                  Int16& intDestY, int32_t udtMeasurement, Int16 imageWidth, Int16 imageHeight)
{
    if (intDestWidth.value() < 0)
        intDestWidth = imageWidth;
    if (intDestHeight.value() < 0)
        intDestHeight = imageHeight;
    if (udtMeasurement != clsBitmap::Twips)
        return;
    graphics::exactTwipsToPixels({&intDestX, &intDestWidth, &intScreenX}, {&intDestY, &intDestHeight, &intScreenY});
}

} // namespace

void clsBitmap::GetScreenShot(Int16 intScreenX, Int16 intScreenY, Int16 intDestWidth, Int16 intDestHeight,
                              Int16 intDestX, Int16 intDestY, int32_t udtMeasurement)
{
    capturedArea(intScreenX, intScreenY, intDestWidth, intDestHeight, intDestX, intDestY, udtMeasurement, Width(),
                 Height());
    const gdi::HDC screen = gdi::GetDC(0);
    gdi::BitBlt(m_hDC, intDestX.value(), intDestY.value(), intDestWidth.value(), intDestHeight.value(), screen,
                intScreenX.value(), intScreenY.value(), gdi::SRCCOPY);
    gdi::ReleaseDC(0, screen);
}

void clsBitmap::GetWallpaper(Int16 intScreenX, Int16 intScreenY, Int16 intDestWidth, Int16 intDestHeight,
                             Int16 intDestX, Int16 intDestY, int32_t udtMeasurement)
{
    capturedArea(intScreenX, intScreenY, intDestWidth, intDestHeight, intDestX, intDestY, udtMeasurement, Width(),
                 Height());
    const gdi::RECT rcWorkArea = GetWorkArea();
    const WorkBitmap desktop(*this, rcWorkArea.right - rcWorkArea.left, rcWorkArea.bottom - rcWorkArea.top,
                             m_lngCompatibleDC);
    gdi::PaintDesktop(desktop.dc());
    gdi::BitBlt(m_hDC, intDestX.value(), intDestY.value(), intDestWidth.value(), intDestHeight.value(), desktop.dc(),
                intScreenX.value(), intScreenY.value(), gdi::SRCCOPY);
}

void clsBitmap::GetWindowSnapShot(gdi::HWND hWnd)
{
    if (hWnd == 0)
        return;
    const gdi::HDC hWindowDC = gdi::GetWindowDC(hWnd);
    if (hWindowDC == 0)
        return;
    // Given back however the call ends, a window beyond the 16-bit range included.
    struct Release {
        gdi::HWND window;
        gdi::HDC dc;
        ~Release() { gdi::ReleaseDC(window, dc); }
    } release{hWnd, hWindowDC};
    gdi::RECT rcWindow;
    if (gdi::GetWindowRect(hWnd, &rcWindow)) {
        // SetBitmap sets only Right and Bottom, so the rectangle keeps the window's screen position
        // and the bitmap gets the window's size.
        m_rcImage = rcWindow;
        SetBitmap(Int16::from(rcWindow.bottom), Int16::from(rcWindow.right), ButtonFace, 0);
        // The window's image from its origin at the image's size.
        PaintFrom(hWindowDC, -1, -1, 0, 0, 0, 0, -1, -1, static_cast<int32_t>(gdi::SRCCOPY));
    }
}

void clsBitmap::SetBmpToMenu(gdi::HWND hWnd, int32_t lngTopPos, int32_t lngSubPos1, int32_t lngSubPos2,
                             int32_t lngSubPos3, gdi::HDC lnghDC)
{
    const gdi::HMENU hMenu = gdi::GetMenu(hWnd);
    gdi::HMENU hSubMenu = gdi::GetSubMenu(hMenu, lngTopPos);
    if (lngSubPos2 >= 0)
        hSubMenu = gdi::GetSubMenu(hSubMenu, lngSubPos2);
    if (lngSubPos3 >= 0)
        hSubMenu = gdi::GetSubMenu(hSubMenu, lngSubPos3);
    // Menus show bitmaps, not DCs: the one the DC holds.
    const gdi::HBITMAP hShown = lnghDC != 0 ? gdi::GetCurrentObject(lnghDC, gdi::OBJ_BITMAP) : m_hBitmap;
    if (hMenu == 0 || hSubMenu == 0 || hShown == 0)
        return;
    const uint32_t lngID = gdi::GetMenuItemID(hSubMenu, lngSubPos1);
    gdi::SetMenuItemBitmaps(hSubMenu, lngID, gdi::MF_BYCOMMAND, hShown, hShown);
}

gdi::RECT clsBitmap::GetWorkArea()
{
    gdi::RECT rc{};
    gdi::SystemParametersInfoA(gdi::SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}
