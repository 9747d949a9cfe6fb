// The single-instance lock between processes: what a leftover, damaged or unreachable lock does to
// the next start, an owner that is killed, and many starts at once.
#include "platform/forms/App.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <signal.h>
#include <unistd.h>

#include <memory>
#include <vector>

namespace {
constexpr uid_t kNobody = 65534;

// How a start is made: the lock folder it is given (empty: the user's runtime folder), extra
// environment, and whether it runs as an ordinary user instead of root.
struct Launch {
    QString folder = {};
    QStringList environment = {};
    bool asNobody = false;
};

// Another start of the program, as a process of its own that keeps its lock while it lives.
class Start {
public:
    explicit Start(const Launch& how, const QStringList& extra = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& setting : how.environment)
            env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
        process_.setProcessEnvironment(env);
        if (how.asNobody)
            process_.setChildProcessModifier([] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                    ::_exit(126);
            });
        process_.start(QStringLiteral(INSTANCE_HOLDER), QStringList{how.folder} + extra);
    }

    ~Start()
    {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(5000))
            process_.kill();
        process_.waitForFinished();
    }

    // The next line the start wrote: "owner", "refused", or what it printed on the way.
    QString line()
    {
        while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {}
        if (!process_.canReadLine())
            return QStringLiteral("no answer; stderr: ") + QString::fromLocal8Bit(process_.readAllStandardError());
        return QString::fromLatin1(process_.readLine()).trimmed();
    }

    void killHard()
    {
        process_.kill(); // SIGKILL: no handler and no clean-up run
        process_.waitForFinished();
    }

private:
    QProcess process_;
};

// Takes the lock in this process, as a start of the program would.
bool thisStartIsRefused(const QString& folder)
{
    forms::App::resetForTests();
    forms::App::setLockFolder(folder);
    return forms::App::PrevInstance();
}

void releaseThisStart()
{
    forms::App::resetForTests();
    forms::App::setLockFolder({});
}

// A regular file: no folder can be made under it, not even by root.
QString plainFile(const QTemporaryDir& dir)
{
    QFile file(dir.filePath(QStringLiteral("plain-file")));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(file.fileName()));
    return file.fileName();
}
} // namespace

class TestInstance : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { releaseThisStart(); }

    // Nothing runs: whatever sits where the lock lives, this start owns the lock and holds it.
    void aLeftoverLockDoesNotRefuse_data()
    {
        QTest::addColumn<bool>("folderInItsPlace");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("empty") << false << QByteArray();
        QTest::newRow("garbage") << false << QByteArray::fromHex("fffe0001") + "not a lock\n";
        QTest::newRow("another host") << false << QByteArray("4242\nzenvortali\nsomewhere-else\n");
        QTest::newRow("a folder in its place") << true << QByteArray();
    }

    void aLeftoverLockDoesNotRefuse()
    {
        QFETCH(bool, folderInItsPlace);
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zenvortali-2.lock"));
        if (folderInItsPlace) {
            QVERIFY(QDir().mkdir(path));
        } else {
            QFile leftover(path);
            QVERIFY(leftover.open(QIODevice::WriteOnly));
            leftover.write(contents);
        }

        QVERIFY(!thisStartIsRefused(dir.path()));
        QCOMPARE(Start({.folder = dir.path()}).line(), QStringLiteral("refused"));
    }

    // A folder the lock cannot be made in must not turn the check off: the starts meet elsewhere.
    void anUnusableFolderStillRefusesTheSecondStart_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<bool>("asNobody");
        QTest::newRow("lock folder cannot be made") << "<file>/locks" << QStringList() << false;
        // Without its runtime folder the user's lock goes where the platform puts it instead.
        QTest::newRow("runtime folder cannot be made")
            << QString() << QStringList{"XDG_RUNTIME_DIR=<file>/run", "TMPDIR=<temp>"} << false;
        QTest::newRow("folder the user may not write") << "<read-only>" << QStringList() << true;
    }

    void anUnusableFolderStillRefusesTheSecondStart()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, environment);
        QFETCH(bool, asNobody);
        if (asNobody && ::geteuid() != 0)
            QSKIP("taking another user's identity needs root");
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther));
        const QString readOnly = dir.filePath(QStringLiteral("read-only"));
        QVERIFY(QDir().mkdir(readOnly));
        QVERIFY(
            QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        const QString file = plainFile(dir);
        const auto place = [&](QString text) {
            return text.replace(QStringLiteral("<file>"), file)
                .replace(QStringLiteral("<read-only>"), readOnly)
                .replace(QStringLiteral("<temp>"), dir.path());
        };
        Launch how{.folder = place(folder), .asNobody = asNobody};
        for (const QString& setting : environment)
            how.environment << place(setting);

        auto first = std::make_unique<Start>(how);
        QCOMPARE(first->line(), QStringLiteral("owner"));
        QCOMPARE(Start(how).line(), QStringLiteral("refused"));
        first->killHard();
        QCOMPARE(Start(how).line(), QStringLiteral("owner"));
    }

    // The kernel lets go of a killed owner's lock, even while a program it started lives on.
    void aKilledOwnerDoesNotRefuse_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::newRow("owner alone") << QStringList();
        QTest::newRow("owner that started another program") << QStringList{"launch"};
    }

    void aKilledOwnerDoesNotRefuse()
    {
        QFETCH(QStringList, extra);
        QTemporaryDir dir;
        Start owner({.folder = dir.path()}, extra);
        QCOMPARE(owner.line(), QStringLiteral("owner"));
        const qint64 launched = extra.isEmpty() ? 0 : owner.line().toLongLong();
        QVERIFY(extra.isEmpty() || launched > 0);
        owner.killHard();

        const bool refused = thisStartIsRefused(dir.path());
        if (launched > 0)
            ::kill(static_cast<pid_t>(launched), SIGKILL);
        QVERIFY(!refused);
        QCOMPARE(Start({.folder = dir.path()}).line(), QStringLiteral("refused"));
    }

    // Starts racing one another: exactly one becomes the owner.
    void simultaneousStartsHaveOneOwner_data()
    {
        QTest::addColumn<bool>("usableFolder");
        QTest::newRow("lock file") << true;
        QTest::newRow("socket name") << false;
    }

    void simultaneousStartsHaveOneOwner()
    {
        QFETCH(bool, usableFolder);
        QTemporaryDir dir;
        const Launch how{.folder = usableFolder ? dir.path() : plainFile(dir) + QStringLiteral("/locks")};
        std::vector<std::unique_ptr<Start>> starts;
        for (int i = 0; i < 20; ++i)
            starts.push_back(std::make_unique<Start>(how));
        QStringList answers;
        for (const auto& start : starts)
            answers << start->line();
        QCOMPARE(answers.count(QStringLiteral("owner")), 1);
        QCOMPARE(answers.count(QStringLiteral("refused")), 19);
    }
};

QTEST_GUILESS_MAIN(TestInstance)
#include "tst_instance.moc"
