// The accessory cost list: running total through the real buttons, the shock absorbers' two
// items, the buy buttons and the shop's catalogue, opening from the main window.
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "reference/aksesuar.h"
#include "tests/support/TestSupport.h"
#include "workbench/ana.h"

#include <QSignalSpy>
#include <QTest>
#include <QUrl>

namespace {

struct Item {
    controls::lvButtons_H* add;
    controls::lvButtons_H* remove;
    controls::TextBox* holder;
};

// In the order of the window's cells: chip, front and rear shock absorbers, air filter, springs,
// strut brace, exhaust.
std::vector<Item> itemsOf(aksesuar& w)
{
    return {{w.Command1, w.Command2, w.Text2},  {w.Command3, w.Command4, w.Text4},  {w.Command5, w.Command6, w.Text3},
            {w.Command7, w.Command8, w.Text5},  {w.Command9, w.Command10, w.Text7}, {w.Command11, w.Command12, w.Text6},
            {w.Command13, w.Command14, w.Text8}};
}

QList<controls::lvButtons_H*> buyButtonsOf(aksesuar& w)
{
    return {w.lvButtons_H11, w.lvButtons_H12, w.lvButtons_H13, w.lvButtons_H14, w.lvButtons_H15, w.lvButtons_H16};
}

// Everything a user can change on the window, to compare before and after.
QStringList snapshot(aksesuar& w)
{
    QStringList s{w.Text1->text()};
    for (const Item& item : itemsOf(w))
        s << QStringLiteral("%1%2").arg(item.add->isEnabled()).arg(item.remove->isEnabled());
    return s;
}

void click(controls::lvButtons_H* button) { QTest::mouseClick(button, Qt::LeftButton); }

aksesuar& openList()
{
    aksesuar& w = forms::instance<aksesuar>();
    w.Show();
    if (!QTest::qWaitForWindowExposed(&w))
        qFatal("accessory list not shown");
    return w;
}

} // namespace

class TestAksesuar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }

    void designState()
    {
        testing::Sandbox sandbox;
        aksesuar& w = openList();
        QCOMPARE(w.windowTitle(), QStringLiteral("{{ Zenvortali Versiyon 2.0 }} Aksesuar Fiyat "));
        QCOMPARE(w.size(), QSize(746, 559)); // 11190 x 8385 twips
        QCOMPARE(w.Text1->text(), QString());
        QVERIFY(w.Text1->isReadOnly());
        for (const Item& item : itemsOf(w)) {
            QVERIFY(item.add->isEnabled());
            QVERIFY(!item.remove->isEnabled());
            QVERIFY(item.holder->x() >= w.width()); // present, never seen
        }
        QCOMPARE(w.Command6->text(), QStringLiteral("-KALDIR(Arka)"));
        QCOMPARE(w.Command3->text(), QStringLiteral("+EKLE (Ön)"));
        for (controls::lvButtons_H* buy : buyButtonsOf(w))
            QCOMPARE(buy->text(), buy == w.lvButtons_H14 ? QStringLiteral("Satın Al ") : QStringLiteral("Satın Al"));

        const QString note = w.Label8->text();
        QCOMPARE(note.size(), 292);
        QVERIFY(note.startsWith(QStringLiteral("Açıklama: Bu fiyatlar Mayıs 2004 ayında")));
        QVERIFY(note.contains(QStringLiteral("kdv dahil değildir")));
        QVERIFY(note.endsWith(QStringLiteral("Fiyatlar ortalama fiyatlarda seçilmiş olan ürünlerindir.")));
    }

    void eachItemAloneShowsItsPriceThenZero_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("price");
        QTest::newRow("universal chip") << 0 << "649990000";
        QTest::newRow("front shock absorbers") << 1 << "203280000";
        QTest::newRow("rear shock absorbers") << 2 << "267120000";
        QTest::newRow("air filter") << 3 << "88972800";
        QTest::newRow("performance springs") << 4 << "67200000";
        QTest::newRow("strut brace") << 5 << "40975200";
        QTest::newRow("exhaust tube") << 6 << "396480000";
    }
    void eachItemAloneShowsItsPriceThenZero()
    {
        QFETCH(int, item);
        QFETCH(QString, price);
        testing::Sandbox sandbox;
        aksesuar& w = openList();
        const Item it = itemsOf(w)[std::size_t(item)];
        click(it.add);
        QCOMPARE(w.Text1->text(), price);
        QVERIFY(!it.add->isEnabled());
        QVERIFY(it.remove->isEnabled());
        click(it.remove);
        QCOMPARE(w.Text1->text(), QStringLiteral("0")); // not an empty box
        QVERIFY(it.add->isEnabled());
        QVERIFY(!it.remove->isEnabled());
        click(it.add);
        QCOMPARE(w.Text1->text(), price);
        QVERIFY(sandbox.boxes().isEmpty());
    }

    void allSevenAndBack()
    {
        testing::Sandbox sandbox;
        aksesuar& w = openList();
        const std::vector<Item> items = itemsOf(w);
        for (const Item& item : items)
            click(item.add);
        QCOMPARE(w.Text1->text(), QStringLiteral("1714018000"));
        // Out again in another order; the total follows each step.
        double expected = 1714018000;
        for (std::size_t i : {3u, 0u, 6u, 2u, 5u, 1u, 4u}) {
            click(items[i].remove);
            expected -= items[i].holder->text().toDouble();
            QCOMPARE(w.Text1->text(), QString::number(expected, 'f', 0));
        }
        QCOMPARE(w.Text1->text(), QStringLiteral("0"));
    }

    void frontAndRearShockAbsorbersAreSeparate()
    {
        testing::Sandbox sandbox;
        aksesuar& w = openList();
        click(w.Command3);
        QCOMPARE(w.Text1->text(), QStringLiteral("203280000"));
        QVERIFY(w.Command5->isEnabled());
        QVERIFY(!w.Command6->isEnabled());
        click(w.Command5);
        QCOMPARE(w.Text1->text(), QStringLiteral("470400000"));
        click(w.Command4);
        QCOMPARE(w.Text1->text(), QStringLiteral("267120000"));
        QVERIFY(w.Command3->isEnabled());
        QVERIFY(!w.Command4->isEnabled());
        QVERIFY(!w.Command5->isEnabled());
        QVERIFY(w.Command6->isEnabled());
        click(w.Command6);
        QCOMPARE(w.Text1->text(), QStringLiteral("0"));
    }

    void aRemoveRaisesNoClickBeforeItsAdd()
    {
        testing::Sandbox sandbox;
        aksesuar& w = openList();
        for (const Item& item : itemsOf(w)) {
            QSignalSpy clicks(item.remove, &controls::lvButtons_H::Click);
            click(item.remove);
            QCOMPARE(clicks.count(), 0);
            QCOMPARE(w.Text1->text(), QString());
        }
        const Item chip = itemsOf(w).front();
        click(chip.add);
        click(chip.add); // disabled now: counted once
        QCOMPARE(w.Text1->text(), QStringLiteral("649990000"));
        QSignalSpy clicks(chip.remove, &controls::lvButtons_H::Click);
        click(chip.remove);
        QCOMPARE(clicks.count(), 1);
    }

    void buyButtonsOpenTheCatalogueAndChangeNothing()
    {
        testing::Sandbox sandbox;
        aksesuar& w = openList();
        click(w.Command1);
        click(w.Command13);
        click(w.Command3);
        const QStringList before = snapshot(w);
        for (controls::lvButtons_H* buy : buyButtonsOf(w))
            click(buy);
        QCOMPARE(sandbox.launched(), QStringList(6, aksesuar::catalogAddress()));
        QCOMPARE(snapshot(w), before);
        QVERIFY(sandbox.boxes().isEmpty());

        const QUrl address(aksesuar::catalogAddress());
        QVERIFY(address.isValid());
        QVERIFY(address.host().endsWith(QStringLiteral(".example")));
        QCOMPARE(address.path(), QStringLiteral("/catalog/index.php"));
    }

    void aBrowserThatCannotStartIsReported()
    {
        testing::Sandbox sandbox;
        aksesuar& w = openList();
        click(w.Command9);
        const QStringList before = snapshot(w);
        sandbox.setLaunchSucceeds(false);
        click(w.lvButtons_H15);
        QCOMPARE(sandbox.launched(), QStringList{aksesuar::catalogAddress()});
        QCOMPARE(sandbox.boxes().size(), 1);
        QCOMPARE(sandbox.boxes()[0].title, QStringLiteral("Hata"));
        QVERIFY(sandbox.boxes()[0].prompt.contains(aksesuar::catalogAddress()));
        QVERIFY(!sandbox.endedWith());
        // The program goes on: the list still counts.
        QCOMPARE(snapshot(w), before);
        click(w.Command11);
        QCOMPARE(w.Text1->text(), QStringLiteral("108175200"));
    }

    void theMainWindowOpensItAndAClosedListStartsAfresh()
    {
        testing::Sandbox sandbox;
        testing::CarDatabaseFixture db;
        ana& main = forms::instance<ana>();
        main.Show();
        click(main.Command50);
        aksesuar* first = forms::loadedInstance<aksesuar>();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        click(first->Command7);
        click(main.Command50); // the same window again, as it was
        QCOMPARE(forms::loadedInstance<aksesuar>(), first);
        QCOMPARE(first->Text1->text(), QStringLiteral("88972800"));

        first->Unload();
        QVERIFY(!forms::loadedInstance<aksesuar>());
        click(main.Command50);
        aksesuar* second = forms::loadedInstance<aksesuar>();
        QVERIFY(second);
        QVERIFY(second->isVisible());
        QCOMPARE(second->Text1->text(), QString());
        QVERIFY(second->Command7->isEnabled());
        QVERIFY(!second->Command8->isEnabled());
        QVERIFY(main.isVisible());
    }
};

QTEST_MAIN(TestAksesuar)
#include "tst_aksesuar.moc"
