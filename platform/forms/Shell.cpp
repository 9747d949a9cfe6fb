#include "platform/forms/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace forms {

namespace {
std::function<bool(const QString&)>& launcher()
{
    static std::function<bool(const QString&)> l;
    return l;
}
} // namespace

bool Shell::OpenUrl(const QString& address)
{
    if (launcher())
        return launcher()(address);
    return QDesktopServices::openUrl(QUrl(address));
}

void Shell::setLauncher(std::function<bool(const QString&)> l) { launcher() = std::move(l); }

} // namespace forms
