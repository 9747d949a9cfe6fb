// The user's input devices: keys, mouse buttons and the cursor, as the whole desktop has them.
#include "graphics/clsBitmap.h"

#include "platform/gdi/Gdi.h"

using vb::Int16;

namespace {

// Down, and not gone down since the code's previous query.
constexpr int16_t kHeld = INT16_MIN; // &H8000

} // namespace

Int16 clsBitmap::GetKeyCode(int32_t enmKeyState)
{
    // Every code is asked even when no answer can come of it, so each query still takes its
    // "went down since" mark.
    for (int code = 0; code <= 255; ++code)
        if (gdi::GetAsyncKeyState(code) == kHeld && enmKeyState == 1)
            return Int16(code);
    return Int16(-1);
}

bool clsBitmap::MouseKeyPressed(int32_t udtKey) { return gdi::GetAsyncKeyState(udtKey) == kHeld; }

void clsBitmap::MousePosition(Int16& intX, Int16& intY)
{
    gdi::POINT at;
    if (!gdi::GetCursorPos(&at))
        return;
    intX = Int16::from(at.x);
    intY = Int16::from(at.y);
}

void clsBitmap::HideMouse() { gdi::ShowCursor(false); }
void clsBitmap::ShowMouse() { gdi::ShowCursor(true); }
