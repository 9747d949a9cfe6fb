// The two-car comparison: both cars' lists and boxes, the twelve pairs per window, the per-car
// resets, opened from the main window and driven through the real buttons and lists.
#include "platform/controls/ComboBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/data/DataControl.h"
#include "tests/support/Navigating.h"
#include "tests/support/Picking.h"
#include "tests/support/TestSupport.h"
#include "workbench/ana.h"
#include "workbench/karsilastir.h"

#include <QTest>

using testing::Car;
using testing::CarDatabaseFixture;

namespace {

struct Pair {
    controls::lvButtons_H* add;
    controls::lvButtons_H* remove;
    controls::Label* applied;
    int gain;
};

// One car of the window as a user sees it.
struct Side {
    controls::ComboBox* list;
    controls::TextBox* name;
    controls::TextBox* standard;
    controls::TextBox* result;
    std::vector<Pair> pairs;
    controls::lvButtons_H* reset;
};

Side side(karsilastir& w, int car)
{
    if (car == 1)
        return {w.cboCourses,
                w.txtNAME,
                w.txtAGE,
                w.Text3,
                {{w.Command1, w.Command2, w.Label16, 2},
                 {w.Command4, w.Command3, w.Label17, 4},
                 {w.Command6, w.Command5, w.Label18, 4},
                 {w.Command8, w.Command7, w.Label19, 5},
                 {w.Command10, w.Command9, w.Label20, 12},
                 {w.Command12, w.Command11, w.Label21, 10}},
                w.lvButtons_H15};
    return {w.Combo1,
            w.Text1,
            w.Text2,
            w.Text4,
            {{w.Command15, w.Command16, w.Label22, 2},
             {w.Command17, w.Command18, w.Label23, 4},
             {w.Command19, w.Command20, w.Label24, 4},
             {w.Command21, w.Command22, w.Label25, 5},
             {w.Command23, w.Command24, w.Label26, 12},
             {w.Command25, w.Command26, w.Label27, 10}},
            w.lvButtons_H16};
}

// Everything of one car that a user can see, to compare before and after.
QStringList snapshot(const Side& s)
{
    QStringList seen{s.list->text(), QString::number(s.list->isEnabled()), s.name->text(), s.standard->text(),
                     s.result->text()};
    for (const Pair& p : s.pairs)
        seen << QStringLiteral("%1%2%3").arg(p.add->isEnabled()).arg(p.remove->isEnabled()).arg(!p.applied->isHidden());
    return seen;
}

// The state of a car with no car chosen: placeholder, blank boxes, every pair not applied.
QStringList noCar()
{
    return QStringList{QStringLiteral("Lütfen Bir Araç Seçiniz..."), "1", "", "", ""} + QStringList(6, "100");
}

void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

using testing::pickByName;

// The comparison window as a user reaches it: the main window's "Oto Karşılaştırma".
karsilastir& openFromMainWindow() { return testing::openFromMainWindow<karsilastir>(&ana::lvButtons_H2); }

const QList<Car> firstTable = {
    {QStringLiteral("Yüzlük"), 100}, {QStringLiteral("Ortak"), 150}, {QStringLiteral("Güçlü"), 300}};
const QList<Car> secondTable = {
    {QStringLiteral("Ortak"), 250}, {QStringLiteral("Yüzlük"), 100}, {QStringLiteral("İkiyüzlük"), 200}};

// A test row per car.
void forEachCar()
{
    QTest::addColumn<int>("car");
    QTest::newRow("car 1") << 1;
    QTest::newRow("car 2") << 2;
}

// Both cars chosen: `mine` (100 hp) is the car under test, `other` (250 hp on the right, 150 on
// the left) the car that must not change.
struct BothCarsChosen {
    testing::Sandbox sandbox;
    CarDatabaseFixture db{firstTable, secondTable};
    karsilastir& w = openFromMainWindow();
    Side mine;
    Side other;

    explicit BothCarsChosen(int car) : mine(side(w, car)), other(side(w, 3 - car))
    {
        pickByName(mine.list, QStringLiteral("Yüzlük"));
        pickByName(other.list, QStringLiteral("Ortak"));
    }
};

} // namespace

class TestKarsilastir : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }

    void openingShowsBothCarsBlank()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(firstTable, secondTable);
        karsilastir& w = openFromMainWindow();
        QCOMPARE(w.windowTitle(), QStringLiteral(" {{ Zenvortali Versiyon 2.0 }}"));
        QCOMPARE(w.size(), QSize(672, 652)); // 10080 x 9780 twips
        for (int car : {1, 2}) {
            const Side s = side(w, car);
            QCOMPARE(snapshot(s), noCar());
            const QList<Car>& table = car == 1 ? firstTable : secondTable;
            QCOMPARE(s.list->count(), table.size());
            for (int i = 0; i < table.size(); ++i)
                QCOMPARE(s.list->itemText(i), table[i].arac);
            for (const Pair& p : s.pairs) {
                QCOMPARE(p.add->text(), QStringLiteral("+EKLE"));
                QCOMPARE(p.remove->text(), QStringLiteral("-KALDIR"));
            }
            QCOMPARE(s.reset->text(), QStringLiteral("Araç Değiştir"));
            QVERIFY(s.reset->isEnabled());
        }
        QCOMPARE(w.Label18->text(), QStringLiteral("       Katalitik Konvertör Iptal'i"));
        QCOMPARE(w.Label27->text(), QStringLiteral(" Dereceli Egzantirik"));
        // One set of gain holders, out of sight beyond the right edge.
        int sum = 0;
        for (controls::TextBox* holder :
             {w.havafiltresi, w.sonsusturucu, w.katalatikiptal, w.headers, w.ciptuning, w.dereceliegzantirik}) {
            sum += holder->text().toInt();
            QVERIFY(holder->x() >= w.width());
        }
        QCOMPARE(sum, 37);
        QVERIFY(sandbox.boxes().isEmpty());
    }

    void theGuardLooksAtItsOwnCarOnly()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(firstTable, secondTable);
        karsilastir& w = openFromMainWindow();
        pickByName(w.cboCourses, QStringLiteral("Yüzlük"));
        const QStringList car1 = snapshot(side(w, 1));
        const QStringList car2 = snapshot(side(w, 2));

        click(w.Command15);
        QCOMPARE(sandbox.boxes().size(), 1);
        QCOMPARE(sandbox.boxes()[0].prompt, QStringLiteral("Lütfen Listeden Bir Tane Araç Seçiniz"));
        QCOMPARE(sandbox.boxes()[0].title, QStringLiteral("Hata"));
        QCOMPARE(sandbox.boxes()[0].buttons, int(forms::vbCritical));
        QCOMPARE(snapshot(side(w, 1)), car1);
        QCOMPARE(snapshot(side(w, 2)), car2);

        click(w.Command1);
        QCOMPARE(sandbox.boxes().size(), 1);
        QCOMPARE(w.Text3->text(), QStringLiteral("102"));
        QCOMPARE(w.txtAGE->text(), QStringLiteral("100"));
        QVERIFY(!w.Label16->isHidden());
        QVERIFY(!w.cboCourses->isEnabled());
        QCOMPARE(snapshot(side(w, 2)), car2);
    }

    void allSixAndBack_data() { forEachCar(); }
    void allSixAndBack()
    {
        QFETCH(int, car);
        BothCarsChosen cars(car);
        const Side& mine = cars.mine;
        const Side& other = cars.other;
        const QStringList otherBefore = snapshot(other);

        int expected = 100;
        for (const Pair& p : mine.pairs) {
            click(p.add);
            expected += p.gain;
            QCOMPARE(mine.result->text(), QString::number(expected));
        }
        QCOMPARE(mine.result->text(), QStringLiteral("137"));
        for (const Pair& p : mine.pairs) {
            QVERIFY(!p.applied->isHidden());
            QVERIFY(!p.add->isEnabled());
            QVERIFY(p.remove->isEnabled());
        }
        // Removed in another order than added.
        for (int i : {3, 0, 5, 1, 4, 2})
            click(mine.pairs[static_cast<std::size_t>(i)].remove);
        QCOMPARE(mine.result->text(), QStringLiteral("100"));
        QCOMPARE(mine.standard->text(), QStringLiteral("100"));
        QVERIFY(!mine.list->isEnabled());
        for (const Pair& p : mine.pairs) {
            QVERIFY(p.applied->isHidden());
            QVERIFY(p.add->isEnabled());
            QVERIFY(!p.remove->isEnabled());
        }
        QCOMPARE(snapshot(other), otherBefore);
        QVERIFY(cars.sandbox.boxes().isEmpty());
    }

    void theSameModificationCountsOnEachSide()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(firstTable, secondTable);
        karsilastir& w = openFromMainWindow();
        pickByName(w.cboCourses, QStringLiteral("Yüzlük"));
        pickByName(w.Combo1, QStringLiteral("İkiyüzlük"));
        click(w.Command10);
        click(w.Command23);
        QCOMPARE(w.Text3->text(), QStringLiteral("112"));
        QCOMPARE(w.Text4->text(), QStringLiteral("212"));
        for (int car : {1, 2})
            for (std::size_t i = 0; i < 6; ++i)
                QCOMPARE(!side(w, car).pairs[i].applied->isHidden(), i == 4);
        // Removing it on one side leaves the other side's gain counted.
        click(w.Command9);
        QCOMPARE(w.Text3->text(), QStringLiteral("100"));
        QCOMPARE(w.Text4->text(), QStringLiteral("212"));
        QVERIFY(!w.Label26->isHidden());
    }

    void eachResetLeavesTheOtherCarAlone_data() { forEachCar(); }
    void eachResetLeavesTheOtherCarAlone()
    {
        QFETCH(int, car);
        BothCarsChosen cars(car);
        const Side& mine = cars.mine;
        const Side& other = cars.other;
        for (std::size_t i : {0u, 3u, 5u})
            click(mine.pairs[i].add);
        for (std::size_t i : {1u, 4u})
            click(other.pairs[i].add);
        const QStringList otherBefore = snapshot(other);

        click(mine.reset);
        QCOMPARE(snapshot(mine), noCar());
        QCOMPARE(snapshot(other), otherBefore);

        // Pressed again in the no-car state it changes nothing a user sees.
        click(mine.reset);
        QCOMPARE(snapshot(mine), noCar());
        QCOMPARE(snapshot(other), otherBefore);

        // The same car picked again starts from its standard power.
        pickByName(mine.list, QStringLiteral("Yüzlük"));
        QCOMPARE(mine.name->text(), QStringLiteral("Yüzlük"));
        QCOMPARE(mine.standard->text(), QStringLiteral("100"));
        QCOMPARE(mine.result->text(), QStringLiteral("100"));
        click(mine.pairs[2].add);
        QCOMPARE(mine.result->text(), QStringLiteral("104"));
        QCOMPARE(snapshot(other), otherBefore);
        QVERIFY(cars.sandbox.boxes().isEmpty());
    }

    void theSameNameReadsEachCarsOwnTable()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(firstTable, secondTable);
        karsilastir& w = openFromMainWindow();
        pickByName(w.cboCourses, QStringLiteral("Ortak"));
        pickByName(w.Combo1, QStringLiteral("Ortak"));
        QCOMPARE(w.txtNAME->text(), QStringLiteral("Ortak"));
        QCOMPARE(w.Text1->text(), QStringLiteral("Ortak"));
        QCOMPARE(w.txtAGE->text(), QStringLiteral("150"));
        QCOMPARE(w.Text3->text(), QStringLiteral("150"));
        QCOMPARE(w.Text2->text(), QStringLiteral("250"));
        QCOMPARE(w.Text4->text(), QStringLiteral("250"));
        QCOMPARE(w.Data1->RecordCount(), 1);
        QCOMPARE(w.Data2->RecordCount(), 1);
    }

    void theMainWindowOpensOneComparisonAtATime()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(firstTable, secondTable);
        karsilastir& first = openFromMainWindow();
        pickByName(first.cboCourses, QStringLiteral("Güçlü"));
        click(first.Command1);
        QCOMPARE(&openFromMainWindow(), &first);
        QCOMPARE(first.Text3->text(), QStringLiteral("302"));

        QVERIFY(first.close());
        QTRY_VERIFY(!forms::loadedInstance<karsilastir>());
        karsilastir& again = openFromMainWindow();
        QCOMPARE(snapshot(side(again, 1)), noCar());
        QCOMPARE(snapshot(side(again, 2)), noCar());
        QVERIFY(!sandbox.endedWith());
    }
};

QTEST_MAIN(TestKarsilastir)
#include "tst_karsilastir.moc"
