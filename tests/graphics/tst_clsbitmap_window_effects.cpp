// Window effects and the window calls under them: the window tree with the system tray as the
// taskbar, the caption animation, window locking. Run offscreen (no tray) and under xvfb-run
// (tst_x_window_effects), where a test window owns the tray selection.
#include "graphics/clsBitmap.h"
#include "platform/forms/Form.h"
#include "platform/gdi/Clock.h"
#include "platform/gdi/Gdi.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace {

bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }
xcb_connection_t* x11() { return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection(); }

QWidget* outline()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("gdiAnimatedRects"))
            return w;
    return nullptr;
}

// Where the X server has a window, when it shows it.
QRect onServer(QWidget& w)
{
    xcb_connection_t* c = x11();
    const auto id = static_cast<xcb_window_t>(w.winId());
    const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes{
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr), &std::free};
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry{
        xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr), &std::free};
    if (!attributes || !geometry || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
        return {};
    return QRect(geometry->x, geometry->y, geometry->width, geometry->height);
}

// A clock noting at every pause of the animation where its outline is: on the X server when there
// is one (what the user sees), else where the window was put.
class FrameRecorder : public gdi::ManualClock {
public:
    void sleep(uint32_t milliseconds) override
    {
        QWidget* w = outline();
        frames.push_back(!w || !w->isVisible() ? QRect() : onX11() ? onServer(*w) : w->geometry());
        ManualClock::sleep(milliseconds);
    }
    std::vector<QRect> frames;
};

// A window that owns the desktop's tray selection, as a panel's notification area does.
class Tray : public QWidget {
public:
    explicit Tray(const QRect& at) : QWidget(nullptr, Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint)
    {
        setGeometry(at);
        show();
        own(static_cast<xcb_window_t>(winId()));
    }
    ~Tray() override { own(XCB_NONE); }

private:
    static void own(xcb_window_t window)
    {
        xcb_connection_t* c = x11();
        const char name[] = "_NET_SYSTEM_TRAY_S0";
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom{
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr), &std::free};
        xcb_set_selection_owner(c, window, atom->atom, XCB_CURRENT_TIME);
        xcb_flush(c);
    }
};

class CountingWindow : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::white);
    }
};

QRect fromRect(const gdi::RECT& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }

// A window's class name as a buffer of `size` characters receives it, with the length returned.
std::pair<int, QByteArray> className(gdi::HWND hwnd, int size = 255)
{
    std::vector<char> name(size, '\0');
    const int length = gdi::GetClassNameA(hwnd, name.data(), size);
    return {length, QByteArray(name.data())};
}

// Runs `effect` with a clock that records the animation's frames.
template <class Effect>
FrameRecorder recorded(Effect effect)
{
    FrameRecorder clock;
    {
        const gdi::ScopedClock scoped(clock);
        effect();
    }
    return clock;
}

} // namespace

class TestWindowEffects : public QObject {
    Q_OBJECT
private slots:
    void windowTree();
    void titleToTrayAndBack_data();
    void titleToTrayAndBack();
    void lockWindow();
};

// Program windows answer with a class of our own and walk their children in order.
void TestWindowEffects::windowTree()
{
    forms::Form window;
    window.setWindowTitle("Pencere");
    QWidget first(&window);
    QWidget second(&window);
    window.setGeometry(40, 50, 200, 100);
    const gdi::HWND hwnd = gdi::windowHandle(&window);
    gdi::GetDC(hwnd); // the surface a window's DC draws on is not a window within it
    QCOMPARE(gdi::FindWindowA("Zenvortali:Form", "Pencere"), hwnd);
    QCOMPARE(gdi::FindWindowA(nullptr, "Yok"), 0u);
    QCOMPARE(gdi::GetWindow(hwnd, gdi::GW_CHILD), gdi::windowHandle(&first));
    QCOMPARE(gdi::GetWindow(gdi::windowHandle(&first), gdi::GW_HWNDNEXT), gdi::windowHandle(&second));
    QCOMPARE(gdi::GetWindow(gdi::windowHandle(&second), gdi::GW_HWNDNEXT), 0u);
    QCOMPARE(gdi::GetWindow(gdi::windowHandle(&second), gdi::GW_HWNDPREV), gdi::windowHandle(&first));
    QCOMPARE(className(hwnd, 16), std::pair(15, QByteArray("Zenvortali:Form")));
    QCOMPARE(className(hwnd, 5), std::pair(4, QByteArray("Zenv")));
    QCOMPARE(className(0).first, 0);
    gdi::RECT r;
    QVERIFY(gdi::GetWindowRect(gdi::windowHandle(&second), &r));
    QCOMPARE(fromRect(r).size(), second.size());

    // The system tray, when a window owns its selection, is the taskbar with the notification area.
    QCOMPARE(gdi::FindWindowA("Shell_TrayWnd", nullptr), 0u);
    if (!onX11())
        return;
    const QRect at(1100, 990, 150, 30);
    {
        Tray tray(at);
        const gdi::HWND taskbar = gdi::FindWindowA("Shell_TrayWnd", nullptr);
        QVERIFY(taskbar != 0);
        const gdi::HWND notify = gdi::GetWindow(taskbar, gdi::GW_CHILD);
        QCOMPARE(className(taskbar), std::pair(13, QByteArray("Shell_TrayWnd")));
        QCOMPARE(className(notify), std::pair(13, QByteArray("TrayNotifyWnd")));
        QCOMPARE(gdi::GetWindow(notify, gdi::GW_HWNDNEXT), 0u);
        QVERIFY(gdi::GetWindowRect(notify, &r));
        QCOMPARE(fromRect(r), at);
    }
    QCOMPARE(gdi::FindWindowA("Shell_TrayWnd", nullptr), 0u);
}

void TestWindowEffects::titleToTrayAndBack_data()
{
    QTest::addColumn<bool>("withTray");
    QTest::newRow("a tray") << true;
    QTest::newRow("no tray") << false;
}

// The caption moves and shrinks from the window to the tray (and back), the caller waiting a
// quarter of a second; no outline is left; the window is hidden, then shown modeless.
void TestWindowEffects::titleToTrayAndBack()
{
    QFETCH(bool, withTray);
    if (withTray && !onX11())
        QSKIP("the tray is a window on an X server");
    const QRect trayAt(1100, 990, 150, 30);
    std::unique_ptr<Tray> tray = withTray ? std::make_unique<Tray>(trayAt) : nullptr;
    forms::Form window;
    window.setGeometry(100, 120, 400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect windowAt = window.frameGeometry();
    clsBitmap b;

    const FrameRecorder toTray = recorded([&] { b.TitleToTray(window); });
    QVERIFY(!window.isVisible());
    QCOMPARE(outline(), nullptr);
    const FrameRecorder toTitle = recorded([&] { b.TrayToTitle(window); });
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowModality(), Qt::NonModal);
    QCOMPARE(window.parentWidget(), nullptr);
    QCOMPARE(outline(), nullptr);

    if (!withTray) {
        QVERIFY(toTray.frames.empty());
        QVERIFY(toTitle.frames.empty());
        return;
    }
    QVERIFY(toTray.now() >= 250);
    QVERIFY(toTray.frames.size() >= 10);
    QCOMPARE(toTray.frames.front(), windowAt);
    QCOMPARE(toTitle.frames.front(), trayAt);
    for (size_t i = 1; i < toTray.frames.size(); ++i) {
        QVERIFY2(toTray.frames[i].width() <= toTray.frames[i - 1].width(), "it shrinks");
        QVERIFY2(toTray.frames[i].left() >= toTray.frames[i - 1].left(), "it moves towards the tray");
    }
    // The last pause comes just before the end.
    QVERIFY((toTray.frames.back().center() - trayAt.center()).manhattanLength() < 100);
    QVERIFY((toTitle.frames.back().center() - windowAt.center()).manhattanLength() < 100);
}

// One window at a time; unlocking repaints the locked one, and frees the lock for another.
void TestWindowEffects::lockWindow()
{
    CountingWindow first;
    CountingWindow second;
    for (QWidget* w : {&first, &second}) {
        w->resize(120, 80);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    clsBitmap b;
    b.LockWindow(first);
    b.LockWindow(second);
    QVERIFY(!first.updatesEnabled());
    QVERIFY(second.updatesEnabled());
    const int paints = first.paints;
    first.update();
    QTest::qWait(50);
    QCOMPARE(first.paints, paints);
    b.UnLockWindow();
    QVERIFY(first.updatesEnabled());
    QTRY_VERIFY(first.paints > paints);
    b.LockWindow(second);
    QVERIFY(!second.updatesEnabled());
    b.UnLockWindow();
    QVERIFY(second.updatesEnabled());
}

QTEST_MAIN(TestWindowEffects)
#include "tst_clsbitmap_window_effects.moc"
