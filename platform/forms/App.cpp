#include "platform/forms/App.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QWidget>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <optional>
#include <utility>

namespace forms {

namespace {
// An open descriptor that holds the instance lock; closing it, or the process ending in any way,
// lets the kernel release the lock, so nothing is left behind that could refuse a later start.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_ = -1;
};

struct State {
    QString lockFolder;
    Descriptor lock;
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
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

enum class Claim { Mine, Taken, Unusable };

struct Outcome {
    Claim claim;
    const char* why = ""; // for an unusable place
};

Outcome unusable(const char* why) { return {Claim::Unusable, why}; }

// An advisory lock on a file that is never read, written or removed: its contents cannot matter,
// and a crashed owner's lock goes with its process. The file is opened read-only so that an
// existing one serves even where the folder has since become read-only.
Outcome claimFile(const QString& folder, Descriptor& held)
{
    if (folder.isEmpty())
        return unusable("no runtime folder");
    QDir().mkpath(folder);
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/zenvortali-2.lock"));
    Descriptor fd(::open(path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600));
    if (fd.get() < 0)
        return unusable(std::strerror(errno));
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return unusable("not a plain file");
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? Outcome{Claim::Taken} : unusable(std::strerror(errno));
    held = std::move(fd);
    return {Claim::Mine};
}

// A name in the abstract socket namespace: no file at all, and the kernel frees the name when the
// socket's last descriptor closes.
Outcome claimSocketName(const QByteArray& name, Descriptor& held)
{
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (fd.get() < 0)
        return unusable(std::strerror(errno));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t length = std::min<std::size_t>(name.size(), sizeof(address.sun_path) - 1);
    std::memcpy(address.sun_path + 1, name.constData(), length); // sun_path[0] stays 0: abstract
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
    if (::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), size) != 0)
        return errno == EADDRINUSE ? Outcome{Claim::Taken} : unusable(std::strerror(errno));
    held = std::move(fd);
    return {Claim::Mine};
}
} // namespace

bool App::PrevInstance()
{
    State& s = state();
    if (s.previous)
        return *s.previous;

    const QString folder = lockFolder();
    Outcome outcome = claimFile(folder, s.lock);
    if (outcome.claim == Claim::Unusable) {
        // Every copy of this user's that cannot use the folder comes here, so they still see each other.
        qWarning("Zenvortali: the instance lock in \"%s\" cannot be used (%s); using a per-user socket name",
                 qPrintable(folder), outcome.why);
        outcome = claimSocketName(QByteArrayLiteral("zenvortali-2-") + QByteArray::number(::getuid()), s.lock);
    }
    if (outcome.claim == Claim::Unusable)
        qWarning("Zenvortali: no instance lock could be taken (%s); a second copy will not be noticed", outcome.why);
    s.previous = outcome.claim == Claim::Taken;
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
    s.lock = Descriptor();
    s.previous.reset();
    s.ending = false;
    s.exitCode = 0;
}

} // namespace forms
