// Rounded rectangles, inverted rectangles and the screen's capabilities, on exact pixels.
#include "platform/gdi/Gdi.h"
#include "tests/support/Canvas.h"

#include <QTest>

#include <climits>

using testing::Canvas;
using testing::rowsOf;
using testing::Selected;

Q_DECLARE_METATYPE(gdi::RECT)

class TestGdiShapes : public QObject {
    Q_OBJECT
private slots:
    void roundRect_data()
    {
        QTest::addColumn<QList<int>>("args"); // left, top, right, bottom, corner width, corner height
        QTest::addColumn<bool>("pen"); // a black one-pixel pen, else the null pen
        QTest::addColumn<bool>("hollow");
        QTest::addColumn<QStringList>("rows"); // '#' red brush, 'o' black pen, '.' white
        const QStringList square{"..........", ".oooooo...", ".o####o...", ".o####o...",
                                 ".o####o...", ".oooooo...", "..........", ".........."};
        QTest::newRow("square corners leave the right and bottom edges out")
            << QList<int>{1, 1, 7, 6, 0, 0} << true << false << square;
        QTest::newRow("the wrong way round") << QList<int>{7, 6, 1, 1, 0, 0} << true << false << square;
        QTest::newRow("a corner under 2 x 2 stays square") << QList<int>{1, 1, 7, 6, 1, 5} << true << false << square;
        QTest::newRow("round corners") << QList<int>{0, 0, 10, 8, 6, 6} << true << false
                                       << QStringList{".oooooooo.", "oo######oo", "o########o", "o########o",
                                                      "o########o", "o########o", "oo######oo", ".oooooooo."};
        QTest::newRow("a corner as large as the rectangle makes an ellipse")
            << QList<int>{0, 0, 10, 7, 40, 40} << true << false
            << QStringList{"..oooooo..", ".oo####oo.", "oo######oo", "o########o",
                           "oo######oo", ".oo####oo.", "..oooooo..", ".........."};
        QTest::newRow("the null pen leaves one pixel less")
            << QList<int>{0, 0, 10, 8, 6, 6} << false << false
            << QStringList{".#######..", "#########.", "#########.", "#########.",
                           "#########.", "#########.", ".#######..", ".........."};
        QTest::newRow("a hollow brush leaves the inside")
            << QList<int>{0, 0, 10, 8, 6, 6} << true << true
            << QStringList{".oooooooo.", "oo......oo", "o........o", "o........o",
                           "o........o", "o........o", "oo......oo", ".oooooooo."};
        QTest::newRow("one column") << QList<int>{3, 1, 4, 5, 0, 0} << true << false
                                    << QStringList{"..........", "...o......", "...o......", "...o......",
                                                   "...o......", "..........", "..........", ".........."};
        QTest::newRow("one pixel") << QList<int>{3, 1, 4, 2, 0, 0} << true << false
                                   << QStringList{"..........", "...o......"} + QStringList(6, "..........");
        QTest::newRow("empty") << QList<int>{3, 1, 3, 6, 2, 2} << true << false << QStringList(8, "..........");
        QTest::newRow("far larger than the DC: its inside fills it")
            << QList<int>{INT_MIN, -1, INT_MAX, INT_MAX, INT_MAX, INT_MIN} << true << false
            << QStringList(8, "##########");
    }

    void roundRect()
    {
        QFETCH(QList<int>, args);
        QFETCH(bool, pen);
        QFETCH(bool, hollow);
        QFETCH(QStringList, rows);
        Canvas canvas(10, 8, 0xFFFFFF);
        const gdi::LOGBRUSH brushRecord{hollow ? gdi::BS_HOLLOW : gdi::BS_SOLID, 0xFF, 0};
        const gdi::LOGPEN penRecord{pen ? gdi::PS_SOLID : gdi::PS_NULL, {1, 0}, 0};
        const Selected brush(canvas.dc(), gdi::CreateBrushIndirect(&brushRecord));
        const Selected outline(canvas.dc(), gdi::CreatePenIndirect(&penRecord));
        QVERIFY(gdi::RoundRect(canvas.dc(), args[0], args[1], args[2], args[3], args[4], args[5]));
        QCOMPARE(rowsOf(canvas, 0xFF, 0), rows);
        QVERIFY(!gdi::RoundRect(0, 0, 0, 5, 5, 0, 0));
    }

    void invertRect_data()
    {
        QTest::addColumn<gdi::RECT>("rect");
        QTest::addColumn<QRect>("inverted"); // on the 6 x 4 canvas
        QTest::newRow("right and bottom edges left out") << gdi::RECT{1, 1, 4, 3} << QRect(1, 1, 3, 2);
        QTest::newRow("the wrong way round") << gdi::RECT{4, 3, 1, 1} << QRect(1, 1, 3, 2);
        QTest::newRow("no width") << gdi::RECT{2, 0, 2, 4} << QRect();
        QTest::newRow("clipped, nothing wraps") << gdi::RECT{INT_MIN, 2, INT_MAX, INT_MAX} << QRect(0, 2, 6, 2);
    }

    // Every bit of each pixel's colour flips, so each of the 24 shows in some pixel of the pattern.
    void invertRect()
    {
        QFETCH(gdi::RECT, rect);
        QFETCH(QRect, inverted);
        Canvas canvas(6, 4);
        const auto colourAt = [](int x, int y) { return gdi::COLORREF(0x010204 * (x + 1) * (y + 7) ^ 0xA5F00F << x); };
        canvas.paint([&](int x, int y) { return colourAt(x, y) & 0xFFFFFF; });
        QVERIFY(gdi::InvertRect(canvas.dc(), &rect));
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                QCOMPARE(canvas.at(x, y), (inverted.contains(x, y) ? ~colourAt(x, y) : colourAt(x, y)) & 0xFFFFFF);
        QVERIFY(!gdi::InvertRect(canvas.dc(), nullptr));
        QVERIFY(!gdi::InvertRect(0, &rect));
    }

    // A true-colour screen: no palette device and no palette, for the screen and a memory DC alike.
    void deviceCaps()
    {
        const gdi::HDC screen = gdi::GetDC(0);
        const gdi::HDC memory = gdi::CreateCompatibleDC(screen);
        for (gdi::HDC dc : {screen, memory}) {
            const int caps = gdi::GetDeviceCaps(dc, gdi::RASTERCAPS);
            QCOMPARE(caps & (gdi::RC_BITBLT | gdi::RC_STRETCHBLT | gdi::RC_PALETTE),
                     gdi::RC_BITBLT | gdi::RC_STRETCHBLT);
            QCOMPARE(gdi::GetDeviceCaps(dc, gdi::SIZEPALETTE), 0);
        }
        gdi::DeleteDC(memory);
        gdi::ReleaseDC(0, screen);
        QCOMPARE(gdi::GetDeviceCaps(memory, gdi::RASTERCAPS), 0);
    }
};

QTEST_MAIN(TestGdiShapes)
#include "tst_gdi_shapes.moc"
