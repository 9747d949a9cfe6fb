#include "ui/DesktopBrowser.h"

#include "platform/forms/MsgBox.h"
#include "platform/forms/Shell.h"

namespace ui {

void openInDesktopBrowser(const QString& address)
{
    if (!forms::Shell::OpenUrl(address))
        forms::MsgBox(QStringLiteral("Web tarayıcısı başlatılamadı.\n\nAdres: %1").arg(address), forms::vbCritical,
                      QStringLiteral("Hata"));
}

} // namespace ui
