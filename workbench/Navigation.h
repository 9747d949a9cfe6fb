#pragma once

#include "platform/forms/Form.h"

namespace workbench {

// Opens a window from a navigation button: the first use creates it (its load handler runs),
// later uses show that same window, and a window the user closed is built afresh.
template <class Window>
void openWindow()
{
    forms::instance<Window>().Show();
}

// Opens a window in place of the caller, which hides until that window gives it back.
template <class Window>
void openWindowInstead(forms::Form& caller)
{
    caller.Hide();
    openWindow<Window>();
}

} // namespace workbench
