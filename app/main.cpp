#include "platform/forms/App.h"
#include "platform/forms/FontAliases.h"
#include "resources/Resources.h"
#include "workbench/Module1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    resources::init();
    forms::loadFontAliases();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zenvortali"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.0"));
    // Windows are closed one by one by their own handlers; the main window's ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    if (!Module1::Main())
        return forms::App::exitCode();
    if (forms::App::ending())
        return forms::App::exitCode();
    return app.exec();
}
