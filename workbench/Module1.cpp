#include "workbench/Module1.h"

#include "platform/forms/App.h"
#include "workbench/Frmsplash.h"

namespace Module1 {

bool Main()
{
    // The splash refuses a second instance before anything else; the car database is first read
    // when the splash makes the main window.
    Frmsplash& splash = forms::instance<Frmsplash>();
    splash.Show();
    return !forms::App::ending();
}

} // namespace Module1
