// The program's windows: which one is active, and a caption that flashes for attention.
#include "graphics/clsBitmap.h"

#include "platform/gdi/Gdi.h"

using vb::Int16;

void clsBitmap::FlashWindow(gdi::HWND hWnd, Int16 intTimes, int32_t lngIntervalTicks, bool blnInvert)
{
    for (int k = 1; k <= intTimes.value(); ++k) {
        gdi::FlashWindow(hWnd, blnInvert);
        Pause(lngIntervalTicks, false);
    }
}

bool clsBitmap::IsFormActive(QWidget& frmName) { return gdi::windowHandle(&frmName) == gdi::GetActiveWindow(); }

gdi::HWND clsBitmap::GetActivehWnd() { return gdi::GetActiveWindow(); }
