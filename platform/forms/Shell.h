#pragma once

#include <QString>

#include <functional>

namespace forms {

// Starts the desktop's web browser with an address.
class Shell {
public:
    // True when the browser could be started.
    static bool OpenUrl(const QString& address);

    // Test seam: what starts the browser instead (an empty function restores the real one).
    static void setLauncher(std::function<bool(const QString&)> launcher);
};

} // namespace forms
