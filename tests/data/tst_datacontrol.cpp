// The data control on real SQLite files: rows, moves, the record-move event, values and failures.
#include "platform/data/DataControl.h"
#include "platform/data/DatabaseLocator.h"
#include "platform/vb/RuntimeError.h"
#include "tests/support/TestSupport.h"

#include <QLocale>
#include <QTest>

using testing::Car;
using testing::CarDatabaseFixture;

namespace {
std::optional<vb::RuntimeError> errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const vb::RuntimeError& e) {
        return e;
    }
    return std::nullopt;
}

const QList<Car> threeCars = {{QStringLiteral("Tofaş Şahin 1.6"), 75},
                              {QStringLiteral("Honda Civic 1.6 VTi"), 160},
                              {QStringLiteral("Opel Astra 2.0 GSi"), 150}};
} // namespace

class TestDataControl : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }

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

    void lookupOrder()
    {
        CarDatabaseFixture first;
        QTemporaryDir second;
        data::DatabaseLocator::setSearchFolders({second.path(), first.folder()});
        QCOMPARE(*data::DatabaseLocator::locate(QStringLiteral("arac2.db")), first.path());
        QFile::copy(first.path(), second.filePath(QStringLiteral("arac2.db")));
        QCOMPARE(*data::DatabaseLocator::locate(QStringLiteral("arac2.db")), second.filePath(QStringLiteral("arac2.db")));
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
        data::DatabaseLocator::setSearchFolders(
            data::DatabaseLocator::searchFolders(second.path() + QStringLiteral("/elsewhere"), prefix.filePath(QStringLiteral("bin"))));
        QCOMPARE(*data::DatabaseLocator::locate(QStringLiteral("arac2.db")), installed);
        data::DatabaseLocator::setSearchFolders({});
    }
};

QTEST_MAIN(TestDataControl)
#include "tst_datacontrol.moc"
