// Constant-alpha blending, filled polygons and text measures through handles.
#include "platform/gdi/Gdi.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestSupport.h"

#include <QTest>

#include <climits>
#include <cstring>
#include <vector>

using testing::blended;
using testing::Canvas;
using testing::rowsOf;
using testing::Selected;

class TestGdiBlend : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }

    void alphaBlend_data()
    {
        QTest::addColumn<QList<int>>("rect"); // x, y, width, height, sx, sy, source width, source height
        QTest::addColumn<uint32_t>("blend");
        QTest::addColumn<bool>("sameDc");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QRect>("written"); // on the 6 x 4 destination; (0, 0) of it takes source (sx, sy)
        const uint32_t half = gdi::blendFunction(100);
        const QList<int> whole{0, 0, 6, 4, 0, 0, 6, 4};
        const auto row = [&](const char* name, QList<int> rect, bool sameDc, QRect written, uint32_t blend) {
            QTest::newRow(name) << rect << blend << sameDc << true << written;
        };
        row("alpha from the third byte", {1, 1, 3, 2, 2, 1, 3, 2}, false, {1, 1, 3, 2}, half);
        row("clipped at the right and bottom", {4, 2, 3, 3, 0, 0, 3, 3}, false, {4, 2, 2, 2}, gdi::blendFunction(255));
        row("clipped at the left", {-2, 0, 4, 1, 1, 0, 4, 1}, false, {-2, 0, 4, 1}, half);
        row("near the end of the int range nothing wraps", {INT_MAX - 1, 0, 3, 1, 0, 0, 3, 1}, false, {}, half);
        row("alpha 0 leaves the destination", whole, false, {}, gdi::blendFunction(0));
        row("same bitmap, apart", {0, 0, 2, 2, 3, 2, 2, 2}, true, {0, 0, 2, 2}, half);
        const auto refused = [&](const char* name, QList<int> rect, bool sameDc, uint32_t blend) {
            QTest::newRow(name) << rect << blend << sameDc << false << QRect();
        };
        refused("refused: same bitmap, overlapping", {0, 0, 3, 3, 1, 1, 3, 3}, true, half);
        refused("refused: source beyond its bitmap", {0, 0, 3, 1, 4, 0, 3, 1}, false, half);
        refused("refused: source before its bitmap", {0, 0, 3, 1, -1, 0, 3, 1}, false, half);
        refused("refused: source end past the int range", {0, 0, 3, 1, INT_MAX - 1, 0, 3, 1}, false, half);
        refused("refused: scaled", {0, 0, 4, 4, 0, 0, 2, 2}, false, half);
        refused("refused: negative size", {3, 3, -2, -2, 3, 3, -2, -2}, false, half);
        refused("refused: per-pixel alpha", whole, false, gdi::blendFunction(100, gdi::AC_SRC_ALPHA));
        refused("refused: flags", whole, false, half | 0x100);
        refused("refused: another operation", whole, false, half | 1);
    }

    // Random pixels both sides: every written pixel is its own blend of the source pixel behind it,
    // every other pixel is as it was.
    void alphaBlend()
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
        for (int i = 0; i < 24; ++i)
            before << dst.at(i % 6, i / 6), source << src.at(i % 6, i / 6);
        QCOMPARE(gdi::AlphaBlend(dst.dc(), rect[0], rect[1], rect[2], rect[3], src.dc(), rect[4], rect[5], rect[6],
                                 rect[7], blend),
                 result);
        for (int i = 0; i < 24; ++i) {
            const int x = i % 6, y = i / 6;
            if (!written.contains(x, y)) {
                QCOMPARE(dst.at(x, y), before[i]);
                continue;
            }
            const int sx = rect[4] + x - written.x(), sy = rect[5] + y - written.y();
            QCOMPARE(dst.at(x, y), blended(before[i], source[sy * 6 + sx], blend >> 16 & 0xFF));
        }
    }

    void polygon_data()
    {
        using Points = std::vector<gdi::POINT>;
        QTest::addColumn<Points>("vertices");
        QTest::addColumn<int>("fillMode");
        QTest::addColumn<bool>("pen"); // a black one-pixel pen, else the null pen
        QTest::addColumn<bool>("hollow");
        QTest::addColumn<QStringList>("rows"); // '#' red brush, 'o' black pen, '.' white
        const Points nested{{0, 0}, {8, 0}, {8, 6}, {0, 6}, {0, 0}, {2, 2}, {6, 2}, {6, 4}, {2, 4}, {2, 2}};
        QTest::newRow("alternate leaves the inner square open")
            << nested << gdi::ALTERNATE << false << false
            << QStringList{"########", "########", "##....##", "##....##", "########", "########", "........"};
        QTest::newRow("winding fills it") << nested << gdi::WINDING << false << false
                                          << QStringList(6, QStringLiteral("########")) + QStringList{"........"};
        const Points box{{1, 1}, {5, 1}, {5, 4}, {1, 4}};
        QTest::newRow("the pen draws round the fill, both far edges included")
            << box << gdi::ALTERNATE << true << false
            << QStringList{"........", ".ooooo..", ".o###o..", ".o###o..", ".ooooo..", "........", "........"};
        QTest::newRow("a hollow brush leaves the inside")
            << box << gdi::ALTERNATE << true << true
            << QStringList{"........", ".ooooo..", ".o...o..", ".o...o..", ".ooooo..", "........", "........"};
    }

    void polygon()
    {
        QFETCH(std::vector<gdi::POINT>, vertices);
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
        QVERIFY(gdi::Polygon(canvas.dc(), vertices.data(), static_cast<int>(vertices.size())));
        QCOMPARE(rowsOf(canvas, 0xFF, 0), rows);
        QVERIFY(!gdi::Polygon(canvas.dc(), vertices.data(), 1));
    }

    void textExtent_data()
    {
        QTest::addColumn<int>("height"); // of the logical font; 0 selects none
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("no text, the line's height") << -16 << QByteArray();
        QTest::newRow("one word") << -16 << QByteArray("Zenvortali");
        QTest::newRow("a larger font") << -40 << QByteArray("Zenvortali");
        QTest::newRow("the DC's own font") << 0 << QByteArray("Zenvortali");
    }

    // The extent is the one line DrawTextA draws: the same height, and as wide as its ink at the most.
    void textExtent()
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
};

QTEST_MAIN(TestGdiBlend)
#include "tst_gdi_blend.moc"
