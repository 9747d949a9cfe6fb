// The data control on real SQLite files: rows, moves, the record-move event, values and failures.
#include "platform/data/DataControl.h"
#include "platform/data/DatabaseLocator.h"
#include "platform/vb/RuntimeError.h"
#include "tests/support/TestSupport.h"

#include "workbench/shared/CarDatabase.h"

#include <QDir>
#include <QLocale>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <limits>
#include <thread>

using testing::Car;
using testing::CarDatabaseFixture;

namespace {
constexpr uid_t kNobody = 65534;

std::optional<vb::RuntimeError> errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const vb::RuntimeError& e) {
        return e;
    }
    return std::nullopt;
}

// Runs `read` as a user other than root in a child process (as the current user when that is not
// root); its exit status.
int asAnotherUser(const std::function<int()>& read)
{
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(100);
        _exit(read());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

const std::chrono::milliseconds kShortWait(100);

const QList<Car> threeCars = {{QStringLiteral("Tofaş Şahin 1.6"), 75},
                              {QStringLiteral("Honda Civic 1.6 VTi"), 160},
                              {QStringLiteral("Opel Astra 2.0 GSi"), 150}};
} // namespace

class TestDataControl : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        testing::initProgramResources();
        data::DataControl::setBusyTimeout(kShortWait);
    }

    // The record-move event runs inside the move that causes it, once per move.
    void movesRaiseRepositionSynchronously()
    {
        CarDatabaseFixture db(threeCars);
        data::DataControl control;
        control.setDatabaseName(QStringLiteral("arac2.db"));
        QStringList seen;
        connect(&control, &data::DataControl::Reposition,
                [&] { seen << control.FieldText(QStringLiteral("arac")).value_or(QStringLiteral("<none>")); });

        control.setRecordSource(QStringLiteral("SELECT * FROM kayitlar"));
        control.Refresh();
        QCOMPARE(seen, QStringList{QStringLiteral("Tofaş Şahin 1.6")});
        QCOMPARE(control.RecordCount(), 3);
        QVERIFY(!control.Eof());
        control.MoveNext();
        control.MoveNext();
        QCOMPARE(seen.last(), QStringLiteral("Opel Astra 2.0 GSi"));
        control.MoveNext();
        QVERIFY(control.Eof());
        QCOMPARE(seen.last(), QStringLiteral("<none>"));
        QCOMPARE(errorOf([&] { control.MoveNext(); })->number(), vb::err::NoCurrentRecord);
        control.MoveLast();
        QCOMPARE(seen.last(), QStringLiteral("Opel Astra 2.0 GSi"));
        control.MoveFirst();
        QCOMPARE(seen.last(), QStringLiteral("Tofaş Şahin 1.6"));
        QCOMPARE(seen.size(), 6);
        QCOMPARE(control.openedPath(), db.path());
    }

    void anEmptyResultHasNoCurrentRow()
    {
        CarDatabaseFixture db;
        data::DataControl control;
        control.setDatabaseName(QStringLiteral("arac2.db"));
        control.setRecordSource(QStringLiteral("SELECT * FROM kayitlar"));
        control.Refresh();
        QCOMPARE(control.RecordCount(), 0);
        QVERIFY(control.Eof());
        QCOMPARE(errorOf([&] { control.Field(QStringLiteral("arac")); })->number(), vb::err::NoCurrentRecord);
        QVERIFY(!control.FieldText(QStringLiteral("arac")));
        QCOMPARE(control.columnNames().size(), 7);
    }

    void valuesKeepTheirTypeAndTextForm()
    {
        CarDatabaseFixture db({{QStringLiteral("Kesirli"), 75.5}, {QStringLiteral("Boş"), std::nullopt}});
        data::DataControl control;
        control.setDatabaseName(QStringLiteral("arac2.db"));
        control.setRecordSource(QStringLiteral("SELECT * FROM kayitlar"));
        control.Refresh();
        QCOMPARE(control.Field(QStringLiteral("BEYGIR"))->toDouble(), 75.5); // names as the engine: any case
        QCOMPARE(*control.FieldText(QStringLiteral("beygir")), QStringLiteral("75.5"));
        QCOMPARE(*control.FieldText(QStringLiteral("silindirsayi")), QStringLiteral("4"));
        {
            const QLocale previous;
            QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
            QCOMPARE(*control.FieldText(QStringLiteral("beygir")), QStringLiteral("75,5"));
            QLocale::setDefault(previous);
        }
        QCOMPARE(errorOf([&] { control.Field(QStringLiteral("renk")); })->number(), vb::err::ItemNotFound);
        QVERIFY(!control.FieldText(QStringLiteral("renk")));

        control.MoveNext();
        QVERIFY(!control.Field(QStringLiteral("beygir")).has_value()); // NULL is no value, not 0 or ""
        QVERIFY(!control.FieldText(QStringLiteral("beygir")));
        QCOMPARE(*control.FieldText(QStringLiteral("arac")), QStringLiteral("Boş"));
    }

    void valuesAreBoundNeverPasted()
    {
        CarDatabaseFixture db({{QStringLiteral("Renault 12 'Toros'"), 68}, {QStringLiteral("Fiat Uno"), 45}});
        data::DataControl control;
        control.setDatabaseName(QStringLiteral("arac2.db"));
        const QString query = QStringLiteral("SELECT * FROM kayitlar WHERE arac = ?");
        control.setRecordSource(query, {QStringLiteral("Renault 12 'Toros'")});
        control.Refresh();
        QCOMPARE(control.RecordCount(), 1);
        QCOMPARE(*control.FieldText(QStringLiteral("beygir")), QStringLiteral("68"));

        control.setRecordSource(query, {QStringLiteral("x' OR '1'='1")});
        control.Refresh();
        QCOMPARE(control.RecordCount(), 0);
    }

    void theFileIsOnlyRead()
    {
        CarDatabaseFixture db(threeCars);
        data::DataControl control;
        control.setDatabaseName(QStringLiteral("arac2.db"));
        control.setRecordSource(QStringLiteral("DELETE FROM kayitlar"));
        QVERIFY(errorOf([&] { control.Refresh(); }));
        control.setRecordSource(QStringLiteral("SELECT * FROM kayitlar"));
        control.Refresh();
        QCOMPARE(control.RecordCount(), 3);
    }

    void failuresAreRunTimeErrorsNamingTheFile()
    {
        CarDatabaseFixture db(threeCars);
        data::DataControl control;
        control.setRecordSource(QStringLiteral("SELECT * FROM kayitlar"));

        control.setDatabaseName(QStringLiteral("yok.db"));
        auto missing = errorOf([&] { control.Refresh(); });
        QCOMPARE(missing->number(), vb::err::DatabaseNotFound);
        QVERIFY(missing->description().contains(QStringLiteral("yok.db")));
        QVERIFY(missing->description().contains(db.folder()));

        control.setDatabaseName(QStringLiteral("arac2.db"));
        control.setRecordSource(QStringLiteral("SELECT * FROM araclar"));
        QCOMPARE(errorOf([&] { control.Refresh(); })->number(), vb::err::TableNotFound);

        db.overwrite(QByteArray("this is a text file, not a database, and long enough to have a header"));
        data::DataControl fresh;
        fresh.setDatabaseName(QStringLiteral("arac2.db"));
        fresh.setRecordSource(QStringLiteral("SELECT * FROM kayitlar"));
        auto garbage = errorOf([&] { fresh.Refresh(); });
        QCOMPARE(garbage->number(), vb::err::UnrecognizedDatabase);
        QVERIFY(garbage->description().contains(db.path()));
    }

    void valuesWithoutATextForm_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("NULL") << QVariant();
        QTest::newRow("+infinity") << QVariant(std::numeric_limits<double>::infinity());
        QTest::newRow("-infinity") << QVariant(-std::numeric_limits<double>::infinity());
        QTest::newRow("NaN") << QVariant(std::numeric_limits<double>::quiet_NaN());
    }
    void valuesWithoutATextForm()
    {
        QFETCH(QVariant, value);
        QVERIFY(!data::defaultText(value));
    }

    // Each failure of the engine is the run-time error that fits it.
    void queryFailuresCarryTheirNumbers_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("parameters");
        QTest::addColumn<bool>("held");
        QTest::addColumn<int>("number");
        const QString byName = QStringLiteral("SELECT * FROM kayitlar WHERE arac = ?");
        const QString all = QStringLiteral("SELECT * FROM kayitlar");
        QTest::newRow("held by another program") << all << QVariantList{} << true << vb::err::DatabaseInUse;
        QTest::newRow("a parameter too many")
            << byName << QVariantList{QStringLiteral("a"), QStringLiteral("b")} << false << vb::err::InvalidArgument;
        QTest::newRow("a parameter too few") << byName << QVariantList{} << false << vb::err::TooFewParameters;
        QTest::newRow("syntax") << QStringLiteral("SELEC * FROM kayitlar") << QVariantList{} << false
                                << vb::err::QuerySyntaxError;
        QTest::newRow("no such column") << QStringLiteral("SELECT renk FROM kayitlar") << QVariantList{} << false
                                        << vb::err::ItemNotFound;
        QTest::newRow("a write") << QStringLiteral("DELETE FROM kayitlar") << QVariantList{} << false
                                 << vb::err::DatabaseReadOnly;
    }
    void queryFailuresCarryTheirNumbers()
    {
        QFETCH(QString, sql);
        QFETCH(QVariantList, parameters);
        QFETCH(bool, held);
        QFETCH(int, number);
        CarDatabaseFixture db(threeCars);
        std::optional<testing::ExclusiveHold> hold;
        if (held)
            hold.emplace(db.path());
        data::DataControl control;
        control.setDatabaseName(QStringLiteral("arac2.db"));
        control.setRecordSource(sql, parameters);
        const std::optional<vb::RuntimeError> error = errorOf([&] { control.Refresh(); });
        QVERIFY(error);
        QCOMPARE(error->number(), number);
        QVERIFY2(error->description().contains(db.path()) || number == vb::err::TooFewParameters,
                 qPrintable(error->description()));
    }

    // A reader waits while another program writes, and reads once it is done.
    void aReaderWaitsForTheWriter()
    {
        CarDatabaseFixture db(threeCars);
        testing::ExclusiveHold hold(db.path());
        data::DataControl::setBusyTimeout(std::chrono::seconds(10));
        std::thread writer([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            hold.release();
        });
        data::DataControl control;
        control.setDatabaseName(QStringLiteral("arac2.db"));
        control.setRecordSource(QStringLiteral("SELECT * FROM kayitlar"));
        const std::optional<vb::RuntimeError> error = errorOf([&] { control.Refresh(); });
        writer.join();
        data::DataControl::setBusyTimeout(kShortWait);
        QVERIFY2(!error, error ? qPrintable(error->description()) : "");
        QCOMPARE(control.RecordCount(), 3);
    }

    // A copy that the user may only read, in a folder the user cannot write, reads whatever its
    // journal mode; nothing is written there. Run as another user, since root may write anywhere.
    void aReadOnlyCopyInAReadOnlyFolderReads_data()
    {
        QTest::addColumn<QString>("journal");
        QTest::newRow("rollback journal") << "DELETE";
        QTest::newRow("write-ahead log") << "WAL";
    }
    void aReadOnlyCopyInAReadOnlyFolderReads()
    {
        QFETCH(QString, journal);
        CarDatabaseFixture db(threeCars);
        db.exec(QStringLiteral("PRAGMA journal_mode=%1").arg(journal));
        QVERIFY(QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const QFile::Permissions readOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                                  | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(db.folder(), readOnlyFolder));
        const QStringList before = QDir(db.folder()).entryList(QDir::Files);

        const int status = asAnotherUser([] {
            data::DataControl control;
            control.setDatabaseName(QStringLiteral("arac2.db"));
            control.setRecordSource(QStringLiteral("SELECT * FROM kayitlar"));
            try {
                control.Refresh();
            } catch (const vb::RuntimeError& e) {
                fprintf(stderr, "%d %s\n", e.number(), qPrintable(e.description()));
                return 1;
            }
            if (control.RecordCount() != 3)
                return 2;
            if (const std::optional<QString> problem = workbench::CarDatabase::problem()) {
                fprintf(stderr, "%s\n", qPrintable(*problem));
                return 3;
            }
            return 0;
        });
        QVERIFY(QFile::setPermissions(db.folder(), readOnlyFolder | QFile::WriteOwner));
        QCOMPARE(status, 0);
        QCOMPARE(QDir(db.folder()).entryList(QDir::Files), before);
    }

    void lookupOrder()
    {
        CarDatabaseFixture first;
        QTemporaryDir second;
        data::DatabaseLocator::setSearchFolders({second.path(), first.folder()});
        QCOMPARE(*data::DatabaseLocator::locate(QStringLiteral("arac2.db")), first.path());
        QFile::copy(first.path(), second.filePath(QStringLiteral("arac2.db")));
        QCOMPARE(*data::DatabaseLocator::locate(QStringLiteral("arac2.db")),
                 second.filePath(QStringLiteral("arac2.db")));
        QVERIFY(!data::DatabaseLocator::locate(QStringLiteral("yok.db")));

        // The real order: working directory, then the executable's folder.
        data::DatabaseLocator::setSearchFolders({});
        const QStringList real = data::DatabaseLocator::searchFolders();
        QCOMPARE(real.value(0), QDir::currentPath());
        QVERIFY(real.contains(QCoreApplication::applicationDirPath()));

        // An installed tree, wherever it was moved: bin/ beside share/zenvortali.
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/zenvortali")));
        const QString installed = prefix.filePath(QStringLiteral("share/zenvortali/arac2.db"));
        QVERIFY(QFile::copy(first.path(), installed));
        data::DatabaseLocator::setSearchFolders(data::DatabaseLocator::searchFolders(
            second.path() + QStringLiteral("/elsewhere"), prefix.filePath(QStringLiteral("bin"))));
        QCOMPARE(*data::DatabaseLocator::locate(QStringLiteral("arac2.db")), installed);
        data::DatabaseLocator::setSearchFolders({});
    }
};

QTEST_MAIN(TestDataControl)
#include "tst_datacontrol.moc"
