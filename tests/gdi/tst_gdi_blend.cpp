// Constant-alpha blending, filled polygons and text measures through handles.
#include "platform/gdi/Gdi.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestSupport.h"

#include <QTest>

#include <climits>
#include <cmath>
#include <cstring>

using testing::blended;
using testing::Canvas;
using testing::rowsOf;
using testing::Selected;

class TestGdiBlend : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }
    void alphaBlend_data();
    void alphaBlend();
    void polygon_data();
    void polygon();
    void textExtent_data();
    void textExtent();
};

void TestGdiBlend::alphaBlend_data()
{
    QTest::addColumn<QList<int>>("rect"); // x, y, width, height, sx, sy, source width, source height
    QTest::addColumn<uint32_t>("blend");
    QTest::addColumn<bool>("sameDc");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QRect>("written"); // on the 6 x 4 destination; (0, 0) of it takes source (sx, sy)
    const uint32_t half = gdi::blendFunction(100);
    QTest::newRow("alpha from the third byte")
        << QList<int>{1, 1, 3, 2, 2, 1, 3, 2} << half << false << true << QRect(1, 1, 3, 2);
    QTest::newRow("clipped at the right and bottom")
        << QList<int>{4, 2, 3, 3, 0, 0, 3, 3} << gdi::blendFunction(255) << false << true << QRect(4, 2, 2, 2);
    QTest::newRow("clipped at the left") << QList<int>{-2, 0, 4, 1, 1, 0, 4, 1} << half << false << true
                                         << QRect(-2, 0, 4, 1);
    QTest::newRow("near the end of the int range nothing wraps")
        << QList<int>{INT_MAX - 1, 0, 3, 1, 0, 0, 3, 1} << half << false << true << QRect();
    QTest::newRow("alpha 0 leaves the destination")
        << QList<int>{0, 0, 6, 4, 0, 0, 6, 4} << gdi::blendFunction(0) << false << true << QRect();
    QTest::newRow("same bitmap, apart") << QList<int>{0, 0, 2, 2, 3, 2, 2, 2} << half << true << true
                                        << QRect(0, 0, 2, 2);
    const QList<int> whole{0, 0, 6, 4, 0, 0, 6, 4};
    QTest::newRow("refused: same bitmap, overlapping")
        << QList<int>{0, 0, 3, 3, 1, 1, 3, 3} << half << true << false << QRect();
    QTest::newRow("refused: source beyond its bitmap")
        << QList<int>{0, 0, 3, 1, 4, 0, 3, 1} << half << false << false << QRect();
    QTest::newRow("refused: source before its bitmap")
        << QList<int>{0, 0, 3, 1, -1, 0, 3, 1} << half << false << false << QRect();
    QTest::newRow("refused: source end past the int range")
        << QList<int>{0, 0, 3, 1, INT_MAX - 1, 0, 3, 1} << half << false << false << QRect();
    QTest::newRow("refused: scaled") << QList<int>{0, 0, 4, 4, 0, 0, 2, 2} << half << false << false << QRect();
    QTest::newRow("refused: negative size")
        << QList<int>{3, 3, -2, -2, 3, 3, -2, -2} << half << false << false << QRect();
    QTest::newRow("refused: per-pixel alpha")
        << whole << gdi::blendFunction(100, gdi::AC_SRC_ALPHA) << false << false << QRect();
    QTest::newRow("refused: flags") << whole << (half | 0x100) << false << false << QRect();
    QTest::newRow("refused: another operation") << whole << (half | 1) << false << false << QRect();
}

// Random pixels both sides: every written pixel is its own blend of the source pixel behind it,
// every other pixel is as it was.
void TestGdiBlend::alphaBlend()
{
    QFETCH(QList<int>, rect);
    QFETCH(uint32_t, blend);
    QFETCH(bool, sameDc);
    QFETCH(bool, result);
    QFETCH(QRect, written);
    std::mt19937 random(7);
    Canvas dst(6, 4), other(6, 4);
    dst.randomise(random);
    other.randomise(random);
    const Canvas& src = sameDc ? dst : other;
    QList<gdi::COLORREF> before, source;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            before << dst.at(x, y);
            source << src.at(x, y);
        }
    QCOMPARE(gdi::AlphaBlend(dst.dc(), rect[0], rect[1], rect[2], rect[3], src.dc(), rect[4], rect[5], rect[6], rect[7],
                             blend),
             result);
    const int alpha = blend >> 16 & 0xFF;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            gdi::COLORREF expected = before[y * 6 + x];
            if (written.contains(x, y)) {
                const int sx = rect[4] + x - written.x(), sy = rect[5] + y - written.y();
                expected = blended(expected, source[sy * 6 + sx], alpha);
            }
            QCOMPARE(dst.at(x, y), expected);
        }
}

void TestGdiBlend::polygon_data()
{
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<int>("fillMode");
    QTest::addColumn<bool>("pen"); // a black one-pixel pen, else the null pen
    QTest::addColumn<bool>("hollow");
    QTest::addColumn<QStringList>("rows"); // '#' red brush, 'o' black pen, '.' white
    const QList<QPoint> nested{{0, 0}, {8, 0}, {8, 6}, {0, 6}, {0, 0}, {2, 2}, {6, 2}, {6, 4}, {2, 4}, {2, 2}};
    QTest::newRow("alternate leaves the inner square open")
        << nested << gdi::ALTERNATE << false << false
        << QStringList{"########", "########", "##....##", "##....##", "########", "########", "........"};
    QTest::newRow("winding fills it") << nested << gdi::WINDING << false << false
                                      << QStringList(6, QStringLiteral("########")) + QStringList{"........"};
    QTest::newRow("the pen draws round the fill, both far edges included")
        << QList<QPoint>{{1, 1}, {5, 1}, {5, 4}, {1, 4}} << gdi::ALTERNATE << true << false
        << QStringList{"........", ".ooooo..", ".o###o..", ".o###o..", ".ooooo..", "........", "........"};
    QTest::newRow("a hollow brush leaves the inside")
        << QList<QPoint>{{1, 1}, {5, 1}, {5, 4}, {1, 4}} << gdi::ALTERNATE << true << true
        << QStringList{"........", ".ooooo..", ".o...o..", ".o...o..", ".ooooo..", "........", "........"};
}

void TestGdiBlend::polygon()
{
    QFETCH(QList<QPoint>, points);
    QFETCH(int, fillMode);
    QFETCH(bool, pen);
    QFETCH(bool, hollow);
    QFETCH(QStringList, rows);
    Canvas canvas(8, 7, 0xFFFFFF);
    QCOMPARE(gdi::GetPolyFillMode(canvas.dc()), gdi::ALTERNATE);
    QCOMPARE(gdi::SetPolyFillMode(canvas.dc(), 3), 0);
    QCOMPARE(gdi::SetPolyFillMode(canvas.dc(), fillMode), gdi::ALTERNATE);
    const gdi::LOGBRUSH brushRecord{hollow ? gdi::BS_HOLLOW : gdi::BS_SOLID, 0xFF, 0};
    const gdi::LOGPEN penRecord{pen ? gdi::PS_SOLID : gdi::PS_NULL, {1, 0}, 0};
    const Selected brush(canvas.dc(), gdi::CreateBrushIndirect(&brushRecord));
    const Selected outline(canvas.dc(), gdi::CreatePenIndirect(&penRecord));
    std::vector<gdi::POINT> vertices;
    for (const QPoint& p : points)
        vertices.push_back({p.x(), p.y()});
    QVERIFY(gdi::Polygon(canvas.dc(), vertices.data(), static_cast<int>(vertices.size())));
    QCOMPARE(rowsOf(canvas, 0xFF, 0), rows);
    QVERIFY(!gdi::Polygon(canvas.dc(), vertices.data(), 1));
}

void TestGdiBlend::textExtent_data()
{
    QTest::addColumn<int>("height"); // of the logical font; 0 selects none
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("no text, the line's height") << -16 << QByteArray();
    QTest::newRow("one word") << -16 << QByteArray("Zenvortali");
    QTest::newRow("a larger font") << -40 << QByteArray("Zenvortali");
    QTest::newRow("the DC's own font") << 0 << QByteArray("Zenvortali");
}

// The extent is the one line DrawTextA draws: the same height, and as wide as its ink at the most.
void TestGdiBlend::textExtent()
{
    QFETCH(int, height);
    QFETCH(QByteArray, text);
    Canvas canvas(300, 80);
    std::optional<Selected> font;
    if (height != 0) {
        gdi::LOGFONTA lf;
        lf.lfHeight = height;
        std::strcpy(lf.lfFaceName, "DejaVu Sans");
        font.emplace(canvas.dc(), gdi::CreateFontIndirectA(&lf));
    }
    gdi::SIZE size{-1, -1};
    QVERIFY(gdi::GetTextExtentPoint32A(canvas.dc(), text.constData(), static_cast<int>(text.size()), &size));
    gdi::SetTextColor(canvas.dc(), 0xFFFFFF);
    gdi::RECT rect{0, 0, 300, 80};
    const int lineHeight =
        gdi::DrawTextA(canvas.dc(), text.constData(), static_cast<int>(text.size()), &rect, gdi::DT_NOPREFIX);
    QCOMPARE(size.cy, lineHeight);
    const QRect ink = testing::inkBounds(gdi::snapshot(canvas.dc()), qRgb(0, 0, 0));
    if (text.isEmpty())
        QCOMPARE(size.cx, 0);
    else
        QVERIFY2(ink.right() < size.cx && ink.width() > size.cx * 3 / 4,
                 qPrintable(QStringLiteral("%1 wide, ink to %2").arg(size.cx).arg(ink.right())));
    QVERIFY(!gdi::GetTextExtentPoint32A(canvas.dc(), text.constData(), -1, &size));
}

QTEST_MAIN(TestGdiBlend)
#include "tst_gdi_blend.moc"
