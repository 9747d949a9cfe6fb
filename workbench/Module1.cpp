#include "workbench/Module1.h"

#include "platform/forms/App.h"
#include "platform/forms/MsgBox.h"
#include "workbench/shared/CarDatabase.h"
#include "workbench/Frmsplash.h"

namespace Module1 {

bool Main()
{
    // The main window reads the database while the splash hands over; a database that cannot
    // serve it is said plainly now, before any window appears.
    if (const std::optional<QString> problem = workbench::CarDatabase::problem()) {
        forms::MsgBox(*problem, forms::vbCritical, QStringLiteral("Zenvortali V 2.0 Hata"));
        forms::App::End(2);
        return false;
    }
    Frmsplash& splash = forms::instance<Frmsplash>();
    splash.Show();
    return !forms::App::ending();
}

} // namespace Module1
