#pragma once

// What the about screen's tests share: opening it as a user does, and drawing its frames one by
// one in place of its timer.

#include "graphics/frmAboutScreen.h"
#include "platform/forms/Timer.h"
#include "platform/gdi/Clock.h"
#include "tests/support/Navigating.h"
#include "tests/support/TestSupport.h"

namespace testing {

// The scroller of a run that has not drawn a frame yet.
inline void forgetScroller() { frmAboutScreen::scroller() = CreditsScroller{}; }

// Opens the about screen from the main window's button, with its frames left to the test, from a
// scroller that has drawn nothing yet. The window is loaded and its timer stopped before any event
// is processed: opening waits until the window is on screen, and a running 1 ms timer would draw
// frames meanwhile, from what an earlier test left and with the test's clock.
inline frmAboutScreen& openAboutScreen()
{
    forms::instance<frmAboutScreen>().timText->setEnabled(false);
    forgetScroller();
    frmAboutScreen& w = openFromMainWindow<frmAboutScreen>(&ana::lvButtons_H6);
    if (w.timText->Enabled())
        qFatal("opening the about screen started its timer again");
    return w;
}

inline void runFrames(frmAboutScreen& w, int frames)
{
    for (int i = 0; i < frames; ++i)
        w.timText_Timer();
}

inline int scrollY() { return frmAboutScreen::scroller().intY.value(); }

// One test's stage: message boxes and the program's end recorded, an empty car database for the
// main window, a clock that moves only when told (so no frame waits for real), and the about
// screen opened from the main window with its frames left to the test.
struct AboutStage {
    explicit AboutStage(uint32_t start = 1000) : clock(start), about(openAboutScreen()) {}

    Sandbox sandbox;
    CarDatabaseFixture db;
    gdi::ManualClock clock;
    gdi::ScopedClock scoped{clock};
    frmAboutScreen& about;
};

} // namespace testing
