#include "platform/forms/App.h"
#include "platform/forms/FontAliases.h"
#include "platform/forms/SharedPaletteStyle.h"
#include "resources/Resources.h"
#include "workbench/Module1.h"

#include <QApplication>
#include <QLoggingCategory>

int main(int argc, char* argv[])
{
    resources::init();
    forms::loadFontAliases();
    // The embedded web engine reports its set-up on every start; users need not see that.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zenvortali"));
    QApplication::setApplicationVersion(QLatin1String(forms::version::text));
    // Windows are closed one by one by their own handlers; the main window's ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    forms::useProgramStyle();

    if (!Module1::Main())
        return forms::App::exitCode();
    if (forms::App::ending())
        return forms::App::exitCode();
    return app.exec();
}
