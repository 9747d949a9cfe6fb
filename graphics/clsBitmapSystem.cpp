// System colours and time.
#include "graphics/clsBitmap.h"

#include "platform/gdi/Gdi.h"

int32_t clsBitmap::GetSystemColour(int32_t lngIndex)
{
    if (lngIndex < 0)
        return static_cast<int32_t>(gdi::GetSysColor(lngIndex & 0x7FFFFFFF));
    return lngIndex;
}

int32_t clsBitmap::GetTick() { return static_cast<int32_t>(gdi::GetTickCount()); }

void clsBitmap::Pause(int32_t lngTicks, bool blnSleep)
{
    if (blnSleep) {
        gdi::Sleep(lngTicks < 0 ? 0u : static_cast<uint32_t>(lngTicks));
        return;
    }
    if (lngTicks <= 0)
        return;
    // Elapsed time as the unsigned difference of two readings stays right when the tick count
    // passes 2^31 or wraps, where comparing against start + lngTicks would not.
    const uint32_t start = gdi::GetTickCount();
    while (gdi::GetTickCount() - start < static_cast<uint32_t>(lngTicks))
        gdi::DoEvents();
}
