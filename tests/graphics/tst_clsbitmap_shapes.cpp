// The off-screen bitmap's rounded rectangles, inverted areas and polygons, on exact pixels.
#include "graphics/clsBitmap.h"
#include "platform/forms/Screen.h"
#include "platform/gdi/Gdi.h"
#include "tests/graphics/clsBitmapInternals.h"
#include "tests/support/Canvas.h"

#include <QTest>

using testing::Canvas;
using testing::errorOf;
using testing::rowsOf;
using vb::Int16;

namespace {

constexpr gdi::COLORREF white = 0xFFFFFF;
constexpr gdi::COLORREF red = 0x0000FF;
constexpr gdi::COLORREF blue = 0xFF0000;

vb::Array<Int16> array(int32_t lower, const QList<int>& values)
{
    vb::Array<Int16> a(lower, lower + static_cast<int32_t>(values.size()) - 1);
    for (int i = 0; i < values.size(); ++i)
        a(lower + i) = values[i];
    return a;
}

} // namespace

class TestClsBitmapShapes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(forms::Screen::TwipsPerPixelX(), 15.0); }
    void invert_data()
    {
        QTest::addColumn<QList<int>>("args"); // intX, intY, intWidth, intHeight
        QTest::addColumn<QPoint>("imageCorner"); // the image's Left and Top
        QTest::addColumn<bool>("released"); // the image has no DC
        QTest::addColumn<QRect>("inverted"); // on the 8 x 6 image
        QTest::addColumn<int>("error");
        const int omitted = clsBitmap::Omitted;
        const QList<int> defaults{omitted, omitted, -1, -1};
        QTest::newRow("no arguments: the whole image") << defaults << QPoint() << false << QRect(0, 0, 8, 6) << 0;
        QTest::newRow("no width: nothing") << QList<int>{10, 10, 0, 5} << QPoint() << false << QRect() << 0;
        QTest::newRow("a rectangle") << QList<int>{1, 2, 3, 2} << QPoint() << false << QRect(1, 2, 3, 2) << 0;
        QTest::newRow("omitted edges are the image's Left and Top, sizes Right - Left and Bottom - Top")
            << defaults << QPoint(2, 1) << false << QRect(2, 1, 6, 5) << 0;
        QTest::newRow("the right edge past 16 bits")
            << QList<int>{32767, 0, 1, 1} << QPoint() << false << QRect() << int(vb::err::Overflow);
        QTest::newRow("the bottom edge past 16 bits")
            << QList<int>{0, 1, 1, 32767} << QPoint() << false << QRect() << int(vb::err::Overflow);
        QTest::newRow("no DC: nothing, not even the sum")
            << QList<int>{32767, 0, 1, 1} << QPoint() << true << QRect() << 0;
    }

    // Inverting twice gives back what was there.
    void invert()
    {
        QFETCH(QList<int>, args);
        QFETCH(QPoint, imageCorner);
        QFETCH(bool, released);
        QFETCH(QRect, inverted);
        QFETCH(int, error);
        clsBitmap b;
        b.SetBitmap(6, 8);
        const auto colourAt = [](int x, int y) { return gdi::COLORREF(0x3C5A96 * (x + 1) + 0x0F1E2D * y) & 0xFFFFFF; };
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x)
                gdi::SetPixel(b.hdc(), x, y, colourAt(x, y));
        const QImage before = testing::pixelsOf(b);
        clsBitmapInternals::image(b).left = imageCorner.x();
        clsBitmapInternals::image(b).top = imageCorner.y();
        if (released)
            clsBitmapInternals::release(b);
        const auto invert = [&] { b.Invert(args[0], args[1], args[2], args[3]); };
        QCOMPARE(errorOf(invert), error);
        if (released)
            return;
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x)
                QCOMPARE(gdi::GetPixel(b.hdc(), x, y),
                         inverted.contains(x, y) ? ~colourAt(x, y) & 0xFFFFFF : colourAt(x, y));
        QCOMPARE(errorOf(invert), error);
        QCOMPARE(testing::pixelsOf(b), before);
    }

    void drawRoundRect_data()
    {
        QTest::addColumn<QList<int>>("args"); // intLeft, intTop, intRight, intBottom, intEdgeRadius
        QTest::addColumn<int>("measurement");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("pattern");
        QTest::addColumn<bool>("otherDc"); // drawn into another DC: the image stays white
        QTest::addColumn<QStringList>("rows"); // '#' red, '.' white
        const QStringList plain{"..........", "..#######.", "..#######.", "..#######.",
                                "..#######.", "..#######.", "..#######.", ".........."};
        QTest::newRow("radius 0: a plain rectangle without its right and bottom edges")
            << QList<int>{2, 1, 9, 7, 0} << 1 << 0 << 8 << false << plain;
        QTest::newRow("the solid style takes no hatch") << QList<int>{2, 1, 9, 7, 0} << 1 << 0 << 2 << false << plain;
        QTest::newRow("twips to the nearest pixel") << QList<int>{29, 16, 134, 104, 0} << 0 << 0 << 8 << false << plain;
        QTest::newRow("into another DC") << QList<int>{2, 1, 9, 7, 0} << 1 << 0 << 8 << true << plain;
        QTest::newRow("rounded corners") << QList<int>{0, 0, 10, 8, 6} << 1 << 0 << 8 << false
                                         << QStringList{".########.", "##########", "##########", "##########",
                                                        "##########", "##########", "##########", ".########."};
        QTest::newRow("the hollow style: the outline alone")
            << QList<int>{2, 1, 9, 7, 0} << 1 << 1 << 8 << false
            << QStringList{"..........", "..#######.", "..#.....#.", "..#.....#.",
                           "..#.....#.", "..#.....#.", "..#######.", ".........."};
        QTest::newRow("a style the platform refuses draws nothing")
            << QList<int>{2, 1, 9, 7, 0} << 1 << 3 << 8 << false << QStringList(8, "..........");
    }

    void drawRoundRect()
    {
        QFETCH(QList<int>, args);
        QFETCH(int, measurement);
        QFETCH(int, style);
        QFETCH(int, pattern);
        QFETCH(bool, otherDc);
        QFETCH(QStringList, rows);
        clsBitmap b;
        b.SetBitmap(8, 10, white);
        Canvas other(10, 8, white);
        b.DrawRoundRect(red, args[0], args[1], args[2], args[3], args[4], measurement, style, pattern,
                        otherDc ? other.dc() : 0);
        QCOMPARE(rowsOf(testing::pixelsOf(b), red, blue), otherDc ? QStringList(8, "..........") : rows);
        QCOMPARE(rowsOf(other, red, blue), otherDc ? rows : QStringList(8, ".........."));
    }

    void drawPoly_data()
    {
        QTest::addColumn<QList<int>>("lowerBounds"); // of intX and intY
        QTest::addColumn<QList<int>>("xs");
        QTest::addColumn<QList<int>>("ys");
        QTest::addColumn<int>("borderWidth");
        QTest::addColumn<int>("measurement");
        QTest::addColumn<QStringList>("rows"); // '#' red fill, 'o' blue border, '.' white
        // The border runs round the fill with no gap between them, its far edges included.
        const QStringList triangle{"..........", ".oooooooo.", ".o#####o..", ".o####o...", ".o###o....",
                                   ".o##o.....", ".o#o......", ".oo.......", ".o........", ".........."};
        QTest::newRow("a triangle") << QList<int>{1, 1} << QList<int>{1, 8, 1} << QList<int>{1, 1, 8} << 1 << 1
                                    << triangle;
        QTest::newRow("twips: 29 is pixel 1, the remainder dropped")
            << QList<int>{0, 0} << QList<int>{29, 134, 29} << QList<int>{29, 29, 134} << 1 << 0 << triangle;
        QTest::newRow("a border 3 wide, centred on the outline")
            << QList<int>{0, 0} << QList<int>{2, 7, 7, 2} << QList<int>{2, 2, 7, 7} << 3 << 1
            << QStringList{"..........", ".ooooooo..", ".oooooooo.", ".oooooooo.", ".ooo##ooo.",
                           ".ooo##ooo.", ".oooooooo.", ".ooooooo..", "..ooooo...", ".........."};
        QTest::newRow("lower bounds differ: nothing") << QList<int>{0, 1} << QList<int>{1, 8, 1} << QList<int>{1, 1, 8}
                                                      << 1 << 1 << QStringList(10, "..........");
        QTest::newRow("upper bounds differ: nothing")
            << QList<int>{0, 0} << QList<int>{1, 8, 1} << QList<int>{1, 1, 8, 8} << 1 << 1
            << QStringList(10, "..........");
    }

    void drawPoly()
    {
        QFETCH(QList<int>, lowerBounds);
        QFETCH(QList<int>, xs);
        QFETCH(QList<int>, ys);
        QFETCH(int, borderWidth);
        QFETCH(int, measurement);
        QFETCH(QStringList, rows);
        clsBitmap b;
        b.SetBitmap(10, 10, white);
        const vb::Array<Int16> intX = array(lowerBounds[0], xs), intY = array(lowerBounds[1], ys);
        b.DrawPoly(intX, intY, red, blue, borderWidth, measurement);
        QCOMPARE(rowsOf(testing::pixelsOf(b), red, blue), rows);
    }

    void shapesLeaveNoObjectsBehind_data()
    {
        QTest::addColumn<std::function<void(clsBitmap&, gdi::HDC)>>("operation");
        using F = std::function<void(clsBitmap&, gdi::HDC)>;
        QTest::newRow("DrawRoundRect") << F([](clsBitmap& b, gdi::HDC) { b.DrawRoundRect(red, 1, 1, 30, 20, 8); });
        QTest::newRow("DrawRoundRect, another DC") << F([](clsBitmap& b, gdi::HDC other) {
            b.DrawRoundRect(red, 1, 1, 30, 20, 8, clsBitmap::Pixels, gdi::BS_HATCHED, gdi::HS_CROSS, other);
        });
        QTest::newRow("DrawRoundRect, a refused style")
            << F([](clsBitmap& b, gdi::HDC) { b.DrawRoundRect(red, 1, 1, 30, 20, 8, clsBitmap::Pixels, 3); });
        QTest::newRow("Invert") << F([](clsBitmap& b, gdi::HDC) { b.Invert(); });
        QTest::newRow("DrawPoly") << F([](clsBitmap& b, gdi::HDC) {
            b.DrawPoly(array(0, {0, 40, 20}), array(0, {0, 0, 30}), red, blue, 4);
        });
    }

    void shapesLeaveNoObjectsBehind()
    {
        QFETCH(std::function<void(clsBitmap&, gdi::HDC)>, operation);
        Canvas other(40, 30, white);
        clsBitmap b;
        b.SetBitmap(30, 40, white);
        const gdi::HandleStats before = testing::counts();
        const auto selected = testing::selection(b.hdc());
        const auto otherSelected = testing::selection(other.dc());
        operation(b, other.dc());
        QCOMPARE(testing::counts(), before);
        QCOMPARE(testing::selection(b.hdc()), selected);
        QCOMPARE(testing::selection(other.dc()), otherSelected);
    }
};

QTEST_MAIN(TestClsBitmapShapes)
#include "tst_clsbitmap_shapes.moc"
