// The modification calculator on the main window: guard, running total, applied list, list lock
// and reset, driven through the real buttons.
#include "platform/controls/ComboBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "tests/support/Focus.h"
#include "tests/support/Picking.h"
#include "tests/support/TestSupport.h"
#include "workbench/ana.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <algorithm>
#include <numeric>

using testing::Car;
using testing::CarDatabaseFixture;

namespace {

struct Pair {
    controls::lvButtons_H* add;
    controls::lvButtons_H* remove;
    controls::Label* applied;
    int gain;
};

std::vector<Pair> pairsOf(ana& w)
{
    return {{w.Command1, w.Command2, w.Label12, 2},   {w.Command4, w.Command3, w.Label13, 4},
            {w.Command6, w.Command5, w.Label14, 4},   {w.Command8, w.Command7, w.Label15, 5},
            {w.Command10, w.Command9, w.Label16, 12}, {w.Command12, w.Command11, w.Label17, 10}};
}

// Everything a user can see of the calculator, to compare before and after.
QStringList snapshot(ana& w)
{
    QStringList s{w.cboCourses->text(), QString::number(w.cboCourses->isEnabled()), w.txtNAME->text(), w.txtAGE->text(),
                  w.Text1->text()};
    for (const Pair& p : pairsOf(w))
        s << QStringLiteral("%1%2%3").arg(p.add->isEnabled()).arg(p.remove->isEnabled()).arg(!p.applied->isHidden());
    return s;
}

void click(controls::lvButtons_H* button) { QTest::mouseClick(button, Qt::LeftButton); }

ana& openWithCar(const QString& name)
{
    ana& w = forms::instance<ana>();
    w.Show();
    if (!QTest::qWaitForWindowExposed(&w))
        qFatal("main window not shown");
    for (int i = 0; i < w.cboCourses->count(); ++i)
        if (w.cboCourses->itemText(i) == name)
            testing::pickFromList(w.cboCourses, i);
    return w;
}

const QList<Car> cars = {
    {QStringLiteral("Yüzlük"), 100}, {QStringLiteral("Kesirli"), 75.5}, {QStringLiteral("Güçlü"), 300}};

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }

    void designState()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(cars);
        ana& w = openWithCar({});
        for (const Pair& p : pairsOf(w)) {
            QVERIFY(p.add->isEnabled());
            QVERIFY(!p.remove->isEnabled());
            QVERIFY(p.applied->isHidden());
            QCOMPARE(p.add->text(), QStringLiteral("+EKLE"));
            QCOMPARE(p.remove->text(), QStringLiteral("-KALDIR"));
        }
        QCOMPARE(w.Label4[3]->text(), QStringLiteral(" Konvertör Iptal'i"));
        QCOMPARE(w.Label14->text(), QStringLiteral("       Katalitik Konvertör Iptal'i"));
        QCOMPARE(w.Label17->text(), QStringLiteral(" Dereceli Egzantirik"));
        // The gain holders hold the gains and lie beyond the right edge, out of sight and out of
        // the keyboard's reach: a gain typed into one unseen would count on the next press.
        const QSet<QWidget*> reachable = testing::reachedByTab(&w);
        QVERIFY(reachable.contains(w.Command1)); // the walk did go round the window
        int sum = 0;
        for (controls::TextBox* holder :
             {w.havafiltresi, w.sonsusturucu, w.katalatikiptal, w.headers, w.ciptuning, w.dereceliegzantirik}) {
            sum += holder->text().toInt();
            QVERIFY(holder->x() >= w.width());
            QVERIFY(!reachable.contains(holder));
        }
        QCOMPARE(sum, 37);
        // Each applied caption shows whole in its slot, wrapped or not.
        for (const Pair& p : pairsOf(w))
            QVERIFY2(p.applied->heightForWidth(p.applied->width()) <= p.applied->height(),
                     qPrintable(p.applied->text()));
    }

    void theGuardRefusesWithoutACar()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(cars);
        ana& w = openWithCar({});
        const QStringList before = snapshot(w);
        for (const Pair& p : pairsOf(w))
            click(p.add);
        QCOMPARE(sandbox.boxes().size(), 6);
        for (const forms::MsgBoxCall& box : sandbox.boxes()) {
            QCOMPARE(box.prompt, QStringLiteral("Lütfen Listeden Bir Tane Araç Seçiniz"));
            QCOMPARE(box.title, QStringLiteral("Hata"));
            QCOMPARE(box.buttons, int(forms::vbCritical));
        }
        QCOMPARE(snapshot(w), before);
    }

    void allSixAndBackInAnyOrder()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(cars);
        ana& w = openWithCar(QStringLiteral("Yüzlük"));
        const std::vector<Pair> pairs = pairsOf(w);
        std::vector<std::size_t> order(pairs.size());
        std::iota(order.begin(), order.end(), 0);
        int permutations = 0;
        do {
            // Every 37th permutation is enough to mix the orders without clicking 8640 times.
            if (permutations++ % 37 != 0)
                continue;
            int expected = 100;
            for (std::size_t i : order) {
                click(pairs[i].add);
                expected += pairs[i].gain;
                QCOMPARE(w.Text1->text(), QString::number(expected));
            }
            QCOMPARE(w.Text1->text(), QStringLiteral("137"));
            std::vector<std::size_t> back = order;
            std::rotate(back.begin(), back.begin() + permutations % 6, back.end());
            for (std::size_t k = 0; k < back.size(); ++k) {
                const Pair& p = pairs[back[k]];
                click(p.remove);
                expected -= p.gain;
                QCOMPARE(w.Text1->text(), QString::number(expected));
                QVERIFY(p.add->isEnabled());
                QVERIFY(!p.remove->isEnabled());
                // The applied list shows exactly the pairs still counted.
                for (std::size_t j = 0; j < pairs.size(); ++j) {
                    const bool counted =
                        std::find(back.begin() + static_cast<long>(k) + 1, back.end(), j) != back.end();
                    QCOMPARE(!pairs[j].applied->isHidden(), counted);
                    QCOMPARE(pairs[j].remove->isEnabled(), counted);
                    QCOMPARE(pairs[j].add->isEnabled(), !counted);
                }
            }
            QCOMPARE(w.Text1->text(), QStringLiteral("100"));
        } while (std::next_permutation(order.begin(), order.end()));
        QCOMPARE(w.txtAGE->text(), QStringLiteral("100"));
        QVERIFY(sandbox.boxes().isEmpty());
    }

    void aDisabledRemoveDoesNothing()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(cars);
        ana& w = openWithCar(QStringLiteral("Yüzlük"));
        click(w.Command2);
        click(w.Command11);
        QCOMPARE(w.Text1->text(), QStringLiteral("100"));
        click(w.Command1);
        click(w.Command1); // now disabled: counted once
        QCOMPARE(w.Text1->text(), QStringLiteral("102"));
    }

    void onlyTheResetUnlocksTheList()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(cars);
        ana& w = openWithCar(QStringLiteral("Güçlü"));
        QVERIFY(w.cboCourses->isEnabled());
        click(w.Command10);
        QVERIFY(!w.cboCourses->isEnabled());
        click(w.Command9);
        QVERIFY(!w.cboCourses->isEnabled());
        QCOMPARE(w.Text1->text(), QStringLiteral("300"));
        click(w.Command6);

        click(w.lvButtons_H9);
        QVERIFY(w.cboCourses->isEnabled());
        QCOMPARE(w.cboCourses->text(), QStringLiteral("Lütfen Bir Araç Seçiniz..."));
        QCOMPARE(w.Text1->text(), QString());
        QCOMPARE(w.txtAGE->text(), QString());
        QCOMPARE(w.txtNAME->text(), QString());
        for (const Pair& p : pairsOf(w)) {
            QVERIFY(p.add->isEnabled());
            QVERIFY(!p.remove->isEnabled());
            QVERIFY(p.applied->isHidden());
        }
        // A new car starts from its own standard power.
        testing::pickFromList(w.cboCourses, 0);
        click(w.Command12);
        QCOMPARE(w.Text1->text(), QStringLiteral("110"));
    }

    void typedTextPassesTheGuard()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(cars);
        ana& w = openWithCar({});
        w.cboCourses->lineEdit()->selectAll();
        QTest::keyClicks(w.cboCourses->lineEdit(), QStringLiteral("benim arabam"));
        click(w.Command1);
        QVERIFY(sandbox.boxes().isEmpty());
        QCOMPARE(w.Text1->text(), QStringLiteral("2"));
        QCOMPARE(w.txtAGE->text(), QString());
        QVERIFY(!w.Label12->isHidden());
    }

    void fractionsSurviveInBothLocales_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("point") << QLocale(QLocale::English, QLocale::UnitedStates)
                               << QStringList{"75.5", "77.5", "89.5", "99.5", "89.5", "87.5"};
        QTest::newRow("comma") << QLocale(QLocale::Turkish, QLocale::Turkey)
                               << QStringList{"75,5", "77,5", "89,5", "99,5", "89,5", "87,5"};
    }
    void fractionsSurviveInBothLocales()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, shown);
        const QLocale previous;
        QLocale::setDefault(locale);
        {
            testing::Sandbox sandbox;
            CarDatabaseFixture db(cars);
            ana& w = openWithCar(QStringLiteral("Kesirli"));
            QStringList seen{w.Text1->text()};
            for (controls::lvButtons_H* b : {w.Command1, w.Command10, w.Command12, w.Command11, w.Command2}) {
                click(b);
                seen << w.Text1->text();
            }
            QCOMPARE(seen, shown);
        }
        QLocale::setDefault(previous);
    }
};

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
