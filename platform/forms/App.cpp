#include "platform/forms/App.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QWidget>

#include <memory>
#include <optional>

namespace forms {

namespace {
struct State {
    QString lockFolder;
    std::unique_ptr<QLockFile> lock;
    std::optional<bool> previous;
    bool ending = false;
    int exitCode = 0;
    std::function<void(int)> endHandler;
};

State& state()
{
    static State s;
    return s;
}

QString lockFolder()
{
    if (!state().lockFolder.isEmpty())
        return state().lockFolder;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}
} // namespace

bool App::PrevInstance()
{
    State& s = state();
    if (!s.previous) {
        QDir().mkpath(lockFolder());
        s.lock = std::make_unique<QLockFile>(lockFolder() + QStringLiteral("/zenvortali-2.lock"));
        // A running instance may hold its lock for hours: only a dead owner makes a lock stale.
        s.lock->setStaleLockTime(0);
        const bool mine = s.lock->tryLock(0);
        s.previous = !mine && s.lock->error() == QLockFile::LockFailedError;
        if (!mine)
            s.lock.reset();
    }
    return *s.previous;
}

void App::End(int exitCode)
{
    State& s = state();
    if (s.ending)
        return;
    s.ending = true;
    s.exitCode = exitCode;
    if (s.endHandler) {
        s.endHandler(exitCode);
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(exitCode);
}

bool App::ending() { return state().ending; }
int App::exitCode() { return state().exitCode; }
void App::setLockFolder(const QString& folder) { state().lockFolder = folder; }
void App::setEndHandler(std::function<void(int)> handler) { state().endHandler = std::move(handler); }

void App::resetForTests()
{
    State& s = state();
    s.lock.reset();
    s.previous.reset();
    s.ending = false;
    s.exitCode = 0;
}

} // namespace forms
