#include "tests/support/TestSupport.h"

#include "platform/data/DatabaseLocator.h"
#include "platform/forms/App.h"
#include "platform/forms/FontAliases.h"
#include "platform/forms/SharedPaletteStyle.h"
#include "platform/forms/Shell.h"
#include "resources/Resources.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <sqlite3.h>

namespace testing {

namespace {
QString sqlNumber(std::optional<double> v) { return v ? QString::number(*v, 'g', 17) : QStringLiteral("NULL"); }
QString sqlText(const QString& s) { return QLatin1Char('\'') + QString(s).replace(u'\'', QLatin1String("''")) + u'\''; }

QString insertRows(const QString& table, const QList<Car>& cars)
{
    QString sql;
    for (const Car& c : cars)
        sql +=
            QStringLiteral("INSERT INTO %1 VALUES (%2, %3, %4, %5, %6, %7, %8);\n")
                .arg(table, sqlText(c.arac), sqlNumber(c.beygir), sqlNumber(c.silindirhacim),
                     QString::number(c.silindirsayi), sqlNumber(c.hizlanma), sqlNumber(c.agirlik), sqlNumber(c.yakit));
    return sql;
}
} // namespace

CarDatabaseFixture::CarDatabaseFixture(const QList<Car>& kayitlar, const QList<Car>& kayitlar2)
{
    QString sql;
    for (const char* table : {"kayitlar", "kayitlar2"})
        sql += QStringLiteral("CREATE TABLE %1 (arac TEXT, beygir NUMERIC, silindirhacim NUMERIC, silindirsayi "
                              "INTEGER, hizlanma NUMERIC, agirlik NUMERIC, yakit NUMERIC);\n")
                   .arg(QLatin1String(table));
    sql += insertRows(QStringLiteral("kayitlar"), kayitlar);
    sql += insertRows(QStringLiteral("kayitlar2"), kayitlar2);
    exec(sql);
    data::DatabaseLocator::setSearchFolders({dir_.path()});
}

CarDatabaseFixture::~CarDatabaseFixture() { data::DatabaseLocator::setSearchFolders({}); }

QString CarDatabaseFixture::path() const { return dir_.filePath(QStringLiteral("arac2.db")); }

void CarDatabaseFixture::exec(const QString& sql) const
{
    sqlite3* db = nullptr;
    if (sqlite3_open(path().toUtf8().constData(), &db) != SQLITE_OK)
        qFatal("cannot create test database");
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK)
        qFatal("test database SQL failed: %s", error);
    sqlite3_close(db);
}

void CarDatabaseFixture::overwrite(const QByteArray& bytes) const
{
    QFile f(path());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot overwrite test database");
    f.write(bytes);
}

void CarDatabaseFixture::damagePages() const
{
    QFile f(path());
    if (!f.open(QIODevice::ReadWrite))
        qFatal("cannot damage test database");
    const qint64 pageSize = 4096;
    if (f.size() <= pageSize)
        qFatal("test database has no page to damage");
    f.seek(pageSize);
    QByteArray garbage;
    for (qint64 i = pageSize; i < f.size(); ++i)
        garbage.append(static_cast<char>((i * 167 + 13) & 0xff));
    f.write(garbage);
}

ExclusiveHold::ExclusiveHold(const QString& path)
{
    if (sqlite3_open(path.toUtf8().constData(), &db_) != SQLITE_OK
        || sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK)
        qFatal("cannot hold the test database");
}

ExclusiveHold::~ExclusiveHold() { release(); }

void ExclusiveHold::release()
{
    if (!db_)
        return;
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
    db_ = nullptr;
}

Sandbox::Sandbox()
{
    forms::App::resetForTests();
    forms::App::setLockFolder(lockDir_.path());
    forms::App::setEndHandler([this](int code) { ended_ = code; });
    forms::Shell::setLauncher([this](const QString& address) {
        launched_ << address;
        return launchOk_;
    });
}

Sandbox::~Sandbox()
{
    destroyAllWindows();
    forms::Shell::setLauncher({});
    forms::App::setEndHandler({});
    forms::App::resetForTests();
    forms::App::setLockFolder({});
}

void destroyAllWindows()
{
    // Only windows without a parent are deleted: a popup belongs to its control, which deletes it
    // (deleting it directly would leave the control pointing at it). Deleting one window may
    // delete others it owns, so each is checked before it goes.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            windows << w;
    for (const QPointer<QWidget>& w : windows)
        delete w.data();
}

void initProgramResources()
{
    resources::init();
    forms::loadFontAliases();
    forms::useProgramStyle();
}

} // namespace testing
