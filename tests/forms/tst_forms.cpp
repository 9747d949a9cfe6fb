// The forms layer: default instances, navigation, timers, message boxes, the error guard, the
// instance lock and twips.
#include "platform/forms/App.h"
#include "platform/forms/Form.h"
#include "platform/forms/Guard.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Screen.h"
#include "platform/forms/Timer.h"
#include "platform/vb/Int16.h"
#include "tests/support/TestSupport.h"
#include "workbench/Navigation.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLockFile>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

#include <limits>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {
int loadsOfA = 0;
int unloadsOfA = 0;

class WindowA : public forms::Form {
public:
    QString state = QStringLiteral("design");

protected:
    void Form_Load() override { ++loadsOfA; }
    void Form_Unload(int&) override { ++unloadsOfA; }
};

class WindowB : public forms::Form {};

// A window of the program's kind: its own colours, a list box and a scroll bar the style draws.
class ColouredWindow : public forms::Form {
public:
    explicit ColouredWindow(int serial)
    {
        setPalette(QPalette(QColor::fromHsv(45 * (serial % 8), 120, 200)));
        resize(200, 240);
        (new QComboBox(this))->addItem(QStringLiteral("Seçiniz"));
        (new QScrollBar(Qt::Vertical, this))->setGeometry(180, 30, 16, 200);
    }
};

class RefusesToClose : public forms::Form {
protected:
    void Form_QueryUnload(int& cancel, int) override { cancel = 1; }
};
} // namespace

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }
    void init()
    {
        loadsOfA = 0;
        unloadsOfA = 0;
    }

    void oneWindowPerKindRebuiltAfterClosing()
    {
        testing::Sandbox sandbox;
        QVERIFY(!forms::loadedInstance<WindowA>());

        workbench::openWindow<WindowA>();
        QPointer<WindowA> first = forms::loadedInstance<WindowA>();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QCOMPARE(loadsOfA, 1);
        first->state = QStringLiteral("changed by the user");

        workbench::openWindow<WindowA>();
        QCOMPARE(forms::loadedInstance<WindowA>(), first.data());
        QCOMPARE(loadsOfA, 1);

        // Several kinds at once.
        workbench::openWindow<WindowB>();
        QVERIFY(forms::loadedInstance<WindowB>()->isVisible());
        QVERIFY(first->isVisible());

        QVERIFY(first->close());
        QCOMPARE(unloadsOfA, 1);
        QVERIFY(!forms::loadedInstance<WindowA>());
        QTRY_VERIFY(!first); // destroyed

        workbench::openWindow<WindowA>();
        WindowA* second = forms::loadedInstance<WindowA>();
        QVERIFY(second);
        QCOMPARE(loadsOfA, 2);
        QCOMPARE(second->state, QStringLiteral("design"));
    }

    void openingInsteadHidesTheCaller()
    {
        testing::Sandbox sandbox;
        WindowB& caller = forms::instance<WindowB>();
        caller.Show();
        workbench::openWindowInstead<WindowA>(caller);
        QVERIFY(caller.isHidden());
        QVERIFY(forms::loadedInstance<WindowA>()->isVisible());
    }

    void queryUnloadCanKeepAWindow()
    {
        testing::Sandbox sandbox;
        RefusesToClose& w = forms::instance<RefusesToClose>();
        w.Show();
        QVERIFY(!w.close());
        QCOMPARE(forms::loadedInstance<RefusesToClose>(), &w);
    }

    // The style keeps pictures of what it drew keyed by the window's colours; a closed window's
    // are never drawn again, so they must not pile up as window after window is opened and closed.
    void closedWindowsLeaveNothingBehind()
    {
#if defined(__SANITIZE_ADDRESS__) || !defined(__GLIBC__)
        QSKIP("needs the C library's own heap figures");
#else
        testing::Sandbox sandbox;
        int serial = 0;
        const auto openAndClose = [&](int times) {
            for (int i = 0; i < times; ++i) {
                QPointer<ColouredWindow> w = new ColouredWindow(serial++);
                w->Show();
                QVERIFY(QTest::qWaitForWindowExposed(w));
                w->repaint();
                w->Unload();
                QTRY_VERIFY(!w);
            }
            QCoreApplication::processEvents();
        };
        // The first windows fill the caches; after them the heap may still step up a little now
        // and then, but a window closed must not cost about 2.5 KB for good, as it did.
        openAndClose(200);
        const size_t before = mallinfo2().uordblks;
        openAndClose(400);
        const long grown = long(mallinfo2().uordblks) - long(before);
        QVERIFY2(grown < 256 * 1024, qPrintable(QStringLiteral("the heap grew by %1 bytes").arg(grown)));
#endif
    }

    void timerFollowsTheRuntime()
    {
        forms::Timer idle(nullptr, true, 0);
        int idleTicks = 0;
        connect(&idle, &forms::Timer::Tick, [&] { ++idleTicks; });
        QVERIFY(!idle.running());

        forms::Timer t(nullptr, false, 1000);
        QVERIFY(!t.running());
        t.setEnabled(true);
        QVERIFY(t.running());
        QTest::qWait(80);
        const int before = t.remainingTime();
        t.setEnabled(true); // already running: neither stopped nor restarted
        QVERIFY(t.running());
        QVERIFY2(t.remainingTime() <= before, "enabling a running timer restarted it");
        t.setInterval(3000); // a new interval counts again
        QVERIFY(t.remainingTime() > 2500);
        t.setEnabled(false);
        QVERIFY(!t.running());
        t.setInterval(0);
        t.setEnabled(true);
        QVERIFY(!t.running());

        forms::Timer fast(nullptr, true, 5);
        int ticks = 0;
        connect(&fast, &forms::Timer::Tick, [&] { ++ticks; });
        QTRY_VERIFY(ticks >= 3);
        QCOMPARE(idleTicks, 0);
    }

    void messageBoxesAreRecorded()
    {
        forms::MsgBoxRecorder recorder;
        QCOMPARE(forms::MsgBox(QStringLiteral("Metin"), forms::vbCritical, QStringLiteral("Hata")), int(forms::vbOK));
        forms::MsgBox(QStringLiteral("Başlıksız"));
        QCOMPARE(recorder.calls().size(), 2);
        QCOMPARE(recorder.calls()[0].prompt, QStringLiteral("Metin"));
        QCOMPARE(recorder.calls()[0].buttons, int(forms::vbCritical));
        QCOMPARE(recorder.calls()[0].title, QStringLiteral("Hata"));
        QCOMPARE(recorder.calls()[1].title, forms::App::Title());
    }

    void unhandledRunTimeErrorEndsTheProgram()
    {
        testing::Sandbox sandbox;
        bool after = false;
        forms::runHandler([] {
            vb::Int16 x(32767);
            ++x;
        });
        forms::runHandler([&] { after = true; });
        QCOMPARE(sandbox.boxes().size(), 1);
        QCOMPARE(sandbox.boxes()[0].prompt, QStringLiteral("Run-time error '6':\n\nOverflow"));
        QCOMPARE(sandbox.boxes()[0].buttons & 0x70, int(forms::vbCritical));
        QCOMPARE(sandbox.endedWith(), std::optional<int>(1));
        QVERIFY2(!after, "a handler ran after the program ended");
    }

    void anEarlierInstanceIsSeen()
    {
        testing::Sandbox sandbox;
        QLockFile earlier(sandbox.lockFolder() + QStringLiteral("/zenvortali-2.lock"));
        QVERIFY(earlier.tryLock(0));
        QVERIFY(forms::App::PrevInstance());
        earlier.unlock();

        forms::App::resetForTests();
        QVERIFY(!forms::App::PrevInstance()); // nobody holds it now, so we take it
        QVERIFY(!forms::App::PrevInstance()); // asking again does not see ourselves
    }

    // The design's Windows fonts resolve to their installed look-alikes.
    void fontAliases_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("installed");
        QTest::newRow("Georgia") << "Georgia"
                                 << "Liberation Serif";
        QTest::newRow("Times New Roman") << "Times New Roman"
                                         << "Liberation Serif";
        QTest::newRow("Verdana") << "Verdana"
                                 << "DejaVu Sans";
        QTest::newRow("Arial") << "Arial"
                               << "Liberation Sans";
        QTest::newRow("MS Sans Serif") << "MS Sans Serif"
                                       << "Liberation Sans";
        QTest::newRow("Comic Sans MS") << "Comic Sans MS"
                                       << "Comic Neue";
    }
    void fontAliases()
    {
        QFETCH(QString, design);
        QFETCH(QString, installed);
        QCOMPARE(QFontInfo(QFont(design)).family(), installed);
    }

    void twips()
    {
        // The offscreen screen, like most desktops, has 96 logical dots per inch.
        QCOMPARE(forms::Screen::TwipsPerPixelX(), 15.0);
        QCOMPARE(forms::Screen::toPixelsX(1440), 96);
        QCOMPARE(forms::Screen::toPixelsX(337.5), 22); // 22.5 px: halves to even
        QCOMPARE(forms::Screen::toPixelsX(352.5), 24); // 23.5 px
        QWidget parent;
        QWidget child(&parent);
        forms::place(&child, 120, 1200, 6975, 4935);
        QCOMPARE(child.geometry(), QRect(8, 80, 465, 329));
    }

    void pixelsFromTwipsAtTheEdges_data()
    {
        constexpr int lowest = std::numeric_limits<int>::min();
        constexpr int highest = std::numeric_limits<int>::max();
        constexpr double infinity = std::numeric_limits<double>::infinity();
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("-0.5 px") << -7.5 << 0;
        QTest::newRow("highest") << highest * 15.0 << highest;
        QTest::newRow("highest - 0.5 px: halves to even") << (highest - 0.5) * 15.0 << highest - 1;
        QTest::newRow("highest + 0.5 px") << (highest + 0.5) * 15.0 << highest;
        QTest::newRow("highest + 1 px") << (highest + 1.0) * 15.0 << highest;
        QTest::newRow("lowest") << lowest * 15.0 << lowest;
        QTest::newRow("lowest - 1 px") << (lowest - 1.0) * 15.0 << lowest;
        QTest::newRow("a car 3.3e10 twips past the line") << -3.3e10 << lowest;
        QTest::newRow("1e308") << 1e308 << highest;
        QTest::newRow("-1e308") << -1e308 << lowest;
        QTest::newRow("infinity") << infinity << highest;
        QTest::newRow("-infinity") << -infinity << lowest;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
    }
    void pixelsFromTwipsAtTheEdges()
    {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(forms::Screen::toPixelsX(twips), pixels);
        QCOMPARE(forms::Screen::toPixelsY(twips), pixels);
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
