#pragma once

// What the about screen's tests share: opening it as a user does, and drawing its frames one by
// one in place of its timer.

#include "graphics/frmAboutScreen.h"
#include "platform/forms/Timer.h"
#include "tests/support/Navigating.h"

namespace testing {

// The scroller of a run that has not drawn a frame yet.
inline void forgetScroller() { frmAboutScreen::scroller() = CreditsScroller{}; }

// Opens the about screen from the main window's button. Its timer is then stopped, so that the
// test draws every frame itself, from a scroller that has drawn nothing yet.
inline frmAboutScreen& openAboutScreen()
{
    frmAboutScreen& w = openFromMainWindow<frmAboutScreen>(&ana::lvButtons_H6);
    w.timText->setEnabled(false);
    forgetScroller();
    return w;
}

inline void runFrames(frmAboutScreen& w, int frames)
{
    for (int i = 0; i < frames; ++i)
        w.timText_Timer();
}

inline int scrollY() { return frmAboutScreen::scroller().intY.value(); }

} // namespace testing
