// The car list, car selection and record display on the main window, against real databases.
#include "platform/controls/ComboBox.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/data/DataControl.h"
#include "platform/vb/Numbers.h"
#include "tests/support/Navigating.h"
#include "tests/support/Picking.h"
#include "tests/support/TestSupport.h"
#include "workbench/ana.h"
#include "workbench/drag.h"
#include "workbench/karsilastir.h"
#include "workbench/ozellik.h"

#include <QLineEdit>
#include <QTest>

using testing::Car;
using testing::CarDatabaseFixture;

namespace {
QStringList items(const controls::ComboBox* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->itemText(i);
    return names;
}

struct Boxes {
    QString name, standard, modified;
    bool operator==(const Boxes&) const = default;
};
Boxes boxesOf(const ana& w) { return {w.txtNAME->text(), w.txtAGE->text(), w.Text1->text()}; }

ana& openMainWindow()
{
    ana& w = forms::instance<ana>();
    w.Show();
    return w;
}

// One car list of a car window and the box its car's standard power shows in.
struct CarSide {
    controls::ComboBox* list;
    controls::TextBox* power;
};

// Opens a car window as a user does (a two-car window from the main window) and returns one of
// its cars; car 2 reads the second table.
CarSide openCarWindow(const QString& window, int car)
{
    if (window == QLatin1String("ana"))
        return {openMainWindow().cboCourses, openMainWindow().txtAGE};
    if (window == QLatin1String("karsilastir")) {
        karsilastir& w = testing::openFromMainWindow<karsilastir>(&ana::lvButtons_H2);
        return car == 1 ? CarSide{w.cboCourses, w.txtAGE} : CarSide{w.Combo1, w.Text2};
    }
    if (window == QLatin1String("drag")) {
        drag& w = testing::openFromMainWindow<drag>(&ana::lvButtons_H10);
        QTest::mouseClick(w.lvButtons_H1, Qt::LeftButton); // the car menu
        return car == 1 ? CarSide{w.cboCourses, w.txtAGE} : CarSide{w.Combo1, w.Text2};
    }
    ozellik& w = testing::openFromMainWindow<ozellik>(&ana::lvButtons_H11);
    return car == 1 ? CarSide{w.cboCourses, w.txtAGE} : CarSide{w.Combo1, w.Text2};
}

const QStringList kCarWindows = {"ana", "karsilastir", "drag", "ozellik"};
} // namespace

namespace QTest {
template <>
char* toString(const Boxes& b)
{
    return qstrdup(
        QStringLiteral("name '%1', standard '%2', modified '%3'").arg(b.name, b.standard, b.modified).toUtf8());
}
} // namespace QTest

class TestCarList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        testing::initProgramResources();
        data::DataControl::setBusyTimeout(std::chrono::milliseconds(100));
    }

    void afterLoadingThePlaceholderAndBlankBoxes()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("Tofaş Doğan SLX"), 90},
                               {QStringLiteral("Fiat Tempra 2.0"), 113},
                               {QStringLiteral("Renault Clio 1.4"), 75}});
        ana& w = openMainWindow();
        QCOMPARE(items(w.cboCourses), (QStringList{QStringLiteral("Tofaş Doğan SLX"), QStringLiteral("Fiat Tempra 2.0"),
                                                   QStringLiteral("Renault Clio 1.4")}));
        QCOMPARE(w.cboCourses->text(), QStringLiteral("Lütfen Bir Araç Seçiniz..."));
        QCOMPARE(boxesOf(w), Boxes{});
        QVERIFY(sandbox.boxes().isEmpty());
    }

    void anEmptyTableGivesAnEmptyList()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db;
        ana& w = openMainWindow();
        QCOMPARE(w.cboCourses->count(), 0);
        QCOMPARE(w.cboCourses->text(), QStringLiteral("Lütfen Bir Araç Seçiniz..."));
        QCOMPARE(boxesOf(w), Boxes{});
        QVERIFY(sandbox.boxes().isEmpty());
        QVERIFY(!sandbox.endedWith());
    }

    void pickingShowsTheCar()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("Fiat Tempra 2.0"), 113}, {QStringLiteral("Honda Civic 1.6 VTi"), 160}},
                              {{QStringLiteral("Honda Civic 1.6 VTi"), 999}});
        ana& w = openMainWindow();
        testing::pickFromList(w.cboCourses, 1);
        // The main window reads the first table only.
        QCOMPARE(boxesOf(w),
                 (Boxes{QStringLiteral("Honda Civic 1.6 VTi"), QStringLiteral("160"), QStringLiteral("160")}));
        testing::pickFromList(w.cboCourses, 0);
        QCOMPARE(boxesOf(w), (Boxes{QStringLiteral("Fiat Tempra 2.0"), QStringLiteral("113"), QStringLiteral("113")}));
    }

    void aNameTwiceIsListedTwiceAndShowsItsFirstRow()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("VW Golf GTI"), 110},
                               {QStringLiteral("Opel Corsa"), 60},
                               {QStringLiteral("VW Golf GTI"), 220}});
        ana& w = openMainWindow();
        QCOMPARE(items(w.cboCourses).count(QStringLiteral("VW Golf GTI")), 2);
        for (int row : {2, 0}) {
            testing::pickFromList(w.cboCourses, row);
            QCOMPARE(w.txtAGE->text(), QStringLiteral("110"));
            QCOMPARE(w.Text1->text(), QStringLiteral("110"));
        }
    }

    void aCarWithoutPowerKeepsThePowerBoxes()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("Fiat Uno 70"), 70}, {QStringLiteral("Bilinmeyen"), std::nullopt}});
        ana& w = openMainWindow();
        testing::pickFromList(w.cboCourses, 0);
        testing::pickFromList(w.cboCourses, 1);
        QCOMPARE(boxesOf(w), (Boxes{QStringLiteral("Bilinmeyen"), QStringLiteral("70"), QStringLiteral("70")}));
        QVERIFY(sandbox.boxes().isEmpty());
    }

    void aNameWithAQuoteSelectsItsOwnRow()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("Renault 12 'Toros'"), 68},
                               {QStringLiteral("x' OR '1'='1"), 1},
                               {QStringLiteral("Fiat Uno"), 45}});
        ana& w = openMainWindow();
        testing::pickFromList(w.cboCourses, 0);
        QCOMPARE(boxesOf(w), (Boxes{QStringLiteral("Renault 12 'Toros'"), QStringLiteral("68"), QStringLiteral("68")}));
        testing::pickFromList(w.cboCourses, 1);
        QCOMPARE(boxesOf(w), (Boxes{QStringLiteral("x' OR '1'='1"), QStringLiteral("1"), QStringLiteral("1")}));
        QCOMPARE(w.data->RecordCount(), 1);
    }

    void typingSelectsNothing()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("Fiat Uno"), 45}, {QStringLiteral("Opel Vectra"), 100}});
        ana& w = openMainWindow();
        testing::pickFromList(w.cboCourses, 0);
        const Boxes before = boxesOf(w);
        w.cboCourses->lineEdit()->selectAll();
        QTest::keyClicks(w.cboCourses->lineEdit(), QStringLiteral("Opel Vectra"));
        QTest::keyClick(w.cboCourses->lineEdit(), Qt::Key_Return);
        QCOMPARE(boxesOf(w), before);
        QCOMPARE(w.cboCourses->count(), 2);
    }

    // From the placeholder, the first step down the list with the keyboard picks the first car.
    void theKeyboardPicksFromTheTop()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("Fiat Uno"), 45}, {QStringLiteral("Opel Vectra"), 100}});
        ana& w = openMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(w.cboCourses->lineEdit(), Qt::Key_Down);
        QCOMPARE(boxesOf(w), (Boxes{QStringLiteral("Fiat Uno"), QStringLiteral("45"), QStringLiteral("45")}));
        QTest::keyClick(w.cboCourses->lineEdit(), Qt::Key_Down);
        QCOMPARE(w.txtNAME->text(), QStringLiteral("Opel Vectra"));
    }

    void repickingPutsTheStandardPowerBack()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("Fiat Uno"), 45}, {QStringLiteral("Opel Vectra"), 100}});
        ana& w = openMainWindow();
        testing::pickFromList(w.cboCourses, 1);
        w.Text1->setText(QStringLiteral("137"));
        testing::pickFromList(w.cboCourses, 1);
        QCOMPARE(w.Text1->text(), QStringLiteral("100"));
        QCOMPARE(w.txtAGE->text(), QStringLiteral("100"));
    }

    // Whatever the name column holds, a listed car picks its own row. The name column here has no
    // type, so numbers and blobs stay as they are stored.
    void everyListedNamePicksItsOwnRow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("car");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        const QString longName(40000, u'A');
        const struct {
            const char* kind;
            QString sql;
            QString shown;
        } names[] = {
            {"invalid UTF-8", QStringLiteral("CAST(X'4669617420FF' AS TEXT)"), QStringLiteral("Fiat \uFFFD")},
            {"whole number", QStringLiteral("42"), QStringLiteral("42")},
            {"fraction", QStringLiteral("1.5"), vb::CStr(1.5)},
            {"blob", QStringLiteral("X'4B617261'"), QStringLiteral("Kara")},
            {"too long to show", u'\'' + longName + u'\'', QString(32766, u'A') + u'…'},
        };
        for (const QString& window : kCarWindows)
            for (int car : {1, 2})
                if (car == 1 || window != QLatin1String("ana"))
                    for (const auto& name : names)
                        QTest::addRow("%s car %d, %s", qPrintable(window), car, name.kind)
                            << window << car << name.sql << name.shown;
    }
    void everyListedNamePicksItsOwnRow()
    {
        QFETCH(QString, window);
        QFETCH(int, car);
        QFETCH(QString, name);
        QFETCH(QString, shown);
        testing::Sandbox sandbox;
        CarDatabaseFixture db;
        for (const char* table : {"kayitlar", "kayitlar2"})
            db.exec(QStringLiteral("DROP TABLE %1; CREATE TABLE %1 (arac, beygir, silindirhacim, silindirsayi, "
                                   "hizlanma, agirlik, yakit); INSERT INTO %1 VALUES ('Sağlam', 100, 1600, 4, 10, "
                                   "1000, 7), (%2, 200, 2000, 6, 7, 1200, 9);")
                        .arg(QLatin1String(table), name));
        const CarSide side = openCarWindow(window, car);
        QCOMPARE(side.list->count(), 2);
        QCOMPARE(side.list->itemText(1), shown);
        testing::pickFromList(side.list, 0);
        QCOMPARE(side.power->text(), QStringLiteral("100"));
        testing::pickFromList(side.list, 1);
        QCOMPARE(side.power->text(), QStringLiteral("200"));
        QCOMPARE(side.list->text(), shown);
        QVERIFY(sandbox.boxes().isEmpty());
    }

    // While another program holds the database, a pick or a window that must read it says so once
    // and goes on: the boxes keep what they show, a window opens with empty lists.
    void aDatabaseHeldByAnotherProgram_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString& window : kCarWindows)
            QTest::newRow(qPrintable(window)) << window;
    }
    void aDatabaseHeldByAnotherProgram()
    {
        QFETCH(QString, window);
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("Fiat Uno"), 45}}, {{QStringLiteral("Fiat Uno"), 45}});
        ana& main = openMainWindow();
        std::optional<testing::ExclusiveHold> hold(std::in_place, db.path());
        if (window == QLatin1String("ana")) {
            testing::pickFromList(main.cboCourses, 0);
            QCOMPARE(boxesOf(main), Boxes{});
        } else {
            for (int car : {1, 2})
                QCOMPARE(openCarWindow(window, car).list->count(), 0);
        }
        QCOMPARE(sandbox.boxes().size(), 1);
        const forms::MsgBoxCall box = sandbox.boxes()[0];
        QVERIFY2(box.prompt.contains(QStringLiteral("başka bir program tarafından kullanılıyor")),
                 qPrintable(box.prompt));
        QVERIFY(box.prompt.contains(db.path()));
        QCOMPARE(box.title, QStringLiteral("Hata"));
        QVERIFY(!sandbox.endedWith());

        // Once the other program lets go, the same list reads again.
        hold.reset();
        if (window == QLatin1String("ana")) {
            testing::pickFromList(main.cboCourses, 0);
            QCOMPARE(main.txtAGE->text(), QStringLiteral("45"));
        }
    }

    void fractionalPowerShowsInTheUsersForm()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("Kesirli"), 75.5}});
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        ana& w = openMainWindow();
        testing::pickFromList(w.cboCourses, 0);
        QLocale::setDefault(previous);
        QCOMPARE(w.txtAGE->text(), QStringLiteral("75,5"));
    }
};

QTEST_MAIN(TestCarList)
#include "tst_carlist.moc"
