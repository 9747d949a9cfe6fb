#pragma once

#include "platform/forms/Version.h"

#include <QString>

#include <functional>

namespace forms {

// The application object: who we are, whether we already run, and how the program ends.
class App {
public:
    static QString Title() { return QStringLiteral("Zenvortali"); }
    static int Major() { return version::major; }
    static int Minor() { return version::minor; }
    static int Revision() { return version::revision; }

    // True when an earlier instance of the program is running. The answer is taken once, by an
    // advisory lock on a file in the user's runtime folder (or, where that folder cannot be used, a
    // per-user abstract socket name) that this process then holds until it ends. The kernel drops
    // the lock with its owner, so no leftover or damaged file can refuse a start.
    static bool PrevInstance();

    // Ends the program at once: no other window's unload handler runs, nothing is asked or saved.
    static void End(int exitCode = 0);
    static bool ending();
    static int exitCode();

    // Test seams: where the instance lock lives, and what End does instead of quitting;
    // resetForTests also lets go of the lock.
    static void setLockFolder(const QString& folder);
    static void setEndHandler(std::function<void(int)> handler);
    static void resetForTests();
};

} // namespace forms
