// The car list, car selection and record display on the main window, against real databases.
#include "platform/controls/ComboBox.h"
#include "platform/controls/TextBox.h"
#include "platform/data/DataControl.h"
#include "tests/support/Picking.h"
#include "tests/support/TestSupport.h"
#include "workbench/ana.h"

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
} // namespace

namespace QTest {
template <>
char* toString(const Boxes& b)
{
    return qstrdup(QStringLiteral("name '%1', standard '%2', modified '%3'").arg(b.name, b.standard, b.modified).toUtf8());
}
} // namespace QTest

class TestCarList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }

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
        QCOMPARE(boxesOf(w), (Boxes{QStringLiteral("Honda Civic 1.6 VTi"), QStringLiteral("160"), QStringLiteral("160")}));
        testing::pickFromList(w.cboCourses, 0);
        QCOMPARE(boxesOf(w), (Boxes{QStringLiteral("Fiat Tempra 2.0"), QStringLiteral("113"), QStringLiteral("113")}));
    }

    void aNameTwiceIsListedTwiceAndShowsItsFirstRow()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({{QStringLiteral("VW Golf GTI"), 110}, {QStringLiteral("Opel Corsa"), 60},
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
        CarDatabaseFixture db({{QStringLiteral("Renault 12 'Toros'"), 68}, {QStringLiteral("x' OR '1'='1"), 1},
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
