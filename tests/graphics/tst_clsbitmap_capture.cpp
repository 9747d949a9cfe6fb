// The screen, the wallpaper and windows copied into the image, and the image beside a menu item.
// Run offscreen (nothing readable) and under xvfb-run (tst_x_capture), where no window manager runs:
// a window's frame is the window itself and it stands where it is put.
#include "clsBitmapInternals.h"

#include "graphics/frmAboutScreen.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screen.h"
#include "platform/vb/Numbers.h"
#include "tests/support/Canvas.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

using testing::counts;
using testing::pixelsOf;

namespace {

constexpr QSize kScreen(1280, 1024); // as tests/CMakeLists.txt starts Xvfb
constexpr uint32_t kYellow = 0x00FFFF; // the images' background
constexpr uint32_t kMagenta = 0xFF00FF;

bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }
xcb_connection_t* x11() { return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection(); }
xcb_window_t root() { return xcb_setup_roots_iterator(xcb_get_setup(x11())).data->root; }

xcb_atom_t atom(const char* name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply{
        xcb_intern_atom_reply(x11(), xcb_intern_atom(x11(), 0, std::strlen(name), name), nullptr), &std::free};
    return reply->atom;
}

// Waits until the server has done everything asked of it so far.
void syncServer() { std::free(xcb_get_input_focus_reply(x11(), xcb_get_input_focus(x11()), nullptr)); }

QRgb rgb(uint32_t colour) { return qRgb(colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF); }
QRect fromRect(const gdi::RECT& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }

// A test window's colours, a quadrant each: red, green over blue, white.
QRgb quadrant(const QSize& size, int x, int y)
{
    const bool right = x >= size.width() / 2, bottom = y >= size.height() / 2;
    return bottom ? (right ? qRgb(255, 255, 255) : qRgb(0, 0, 255)) : (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0));
}

class Quadrants : public QWidget {
public:
    explicit Quadrants(const QRect& at,
                       Qt::WindowFlags flags = Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint)
        : QWidget(nullptr, flags)
    {
        setGeometry(at);
    }
    // Shown and painted on the server before anything reads the screen.
    bool showPainted()
    {
        show();
        if (!QTest::qWaitForWindowExposed(this))
            return false;
        repaint();
        if (onX11())
            syncServer();
        return true;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const int w = width() / 2, h = height() / 2;
        for (const QRect& r : {QRect(0, 0, w, h), QRect(w, 0, width() - w, h), QRect(0, h, w, height() - h),
                               QRect(w, h, width() - w, height() - h)})
            p.fillRect(r, quadrant(size(), r.x(), r.y()));
    }
};

// An image filled with `fill`, then `colourAt` wherever it gives a colour.
template <class ColourAt>
QImage imageOf(const QSize& size, uint32_t fill, ColourAt colourAt)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(rgb(fill));
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (const std::optional<QRgb> c = colourAt(x, y))
                image.setPixel(x, y, *c);
    return image;
}

// What the screen shows at a point: black beyond the screen, the test window inside it.
std::optional<QRgb> screenAt(const QRect& window, int x, int y)
{
    if (!QRect(QPoint(0, 0), kScreen).contains(x, y))
        return qRgb(0, 0, 0);
    if (window.contains(x, y))
        return quadrant(window.size(), x - window.left(), y - window.top());
    return std::nullopt; // the tests copy nothing else
}

// A wallpaper as desktops publish one: the root window's background pixmap, named by _XROOTPMAP_ID.
// Its colours run with the position, so a copy from the wrong place shows.
constexpr QSize kTile(256, 128);
QRgb wallpaperAt(int x, int y) { return qRgb(x % kTile.width(), y % kTile.height() * 2, 0x80); }

class Wallpaper {
public:
    Wallpaper()
    {
        xcb_connection_t* c = x11();
        xcb_create_pixmap(c, 24, pixmap_, root(), kTile.width(), kTile.height());
        const xcb_gcontext_t gc = xcb_generate_id(c);
        xcb_create_gc(c, gc, pixmap_, 0, nullptr);
        std::vector<uint32_t> pixels;
        for (int y = 0; y < kTile.height(); ++y)
            for (int x = 0; x < kTile.width(); ++x)
                pixels.push_back(wallpaperAt(x, y) & 0xFFFFFF);
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap_, gc, kTile.width(), kTile.height(), 0, 0, 0, 24,
                      pixels.size() * 4, reinterpret_cast<const uint8_t*>(pixels.data()));
        xcb_free_gc(c, gc);
        xcb_change_window_attributes(c, root(), XCB_CW_BACK_PIXMAP, &pixmap_);
        xcb_clear_area(c, 0, root(), 0, 0, 0, 0);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, root(), atom("_XROOTPMAP_ID"), XCB_ATOM_PIXMAP, 32, 1, &pixmap_);
        syncServer();
    }
    ~Wallpaper()
    {
        xcb_delete_property(x11(), root(), atom("_XROOTPMAP_ID"));
        xcb_free_pixmap(x11(), pixmap_);
        syncServer();
    }

private:
    xcb_pixmap_t pixmap_ = xcb_generate_id(x11());
};

// Sets a CARDINAL property of the root window, or deletes it given nothing.
void setRootCardinals(const char* name, const std::vector<uint32_t>& values)
{
    if (values.empty())
        xcb_delete_property(x11(), root(), atom(name));
    else
        xcb_change_property(x11(), XCB_PROP_MODE_REPLACE, root(), atom(name), XCB_ATOM_CARDINAL, 32, values.size(),
                            values.data());
    syncServer();
}

// Pixels given in twips where the row asks for twips.
vb::Int16 inUnits(int pixels, bool twips, double perPixel)
{
    return vb::Int16::from(twips ? qRound(pixels * perPixel) : pixels);
}

// Whether a window manager runs (it redirects the root's children), waiting a while for one starting.
bool windowManagerRuns()
{
    for (int tries = 0; tries < 50; ++tries, QTest::qWait(100)) {
        const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> r{
            xcb_get_window_attributes_reply(x11(), xcb_get_window_attributes(x11(), root()), nullptr), &std::free};
        if (r && (r->all_event_masks & XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT))
            return true;
    }
    return false;
}

} // namespace

class TestCapture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { clsBitmap warmUp; } // stock objects are made on first use
    void getScreenShot_data();
    void getScreenShot();
    void workArea();
    void getWallpaper_data();
    void getWallpaper();
    void getWindowSnapShot_data();
    void getWindowSnapShot();
    void getWindowSnapShotWithFrame();
    void setBmpToMenu_data();
    void setBmpToMenu();
    void menuHandlesGoWithTheirWindow();
};

void TestCapture::getScreenShot_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QRect>("from"); // the screen's corner and the destination's size
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("twips");
    const QRect window(300, 200, 200, 100), area(390, 240, 20, 20), corner(0, 0, 200, 100);
    QTest::newRow("defaults: the screen's top-left at the image's size (offscreen: nothing read)")
        << corner << QSize(150, 80) << QRect(0, 0, -1, -1) << QPoint(0, 0) << false;
    if (!onX11())
        return;
    QTest::newRow("an area to a place") << window << QSize(60, 40) << area << QPoint(10, 5) << false;
    QTest::newRow("the same in twips") << window << QSize(60, 40) << area << QPoint(10, 5) << true;
    QTest::newRow("the image's size, taken as twips")
        << window << QSize(60, 40) << QRect(390, 240, -1, -1) << QPoint(10, 5) << true;
    QTest::newRow("beyond the screen's far corner: black")
        << QRect(1180, 974, 100, 50) << QSize(30, 30) << QRect(1270, 1014, -1, -1) << QPoint(0, 0) << false;
    QTest::newRow("before the screen's corner: black")
        << corner << QSize(40, 30) << QRect(-10, -5, -1, -1) << QPoint(0, 0) << false;
}

void TestCapture::getScreenShot()
{
    QFETCH(QRect, window);
    QFETCH(QSize, image);
    QFETCH(QRect, from);
    QFETCH(QPoint, to);
    QFETCH(bool, twips);
    Quadrants shown(window);
    QVERIFY(shown.showPainted());
    const gdi::HandleStats before = counts();
    {
        clsBitmap b;
        b.SetBitmap(image.height(), image.width(), kYellow);
        const double x = forms::Screen::TwipsPerPixelX(), y = forms::Screen::TwipsPerPixelY();
        b.GetScreenShot(inUnits(from.x(), twips, x), inUnits(from.y(), twips, y), inUnits(from.width(), twips, x),
                        inUnits(from.height(), twips, y), inUnits(to.x(), twips, x), inUnits(to.y(), twips, y),
                        twips ? clsBitmap::Twips : clsBitmap::Pixels);
        // The image's own size stands in first and, given in twips, is converted with the rest.
        const QSize size = from.width() >= 0 ? from.size()
                           : twips ? QSize(vb::CInt(image.width() / x).value(), vb::CInt(image.height() / y).value())
                                   : image;
        QCOMPARE(pixelsOf(b), imageOf(image, kYellow, [&](int px, int py) -> std::optional<QRgb> {
                     if (!onX11() || !QRect(to, size).contains(px, py))
                         return std::nullopt;
                     return screenAt(window, from.x() + px - to.x(), from.y() + py - to.y());
                 }));
    }
    QCOMPARE(counts(), before);
}

// The work area is the screen without the desktop's panels: the current desktop's, where the window
// manager publishes one that fits, else the screen's available area as Qt knows it.
void TestCapture::workArea()
{
    gdi::RECT rc{};
    QVERIFY(gdi::SystemParametersInfoA(gdi::SPI_GETWORKAREA, 0, &rc, 0));
    QCOMPARE(fromRect(rc), QGuiApplication::primaryScreen()->availableGeometry());
    QVERIFY(!gdi::SystemParametersInfoA(47, 0, &rc, 0));
    if (!onX11())
        return;
    setRootCardinals("_NET_WORKAREA", {0, 0, 1280, 1000, 40, 30, 1240, 964});
    setRootCardinals("_NET_CURRENT_DESKTOP", {1});
    const bool read = gdi::SystemParametersInfoA(gdi::SPI_GETWORKAREA, 0, &rc, 0);
    gdi::RECT beyond{}; // edges past 32 bits are refused
    setRootCardinals("_NET_WORKAREA", {0, 0, 1, 1, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF});
    const bool readBeyond = gdi::SystemParametersInfoA(gdi::SPI_GETWORKAREA, 0, &beyond, 0);
    setRootCardinals("_NET_WORKAREA", {});
    setRootCardinals("_NET_CURRENT_DESKTOP", {});
    QVERIFY(read && readBeyond);
    QCOMPARE(fromRect(rc), QRect(40, 30, 1240, 964));
    QCOMPARE(fromRect(beyond), QGuiApplication::primaryScreen()->availableGeometry());
}

void TestCapture::getWallpaper_data()
{
    QTest::addColumn<bool>("wallpaper");
    QTest::addColumn<QRect>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("no wallpaper: the desktop colour (offscreen: the background)")
        << false << QRect(10, 20, 30, 30) << QPoint(5, 5);
    if (!onX11())
        return;
    QTest::newRow("a published wallpaper, under a window") << true << QRect(10, 20, 30, 30) << QPoint(5, 5);
    QTest::newRow("the wallpaper tiled beyond its corner") << true << QRect(240, 110, 30, 30) << QPoint(0, 0);
    QTest::newRow("the whole image by default") << true << QRect(0, 0, -1, -1) << QPoint(0, 0);
}

// The desktop as its wallpaper paints it, whatever windows lie on it.
void TestCapture::getWallpaper()
{
    QFETCH(bool, wallpaper);
    QFETCH(QRect, from);
    QFETCH(QPoint, to);
    Quadrants window(QRect(0, 0, 400, 300));
    QVERIFY(window.showPainted());
    std::optional<Wallpaper> published;
    if (wallpaper)
        published.emplace();
    const gdi::HandleStats before = counts();
    {
        clsBitmap b;
        b.SetBitmap(50, 50, kYellow);
        b.DrawRect(kMagenta); // what is not copied over stays
        b.GetWallpaper(from.x(), from.y(), from.width(), from.height(), to.x(), to.y());
        const QSize size = from.width() < 0 ? QSize(50, 50) : from.size();
        const QRgb desktop = onX11() ? rgb(gdi::GetSysColor(gdi::COLOR_BACKGROUND)) : rgb(kYellow);
        QCOMPARE(pixelsOf(b), imageOf(QSize(50, 50), kMagenta, [&](int x, int y) -> std::optional<QRgb> {
                     if (!QRect(to, size).contains(x, y))
                         return std::nullopt;
                     return wallpaper ? wallpaperAt(from.x() + x - to.x(), from.y() + y - to.y()) : desktop;
                 }));
    }
    QCOMPARE(counts(), before);
}

void TestCapture::getWindowSnapShot_data()
{
    QTest::addColumn<QString>("window"); // "form", "frameless", "none" or "gone"
    QTest::addColumn<QRect>("at");
    QTest::newRow("a form, its frame the window (offscreen: unreadable)") << "form" << QRect(200, 150, 120, 80);
    if (!onX11())
        return;
    QTest::newRow("a window reaching past the screen's corner") << "frameless" << QRect(1200, 1000, 120, 80);
    QTest::newRow("no window") << "none" << QRect(200, 150, 120, 80);
    QTest::newRow("a window that is gone") << "gone" << QRect(200, 150, 120, 80);
}

void TestCapture::getWindowSnapShot()
{
    QFETCH(QString, window);
    QFETCH(QRect, at);
    auto shown = std::make_unique<Quadrants>(
        at, window == "form" ? Qt::WindowFlags(Qt::Window) : Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
    QVERIFY(shown->showPainted());
    gdi::HWND hwnd = window == "none" ? 0 : gdi::windowHandle(shown.get());
    if (window == "gone")
        shown.reset();
    const gdi::HandleStats before = counts();
    {
        clsBitmap b;
        b.SetBitmap(10, 10, kYellow);
        b.GetWindowSnapShot(hwnd);
        if (!onX11() || window == "none" || window == "gone") {
            QCOMPARE(pixelsOf(b), imageOf(QSize(10, 10), kYellow, [](int, int) { return std::nullopt; }));
            QCOMPARE(fromRect(clsBitmapInternals::image(b)), QRect(0, 0, 10, 10));
        } else {
            gdi::RECT frame;
            QVERIFY(gdi::GetWindowRect(hwnd, &frame));
            QCOMPARE(fromRect(frame), at); // the frame, which is the window here
            QCOMPARE(fromRect(clsBitmapInternals::image(b)), at);
            QCOMPARE(clsBitmapInternals::background(b), b.GetSystemColour(clsBitmap::ButtonFace));
            QCOMPARE(pixelsOf(b), imageOf(at.size(), kYellow,
                                          [&](int x, int y) { return screenAt(at, at.left() + x, at.top() + y); }));
        }
    }
    QCOMPARE(counts(), before);
}

// Under a window manager (tst_x_capture_frame starts twm) the copy holds the frame it drew round the
// window, as the screen shows it, and the window within it.
void TestCapture::getWindowSnapShotWithFrame()
{
    if (!onX11() || qEnvironmentVariableIsEmpty("ZV_WINDOW_MANAGER"))
        QSKIP("needs a window manager on an X server");
    QVERIFY(windowManagerRuns());
    Quadrants window(QRect(300, 200, 160, 100), Qt::Window);
    QVERIFY(window.showPainted());
    QTRY_VERIFY(window.frameGeometry() != window.geometry()); // once the manager has framed it
    window.repaint();
    syncServer();
    const gdi::HWND hwnd = gdi::windowHandle(&window);
    gdi::RECT rc;
    QVERIFY(gdi::GetWindowRect(hwnd, &rc));
    const QRect frame = fromRect(rc);
    QCOMPARE(frame, window.frameGeometry());
    QVERIFY(frame.contains(window.geometry()) && frame != window.geometry());

    clsBitmap b;
    b.GetWindowSnapShot(hwnd);
    QCOMPARE(fromRect(clsBitmapInternals::image(b)), frame);
    const QImage shot = pixelsOf(b);
    QCOMPARE(shot.copy(QRect(window.geometry().topLeft() - frame.topLeft(), window.size())),
             imageOf(window.size(), kYellow, [&](int x, int y) { return quadrant(window.size(), x, y); }));
    clsBitmap screen;
    screen.SetBitmap(frame.height(), frame.width(), kYellow);
    screen.GetScreenShot(frame.left(), frame.top());
    QCOMPARE(shot, pixelsOf(screen)); // the frame as the screen shows it
}

void TestCapture::setBmpToMenu_data()
{
    QTest::addColumn<bool>("aboutScreen"); // else a window without a menu
    QTest::addColumn<QList<int>>("path"); // top, item, then the two deeper menus
    QTest::addColumn<bool>("fromDC"); // a DC's bitmap, not the image's own
    QTest::addColumn<QString>("shownBeside"); // empty: nowhere
    QTest::newRow("the first question, the image") << true << QList<int>{0, 0, -1, -1} << false << "sa";
    QTest::newRow("the second question, a DC's bitmap") << true << QList<int>{0, 1, -1, -1} << true << "nasil";
    QTest::newRow("a hidden item takes no position") << true << QList<int>{0, 6, -1, -1} << false << "tshirt";
    QTest::newRow("no item there") << true << QList<int>{0, 99, -1, -1} << false << "";
    QTest::newRow("no menu there") << true << QList<int>{1, 0, -1, -1} << false << "";
    QTest::newRow("an item that opens no menu") << true << QList<int>{0, 0, 0, -1} << false << "";
    QTest::newRow("a window without a menu") << false << QList<int>{0, 0, -1, -1} << false << "";
}

// The bitmap shows beside the item (its icon holds the bitmap's pixels) and nowhere else.
void TestCapture::setBmpToMenu()
{
    QFETCH(bool, aboutScreen);
    QFETCH(QList<int>, path);
    QFETCH(bool, fromDC);
    QFETCH(QString, shownBeside);
    frmAboutScreen about;
    forms::Form plain;
    clsBitmap b;
    b.SetBitmap(16, 16, 0x0000FF);
    b.DrawRect(0x00FF00, 4, 4, 8, 8);
    testing::Canvas canvas(16, 16);
    canvas.paint([](int x, int y) { return static_cast<gdi::COLORREF>(x * 16 | y * 16 << 8); });
    const gdi::HWND hwnd = gdi::windowHandle(aboutScreen ? static_cast<QWidget*>(&about) : &plain);
    b.SetBmpToMenu(hwnd, path[0], path[1], path[2], path[3], fromDC ? canvas.dc() : 0);
    for (QAction* item : about.selam->actions()) {
        if (item->objectName() != shownBeside) {
            QVERIFY2(item->icon().isNull(), qPrintable(item->objectName()));
            continue;
        }
        const QImage shown = item->icon().pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, fromDC ? gdi::snapshot(canvas.dc()) : pixelsOf(b));
        QVERIFY(item->isIconVisibleInMenu());
    }
    // Asking again makes no new handles: each menu has one.
    const gdi::HandleStats before = counts();
    b.SetBmpToMenu(hwnd, path[0], path[1], path[2], path[3], fromDC ? canvas.dc() : 0);
    QCOMPARE(counts(), before);
}

void TestCapture::menuHandlesGoWithTheirWindow()
{
    const gdi::HandleStats before = counts();
    {
        forms::Form window;
        (new QMenu(&window))->addMenu(QStringLiteral("Alt"))->addAction(QStringLiteral("Bir"));
        const gdi::HMENU bar = gdi::GetMenu(gdi::windowHandle(&window));
        QVERIFY(bar != 0);
        const gdi::HMENU deeper = gdi::GetSubMenu(gdi::GetSubMenu(bar, 0), 0);
        QVERIFY(deeper != 0);
        QCOMPARE(gdi::GetMenuItemID(gdi::GetSubMenu(bar, 0), 0), 0xFFFFFFFFu); // it opens a menu
        QVERIFY(gdi::GetMenuItemID(deeper, 0) != 0);
    }
    QCOMPARE(counts(), before);
}

QTEST_MAIN(TestCapture)
#include "tst_clsbitmap_capture.moc"
