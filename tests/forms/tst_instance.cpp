// The single-instance lock between processes: a leftover or damaged lock, a killed owner, a folder
// the lock cannot be made in, and many starts at once.
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

// The lock folder (empty: the user's runtime folder), extra environment, and running as nobody.
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
            killHard();
    }

    // The next line the start wrote: "owner", "refused", or what it printed on the way.
    QString line()
    {
        while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {}
        return process_.canReadLine()
                   ? QString::fromLatin1(process_.readLine()).trimmed()
                   : QStringLiteral("no answer; stderr: ") + QString::fromLocal8Bit(process_.readAllStandardError());
    }

    void killHard() // SIGKILL: no handler and no clean-up run
    {
        process_.kill();
        process_.waitForFinished();
    }

private:
    QProcess process_;
};

// Takes the lock in this process, as a start of the program would; an empty folder lets go of it.
bool thisStartIsRefused(const QString& folder)
{
    forms::App::resetForTests();
    forms::App::setLockFolder(folder);
    return !folder.isEmpty() && forms::App::PrevInstance();
}

} // namespace

class TestInstance : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { thisStartIsRefused({}); }

    // Nothing runs: whatever was left where the lock lives, even by a killed owner whose child lives
    // on, this start owns the lock and holds it.
    void aLeftoverDoesNotRefuse_data()
    {
        QTest::addColumn<int>("leftover"); // 0: a file of these contents, 1: a folder, 2: a killed owner
        QTest::addColumn<QByteArray>("contents"); // the killed owner's arguments after the folder
        QTest::newRow("empty") << 0 << QByteArray();
        QTest::newRow("garbage") << 0 << QByteArray::fromHex("fffe0001") + "not a lock\n";
        QTest::newRow("another host") << 0 << QByteArray("4242\nzenvortali\nsomewhere-else\n");
        QTest::newRow("a folder in its place") << 1 << QByteArray();
        QTest::newRow("owner killed") << 2 << QByteArray();
        QTest::newRow("owner that started another program killed") << 2 << QByteArray("launch");
    }

    void aLeftoverDoesNotRefuse()
    {
        QFETCH(int, leftover);
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zenvortali-2.lock"));
        QFile file(path);
        qint64 launched = 0;
        if (leftover == 0) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(contents), contents.size());
            file.close();
        } else if (leftover == 1) {
            QVERIFY(QDir().mkdir(path));
        } else {
            const QStringList extra = contents.isEmpty() ? QStringList() : QStringList{QString::fromLatin1(contents)};
            Start owner({.folder = dir.path()}, extra);
            QCOMPARE(owner.line(), QStringLiteral("owner"));
            launched = extra.isEmpty() ? 0 : owner.line().toLongLong();
            QVERIFY(extra.isEmpty() || launched > 0);
            owner.killHard();
        }

        const bool refused = thisStartIsRefused(dir.path());
        if (launched > 0)
            ::kill(static_cast<pid_t>(launched), SIGKILL);
        QVERIFY(!refused);
        QCOMPARE(Start({.folder = dir.path()}).line(), QStringLiteral("refused"));
    }

    // Wherever the lock has to live, exactly one of many racing starts owns it and killing that owner
    // frees it: a folder the lock cannot be made in must not turn the check off.
    void simultaneousStartsHaveOneOwner_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<bool>("asNobody");
        QTest::newRow("lock file") << "<temp>" << QStringList() << false;
        QTest::newRow("lock folder cannot be made") << "<file>/locks" << QStringList() << false;
        // Without its runtime folder the user's lock goes where the platform puts it instead.
        QTest::newRow("runtime folder cannot be made")
            << QString() << QStringList{"XDG_RUNTIME_DIR=<file>/run", "TMPDIR=<temp>"} << false;
        QTest::newRow("folder the user may not write") << "<read-only>" << QStringList() << true;
    }

    void simultaneousStartsHaveOneOwner()
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
        const QString file = dir.filePath(QStringLiteral("plain-file")); // no folder can be made under it
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        const auto place = [&](QString text) {
            return text.replace(QStringLiteral("<file>"), file)
                .replace(QStringLiteral("<read-only>"), readOnly)
                .replace(QStringLiteral("<temp>"), dir.path());
        };
        Launch how{.folder = place(folder), .asNobody = asNobody};
        for (const QString& setting : environment)
            how.environment << place(setting);

        std::vector<std::unique_ptr<Start>> starts;
        for (int i = 0; i < 20; ++i)
            starts.push_back(std::make_unique<Start>(how));
        QStringList answers;
        for (const auto& start : starts)
            answers << start->line();
        QCOMPARE(answers.count(QStringLiteral("owner")), 1);
        QCOMPARE(answers.count(QStringLiteral("refused")), 19);
        const std::unique_ptr<Start> owner = std::move(starts[answers.indexOf(QStringLiteral("owner"))]);
        starts.clear();
        owner->killHard();
        QCOMPARE(Start(how).line(), QStringLiteral("owner"));
    }
};

QTEST_GUILESS_MAIN(TestInstance)
#include "tst_instance.moc"
