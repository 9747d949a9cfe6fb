// One start of the program as the single-instance check sees it, for tests that need several
// processes: it asks, answers "owner" or "refused" on its output, and keeps whatever lock it took
// until its input closes or it is killed. With "launch" it then starts a long-lived program of its
// own, as opening a web page does, and reports that program's process id on a second line.
#include "platform/forms/App.h"

#include <QCoreApplication>
#include <QProcess>

#include <unistd.h>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1)
        forms::App::setLockFolder(args[1]);
    std::printf("%s\n", forms::App::PrevInstance() ? "refused" : "owner");
    if (args.contains(QStringLiteral("launch"))) {
        qint64 pid = 0;
        QProcess::startDetached(QStringLiteral("sleep"), {QStringLiteral("60")}, {}, &pid);
        std::printf("%lld\n", static_cast<long long>(pid));
    }
    std::fflush(stdout);
    char c = 0;
    while (::read(STDIN_FILENO, &c, 1) > 0) {}
    return 0;
}
