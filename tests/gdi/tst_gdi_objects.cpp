// Handles, device contexts and their state, the screen and window DCs, the clock, system colours
// and ANSI text.
#include "platform/gdi/AnsiText.h"
#include "platform/gdi/Clock.h"
#include "platform/gdi/Gdi.h"
#include "tests/support/Canvas.h"

#include <QApplication>
#include <QPalette>
#include <QTest>
#include <QWidget>

#include <cstring>
#include <functional>
#include <memory>

using testing::Canvas;

namespace {

gdi::HandleStats withoutTableSize(gdi::HandleStats s)
{
    s.tableSize = 0;
    return s;
}

gdi::COLORREF colourref(const QColor& c)
{
    return gdi::RGB(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue()));
}

} // namespace

class TestGdiObjects : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void staleAndWrongHandlesFailQuietly_data();
    void staleAndWrongHandlesFailQuietly();
    void staleHandlesStayStaleWhenSlotsAreReused();
    void selectObjectReturnsWhatItDisplaced();
    void deletionWaitsUntilNothingHoldsTheObject();
    void tenThousandImagesLeaveTheTableAsItWas();
    void unknownRecordsAreRefused();
    void unknownSettingsAreRefused();
    void colourAdjustmentIsValidated_data();
    void colourAdjustmentIsValidated();
    void theScreenDc();
    void aWindowDcShowsOnTheWindow();
    void theClockIsReplaceable();
    void systemColours_data();
    void systemColours();
    void ansiText_data();
    void ansiText();
};

void TestGdiObjects::initTestCase()
{
    // Stock objects come into being on first use; make them before any count is taken.
    const Canvas warmUp(1, 1);
}

void TestGdiObjects::staleAndWrongHandlesFailQuietly_data()
{
    QTest::addColumn<QString>("handle");
    QTest::newRow("a deleted DC") << "stale dc";
    QTest::newRow("a bitmap where a DC belongs") << "bitmap";
    QTest::newRow("a handle never given out") << "made up";
    QTest::newRow("no handle") << "zero";
}

// Every call that takes a DC, given one that names nothing or names something else: failure as
// the platform reports it, and the live canvas next to it unchanged.
void TestGdiObjects::staleAndWrongHandlesFailQuietly()
{
    QFETCH(QString, handle);
    Canvas live(4, 4, 0x112233);
    gdi::HDC dc = 0;
    if (handle == "stale dc") {
        dc = gdi::CreateCompatibleDC(0);
        QVERIFY(gdi::DeleteDC(dc));
    } else if (handle == "bitmap") {
        dc = live.bitmap();
    } else if (handle == "made up") {
        dc = 0x7FF12345;
    }
    const gdi::HandleStats before = gdi::handleStats();
    const QImage pixels = gdi::snapshot(live.dc());
    const gdi::POINT line[2] = {{0, 0}, {3, 3}};
    gdi::RECT rect{0, 0, 4, 4};
    gdi::POINT point;
    gdi::COLORADJUSTMENT ca;

    QCOMPARE(gdi::SelectObject(dc, gdi::GetStockObject(gdi::BLACK_BRUSH)), 0u);
    QCOMPARE(gdi::GetCurrentObject(dc, gdi::OBJ_BRUSH), 0u);
    QVERIFY(!gdi::DeleteDC(dc));
    QCOMPARE(gdi::SetBkMode(dc, gdi::OPAQUE), 0);
    QCOMPARE(gdi::SetBkColor(dc, 0), gdi::CLR_INVALID);
    QCOMPARE(gdi::SetTextColor(dc, 0), gdi::CLR_INVALID);
    QVERIFY(!gdi::MoveToEx(dc, 1, 1, nullptr));
    QVERIFY(!gdi::GetBrushOrgEx(dc, &point));
    QCOMPARE(gdi::SetStretchBltMode(dc, gdi::HALFTONE), 0);
    QVERIFY(!gdi::GetColorAdjustment(dc, &ca));
    QCOMPARE(gdi::GetDeviceCaps(dc, gdi::LOGPIXELSY), 0);
    QCOMPARE(gdi::CreateCompatibleDC(dc == 0 ? 0x7FF00001 : dc), 0u);
    QCOMPARE(gdi::CreateCompatibleBitmap(dc, 2, 2), 0u);
    QVERIFY(!gdi::PatBlt(dc, 0, 0, 4, 4, gdi::BLACKNESS));
    QVERIFY(!gdi::BitBlt(dc, 0, 0, 4, 4, live.dc(), 0, 0, gdi::SRCCOPY));
    QVERIFY(!gdi::BitBlt(live.dc(), 0, 0, 4, 4, dc, 0, 0, gdi::SRCCOPY));
    QVERIFY(!gdi::StretchBlt(live.dc(), 0, 0, 4, 4, dc, 0, 0, 2, 2, gdi::SRCCOPY));
    QCOMPARE(gdi::GetPixel(dc, 0, 0), gdi::CLR_INVALID);
    QCOMPARE(gdi::SetPixel(dc, 0, 0, 0), gdi::CLR_INVALID);
    QVERIFY(!gdi::Polyline(dc, line, 2));
    QCOMPARE(gdi::DrawTextA(dc, "x", 1, &rect, 0), 0);
    QCOMPARE(gdi::ReleaseDC(0, dc), 0);

    QCOMPARE(gdi::snapshot(live.dc()), pixels);
    QCOMPARE(gdi::handleStats(), before);
}

void TestGdiObjects::staleHandlesStayStaleWhenSlotsAreReused()
{
    const gdi::LOGBRUSH black{};
    const gdi::HBRUSH first = gdi::CreateBrushIndirect(&black);
    QVERIFY(first != 0);
    QVERIFY(gdi::DeleteObject(first));
    for (int i = 0; i < 3000; ++i) {
        const gdi::LOGBRUSH record{gdi::BS_SOLID, static_cast<gdi::COLORREF>(i), 0};
        const gdi::HBRUSH again = gdi::CreateBrushIndirect(&record);
        QVERIFY(again != first);
        QVERIFY(gdi::DeleteObject(again));
    }
    QCOMPARE(gdi::GetObjectType(first), 0u);
    QVERIFY(!gdi::DeleteObject(first));
}

void TestGdiObjects::selectObjectReturnsWhatItDisplaced()
{
    const gdi::HDC dc = gdi::CreateCompatibleDC(0);
    QCOMPARE(gdi::GetCurrentObject(dc, gdi::OBJ_BRUSH), gdi::GetStockObject(gdi::WHITE_BRUSH));
    QCOMPARE(gdi::GetCurrentObject(dc, gdi::OBJ_PEN), gdi::GetStockObject(gdi::BLACK_PEN));
    const gdi::HBITMAP stockBitmap = gdi::GetCurrentObject(dc, gdi::OBJ_BITMAP);
    QCOMPARE(gdi::GetObjectType(stockBitmap), gdi::OBJ_BITMAP);

    const gdi::LOGBRUSH red{gdi::BS_SOLID, 0xFF, 0};
    const gdi::HBRUSH brush = gdi::CreateBrushIndirect(&red);
    const gdi::HBITMAP bitmap = gdi::CreateCompatibleBitmap(dc, 3, 3);
    QCOMPARE(gdi::SelectObject(dc, brush), gdi::GetStockObject(gdi::WHITE_BRUSH));
    QCOMPARE(gdi::SelectObject(dc, bitmap), stockBitmap);
    QCOMPARE(gdi::SelectObject(dc, bitmap), bitmap); // selecting it again changes nothing
    QCOMPARE(gdi::SelectObject(dc, dc), 0u); // a DC is not something to select

    // A bitmap lives in one DC at a time; the stock one sits in every new memory DC at once.
    const gdi::HDC second = gdi::CreateCompatibleDC(0);
    QCOMPARE(gdi::GetCurrentObject(second, gdi::OBJ_BITMAP), stockBitmap);
    QCOMPARE(gdi::SelectObject(second, bitmap), 0u);
    QCOMPARE(gdi::GetCurrentObject(second, gdi::OBJ_BITMAP), stockBitmap);

    QCOMPARE(gdi::SelectObject(dc, gdi::GetStockObject(gdi::BLACK_BRUSH)), brush);
    QCOMPARE(gdi::SelectObject(dc, stockBitmap), bitmap);
    QVERIFY(gdi::SelectObject(second, bitmap) != 0); // free again
    QVERIFY(gdi::DeleteDC(second));
    QVERIFY(gdi::DeleteObject(brush));
    QVERIFY(gdi::DeleteObject(bitmap));
    QVERIFY(gdi::DeleteDC(dc));
}

void TestGdiObjects::deletionWaitsUntilNothingHoldsTheObject()
{
    const gdi::HandleStats before = gdi::handleStats();
    {
        Canvas canvas(2, 1, 0xFFFFFF);
        const gdi::LOGBRUSH black{gdi::BS_SOLID, 0, 0};
        const gdi::HBRUSH brush = gdi::CreateBrushIndirect(&black);
        const gdi::HGDIOBJ previous = gdi::SelectObject(canvas.dc(), brush);
        QVERIFY(!gdi::DeleteObject(brush));
        QVERIFY(!gdi::DeleteObject(canvas.bitmap()));
        QVERIFY(gdi::PatBlt(canvas.dc(), 0, 0, 1, 1, gdi::PATCOPY)); // both still draw
        QCOMPARE(canvas.at(0, 0), 0u);
        gdi::SelectObject(canvas.dc(), previous);
        QVERIFY(gdi::DeleteObject(brush));

        // Deleting a DC lets go of what it holds.
        const gdi::HDC dc = gdi::CreateCompatibleDC(0);
        const gdi::HBITMAP bitmap = gdi::CreateCompatibleBitmap(dc, 2, 2);
        gdi::SelectObject(dc, bitmap);
        QVERIFY(gdi::DeleteDC(dc));
        QVERIFY(gdi::DeleteObject(bitmap));
    }
    QCOMPARE(withoutTableSize(gdi::handleStats()), withoutTableSize(before));

    // Stock objects outlive every attempt.
    for (int id : {gdi::WHITE_BRUSH, gdi::NULL_BRUSH, gdi::BLACK_PEN, gdi::NULL_PEN, gdi::SYSTEM_FONT}) {
        const gdi::HGDIOBJ stock = gdi::GetStockObject(id);
        QVERIFY(gdi::DeleteObject(stock));
        QVERIFY(gdi::GetObjectType(stock) != 0);
    }
    QCOMPARE(gdi::GetStockObject(9), 0u);
}

void TestGdiObjects::tenThousandImagesLeaveTheTableAsItWas()
{
    const gdi::HandleStats before = gdi::handleStats();
    for (int i = 0; i < 10000; ++i) {
        const gdi::HDC screen = gdi::GetDC(0);
        const gdi::HDC dc = gdi::CreateCompatibleDC(screen);
        const gdi::HBITMAP bitmap = gdi::CreateCompatibleBitmap(screen, 8 + i % 5, 4);
        gdi::ReleaseDC(0, screen);
        const gdi::HGDIOBJ old = gdi::SelectObject(dc, bitmap);
        gdi::PatBlt(dc, 0, 0, 8, 4, gdi::WHITENESS);
        gdi::SelectObject(dc, old);
        QVERIFY(gdi::DeleteObject(bitmap));
        QVERIFY(gdi::DeleteDC(dc));
    }
    const gdi::HandleStats after = gdi::handleStats();
    QCOMPARE(withoutTableSize(after), withoutTableSize(before));
    // Slots are reused: at most the three in flight at once were ever added.
    QVERIFY(after.tableSize <= before.tableSize + 3);
}

void TestGdiObjects::unknownRecordsAreRefused()
{
    const Canvas canvas(1, 1);
    const gdi::HandleStats before = gdi::handleStats();
    const gdi::LOGBRUSH badHatch{gdi::BS_HATCHED, 0, 8};
    const gdi::LOGBRUSH badStyle{7, 0, 0};
    const gdi::LOGPEN badPen{gdi::PS_INSIDEFRAME + 1, {1, 0}, 0};
    const gdi::LOGPEN badType{gdi::PS_SOLID | 0x20000, {1, 0}, 0};
    QCOMPARE(gdi::CreateBrushIndirect(&badHatch), 0u);
    QCOMPARE(gdi::CreateBrushIndirect(&badStyle), 0u);
    QCOMPARE(gdi::CreateBrushIndirect(nullptr), 0u);
    QCOMPARE(gdi::CreatePenIndirect(&badPen), 0u);
    QCOMPARE(gdi::CreatePenIndirect(&badType), 0u);
    QCOMPARE(gdi::CreateCompatibleBitmap(canvas.dc(), -1, 4), 0u);
    QCOMPARE(gdi::CreateCompatibleBitmap(canvas.dc(), 100000, 100000), 0u);
    QCOMPARE(gdi::CreateFontIndirectA(nullptr), 0u);
    // An empty bitmap is fine.
    const gdi::HBITMAP empty = gdi::CreateCompatibleBitmap(canvas.dc(), 0, 0);
    QCOMPARE(gdi::GetObjectType(empty), gdi::OBJ_BITMAP);
    QVERIFY(gdi::DeleteObject(empty));
    QCOMPARE(withoutTableSize(gdi::handleStats()), withoutTableSize(before));
}

void TestGdiObjects::unknownSettingsAreRefused()
{
    Canvas canvas(1, 1);
    QCOMPARE(gdi::SetBkMode(canvas.dc(), 3), 0);
    QCOMPARE(gdi::GetBkMode(canvas.dc()), gdi::OPAQUE);
    QCOMPARE(gdi::SetStretchBltMode(canvas.dc(), 0), 0);
    QCOMPARE(gdi::GetStretchBltMode(canvas.dc()), gdi::BLACKONWHITE);
}

void TestGdiObjects::colourAdjustmentIsValidated_data()
{
    QTest::addColumn<std::function<void(gdi::COLORADJUSTMENT&)>>("change");
    QTest::addColumn<bool>("accepted");
    using F = std::function<void(gdi::COLORADJUSTMENT&)>;
    QTest::newRow("negative and log filter") << F([](auto& c) { c.caFlags = 3; }) << true;
    QTest::newRow("unknown flag") << F([](auto& c) { c.caFlags = 4; }) << false;
    QTest::newRow("illuminant 9") << F([](auto& c) { c.caIlluminantIndex = 9; }) << false;
    QTest::newRow("gamma 2499") << F([](auto& c) { c.caGreenGamma = 2499; }) << false;
    QTest::newRow("tint 101") << F([](auto& c) { c.caRedGreenTint = 101; }) << false;
    QTest::newRow("wrong size") << F([](auto& c) { c.caSize = 20; }) << false;
}

void TestGdiObjects::colourAdjustmentIsValidated()
{
    QFETCH(std::function<void(gdi::COLORADJUSTMENT&)>, change);
    QFETCH(bool, accepted);
    Canvas canvas(1, 1);
    gdi::COLORADJUSTMENT ca;
    change(ca);
    QCOMPARE(gdi::SetColorAdjustment(canvas.dc(), &ca), accepted);
    gdi::COLORADJUSTMENT kept;
    QVERIFY(gdi::GetColorAdjustment(canvas.dc(), &kept));
    const gdi::COLORADJUSTMENT neutral;
    QCOMPARE(std::memcmp(&kept, accepted ? &ca : &neutral, sizeof kept), 0);
}

void TestGdiObjects::theScreenDc()
{
    const gdi::HandleStats before = gdi::handleStats();
    const gdi::HDC screen = gdi::GetDC(0);
    QCOMPARE(gdi::GetObjectType(screen), gdi::OBJ_DC);
    QCOMPARE(gdi::GetDeviceCaps(screen, gdi::LOGPIXELSY), 96); // the offscreen platform's
    QCOMPARE(gdi::GetDeviceCaps(screen, gdi::BITSPIXEL), 32);
    // Nothing to draw on, and no bitmap can be selected into it.
    QVERIFY(!gdi::PatBlt(screen, 0, 0, 1, 1, gdi::BLACKNESS));
    const gdi::HBITMAP bitmap = gdi::CreateCompatibleBitmap(screen, 1, 1);
    QCOMPARE(gdi::SelectObject(screen, bitmap), 0u);
    QVERIFY(gdi::DeleteObject(bitmap));
    QVERIFY(!gdi::DeleteDC(screen)); // got, so released, not deleted
    QCOMPARE(gdi::ReleaseDC(0, screen), 1);
    QCOMPARE(gdi::GetObjectType(screen), 0u);
    QCOMPARE(withoutTableSize(gdi::handleStats()), withoutTableSize(before));
}

void TestGdiObjects::aWindowDcShowsOnTheWindow()
{
    Canvas red(10, 10, 0x0000FF);
    const gdi::HandleStats before = gdi::handleStats();
    auto window = std::make_unique<QWidget>();
    window->setAutoFillBackground(true);
    window->setPalette(QPalette(Qt::white));
    window->resize(40, 30);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    const gdi::HDC own = gdi::windowDC(window.get());
    QVERIFY(own != 0);
    QCOMPARE(gdi::windowDC(window.get()), own);
    QCOMPARE(gdi::ReleaseDC(gdi::windowHandle(window.get()), own), 0); // the window's own: not released
    QVERIFY(gdi::BitBlt(own, 5, 5, 10, 10, red.dc(), 0, 0, gdi::SRCCOPY));
    QCOMPARE(gdi::GetPixel(own, 7, 7), 0x0000FFu);

    // A second DC of the window draws on the same client area and is released.
    const gdi::HWND hwnd = gdi::windowHandle(window.get());
    const gdi::HDC got = gdi::GetDC(hwnd);
    QCOMPARE(gdi::GetPixel(got, 7, 7), 0x0000FFu);
    QCOMPARE(gdi::ReleaseDC(hwnd, got), 1);

    QTRY_COMPARE(window->grab().toImage().pixel(7, 7), qRgb(255, 0, 0));
    // Where nothing was drawn the window looks as it did.
    QCOMPARE(window->grab().toImage().pixel(30, 20), qRgb(255, 255, 255));

    window.reset();
    QCOMPARE(gdi::GetObjectType(own), 0u);
    QCOMPARE(gdi::GetDC(hwnd), 0u);
    QCOMPARE(withoutTableSize(gdi::handleStats()), withoutTableSize(before));
}

void TestGdiObjects::theClockIsReplaceable()
{
    gdi::ManualClock clock(0xFFFFFFFE, 1);
    {
        const gdi::ScopedClock scoped(clock);
        QCOMPARE(gdi::GetTickCount(), 0xFFFFFFFEu);
        QCOMPARE(gdi::GetTickCount(), 0xFFFFFFFFu);
        QCOMPARE(gdi::GetTickCount(), 0u); // wraps like the platform's count
        gdi::Sleep(40);
        QCOMPARE(gdi::GetTickCount(), 41u);
        QCOMPARE(clock.sleeps(), std::vector<uint32_t>{40});
    }
    // The system clock is back: it moves with real time, not with the manual one.
    const uint32_t a = gdi::GetTickCount();
    QTest::qSleep(20);
    const uint32_t elapsed = gdi::GetTickCount() - a;
    QVERIFY2(elapsed >= 15 && elapsed < 2000, qPrintable(QString::number(elapsed)));
    QCOMPARE(clock.readings(), 4);
}

void TestGdiObjects::systemColours_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("expected");
    const QPalette palette = QApplication::palette();
    QTest::newRow("window from the palette") << gdi::COLOR_WINDOW << palette.color(QPalette::Base);
    QTest::newRow("button face from the palette") << gdi::COLOR_BTNFACE << palette.color(QPalette::Button);
    QTest::newRow("grey text is disabled text")
        << gdi::COLOR_GRAYTEXT << palette.color(QPalette::Disabled, QPalette::Text);
    QTest::newRow("active caption, classic") << gdi::COLOR_ACTIVECAPTION << QColor(10, 36, 106);
    QTest::newRow("beyond the last index") << 31 << QColor(0, 0, 0);
}

void TestGdiObjects::systemColours()
{
    QFETCH(int, index);
    QFETCH(QColor, expected);
    QCOMPARE(gdi::GetSysColor(index), colourref(expected));
}

void TestGdiObjects::ansiText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("Zenvortali 2.0") << QByteArray("Zenvortali 2.0");
    QTest::newRow("turkish letters") << QStringLiteral("ĞİŞğış") << QByteArray("\xD0\xDD\xDE\xF0\xFD\xFE");
    QTest::newRow("shared with latin-1") << QStringLiteral("çöüÇÖÜ") << QByteArray("\xE7\xF6\xFC\xC7\xD6\xDC");
    QTest::newRow("the euro and quotes") << QStringLiteral("€“”") << QByteArray("\x80\x93\x94");
    QTest::newRow("outside the code page") << QStringLiteral("a中b") << QByteArray("a?b");
    QTest::newRow("CR LF kept") << QStringLiteral("a\r\nb") << QByteArray("a\r\nb");
}

void TestGdiObjects::ansiText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(gdi::toAnsi(text), bytes);
    if (!bytes.contains('?'))
        QCOMPARE(gdi::fromAnsi(bytes), text);
}

QTEST_MAIN(TestGdiObjects)
#include "tst_gdi_objects.moc"
