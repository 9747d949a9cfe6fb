#pragma once

#include "platform/controls/lvButtons_H.h"
#include "platform/forms/Form.h"
#include "workbench/ana.h"

#include <QTest>

namespace testing {

// Opens a window the way a user does: the main window shown, then its navigation button clicked.
// Returns the window that button shows, once it is on screen.
template <class Window>
Window& openFromMainWindow(controls::lvButtons_H* ana::*button)
{
    ana& main = forms::instance<ana>();
    main.Show();
    QTest::mouseClick(main.*button, Qt::LeftButton);
    Window* window = forms::loadedInstance<Window>();
    if (!window || !QTest::qWaitForWindowExposed(window))
        qFatal("the navigation button showed no window");
    return *window;
}

} // namespace testing
