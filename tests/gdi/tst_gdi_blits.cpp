// The ternary raster operations, brushes, clipping and stretching, on exact pixels.
#include "platform/gdi/Gdi.h"
#include "platform/raster/Raster.h"
#include "platform/raster/Stretch.h"
#include "tests/support/Canvas.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <climits>
#include <random>

using testing::Canvas;

namespace {

// Switches the fast paths for one test and back on after it.
class FastPaths {
public:
    explicit FastPaths(bool on) { raster::setFastPathsEnabled(on); }
    ~FastPaths() { raster::setFastPathsEnabled(true); }
};

// A brush selected into a DC for one scope.
class ScopedBrush : public testing::Selected {
public:
    ScopedBrush(gdi::HDC dc, const gdi::LOGBRUSH& record) : Selected(dc, gdi::CreateBrushIndirect(&record)) {}
};

gdi::LOGBRUSH solid(gdi::COLORREF c) { return {gdi::BS_SOLID, c, 0}; }
uint32_t ropOf(int code) { return static_cast<uint32_t>(code) << 16; }

// A picture in text: '#' is `ink`, anything else `paper`.
QImage picture(const QStringList& rows, QRgb ink, QRgb paper)
{
    QImage image(static_cast<int>(rows.first().size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, rows[y][x] == u'#' ? ink : paper);
    return image;
}

enum class Call { PatBlt, BitBlt, StretchBlt, SetPixel, DrawText, Polyline };

} // namespace

class TestGdiBlits : public QObject {
    Q_OBJECT
private slots:
    void everyCodeFollowsItsTruthTable_data();
    void everyCodeFollowsItsTruthTable();
    void fastPathsMatchTheGenericPath_data();
    void fastPathsMatchTheGenericPath();
    void copiesAreClippedToBothSurfaces();
    void getPixelsReadsAsGetPixelDoes();
    void overlappingCopiesWithinOneBitmap_data();
    void overlappingCopiesWithinOneBitmap();
    void hatchedBrushes_data();
    void hatchedBrushes();
    void brushOriginMovesThePattern();
    void hollowBrushPaintsNothing();
    void patBltTakesNegativeExtentsAndRefusesSourceCodes();
    void stretchModesWhenShrinking_data();
    void stretchModesWhenShrinking();
    void stretchingMirrorsAndEnlarges();
    void extremeArgumentsStayOnTheBitmap_data();
    void extremeArgumentsStayOnTheBitmap();
    void stretchReadsABoundedSpreadOfTheBox_data();
    void stretchReadsABoundedSpreadOfTheBox();
};

void TestGdiBlits::everyCodeFollowsItsTruthTable_data()
{
    QTest::addColumn<bool>("fastPaths");
    QTest::newRow("with fast paths") << true;
    QTest::newRow("generic path only") << false;
}

// Each code against its definition: bit (P * 4 + S * 2 + D) of the code is the result bit, for
// each of the 24 colour bits of random pixels, with a brush and its complement so that every bit
// of the pattern is tried both ways.
void TestGdiBlits::everyCodeFollowsItsTruthTable()
{
    QFETCH(bool, fastPaths);
    const FastPaths switched(fastPaths);
    std::mt19937 random(1234);
    Canvas source(16, 16), target(16, 16);
    source.randomise(random);
    QStringList failures;
    for (int code = 0; code < 256; ++code) {
        const gdi::COLORREF p0 = random() & 0xFFFFFF;
        for (const gdi::COLORREF p : {p0, ~p0 & 0xFFFFFF}) {
            target.randomise(random);
            std::vector<gdi::COLORREF> before;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    before.push_back(target.at(x, y));
            const ScopedBrush brush(target.dc(), solid(p));
            QVERIFY(gdi::BitBlt(target.dc(), 0, 0, 16, 16, source.dc(), 0, 0, ropOf(code)));
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    const gdi::COLORREF s = source.at(x, y), d = before[y * 16 + x], result = target.at(x, y);
                    gdi::COLORREF expected = 0;
                    for (int bit = 0; bit < 24; ++bit) {
                        const int index = (p >> bit & 1) << 2 | (s >> bit & 1) << 1 | (d >> bit & 1);
                        expected |= static_cast<gdi::COLORREF>(code >> index & 1) << bit;
                    }
                    if (result != expected && failures.size() < 5)
                        failures << QStringLiteral("code %1 at (%2,%3): %4, expected %5")
                                        .arg(code, 2, 16, QLatin1Char('0'))
                                        .arg(x)
                                        .arg(y)
                                        .arg(result, 6, 16)
                                        .arg(expected, 6, 16);
                }
            // Whatever the code did to the top byte, the buffer stays valid RGB32 (top byte 0xFF).
            gdi::BITMAP info;
            QVERIFY(gdi::GetObjectA(target.bitmap(), sizeof info, &info) > 0);
            const auto* words = static_cast<const uint32_t*>(info.bmBits);
            QVERIFY(std::all_of(words, words + 256, [](uint32_t w) { return w >> 24 == 0xFF; }));
        }
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
}

void TestGdiBlits::fastPathsMatchTheGenericPath_data()
{
    QTest::addColumn<int>("code");
    for (uint8_t code : raster::fastPathCodes())
        QTest::addRow("%02X", code) << int(code);
}

// Every fast path gives exactly what the generic path gives, over random pixels: a clipped blit
// between two bitmaps, overlapping blits within one bitmap in both directions, and hatched
// brushes on both backgrounds (which a fast path must leave to the generic path).
void TestGdiBlits::fastPathsMatchTheGenericPath()
{
    QFETCH(int, code);
    struct Case {
        const char* name;
        bool sameBitmap;
        int x, y, w, h, sx, sy;
        uint32_t brushStyle;
        int bkMode;
    };
    const Case cases[] = {
        {"between bitmaps, clipped", false, -3, 2, 40, 9, 1, 0, gdi::BS_SOLID, gdi::OPAQUE},
        {"odd width", false, 5, 1, 13, 7, 2, 3, gdi::BS_SOLID, gdi::OPAQUE},
        {"overlap, moving right and down", true, 3, 2, 20, 12, 0, 0, gdi::BS_SOLID, gdi::OPAQUE},
        {"overlap, moving left and up", true, 0, 0, 20, 12, 3, 2, gdi::BS_SOLID, gdi::OPAQUE},
        {"hatched, opaque", false, 1, 1, 21, 13, 0, 0, gdi::BS_HATCHED, gdi::OPAQUE},
        {"hatched, transparent", false, 1, 1, 21, 13, 0, 0, gdi::BS_HATCHED, gdi::TRANSPARENT},
    };
    for (const Case& c : cases) {
        QImage results[2];
        for (bool fast : {true, false}) {
            const FastPaths switched(fast);
            std::mt19937 random(99);
            Canvas source(23, 17), target(23, 17);
            source.randomise(random);
            target.randomise(random);
            gdi::SetBkMode(target.dc(), c.bkMode);
            gdi::SetBkColor(target.dc(), 0x3366CC);
            gdi::SetBrushOrgEx(target.dc(), 3, 1, nullptr);
            const ScopedBrush brush(target.dc(), {c.brushStyle, 0xA0B0C0, gdi::HS_DIAGCROSS});
            const gdi::HDC from = c.sameBitmap ? target.dc() : source.dc();
            QVERIFY(gdi::BitBlt(target.dc(), c.x, c.y, c.w, c.h, from, c.sx, c.sy, ropOf(code)));
            results[fast ? 0 : 1] = gdi::snapshot(target.dc());
        }
        QVERIFY2(results[0] == results[1], c.name);
    }
}

void TestGdiBlits::copiesAreClippedToBothSurfaces()
{
    Canvas target(6, 6, 0xFFFFFF), source(4, 4, 0x000000);
    // The source has three columns and rows from (1, 1) on; they land at (3, 3) to (5, 5).
    QVERIFY(gdi::BitBlt(target.dc(), 3, 3, 6, 6, source.dc(), 1, 1, gdi::SRCCOPY));
    const QImage expected =
        picture({"......", "......", "......", "...###", "...###", "...###"}, qRgb(0, 0, 0), qRgb(255, 255, 255));
    QCOMPARE(gdi::snapshot(target.dc()), expected);
    // Entirely outside either surface: nothing changes, and that is no failure.
    QVERIFY(gdi::BitBlt(target.dc(), 0, 0, 2, 2, source.dc(), 10, 10, gdi::SRCCOPY));
    QVERIFY(gdi::BitBlt(target.dc(), -5, 0, 5, 2, source.dc(), 0, 0, gdi::SRCCOPY));
    QCOMPARE(gdi::snapshot(target.dc()), expected);
}

// Row by row what GetPixel gives at each point, the invalid colour off the bitmap; nothing for an
// area too large to read.
void TestGdiBlits::getPixelsReadsAsGetPixelDoes()
{
    Canvas canvas(4, 3);
    canvas.paint([](int x, int y) { return gdi::RGB(x * 60, y * 100, 7); });
    for (const QRect& area : {QRect(-1, -2, 6, 6), QRect(INT_MAX - 2, INT_MAX - 2, 2, 2)}) {
        const auto read = gdi::GetPixels(canvas.dc(), area.x(), area.y(), area.width(), area.height());
        QCOMPARE(read.size(), size_t(area.width() * area.height()));
        for (int i = 0; i < int(read.size()); ++i)
            QCOMPARE(read[i], gdi::GetPixel(canvas.dc(), area.x() + i % area.width(), area.y() + i / area.width()));
    }
    QVERIFY(gdi::GetPixels(canvas.dc(), 0, 0, 5000, 5000).empty());
}

void TestGdiBlits::overlappingCopiesWithinOneBitmap_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("sx");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("to the right") << 2 << 0 << QList<int>{0, 1, 0, 1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("to the left") << 0 << 2 << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 8, 9};
}

void TestGdiBlits::overlappingCopiesWithinOneBitmap()
{
    QFETCH(int, x);
    QFETCH(int, sx);
    QFETCH(QList<int>, expected);
    Canvas row(10, 1);
    row.paint([](int i, int) { return static_cast<gdi::COLORREF>(i); });
    QVERIFY(gdi::BitBlt(row.dc(), x, 0, 8, 1, row.dc(), sx, 0, gdi::SRCCOPY));
    QList<int> got;
    for (int i = 0; i < 10; ++i)
        got << static_cast<int>(row.at(i, 0));
    QCOMPARE(got, expected);
}

void TestGdiBlits::hatchedBrushes_data()
{
    QTest::addColumn<uint32_t>("hatch");
    QTest::addColumn<QStringList>("rows");
    const QString blank = QStringLiteral("........");
    QTest::newRow("horizontal") << gdi::HS_HORIZONTAL
                                << QStringList{blank, blank, blank, "########", blank, blank, blank, blank};
    QTest::newRow("vertical") << gdi::HS_VERTICAL << QStringList(8, QStringLiteral("...#...."));
    QTest::newRow("falling diagonal") << gdi::HS_FDIAGONAL
                                      << QStringList{"#.......", ".#......", "..#.....", "...#....",
                                                     "....#...", ".....#..", "......#.", ".......#"};
    QTest::newRow("rising diagonal") << gdi::HS_BDIAGONAL
                                     << QStringList{".......#", "......#.", ".....#..", "....#...",
                                                    "...#....", "..#.....", ".#......", "#......."};
    QTest::newRow("cross") << gdi::HS_CROSS << QStringList{"...#....", "...#....", "...#....", "########",
                                                           "...#....", "...#....", "...#....", "...#...."};
    QTest::newRow("diagonal cross") << gdi::HS_DIAGCROSS << QStringList{"#......#", ".#....#.", "..#..#..", "...##...",
                                                                        "...##...", "..#..#..", ".#....#.", "#......#"};
}

// The lines are drawn in the brush colour; the gaps take the background colour on an opaque
// background and keep what was there on a transparent one.
void TestGdiBlits::hatchedBrushes()
{
    QFETCH(uint32_t, hatch);
    QFETCH(QStringList, rows);
    for (int mode : {gdi::OPAQUE, gdi::TRANSPARENT}) {
        Canvas canvas(8, 8, 0xFF0000); // blue
        gdi::SetBkMode(canvas.dc(), mode);
        gdi::SetBkColor(canvas.dc(), 0x00FF00);
        const ScopedBrush brush(canvas.dc(), {gdi::BS_HATCHED, 0x0000FF, hatch});
        QVERIFY(gdi::PatBlt(canvas.dc(), 0, 0, 8, 8, gdi::PATCOPY));
        const QRgb gap = mode == gdi::OPAQUE ? qRgb(0, 255, 0) : qRgb(0, 0, 255);
        QCOMPARE(gdi::snapshot(canvas.dc()), picture(rows, qRgb(255, 0, 0), gap));
    }
}

void TestGdiBlits::brushOriginMovesThePattern()
{
    Canvas canvas(8, 8, 0xFFFFFF);
    const ScopedBrush brush(canvas.dc(), {gdi::BS_HATCHED, 0, gdi::HS_CROSS});
    gdi::POINT previous;
    QVERIFY(gdi::SetBrushOrgEx(canvas.dc(), 2, 1, &previous));
    QCOMPARE(previous.x, 0);
    QVERIFY(gdi::PatBlt(canvas.dc(), 0, 0, 8, 8, gdi::PATCOPY));
    const QString column = QStringLiteral(".....#..");
    QCOMPARE(gdi::snapshot(canvas.dc()), picture({column, column, column, column, "########", column, column, column},
                                                 qRgb(0, 0, 0), qRgb(255, 255, 255)));
}

void TestGdiBlits::hollowBrushPaintsNothing()
{
    Canvas canvas(4, 4, 0x123456);
    const QImage before = gdi::snapshot(canvas.dc());
    const ScopedBrush brush(canvas.dc(), {gdi::BS_HOLLOW, 0xFFFFFF, 0});
    QVERIFY(gdi::PatBlt(canvas.dc(), 0, 0, 4, 4, gdi::PATCOPY));
    QVERIFY(gdi::PatBlt(canvas.dc(), 0, 0, 4, 4, gdi::PATINVERT));
    QCOMPARE(gdi::snapshot(canvas.dc()), before);
    // A code that ignores the brush still works.
    QVERIFY(gdi::PatBlt(canvas.dc(), 0, 0, 4, 4, gdi::BLACKNESS));
    QCOMPARE(canvas.at(3, 3), 0u);
}

void TestGdiBlits::patBltTakesNegativeExtentsAndRefusesSourceCodes()
{
    Canvas canvas(8, 3, 0xFFFFFF);
    // From x = 6 three pixels to the left: columns 3 to 5.
    QVERIFY(gdi::PatBlt(canvas.dc(), 6, 0, -3, 1, gdi::BLACKNESS));
    QVERIFY(!gdi::PatBlt(canvas.dc(), 0, 1, 8, 1, gdi::SRCCOPY));
    QCOMPARE(gdi::snapshot(canvas.dc()),
             picture({"...###..", "........", "........"}, qRgb(0, 0, 0), qRgb(255, 255, 255)));
}

void TestGdiBlits::stretchModesWhenShrinking_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<uint32_t>("expected");
    QTest::newRow("black on white keeps black") << gdi::BLACKONWHITE << 0x000000u;
    QTest::newRow("white on black keeps white") << gdi::WHITEONBLACK << 0xFFFFFFu;
    QTest::newRow("colour on colour takes one pixel") << gdi::COLORONCOLOR << 0x000000u;
    QTest::newRow("halftone averages") << gdi::HALFTONE << 0x808080u;
}

void TestGdiBlits::stretchModesWhenShrinking()
{
    QFETCH(int, mode);
    QFETCH(uint32_t, expected);
    Canvas source(2, 2), target(1, 1, 0x0000FF);
    source.paint([](int x, int) { return x == 0 ? 0x000000u : 0xFFFFFFu; });
    QVERIFY(gdi::SetStretchBltMode(target.dc(), mode) != 0);
    QCOMPARE(gdi::GetStretchBltMode(target.dc()), mode);
    QVERIFY(gdi::StretchBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, 2, 2, gdi::SRCCOPY));
    QCOMPARE(target.at(0, 0), expected);
}

void TestGdiBlits::stretchingMirrorsAndEnlarges()
{
    Canvas source(3, 1), target(6, 2, 0xFFFFFF);
    source.paint([](int x, int) { return static_cast<gdi::COLORREF>(x + 1); });
    // Twice as wide and mirrored (the widths' signs differ): 3 3 2 2 1 1 on both rows.
    QVERIFY(gdi::StretchBlt(target.dc(), 6, 0, -6, 2, source.dc(), 0, 0, 3, 1, gdi::SRCCOPY));
    const QList<gdi::COLORREF> expected{3, 3, 2, 2, 1, 1};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x)
            QCOMPARE(target.at(x, y), expected[x]);
    // An unknown stretch mode is refused and the DC keeps its own.
    QCOMPARE(gdi::SetStretchBltMode(target.dc(), 5), 0);
    QCOMPARE(gdi::GetStretchBltMode(target.dc()), gdi::BLACKONWHITE);
}

void TestGdiBlits::extremeArgumentsStayOnTheBitmap_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QList<int>>("args"); // the call's numbers in its own order
    QTest::addColumn<int>("mode"); // stretch mode, or text format
    QTest::addColumn<QRect>("painted"); // exactly the pixels that turn black
    const int far = INT_MAX - 100;
    QTest::newRow("patblt right of the bitmap") << Call::PatBlt << QList{far, 0, 1000, 10} << 0 << QRect();
    QTest::newRow("patblt left, extent to INT_MIN") << Call::PatBlt << QList{-10, 0, INT_MIN, 5} << 0 << QRect();
    QTest::newRow("patblt from inside, huge extents")
        << Call::PatBlt << QList{50, 50, INT_MAX, INT_MAX} << 0 << QRect(50, 50, 50, 50);
    QTest::newRow("patblt over everything")
        << Call::PatBlt << QList{far, far, INT_MIN, INT_MIN} << 0 << QRect(0, 0, 100, 100);
    QTest::newRow("bitblt huge width from inside")
        << Call::BitBlt << QList{50, 0, INT_MAX, 10, 0, 0} << 0 << QRect(50, 0, 50, 10);
    QTest::newRow("bitblt source far right") << Call::BitBlt << QList{-100, 0, 150, 10, far, 0} << 0 << QRect();
    QTest::newRow("bitblt source at INT_MIN")
        << Call::BitBlt << QList{0, 0, INT_MAX, 10, INT_MIN, INT_MIN} << 0 << QRect();
    QTest::newRow("bitblt corners at opposite limits")
        << Call::BitBlt << QList{INT_MIN + 10, 0, INT_MAX, 10, 20, 0} << 0 << QRect();
    for (int mode : {gdi::BLACKONWHITE, gdi::WHITEONBLACK, gdi::COLORONCOLOR, gdi::HALFTONE}) {
        QTest::addRow("stretch %d, huge width from inside", mode)
            << Call::StretchBlt << QList{50, 0, INT_MAX, 10, 0, 0, 100, 100} << mode << QRect(50, 0, 50, 10);
        QTest::addRow("stretch %d, mirrored extents at the limits", mode)
            << Call::StretchBlt << QList{-1, 0, INT_MIN, 10, INT_MAX, 0, INT_MIN, 100} << mode << QRect();
        QTest::addRow("stretch %d, 100000 square source", mode)
            << Call::StretchBlt << QList{0, 0, 16, 16, 0, 0, 100000, 100000} << mode << QRect(0, 0, 16, 16);
        QTest::addRow("stretch %d, INT_MAX square source, far corner", mode)
            << Call::StretchBlt << QList{0, 0, 16, 16, far, far, INT_MAX, INT_MAX} << mode << QRect(0, 0, 16, 16);
    }
    QTest::newRow("setpixel at the limits") << Call::SetPixel << QList{INT_MAX, INT_MIN} << 0 << QRect();
    const int centred = gdi::DT_SINGLELINE | gdi::DT_CENTER | gdi::DT_VCENTER;
    QTest::newRow("text centred far right") << Call::DrawText << QList{10, 0, INT_MAX, 100} << centred << QRect();
    QTest::newRow("text centred far down") << Call::DrawText << QList{0, 10, 100, INT_MAX} << centred << QRect();
    QTest::newRow("text right-aligned far left")
        << Call::DrawText << QList{INT_MIN, 0, -10, 100} << int(gdi::DT_RIGHT) << QRect();
    QTest::newRow("text at the far end") << Call::DrawText << QList{far, far, INT_MAX, INT_MAX} << 0 << QRect();
    QTest::newRow("line across, ends at the limits")
        << Call::Polyline << QList{INT_MIN, 50, INT_MAX, 50} << 0 << QRect(0, 50, 100, 1);
    QTest::newRow("line far outside") << Call::Polyline << QList{INT_MIN, INT_MIN, INT_MAX, INT_MIN} << 0 << QRect();
    // A fifth number is the width of a geometric pen; either of these covers the bitmap.
    QTest::newRow("pen of width INT_MIN")
        << Call::Polyline << QList{50, INT_MIN, 50, INT_MAX, INT_MIN} << 0 << QRect(0, 0, 100, 100);
    QTest::newRow("pen of width INT_MAX")
        << Call::Polyline << QList{50, INT_MIN, 50, INT_MAX, INT_MAX} << 0 << QRect(0, 0, 100, 100);
}

// Corners near the int limits and extents that reach past them: every call clips in full
// precision, so it paints exactly the part of its rectangle on the bitmap (nothing when the
// rectangle lies beyond it), and a stretch costs what its destination costs.
void TestGdiBlits::extremeArgumentsStayOnTheBitmap()
{
    QFETCH(Call, call);
    QFETCH(QList<int>, args);
    QFETCH(int, mode);
    QFETCH(QRect, painted);
    const QList<int>& a = args;
    Canvas target(100, 100, 0xFFFFFF), source(100, 100, 0x000000);
    gdi::SetBkMode(target.dc(), gdi::TRANSPARENT);
    QElapsedTimer timer;
    timer.start();
    switch (call) {
    case Call::PatBlt: QVERIFY(gdi::PatBlt(target.dc(), a[0], a[1], a[2], a[3], gdi::BLACKNESS)); break;
    case Call::BitBlt:
        QVERIFY(gdi::BitBlt(target.dc(), a[0], a[1], a[2], a[3], source.dc(), a[4], a[5], gdi::SRCCOPY));
        break;
    case Call::StretchBlt:
        QVERIFY(gdi::SetStretchBltMode(target.dc(), mode) != 0);
        QVERIFY(
            gdi::StretchBlt(target.dc(), a[0], a[1], a[2], a[3], source.dc(), a[4], a[5], a[6], a[7], gdi::SRCCOPY));
        break;
    case Call::SetPixel: QCOMPARE(gdi::SetPixel(target.dc(), a[0], a[1], 0), gdi::CLR_INVALID); break;
    case Call::DrawText: {
        gdi::RECT r{a[0], a[1], a[2], a[3]};
        gdi::DrawTextA(target.dc(), "Wide text", -1, &r, static_cast<uint32_t>(mode));
        break;
    }
    case Call::Polyline: {
        const gdi::LOGPEN wide{gdi::PS_GEOMETRIC, {a.value(4), 0}, 0};
        const testing::Selected pen(target.dc(),
                                    a.size() > 4 ? gdi::CreatePenIndirect(&wide) : gdi::GetStockObject(gdi::BLACK_PEN));
        const gdi::POINT points[] = {{a[0], a[1]}, {a[2], a[3]}};
        QVERIFY(gdi::Polyline(target.dc(), points, 2));
        break;
    }
    }
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QStringLiteral("took %1 ms").arg(timer.elapsed())));
    QCOMPARE(testing::inkBounds(gdi::snapshot(target.dc()), qRgb(255, 255, 255)), painted);
    if (!painted.isEmpty()) // every pixel of the painted area, not just its corners
        QCOMPARE(testing::coloursIn(gdi::snapshot(target.dc()).copy(painted)), QSet<QRgb>{qRgb(0, 0, 0)});
}

void TestGdiBlits::stretchReadsABoundedSpreadOfTheBox_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<uint32_t>("expected");
    QTest::newRow("black on white") << int(raster::StretchMode::BlackOnWhite) << 0xFF000000u;
    QTest::newRow("white on black") << int(raster::StretchMode::WhiteOnBlack) << 0xFFFFFFFFu;
    QTest::newRow("halftone") << int(raster::StretchMode::Halftone) << 0xFF808080u;
    QTest::newRow("colour on colour") << int(raster::StretchMode::ColourOnColour) << 0xFF000000u;
}

// A real 100000 x 100000 source (one row, black then white, repeated: a stride of 0 spares the
// 40 GB) shrunk to one pixel. Reading every pixel of the box would take minutes; a bounded set
// of samples is quick, and spread over the whole box it still sees both halves.
void TestGdiBlits::stretchReadsABoundedSpreadOfTheBox()
{
    QFETCH(int, mode);
    QFETCH(uint32_t, expected);
    constexpr int side = 100000;
    std::vector<uint32_t> row(side, 0xFFFFFFFF);
    std::fill_n(row.begin(), side / 2, 0xFF000000);
    const raster::Surface source{row.data(), side, side, 0};
    QElapsedTimer timer;
    timer.start();
    const std::vector<uint32_t> out =
        raster::resample(source, {0, 0, side, side, 0, 0, 1, 1}, {0, 0, 1, 1}, static_cast<raster::StretchMode>(mode));
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QStringLiteral("took %1 ms").arg(timer.elapsed())));
    QCOMPARE(out, std::vector<uint32_t>{expected});
}

QTEST_MAIN(TestGdiBlits)
#include "tst_gdi_blits.moc"
