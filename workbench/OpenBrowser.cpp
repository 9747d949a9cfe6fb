#include "workbench/OpenBrowser.h"

#include "platform/forms/MsgBox.h"
#include "platform/web/ModuleLoader.h"

namespace workbench {

namespace {
web::EntryPoint entry = nullptr;
}

void openBrowser()
{
    if (!entry) {
        QString error;
        entry = web::loadModule(QStringLiteral("zenvortali-browser"), "zenvortali_openBrowser", error);
        if (!entry) {
            forms::MsgBox(QStringLiteral("Web tarayıcısı açılamadı.\n\n%1").arg(error), forms::vbCritical,
                          QStringLiteral("Hata"));
            return;
        }
    }
    entry();
}

void setBrowserEntry(void (*open)()) { entry = open; }

} // namespace workbench
