#pragma once

#include <QString>

namespace ui {

// Opens an address in the desktop's web browser. When no browser can be started the user is told
// so, with the address, and the program goes on.
void openInDesktopBrowser(const QString& address);

} // namespace ui
