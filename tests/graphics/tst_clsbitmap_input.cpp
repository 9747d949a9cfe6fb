// The bitmap class's input and window helpers. CTest runs this on the offscreen platform (state from
// our own windows' events) and under xvfb-run as tst_x_input (xdotool presses for the whole desktop).
#include "graphics/clsBitmap.h"
#include "platform/gdi/Clock.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/VirtualKeys.h"

#include <QApplication>
#include <QCursor>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

using vb::Int16;

namespace {

bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

bool xdotool(const QStringList& arguments) { return QProcess::execute("xdotool", arguments) == 0; }

// Presses keys and buttons where the platform under test looks: the X server, or our window's events.
bool pressKey(QWidget& window, const QString& xName, int qtKey, bool keypad, bool down)
{
    if (onX11())
        return xdotool({down ? "keydown" : "keyup", xName});
    const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
    if (down)
        QTest::keyPress(&window, Qt::Key(qtKey), modifiers);
    else
        QTest::keyRelease(&window, Qt::Key(qtKey), modifiers);
    return true;
}

bool pressButton(QWidget& window, Qt::MouseButton button, bool down)
{
    if (onX11())
        return xdotool({down ? "mousedown" : "mouseup", button == Qt::LeftButton     ? "1"
                                                        : button == Qt::MiddleButton ? "2"
                                                                                     : "3"});
    if (down)
        QTest::mousePress(&window, button);
    else
        QTest::mouseRelease(&window, button);
    return true;
}

bool moveMouse(QPoint at)
{
    if (onX11())
        return xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
    QCursor::setPos(at);
    return true;
}

gdi::HandleStats counts()
{
    gdi::HandleStats s = gdi::handleStats();
    s.tableSize = 0;
    return s;
}

// The flags of a window's hints on the X server.
uint32_t hintFlags(const QWidget& window)
{
    xcb_connection_t* c = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply{
        xcb_get_property_reply(c, xcb_get_property(c, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, 9), nullptr),
        &std::free};
    return reply && xcb_get_property_value_length(reply.get()) >= 4
               ? *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()))
               : 0;
}

} // namespace

class TestClsBitmapInput : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window_;
private slots:
    void init()
    {
        window_ = std::make_unique<QWidget>();
        window_->resize(200, 100);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void getKeyCode_data()
    {
        QTest::addColumn<QString>("xName");
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("code");
        QTest::newRow("letter") << "a" << int(Qt::Key_A) << false << int('A');
        QTest::newRow("digit") << "7" << int(Qt::Key_7) << false << int('7');
        QTest::newRow("Enter") << "Return" << int(Qt::Key_Return) << false << gdi::VK_RETURN;
        QTest::newRow("keypad Enter") << "KP_Enter" << int(Qt::Key_Enter) << true << gdi::VK_RETURN;
        QTest::newRow("Escape") << "Escape" << int(Qt::Key_Escape) << false << gdi::VK_ESCAPE;
        QTest::newRow("Space") << "space" << int(Qt::Key_Space) << false << gdi::VK_SPACE;
        QTest::newRow("left arrow") << "Left" << int(Qt::Key_Left) << false << gdi::VK_LEFT;
        QTest::newRow("right Shift") << "Shift_R" << int(Qt::Key_Shift) << false << gdi::VK_SHIFT;
        QTest::newRow("Control") << "Control_L" << int(Qt::Key_Control) << false << gdi::VK_CONTROL;
        QTest::newRow("Alt") << "Alt_L" << int(Qt::Key_Alt) << false << gdi::VK_MENU;
        QTest::newRow("F12") << "F12" << int(Qt::Key_F12) << false << gdi::VK_F1 + 11;
        QTest::newRow("Tab") << "Tab" << int(Qt::Key_Tab) << false << gdi::VK_TAB;
        QTest::newRow("Delete") << "Delete" << int(Qt::Key_Delete) << false << gdi::VK_DELETE;
        QTest::newRow("keypad times") << "KP_Multiply" << int(Qt::Key_Asterisk) << true << gdi::VK_MULTIPLY;
    }

    // A key is &H8001 to its first query, then &H8000 while held; only a scan with state 1 gives its code.
    void getKeyCode()
    {
        QFETCH(QString, xName);
        QFETCH(int, qtKey);
        QFETCH(bool, keypad);
        QFETCH(int, code);
        clsBitmap b;
        QCOMPARE(b.GetKeyCode().value(), -1);
        QVERIFY(pressKey(*window_, xName, qtKey, keypad, true));
        auto release = qScopeGuard([&] { pressKey(*window_, xName, qtKey, keypad, false); });
        const int seen[] = {b.GetKeyCode().value(), b.GetKeyCode(0).value(), b.GetKeyCode().value(),
                            b.GetKeyCode(1).value()};
        release.dismiss();
        QVERIFY(pressKey(*window_, xName, qtKey, keypad, false));
        QCOMPARE(QList<int>(std::begin(seen), std::end(seen)), QList<int>({-1, -1, code, code}));
        QCOMPARE(b.GetKeyCode().value(), -1);
    }

    void mouseKeyPressed_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("code");
        QTest::newRow("left") << Qt::LeftButton << gdi::VK_LBUTTON;
        QTest::newRow("right") << Qt::RightButton << gdi::VK_RBUTTON;
        QTest::newRow("middle") << Qt::MiddleButton << gdi::VK_MBUTTON;
    }

    void mouseKeyPressed()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, code);
        clsBitmap b;
        QVERIFY(moveMouse(window_->mapToGlobal(QPoint(50, 50))));
        QVERIFY(pressButton(*window_, button, true));
        auto release = qScopeGuard([&] { pressButton(*window_, button, false); });
        const bool first = b.MouseKeyPressed(code); // &H8001
        const bool second = b.MouseKeyPressed(code); // &H8000
        const bool third = b.MouseKeyPressed(code);
        release.dismiss();
        QVERIFY(pressButton(*window_, button, false));
        QCOMPARE(first, false);
        QCOMPARE(second, true);
        QCOMPARE(third, true);
        QCOMPARE(b.MouseKeyPressed(code), false);
        QCOMPARE(gdi::GetAsyncKeyState(code), 0);
    }

    void mousePosition_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::newRow("top left") << QPoint(0, 0);
        QTest::newRow("inside") << QPoint(123, 45);
    }

    void mousePosition()
    {
        QFETCH(QPoint, at);
        clsBitmap b;
        QVERIFY(moveMouse(at));
        Int16 x = -7, y = -7;
        b.MousePosition(x, y);
        QCOMPARE(QPoint(x.value(), y.value()), at);
    }

    void hideAndShowMouse_data()
    {
        QTest::addColumn<QString>("calls");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("hidden twice, shown once") << "hide hide show" << true;
        QTest::newRow("hidden twice, shown twice") << "hide hide show show" << false;
        QTest::newRow("shown first, hidden once") << "show hide" << false;
    }

    // The class keeps no count: the platform's display count decides.
    void hideAndShowMouse()
    {
        QFETCH(QString, calls);
        QFETCH(bool, hidden);
        clsBitmap b;
        int count = 0;
        for (const QString& call : calls.split(' ')) {
            if (call == "hide")
                b.HideMouse(), --count;
            else
                b.ShowMouse(), ++count;
        }
        const bool blank =
            QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::BlankCursor;
        for (; count < 0; ++count)
            b.ShowMouse();
        for (; count > 0; --count)
            b.HideMouse();
        QCOMPARE(blank, hidden);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void isFormActive_data()
    {
        QTest::addColumn<int>("active"); // which of two windows, 0 for none
        QTest::newRow("none of ours") << 0;
        QTest::newRow("the first") << 1;
        QTest::newRow("the second") << 2;
    }

    void isFormActive()
    {
        QFETCH(int, active);
        window_.reset();
        const gdi::HandleStats before = counts();
        {
            clsBitmap b;
            QWidget first, second;
            QWidget* const windows[] = {&first, &second};
            for (QWidget* w : windows) {
                w->show();
                QVERIFY(QTest::qWaitForWindowExposed(w));
            }
            if (active) {
                windows[active - 1]->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(windows[active - 1]));
            } else {
                QApplication::setActiveWindow(nullptr);
            }
            QCOMPARE(b.IsFormActive(first), active == 1);
            QCOMPARE(b.IsFormActive(second), active == 2);
            QCOMPARE(b.GetActivehWnd(), active ? gdi::windowHandle(windows[active - 1]) : 0u);
        }
        QCOMPARE(counts(), before);
    }

    void flashWindow_data()
    {
        QTest::addColumn<bool>("defaults");
        QTest::addColumn<int>("times");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("invert");
        QTest::addColumn<bool>("flashedBefore");
        QTest::addColumn<QString>("looks"); // what a timer saw between the flashes
        QTest::newRow("the defaults") << true << 6 << 400 << true << false << "on off on off on off";
        QTest::newRow("three times") << false << 3 << 50 << true << false << "on off on";
        QTest::newRow("back to normal each time") << false << 2 << 50 << false << true << "off";
        QTest::newRow("no times") << false << 0 << 400 << true << false << "";
    }

    void flashWindow()
    {
        QFETCH(bool, defaults);
        QFETCH(int, times);
        QFETCH(int, interval);
        QFETCH(bool, invert);
        QFETCH(bool, flashedBefore);
        QFETCH(QString, looks);
        gdi::ManualClock clock(1000, 10);
        const gdi::ScopedClock scoped(clock);
        clsBitmap b;
        const gdi::HWND window = gdi::windowHandle(window_.get());
        if (flashedBefore)
            gdi::FlashWindow(window, true);
        QStringList seen;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&] {
            const QString look = gdi::isFlashed(window) ? "on" : "off";
            if (seen.isEmpty() || seen.last() != look)
                seen << look;
        });
        watcher.start(0);
        if (defaults)
            b.FlashWindow(window);
        else
            b.FlashWindow(window, Int16::from(times), interval, invert);
        watcher.stop();
        QCOMPARE(seen.join(' '), looks);
        QCOMPARE(gdi::isFlashed(window), invert && times % 2 == 1);
        if (times > 0)
            QVERIFY(clock.now() - 1000 >= uint32_t(times * interval));
        else
            QCOMPARE(clock.readings(), 0);
    }

    // On X11 the attention look is the urgency flag of the window's hints; the other hints stay.
    void flashWindowSetsTheUrgencyHint()
    {
        if (!onX11())
            QSKIP("the hints live on an X server");
        constexpr uint32_t urgency = 1u << 8;
        const gdi::HWND window = gdi::windowHandle(window_.get());
        const uint32_t before = hintFlags(*window_);
        gdi::FlashWindow(window, true);
        QCOMPARE(hintFlags(*window_), before | urgency);
        gdi::FlashWindow(window, true);
        QCOMPARE(hintFlags(*window_), before & ~urgency);
        gdi::FlashWindow(window, true);
        gdi::FlashWindow(window, false);
        QCOMPARE(hintFlags(*window_), before & ~urgency);
    }

    // Without an X server only our windows' events tell what is down, so losing the focus lets go of it all.
    void windowInputLetGoWhenTheProgramLosesFocus()
    {
        if (onX11())
            QSKIP("the X server knows every key");
        QTest::keyPress(window_.get(), Qt::Key_Alt);
        QTest::mousePress(window_.get(), Qt::LeftButton);
        QCOMPARE(gdi::GetAsyncKeyState(gdi::VK_MENU), int16_t(0x8001));
        QEvent deactivated(QEvent::ApplicationDeactivate);
        QCoreApplication::sendEvent(qApp, &deactivated);
        QCOMPARE(gdi::GetAsyncKeyState(gdi::VK_MENU), 0);
        QCOMPARE(gdi::GetAsyncKeyState(gdi::VK_LBUTTON), 1); // pressed since the last query, no longer down
    }
};

QTEST_MAIN(TestClsBitmapInput)
#include "tst_clsbitmap_input.moc"
