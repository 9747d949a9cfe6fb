#pragma once

#include "graphics/clsBitmap.h"
#include "platform/vb/Int16.h"

#include <cstdint>
#include <memory>

// What the about screen's credits scroller keeps from one frame to the next. It outlives the
// window, which is destroyed when it closes: opening the about screen again continues the scroll
// where it stopped, with the images the first frame built.
struct CreditsScroller {
    int32_t lngLastTick = 0; // tick count at the end of the previous frame; 0 before the first
    vb::Int16 intY = 0; // the text's top edge relative to the frame's top, in pixels
    vb::Int16 intLines = 0; // line count of the credits text; 0 until the first frame
    bool blnStarted = false; // the first frame has been placed
    std::unique_ptr<clsBitmap> bmpFade; // the text's colour: foreground, faded at top and bottom
    std::unique_ptr<clsBitmap> bmpBack; // the frame in the background colour
    std::unique_ptr<clsBitmap> bmpText; // the credits in white on black, a frame of black above and below
};
