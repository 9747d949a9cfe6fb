// The screen's display modes, run by CTest as tst_x_display_modes on the X.Org dummy server
// (tests/xorg: 1280 x 1024 at start, 1024 x 768, 800 x 600); offscreen only withoutAnXServer runs.
#include "clsBitmapInternals.h"
#include "graphics/clsBitmap.h"
#include "platform/gdi/Gdi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QSize>
#include <QTest>

#include <csignal>

using vb::Int16;

namespace {

bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

// A record of the given size; fields names the ones given.
gdi::DEVMODEA record(int width = 0, int height = 0, uint32_t fields = 0)
{
    gdi::DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<uint32_t>(width);
    mode.dmPelsHeight = static_cast<uint32_t>(height);
    mode.dmFields = fields;
    return mode;
}

QSize currentMode()
{
    gdi::DEVMODEA mode = record();
    if (!gdi::EnumDisplaySettingsA(nullptr, gdi::ENUM_CURRENT_SETTINGS, &mode))
        return {};
    return QSize(static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight));
}

QSize screenRes(clsBitmap& b)
{
    Int16 width;
    Int16 height;
    b.GetScreenRes(width, height);
    return QSize(width.value(), height.value());
}

constexpr uint32_t kSize = gdi::DM_PELSWIDTH | gdi::DM_PELSHEIGHT;
const QSize kStart(1280, 1024);

} // namespace

class TestClsBitmapDisplay : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        const bool offscreenCase = QTest::currentTestFunction() == QByteArrayView("withoutAnXServer");
        if (onX11() == offscreenCase)
            QSKIP(offscreenCase ? "runs on the offscreen platform" : "needs the X server with several modes");
        if (onX11())
            QCOMPARE(currentMode(), kStart);
    }
    // Whatever a case leaves behind, the next one starts from the server's own mode.
    void cleanup()
    {
        if (onX11())
            gdi::ChangeDisplaySettingsA(nullptr, 0);
    }

    void withoutAnXServer()
    {
        gdi::DEVMODEA mode = record(800, 600, kSize);
        QVERIFY(!gdi::EnumDisplaySettingsA(nullptr, 0, &mode));
        QVERIFY(gdi::ChangeDisplaySettingsA(&mode, gdi::CDS_TEST) != gdi::DISP_CHANGE_SUCCESSFUL);
        QVERIFY(gdi::ChangeDisplaySettingsA(&mode, gdi::CDS_FULLSCREEN) != gdi::DISP_CHANGE_SUCCESSFUL);
        QCOMPARE(gdi::ChangeDisplaySettingsA(nullptr, 0), gdi::DISP_CHANGE_SUCCESSFUL);

        clsBitmap b;
        const QSize before = screenRes(b);
        b.SetDisplay(800, 600);
        QVERIFY(clsBitmapInternals::displayChanged(b));
        QCOMPARE(screenRes(b), before);
        b.ReturnOldDisplay();
        QVERIFY(!clsBitmapInternals::displayChanged(b));
    }

    void enumDisplaySettings()
    {
        QList<QSize> sizes;
        gdi::DEVMODEA mode = record();
        for (uint32_t i = 0; gdi::EnumDisplaySettingsA(nullptr, i, &mode); ++i) {
            QCOMPARE(mode.dmBitsPerPel, 32u);
            QVERIFY(mode.dmDisplayFrequency > 0);
            QCOMPARE(mode.dmFields,
                     gdi::DM_BITSPERPEL | gdi::DM_PELSWIDTH | gdi::DM_PELSHEIGHT | gdi::DM_DISPLAYFREQUENCY);
            sizes.append(QSize(static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight)));
        }
        QCOMPARE(sizes.value(0), kStart); // the preferred mode first
        QVERIFY(sizes.contains(QSize(1024, 768)));
        QVERIFY(sizes.contains(QSize(800, 600)));
        QVERIFY(!sizes.contains(QSize(1000, 700)));
        // A record whose size the caller left unset is not filled.
        gdi::DEVMODEA unsized{};
        QVERIFY(!gdi::EnumDisplaySettingsA(nullptr, 0, &unsized));
        QCOMPARE(unsized.dmPelsWidth, 0u);
        QVERIFY(!gdi::EnumDisplaySettingsA("other", 0, &mode));
    }

    void changeDisplaySettings_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<uint32_t>("bitsPerPixel"); // 0: not given
        QTest::addColumn<uint16_t>("size");
        QTest::addColumn<uint32_t>("flags");
        QTest::addColumn<int32_t>("result");
        QTest::addColumn<QSize>("shown");

        const uint16_t full = sizeof(gdi::DEVMODEA);
        QTest::newRow("test, a mode of the output")
            << 800 << 600 << 32u << full << gdi::CDS_TEST << gdi::DISP_CHANGE_SUCCESSFUL << kStart;
        QTest::newRow("test, no such size")
            << 1000 << 700 << 32u << full << gdi::CDS_TEST << gdi::DISP_CHANGE_BADMODE << kStart;
        QTest::newRow("test, other bits per pixel")
            << 800 << 600 << 16u << full << gdi::CDS_TEST << gdi::DISP_CHANGE_BADMODE << kStart;
        QTest::newRow("test, record size unset")
            << 800 << 600 << 32u << uint16_t(0) << gdi::CDS_TEST << gdi::DISP_CHANGE_BADPARAM << kStart;
        QTest::newRow("switch") << 1024 << 768 << 0u << full << gdi::CDS_FULLSCREEN << gdi::DISP_CHANGE_SUCCESSFUL
                                << QSize(1024, 768);
        QTest::newRow("switch, no such size")
            << 1000 << 700 << 0u << full << gdi::CDS_FULLSCREEN << gdi::DISP_CHANGE_BADMODE << kStart;
        QTest::newRow("lasting change") << 800 << 600 << 0u << full << 1u << gdi::DISP_CHANGE_BADFLAGS << kStart;
    }
    void changeDisplaySettings()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(uint32_t, bitsPerPixel);
        QFETCH(uint16_t, size);
        QFETCH(uint32_t, flags);
        gdi::DEVMODEA mode = record(width, height, kSize | (bitsPerPixel ? gdi::DM_BITSPERPEL : 0));
        mode.dmSize = size;
        mode.dmBitsPerPel = bitsPerPixel;
        QTEST(gdi::ChangeDisplaySettingsA(&mode, flags), "result");
        QTEST(currentMode(), "shown");
        // The program's screen shows the change as soon as the call returns.
        QTEST(QGuiApplication::primaryScreen()->geometry().size(), "shown");
        QCOMPARE(gdi::ChangeDisplaySettingsA(nullptr, 0), gdi::DISP_CHANGE_SUCCESSFUL);
        QCOMPARE(currentMode(), kStart);
    }

    // ReturnOldDisplay goes back once, after a SetDisplay of its own: a change made by another stays.
    void setDisplay_data()
    {
        QTest::addColumn<int>("width"); // 0: SetDisplay never called
        QTest::addColumn<int>("height");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("a mode of the screen") << 800 << 600 << QSize(800, 600);
        QTest::newRow("another one") << 1024 << 768 << QSize(1024, 768);
        QTest::newRow("no such mode") << 1000 << 700 << kStart;
        QTest::newRow("negative") << -800 << 600 << kStart;
        QTest::newRow("never set") << 0 << 0 << kStart;
    }
    void setDisplay()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        clsBitmap b;
        if (width) {
            b.SetDisplay(width, height);
            QVERIFY(clsBitmapInternals::displayChanged(b));
            QTEST(currentMode(), "shown");
            QTEST(screenRes(b), "shown");
            b.ReturnOldDisplay();
            QVERIFY(!clsBitmapInternals::displayChanged(b));
            QCOMPARE(currentMode(), kStart);
            QCOMPARE(screenRes(b), kStart);
        }
        gdi::DEVMODEA other = record(1024, 768, kSize);
        QCOMPARE(gdi::ChangeDisplaySettingsA(&other, gdi::CDS_FULLSCREEN), gdi::DISP_CHANGE_SUCCESSFUL);
        b.ReturnOldDisplay();
        QCOMPARE(currentMode(), QSize(1024, 768));
        QCOMPARE(screenRes(b), QSize(1024, 768));
    }

    // A program that changed the mode gives the screen back however it ends: at once when it ends
    // normally, moments later when a signal ends it.
    void endOfProgram_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("signal"); // sent once it has switched; 0 for none
        QTest::addColumn<bool>("atOnce");
        QTest::newRow("return from main") << "return" << 0 << true;
        QTest::newRow("event loop quit") << "quit" << 0 << true;
        QTest::newRow("std::exit") << "exit" << 0 << true;
        QTest::newRow("SIGTERM") << "wait" << SIGTERM << false;
        QTest::newRow("SIGINT") << "wait" << SIGINT << false;
        QTest::newRow("SIGSEGV") << "wait" << SIGSEGV << false;
        QTest::newRow("SIGKILL") << "wait" << SIGKILL << false;
    }
    void endOfProgram()
    {
        QFETCH(QString, how);
        QFETCH(int, signal);
        QFETCH(bool, atOnce);
        QProcess program;
        program.start(QStringLiteral(DISPLAY_CHANGER), {how});
        const auto stop = qScopeGuard([&] {
            program.kill();
            program.waitForFinished();
        });
        QVERIFY(program.waitForStarted());
        QVERIFY(program.waitForReadyRead(10000));
        QCOMPARE(program.readLine().trimmed(), QByteArray("800x600"));
        if (signal) {
            QCOMPARE(currentMode(), QSize(800, 600));
            ::kill(static_cast<pid_t>(program.processId()), signal);
        }
        QVERIFY(program.waitForFinished(10000));
        // (A sanitizer's own handler ends a faulting program with an exit code instead.)
        if (!signal)
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        if (atOnce)
            QCOMPARE(program.readAll().trimmed(), QByteArray("1280x1024"));
        else {
            QElapsedTimer waited;
            waited.start();
            while (currentMode() != kStart && waited.elapsed() < 5000)
                QTest::qWait(20);
        }
        QCOMPARE(currentMode(), kStart);
    }
};

QTEST_MAIN(TestClsBitmapDisplay)
#include "tst_clsbitmap_display.moc"
