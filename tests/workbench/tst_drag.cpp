// The virtual drag race: its cars, their modifications, the car menu, and the race itself, with
// the timers' handlers called by the test and the steps counted.
#include "platform/controls/ComboBox.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/forms/Screen.h"
#include "platform/forms/Timer.h"
#include "tests/support/Picking.h"
#include "tests/support/TestSupport.h"
#include "workbench/ana.h"
#include "workbench/drag.h"

#include <QLineEdit>
#include <QTest>

#include <limits>

using testing::Car;
using testing::CarDatabaseFixture;

namespace {

QString seenLight(const drag& w)
{
    if (!w.Image3->isHidden())
        return QStringLiteral("red");
    if (!w.Image10->isHidden())
        return QStringLiteral("amber");
    if (!w.Image5->isHidden())
        return QStringLiteral("green");
    return QStringLiteral("none");
}

void click(controls::lvButtons_H* b) { QTest::mouseClick(b, Qt::LeftButton); }

int indexOf(const controls::ComboBox* list, const QString& name)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->itemText(i) == name)
            return i;
    qFatal("no such car in the list");
}

drag& openDrag()
{
    drag& w = forms::instance<drag>();
    w.Show();
    if (!QTest::qWaitForWindowExposed(&w))
        qFatal("drag window not shown");
    return w;
}

// Opens the car menu and picks the named cars (an empty name leaves that car unchosen).
drag& openWithCars(const QString& first, const QString& second)
{
    drag& w = openDrag();
    click(w.lvButtons_H1);
    if (!first.isEmpty())
        testing::pickFromList(w.cboCourses, indexOf(w.cboCourses, first));
    if (!second.isEmpty())
        testing::pickFromList(w.Combo1, indexOf(w.Combo1, second));
    return w;
}

// Runs the countdown's end and then race steps until a car finishes; the number of steps taken.
int raceToTheEnd(drag& w, int limit = 1000)
{
    w.Timer3_Timer();
    int steps = 0;
    while (w.Timer1->Enabled() && steps < limit) {
        w.Timer1_Timer();
        ++steps;
    }
    return steps;
}

const QList<Car> whiteCars = {
    {QStringLiteral("Yüzlük"), 100}, {QStringLiteral("Yüz On İki"), 112},     {QStringLiteral("Sıfır"), 0},
    {QStringLiteral("Roket"), 8000}, {QStringLiteral("Bozuk"), std::nullopt}, {QStringLiteral("Dev"), 1e12}};
const QList<Car> redCars = {{QStringLiteral("Yüzlük"), 100},
                            {QStringLiteral("Doksan Dokuz"), 99},
                            {QStringLiteral("Roket"), 8000},
                            {QStringLiteral("Sınırsız"), 1e308}};

} // namespace

class TestDrag : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }

    void opensFromTheMainWindowReady()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        ana& main = forms::instance<ana>();
        main.Show();
        click(main.lvButtons_H10);
        drag* w = forms::loadedInstance<drag>();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("{{ Zenvortali Versiyon 2.0 }}  Sanal Drag"));
        // Filling the lists passed every row through the display, yet both cars start blank.
        QCOMPARE(w->cboCourses->count(), whiteCars.size());
        QCOMPARE(w->Combo1->count(), redCars.size());
        QCOMPARE(w->Label1->text(), QString());
        QCOMPARE(w->Label2->text(), QString());
        QCOMPARE(w->txtAGE->text(), QStringLiteral("0"));
        QCOMPARE(w->Text2->text(), QStringLiteral("0"));
        QCOMPARE(w->cboCourses->text(), QStringLiteral("Lütfen Bir Araç Seçiniz..."));
        QCOMPARE(w->Combo1->text(), QStringLiteral("Lütfen Bir Araç Seçiniz..."));
        QVERIFY(w->Command13->isEnabled());
        QVERIFY(!w->Command14->isEnabled());
        QVERIFY(w->Command27->isEnabled());
        QVERIFY(!w->Timer1->Enabled());
        QVERIFY(!w->Timer3->Enabled());
        QCOMPARE(seenLight(*w), QStringLiteral("red"));
        QCOMPARE(w->Image1->Left(), drag::kStartLeft);
        QCOMPARE(w->Image2->Left(), drag::kStartLeft);
        // A second press shows the same window.
        click(main.lvButtons_H10);
        QCOMPARE(forms::loadedInstance<drag>(), w);
    }

    void theCarMenuOpensAndCloses()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        drag& w = openDrag();
        QVERIFY(!w.lvButtons_H1->isHidden());
        QVERIFY(w.lvButtons_H1->geometry() == w.lvButtons_H2->geometry());
        QCOMPARE(w.childAt(w.lvButtons_H1->geometry().center()), w.lvButtons_H1); // open lies on top
        // Outer heights 10320 and 6120 with the design's 480-twip frame: client areas of 9840
        // and 5640 twips, the closed one exactly as the window opened.
        const int closed = w.height();
        QCOMPARE(closed, forms::Screen::toPixelsY(5640));
        for (int round = 0; round < 2; ++round) {
            click(w.lvButtons_H1);
            QCOMPARE(w.height(), forms::Screen::toPixelsY(10320 - 480));
            QVERIFY(w.lvButtons_H1->isHidden());
            QVERIFY(!w.lvButtons_H2->isHidden());
            QVERIFY(w.rect().contains(w.lvButtons_H15->geometry())); // the menu is in view
            click(w.lvButtons_H2);
            QCOMPARE(w.height(), closed);
            QVERIFY(!w.lvButtons_H1->isHidden());
            QVERIFY(w.lvButtons_H2->isHidden());
            QVERIFY(!w.rect().contains(w.Frame3->geometry().topLeft())); // the menu is out of view
        }
    }

    void pickingAndModifyingACar()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        drag& w = openWithCars(QStringLiteral("Yüzlük"), QStringLiteral("Doksan Dokuz"));
        QCOMPARE(w.Label1->text(), QStringLiteral("Yüzlük"));
        QCOMPARE(w.Label2->text(), QStringLiteral("Doksan Dokuz"));
        QCOMPARE(w.Text2->text(), QStringLiteral("99"));

        w.Command13->setEnabled(false);
        click(w.Command10); // chip tuning
        QCOMPARE(w.txtAGE->text(), QStringLiteral("112"));
        QVERIFY(w.Command13->isEnabled()); // every add enables the start
        click(w.Command1); // air filter
        QCOMPARE(w.txtAGE->text(), QStringLiteral("114"));
        click(w.Command9);
        QCOMPARE(w.txtAGE->text(), QStringLiteral("102"));
        QVERIFY(w.Command10->isEnabled());
        QVERIFY(!w.Command9->isEnabled());
        QVERIFY(!w.cboCourses->isEnabled());
        QVERIFY(w.Combo1->isEnabled()); // the other car is not touched
        QCOMPARE(w.Text2->text(), QStringLiteral("99"));

        click(w.Command23); // car 2's chip tuning
        QCOMPARE(w.Text2->text(), QStringLiteral("111"));

        click(w.lvButtons_H15); // change car 1
        QCOMPARE(w.Label1->text(), QString());
        QCOMPARE(w.txtAGE->text(), QStringLiteral("0"));
        QVERIFY(w.cboCourses->isEnabled());
        QCOMPARE(w.cboCourses->text(), QStringLiteral("Lütfen Bir Araç Seçiniz..."));
        for (controls::lvButtons_H* add : {w.Command1, w.Command4, w.Command6, w.Command8, w.Command10, w.Command12})
            QVERIFY(add->isEnabled());
        for (controls::lvButtons_H* remove : {w.Command2, w.Command3, w.Command5, w.Command7, w.Command9, w.Command11})
            QVERIFY(!remove->isEnabled());
        QCOMPARE(w.Text2->text(), QStringLiteral("111"));
        QVERIFY(!w.Combo1->isEnabled());
    }

    void addingWithoutACarEnablesNothing()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        drag& w = openWithCars({}, {});
        w.Command13->setEnabled(false);
        click(w.Command1);
        click(w.Command15);
        QCOMPARE(sandbox.boxes().size(), 2);
        QCOMPARE(sandbox.boxes()[0].prompt, QStringLiteral("Lütfen Listeden Bir Tane Araç Seçiniz"));
        QVERIFY(!w.Command13->isEnabled());
        QCOMPARE(w.txtAGE->text(), QStringLiteral("0"));
        QVERIFY(!w.Command2->isEnabled());
    }

    void startRefusedWithoutBothCars_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("car 1 missing") << QString() << "Yüzlük";
        QTest::newRow("car 2 missing") << "Yüzlük" << QString();
        QTest::newRow("both missing") << QString() << QString();
    }
    void startRefusedWithoutBothCars()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        drag& w = openWithCars(first, second);
        click(w.Command13);
        QCOMPARE(sandbox.boxes().size(), 1);
        QCOMPARE(sandbox.boxes()[0].prompt, QStringLiteral("Lütfen Alttaki Listeden Bir Tane Araç Seçiniz"));
        QCOMPARE(sandbox.boxes()[0].title, QStringLiteral("Hata"));
        QCOMPARE(seenLight(w), QStringLiteral("red"));
        QVERIFY(!w.Timer3->Enabled());
        QVERIFY(!w.Timer1->Enabled());
        QVERIFY(w.Command13->isEnabled());
        QVERIFY(!w.Command14->isEnabled());
        QCOMPARE(w.Label18->text(), QString());
    }

    void whoWinsAndWhen_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("steps");
        QTest::addColumn<float>("left1");
        QTest::addColumn<float>("left2");
        QTest::addColumn<QString>("winner");
        QTest::newRow("100 vs 100: same step, car 2 named") << "Yüzlük"
                                                            << "Yüzlük" << 80 << 160.f << 160.f << "Yüzlük";
        QTest::newRow("100 vs 99: car 2 exactly on the line")
            << "Yüzlük"
            << "Doksan Dokuz" << 80 << 160.f << 240.f << "Doksan Dokuz";
        QTest::newRow("112 vs 100: car 1 in step 71") << "Yüz On İki"
                                                      << "Yüzlük" << 71 << 208.f << 1060.f << "Yüz On İki";
        // Powers that put a car billions of pixels (or infinitely far) past the line in one step.
        QTest::newRow("1e12 vs 100: car 1 in step 1")
            << "Dev"
            << "Yüzlük" << 1 << static_cast<float>(8160 - 1e12) << 8060.f << "Dev";
        QTest::newRow("100 vs 1e308: car 2 in step 1")
            << "Yüzlük"
            << "Sınırsız" << 1 << 8060.f << -std::numeric_limits<float>::infinity() << "Sınırsız";
        QTest::newRow("1e12 vs 1e308: both in step 1, car 2 named")
            << "Dev"
            << "Sınırsız" << 1 << static_cast<float>(8160 - 1e12) << -std::numeric_limits<float>::infinity()
            << "Sınırsız";
    }
    void whoWinsAndWhen()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, steps);
        QFETCH(float, left1);
        QFETCH(float, left2);
        QFETCH(QString, winner);
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        drag& w = openWithCars(first, second);
        click(w.Command13);
        QCOMPARE(seenLight(w), QStringLiteral("amber"));
        QCOMPARE(w.Label18->text(), QStringLiteral("Yarış Başlıyor..."));
        QVERIFY(w.Timer3->Enabled());
        QVERIFY(!w.Command13->isEnabled());
        QVERIFY(w.Command14->isEnabled());

        QCOMPARE(raceToTheEnd(w), steps);
        QCOMPARE(w.Image1->Left(), left1);
        QCOMPARE(w.Image2->Left(), left2);
        QCOMPARE(w.Label5->text(), winner + QStringLiteral(" Kazandı..."));
        QCOMPARE(w.Label18->text(), QStringLiteral("Yarış Bitti"));
        QVERIFY(!w.Timer1->Enabled());
        QVERIFY(!w.Timer3->Enabled());
        QVERIFY(!w.Command13->isEnabled());
        QVERIFY(!w.Command14->isEnabled());
        QCOMPARE(seenLight(w), QStringLiteral("red"));
        // The pictures stand where their Left says.
        QCOMPARE(w.Image1->x(), forms::Screen::toPixelsX(left1));
        QCOMPARE(w.Image2->x(), forms::Screen::toPixelsX(left2));
    }

    void stopDuringTheCountdown()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        drag& w = openWithCars(QStringLiteral("Yüzlük"), QStringLiteral("Yüzlük"));
        click(w.Command13);
        click(w.Command14);
        QCOMPARE(w.Label18->text(), QStringLiteral("Yarış Durduruldu"));
        QCOMPARE(seenLight(w), QStringLiteral("red"));
        QVERIFY(w.Command13->isEnabled());
        QVERIFY(!w.Command14->isEnabled());
        QVERIFY(!w.Timer3->Enabled());
        QVERIFY(!w.Timer1->Enabled());
        click(w.Command13);
        QCOMPARE(seenLight(w), QStringLiteral("amber"));
    }

    void stopDuringTheRaceBringsTheCarsBack()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        drag& w = openWithCars(QStringLiteral("Yüzlük"), QStringLiteral("Yüzlük"));
        click(w.Command13);
        w.Timer3_Timer();
        for (int i = 0; i < 10; ++i)
            w.Timer1_Timer();
        QCOMPARE(w.Image1->Left(), 7160.f);
        w.Label5->setText(QStringLiteral("önceki kazanan"));
        click(w.Command14);
        QCOMPARE(w.Image1->Left(), drag::kStartLeft);
        QCOMPARE(w.Image2->Left(), drag::kStartLeft);
        QCOMPARE(w.Label5->text(), QStringLiteral("önceki kazanan")); // the winner label keeps its text
        QVERIFY(!w.Image10->isHidden());
        QVERIFY(w.Image5->isHidden());
    }

    void greenNotAmberAfterAFinishAndANewRace()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        drag& w = openWithCars(QStringLiteral("Yüz On İki"), QStringLiteral("Yüzlük"));
        click(w.Command13);
        raceToTheEnd(w);
        click(w.Command27);
        QCOMPARE(w.Label5->text(), QString());
        QCOMPARE(w.Label18->text(), QString());
        QCOMPARE(w.Image1->Left(), drag::kStartLeft);
        QVERIFY(w.Command13->isEnabled());
        QVERIFY(!w.Command14->isEnabled());
        click(w.Command13);
        QCOMPARE(seenLight(w), QStringLiteral("green"));
        QCOMPARE(raceToTheEnd(w), 71); // a full race again from the start
    }

    void theCountdownTickRepeatingChangesNothing()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        drag& w = openWithCars(QStringLiteral("Yüzlük"), QStringLiteral("Doksan Dokuz"));
        click(w.Command13);
        w.Timer3_Timer();
        for (int i = 0; i < 30; ++i)
            w.Timer1_Timer();
        const float left1 = w.Image1->Left(), left2 = w.Image2->Left();
        w.Timer3_Timer(); // 3000 ms later, while racing
        QCOMPARE(w.Image1->Left(), left1);
        QCOMPARE(w.Image2->Left(), left2);
        QCOMPARE(w.Label18->text(), QStringLiteral("Yarış Başladı"));
        QCOMPARE(seenLight(w), QStringLiteral("green"));
        QVERIFY(w.Timer1->Enabled());
        QVERIFY(w.Timer3->Enabled());
    }

    void changesDuringTheRaceTakeEffectAtTheNextStep()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        drag& w = openWithCars(QStringLiteral("Yüzlük"), QStringLiteral("Yüzlük"));
        click(w.Command13);
        w.Timer3_Timer();
        w.Timer1_Timer();
        QCOMPARE(w.Image1->Left(), 8060.f);
        click(w.Command10); // +12 during the race
        QCOMPARE(w.Image1->Left(), 8060.f);
        w.Timer1_Timer();
        QCOMPARE(w.Image1->Left(), 7948.f);

        click(w.lvButtons_H16); // change car 2 mid-race: power "0", the race goes on
        QCOMPARE(w.Text2->text(), QStringLiteral("0"));
        const float parked = w.Image2->Left();
        w.Timer1_Timer();
        QCOMPARE(w.Image2->Left(), parked);
        QCOMPARE(w.Image1->Left(), 7836.f);
        QVERIFY(w.Timer1->Enabled());
        QCOMPARE(raceToTheEnd(w), 68); // (7836 - 240) / 112 rounded up
        QCOMPARE(w.Image2->Left(), parked); // a car at 0 never moves
        QCOMPARE(w.Label5->text(), QStringLiteral("Yüzlük Kazandı..."));
    }

    void aPowerThatIsNotANumberStopsTheRace()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        drag& w = openWithCars(QStringLiteral("Yüzlük"), QStringLiteral("Yüzlük"));
        click(w.Command13);
        w.Timer3_Timer();
        w.Timer1_Timer();
        w.Text2->setText(QStringLiteral("çok hızlı"));
        w.Timer1_Timer();
        QCOMPARE(sandbox.boxes().size(), 1);
        QCOMPARE(sandbox.boxes()[0].title, QStringLiteral("Hata"));
        QVERIFY(sandbox.boxes()[0].prompt.contains(QStringLiteral("2. aracın")));
        QVERIFY(!sandbox.boxes()[0].prompt.contains(QStringLiteral("1. aracın")));
        // Stopped as the stop button stops a race; the program goes on.
        QCOMPARE(w.Label18->text(), QStringLiteral("Yarış Durduruldu"));
        QVERIFY(!w.Timer1->Enabled());
        QVERIFY(!w.Timer3->Enabled());
        QVERIFY(w.Command13->isEnabled());
        QCOMPARE(w.Image1->Left(), drag::kStartLeft);
        QVERIFY(!sandbox.endedWith());
        QCOMPARE(w.txtAGE->text(), QStringLiteral("100"));
    }

    // A stored power that is not a number reaches the race through the car's pick; one that the
    // program's numbers cannot hold (an infinity) is shown nowhere, and the race refuses it all the same.
    void aStoredPowerThatIsNotANumberStopsTheRace_data()
    {
        QTest::addColumn<int>("car");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("said");
        for (int car : {1, 2}) {
            QTest::addRow("car %d, text", car) << car << "'yüz'"
                                               << "yüz"
                                               << "beygir gücü \"yüz\"";
            for (const char* infinity : {"1e400", "-1e400"})
                QTest::addRow("car %d, %s", car, infinity) << car << QString::fromLatin1(infinity) << "0"
                                                           << "veritabanındaki beygir gücü";
        }
    }
    void aStoredPowerThatIsNotANumberStopsTheRace()
    {
        QFETCH(int, car);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, said);
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        db.exec(QStringLiteral("UPDATE %1 SET beygir = %2 WHERE arac = 'Roket'")
                    .arg(car == 1 ? "kayitlar" : "kayitlar2", stored));
        drag& w = car == 1 ? openWithCars(QStringLiteral("Roket"), QStringLiteral("Yüzlük"))
                           : openWithCars(QStringLiteral("Yüzlük"), QStringLiteral("Roket"));
        QCOMPARE((car == 1 ? w.txtAGE : w.Text2)->text(), shown);
        QCOMPARE((car == 1 ? w.Label1 : w.Label2)->text(), QStringLiteral("Roket"));
        click(w.Command13);
        w.Timer3_Timer();
        w.Timer1_Timer();
        QCOMPARE(sandbox.boxes().size(), 1);
        QCOMPARE(sandbox.boxes()[0].title, QStringLiteral("Hata"));
        const QString prompt = sandbox.boxes()[0].prompt;
        QVERIFY2(prompt.contains(QStringLiteral("%1. aracın ").arg(car)) && prompt.contains(said), qPrintable(prompt));
        QVERIFY2(!prompt.contains(QStringLiteral("%1. aracın").arg(3 - car)), qPrintable(prompt));
        QCOMPARE(w.Label18->text(), QStringLiteral("Yarış Durduruldu"));
        QCOMPARE(w.Image1->Left(), drag::kStartLeft);
        QCOMPARE(w.Image2->Left(), drag::kStartLeft);
        QVERIFY(!sandbox.endedWith());
    }

    // A car whose stored power is missing keeps the working power it had ("0" after a change of
    // car) and so never moves.
    void aCarWithoutStoredPowerNeverMoves()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        drag& w = openWithCars(QStringLiteral("Bozuk"), QStringLiteral("Roket"));
        QCOMPARE(w.txtAGE->text(), QStringLiteral("0"));
        click(w.Command13);
        QCOMPARE(raceToTheEnd(w), 1);
        QCOMPARE(w.Image1->Left(), drag::kStartLeft);
        QCOMPARE(w.Label5->text(), QStringLiteral("Roket Kazandı..."));
        QVERIFY(sandbox.boxes().isEmpty());
    }

    void aRealRaceWithTheRealTimers()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db(whiteCars, redCars);
        drag& w = openWithCars(QStringLiteral("Roket"), QStringLiteral("Yüzlük"));
        click(w.Command13);
        // 3000 ms of countdown, then one 100 ms step covers the whole track.
        QTRY_COMPARE_WITH_TIMEOUT(w.Label18->text(), QStringLiteral("Yarış Başladı"), 6000);
        QTRY_COMPARE_WITH_TIMEOUT(w.Label5->text(), QStringLiteral("Roket Kazandı..."), 3000);
        QCOMPARE(w.Label18->text(), QStringLiteral("Yarış Bitti"));
        QVERIFY(!w.Timer1->running());
        QVERIFY(!w.Timer3->running());
        QCOMPARE(w.Image1->Left(), 160.f);
    }
};

QTEST_MAIN(TestDrag)
#include "tst_drag.moc"
