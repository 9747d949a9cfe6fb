// Start-up: the splash and its light, the single instance, the database check as the main window
// loads, the main window's navigation column, credit line and closing.
#include "platform/controls/ComboBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Shape.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/data/DataControl.h"
#include "platform/forms/Timer.h"
#include "tests/support/TestSupport.h"
#include "workbench/Frmsplash.h"
#include "workbench/Module1.h"
#include "workbench/ana.h"

#include <QApplication>
#include <QLockFile>
#include <QTest>

using testing::CarDatabaseFixture;

namespace {
int litSquare(const Frmsplash& s)
{
    int lit = -1;
    for (int i = 0; i < 9; ++i) {
        const QColor c = s.shpArr[static_cast<std::size_t>(i)]->FillColor();
        if (c == QColor(Qt::red)) {
            if (lit != -1)
                return -2; // two lit at once
            lit = i;
        } else if (c != QColor(Qt::white)) {
            return -3;
        }
    }
    return lit;
}

bool anyWindowVisible()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return true;
    return false;
}

int otherWindowUnloads = 0;
class OtherWindow : public forms::Form {
protected:
    void Form_Unload(int&) override { ++otherWindowUnloads; }
};
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        testing::initProgramResources();
        data::DataControl::setBusyTimeout(std::chrono::milliseconds(100));
    }

    void theLightRunsAndHandsOverOnTheThirtyNinthTick()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("Fiat Uno"), 45}});
        QVERIFY(Module1::Main());
        Frmsplash* splash = forms::loadedInstance<Frmsplash>();
        QVERIFY(splash && splash->isVisible());
        QCOMPARE(splash->tmrTimer->Interval(), 65);
        QVERIFY(splash->tmrTimer->running());
        QCOMPARE(litSquare(*splash), 0);
        QCOMPARE(int(splash->tickCount), 1);
        splash->tmrTimer->setEnabled(false); // the test drives the ticks itself

        const QList<int> expected = {1, 2, 3, 4, 5, 6, 7, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2, 3,
                                     4, 5, 6, 7, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2, 3, 4, 5, 6};
        for (int tick = 1; tick <= 38; ++tick) {
            splash->tmrTimer_Timer();
            QCOMPARE(litSquare(*splash), expected[tick - 1]);
            QCOMPARE(int(splash->tickCount), tick + 1);
        }
        QVERIFY(!forms::loadedInstance<ana>());
        QPointer<Frmsplash> guard(splash);
        splash->tmrTimer_Timer(); // tick 39
        ana* main = forms::loadedInstance<ana>();
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QCOMPARE(main->cboCourses->count(), 1);
        QVERIFY(!forms::loadedInstance<Frmsplash>());
        QTRY_VERIFY(!guard);
        QVERIFY(sandbox.boxes().isEmpty());
    }

    void theRealTimerHandsOverToo()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("Fiat Uno"), 45}});
        QVERIFY(Module1::Main());
        QTRY_VERIFY_WITH_TIMEOUT(forms::loadedInstance<ana>() && forms::loadedInstance<ana>()->isVisible(), 10000);
        QVERIFY(!forms::loadedInstance<Frmsplash>());
    }

    // A splash closed before it hands over leaves nothing behind to run: the program ends.
    void closingTheSplashEndsTheProgram()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("Fiat Uno"), 45}});
        QVERIFY(Module1::Main());
        Frmsplash* splash = forms::loadedInstance<Frmsplash>();
        for (int tick = 0; tick < 10; ++tick)
            splash->tmrTimer_Timer();
        QVERIFY(splash->close());
        QCOMPARE(sandbox.endedWith(), std::optional<int>(0));
        QVERIFY(!forms::loadedInstance<ana>());
    }

    // The running instance is said first, whatever state the database is in.
    void aSecondInstanceIsRefused_data()
    {
        QTest::addColumn<bool>("databaseThere");
        QTest::newRow("database there") << true;
        QTest::newRow("database missing") << false;
    }
    void aSecondInstanceIsRefused()
    {
        QFETCH(bool, databaseThere);
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("Fiat Uno"), 45}});
        if (!databaseThere)
            QFile::remove(db.path());
        QLockFile firstInstance(sandbox.lockFolder() + QStringLiteral("/zenvortali-2.lock"));
        QVERIFY(firstInstance.tryLock(0));

        QVERIFY(!Module1::Main());
        QCOMPARE(sandbox.boxes().size(), 1);
        QCOMPARE(sandbox.boxes()[0].prompt, QStringLiteral("Zenvortali V 2.0 Programı Zaten Açık..."));
        QCOMPARE(sandbox.boxes()[0].title, QStringLiteral("Zenvortali V 2.0 Hata"));
        QCOMPARE(sandbox.boxes()[0].buttons, int(forms::vbInformation));
        QCOMPARE(sandbox.endedWith(), std::optional<int>(0));
        QVERIFY(!anyWindowVisible());
        QVERIFY(!forms::loadedInstance<Frmsplash>()->tmrTimer->running());
        QTest::qWait(200);
        QVERIFY(!forms::loadedInstance<ana>());
        QVERIFY(firstInstance.isLocked()); // the first instance's lock is untouched
    }

    void anUnusableDatabaseStopsTheStart_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing"
                                 << "dosya bulunamadı";
        QTest::newRow("not SQLite") << "garbage"
                                    << "SQLite veritabanı değil";
        QTest::newRow("empty file") << "empty"
                                    << "'kayitlar' tablosu yok";
        QTest::newRow("table missing") << "DROP TABLE kayitlar2"
                                       << "'kayitlar2' tablosu yok";
        QTest::newRow("column missing") << "ALTER TABLE kayitlar DROP COLUMN yakit"
                                        << "'kayitlar' tablosunda 'yakit' sütunu yok";
        QTest::newRow("damaged pages") << "pages"
                                       << "bütünlük denetiminden geçemedi";
        QTest::newRow("held by another program") << "held"
                                                 << "başka bir program tarafından kullanılıyor";
    }
    void anUnusableDatabaseStopsTheStart()
    {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("Fiat Uno"), 45}});
        if (damage == QLatin1String("missing"))
            QFile::remove(db.path());
        else if (damage == QLatin1String("garbage"))
            db.overwrite(QByteArray(2048, 'x'));
        else if (damage == QLatin1String("empty"))
            db.overwrite(QByteArray());
        else if (damage == QLatin1String("pages"))
            db.damagePages();
        else if (damage != QLatin1String("held"))
            db.exec(damage);
        std::optional<testing::ExclusiveHold> hold;
        if (damage == QLatin1String("held"))
            hold.emplace(db.path());

        // The splash starts as ever; the main window it makes finds the database unusable.
        QVERIFY(Module1::Main());
        Frmsplash* splash = forms::loadedInstance<Frmsplash>();
        QVERIFY(splash && splash->isVisible());
        QVERIFY(sandbox.boxes().isEmpty());
        splash->tmrTimer->setEnabled(false);
        for (int tick = 1; tick <= 39; ++tick)
            splash->tmrTimer_Timer();

        QCOMPARE(sandbox.boxes().size(), 1);
        const forms::MsgBoxCall box = sandbox.boxes()[0];
        QVERIFY2(box.prompt.contains(reason), qPrintable(box.prompt));
        QVERIFY(box.prompt.contains(QStringLiteral("arac2.db")));
        QVERIFY(box.prompt.contains(db.folder())); // the folder searched
        QCOMPARE(box.buttons, int(forms::vbCritical));
        QCOMPARE(sandbox.endedWith(), std::optional<int>(2));
        QVERIFY(!forms::loadedInstance<Frmsplash>());
        QVERIFY(!forms::loadedInstance<ana>()->isVisible());
        QVERIFY(!anyWindowVisible());
    }

    void theNavigationColumn()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db;
        ana& w = forms::instance<ana>();
        const QList<controls::lvButtons_H*> column = {w.lvButtons_H11, w.Command50,    w.lvButtons_H5,
                                                      w.lvButtons_H4,  w.lvButtons_H2, w.lvButtons_H10,
                                                      w.lvButtons_H3,  w.lvButtons_H7, w.lvButtons_H6};
        const QStringList captions = {"Araç Özellikleri", "Modifiye Listesi",  "Modifiye siteleri",
                                      "Ne Nedir ???",     "Oto Karşılaştırma", "Sanal Drag",
                                      "Sözlük",           "Sürüş Taktikleri",  "Programcı Hakkında"};
        for (int i = 0; i < column.size(); ++i) {
            QCOMPARE(column[i]->text(), captions[i]);
            QCOMPARE(column[i]->x(), 488); // 7320 twips
            if (i > 0)
                QVERIFY(column[i]->y() > column[i - 1]->y());
        }
        QCOMPARE(w.windowTitle(), QStringLiteral(" {{ Zenvortali Versiyon 2.0 }}"));
        QCOMPARE(w.size(), QSize(640, 466)); // 9600 x 6990 twips
    }

    void closingTheMainWindowEndsTheProgram()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db;
        otherWindowUnloads = 0;
        ana& w = forms::instance<ana>();
        w.Show();
        forms::instance<OtherWindow>().Show();
        QVERIFY(w.close());
        QCOMPARE(sandbox.endedWith(), std::optional<int>(0));
        QCOMPARE(otherWindowUnloads, 0);
    }

    void theCreditLineOpensTheSite()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db;
        ana& w = forms::instance<ana>();
        w.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.Label11, Qt::LeftButton);
        QCOMPARE(sandbox.launched(), QStringList{ana::creditAddress()});
        QVERIFY(sandbox.boxes().isEmpty());

        // A browser that cannot start is said, and the program goes on.
        sandbox.setLaunchSucceeds(false);
        QTest::mouseClick(w.Label11, Qt::LeftButton);
        QCOMPARE(sandbox.boxes().size(), 1);
        QCOMPARE(sandbox.boxes()[0].title, QStringLiteral("Hata"));
        QVERIFY(sandbox.boxes()[0].prompt.contains(ana::creditAddress()));
        QVERIFY(!sandbox.endedWith());
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
