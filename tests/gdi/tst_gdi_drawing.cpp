// Lines and text drawn through QPainter on a DC's own pixels.
#include "platform/gdi/Gdi.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestSupport.h"

#include <QTest>

#include <cstring>

using testing::Canvas;
using testing::inkBounds;
using testing::Selected;

namespace {

const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);

gdi::HPEN pen(uint32_t style, int width, gdi::COLORREF colour)
{
    const gdi::LOGPEN record{style, {width, 0}, colour};
    return gdi::CreatePenIndirect(&record);
}

struct FontChoice {
    int height = -16;
    int escapement = 0;
    int weight = gdi::FW_NORMAL;
    bool underline = false;
};

gdi::HFONT font(const FontChoice& choice = {})
{
    gdi::LOGFONTA lf;
    lf.lfHeight = choice.height;
    lf.lfEscapement = choice.escapement;
    lf.lfWeight = choice.weight;
    lf.lfUnderline = choice.underline ? 255 : 0;
    lf.lfQuality = gdi::PROOF_QUALITY;
    std::strcpy(lf.lfFaceName, "DejaVu Sans");
    return gdi::CreateFontIndirectA(&lf);
}

QImage picture(const QStringList& rows)
{
    QImage image(static_cast<int>(rows.first().size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, rows[y][x] == u'#' ? white : black);
    return image;
}

// White text on black, transparent background, into a fresh canvas; returns the pixels.
QImage text(const QByteArray& bytes, gdi::RECT rect, uint32_t format, const FontChoice& choice = {},
            QSize size = {120, 100}, int* height = nullptr)
{
    Canvas canvas(size.width(), size.height());
    const Selected f(canvas.dc(), font(choice));
    gdi::SetBkMode(canvas.dc(), gdi::TRANSPARENT);
    gdi::SetTextColor(canvas.dc(), 0xFFFFFF);
    const int h = gdi::DrawTextA(canvas.dc(), bytes.constData(), static_cast<int>(bytes.size()), &rect, format);
    if (height)
        *height = h;
    return gdi::snapshot(canvas.dc());
}

int inkCount(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != black;
    return n;
}

} // namespace

class TestGdiDrawing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }
    void thinLinesLeaveOutTheirLastPixel_data();
    void thinLinesLeaveOutTheirLastPixel();
    void geometricPensHaveWidth();
    void dashedLinesFillTheirGapsOnlyWhenOpaque();
    void aNullPenDrawsNothing();
    void multiLineTextRunsFromTheTop();
    void singleLineTextIsCentredVertically();
    void horizontalAlignment_data();
    void horizontalAlignment();
    void textIsClippedToItsRectangle();
    void textKeepsTwoColoursUnlessOpaque();
    void prefixCharacters();
    void escapementTurnsTheText();
    void fontRecordShapesTheGlyphs();
    void textBytesAreTheTurkishCodePage();
};

void TestGdiDrawing::thinLinesLeaveOutTheirLastPixel_data()
{
    QTest::addColumn<uint32_t>("style");
    QTest::addColumn<int>("width");
    QTest::newRow("cosmetic") << gdi::PS_COSMETIC << 1;
    QTest::newRow("geometric, width 1") << gdi::PS_GEOMETRIC << 1;
    QTest::newRow("geometric, width 0") << gdi::PS_GEOMETRIC << 0;
    QTest::newRow("cosmetic ignores width") << gdi::PS_COSMETIC << 5;
}

void TestGdiDrawing::thinLinesLeaveOutTheirLastPixel()
{
    QFETCH(uint32_t, style);
    QFETCH(int, width);
    Canvas canvas(9, 6);
    const Selected p(canvas.dc(), pen(style, width, 0xFFFFFF));
    const gdi::POINT corner[3] = {{1, 1}, {6, 1}, {6, 4}};
    QVERIFY(gdi::Polyline(canvas.dc(), corner, 3));
    QCOMPARE(gdi::snapshot(canvas.dc()),
             picture({".........", ".######..", "......#..", "......#..", ".........", "........."}));
}

void TestGdiDrawing::geometricPensHaveWidth()
{
    Canvas canvas(12, 9);
    const Selected p(canvas.dc(), pen(gdi::PS_GEOMETRIC, 3, 0xFFFFFF));
    const gdi::POINT line[2] = {{3, 4}, {8, 4}};
    QVERIFY(gdi::Polyline(canvas.dc(), line, 2));
    const QImage image = gdi::snapshot(canvas.dc());
    // Three rows thick around y = 4, reaching past the ends by at most the round cap.
    for (int y = 3; y <= 5; ++y)
        QCOMPARE(image.pixel(5, y), white);
    const QRect ink = inkBounds(image, black);
    QCOMPARE(ink.top(), 3);
    QCOMPARE(ink.bottom(), 5);
    QVERIFY(ink.left() >= 1 && ink.right() <= 10);
}

void TestGdiDrawing::dashedLinesFillTheirGapsOnlyWhenOpaque()
{
    for (int mode : {gdi::OPAQUE, gdi::TRANSPARENT}) {
        Canvas canvas(40, 3);
        gdi::SetBkMode(canvas.dc(), mode);
        gdi::SetBkColor(canvas.dc(), 0x0000FF);
        const Selected p(canvas.dc(), pen(gdi::PS_DASH, 1, 0xFFFFFF));
        const gdi::POINT line[2] = {{0, 1}, {40, 1}};
        QVERIFY(gdi::Polyline(canvas.dc(), line, 2));
        QImage row = gdi::snapshot(canvas.dc()).copy(0, 1, 40, 1);
        const QSet<QRgb> expected = mode == gdi::OPAQUE ? QSet<QRgb>{white, qRgb(255, 0, 0)} : QSet<QRgb>{white, black};
        QCOMPARE(testing::coloursIn(row), expected);
    }
}

void TestGdiDrawing::aNullPenDrawsNothing()
{
    Canvas canvas(5, 5);
    const gdi::HGDIOBJ previous = gdi::SelectObject(canvas.dc(), gdi::GetStockObject(gdi::NULL_PEN));
    const gdi::POINT line[2] = {{0, 0}, {4, 4}};
    QVERIFY(gdi::Polyline(canvas.dc(), line, 2));
    QVERIFY(!gdi::Polyline(canvas.dc(), line, 1)); // a line needs two points
    gdi::SelectObject(canvas.dc(), previous);
    QVERIFY(inkBounds(gdi::snapshot(canvas.dc()), black).isNull());
}

// Without the single-line flag the vertical centring is not honoured: the lines run from the
// rectangle's top, each centred across it.
void TestGdiDrawing::multiLineTextRunsFromTheTop()
{
    int height = 0;
    const QImage image =
        text("HH\r\nHHHH", {10, 10, 110, 90}, gdi::DT_CENTER | gdi::DT_VCENTER, {}, {120, 100}, &height);
    const int line = height / 2;
    QVERIFY2(line >= 14 && line <= 24, qPrintable(QString::number(line)));
    const QRect first = inkBounds(image, black, QRect(0, 10, 120, line));
    const QRect second = inkBounds(image, black, QRect(0, 10 + line, 120, line));
    QVERIFY(!first.isNull() && !second.isNull());
    QVERIFY(inkBounds(image, black, QRect(0, 10 + 2 * line, 120, 90 - 2 * line)).isNull());
    QVERIFY(second.width() > first.width() + 5);
    for (const QRect& r : {first, second})
        QVERIFY2(std::abs(r.left() + r.right() + 1 - 120) <= 2,
                 qPrintable(QStringLiteral("%1..%2").arg(r.left()).arg(r.right())));
}

void TestGdiDrawing::singleLineTextIsCentredVertically()
{
    int height = 0;
    const QImage image = text("HH", {0, 0, 120, 100}, gdi::DT_SINGLELINE | gdi::DT_VCENTER, {}, {120, 100}, &height);
    const QRect ink = inkBounds(image, black);
    QVERIFY(std::abs(ink.center().y() - 50) <= 4);
    // The result is the offset of the text's bottom from the rectangle's top.
    QVERIFY(height > 50 && height < 65);
}

void TestGdiDrawing::horizontalAlignment_data()
{
    QTest::addColumn<uint32_t>("format");
    QTest::addColumn<int>("expectedLeft");
    QTest::addColumn<int>("expectedRight");
    QTest::newRow("left") << gdi::DT_LEFT << 20 << -1;
    QTest::newRow("centre") << gdi::DT_CENTER << -1 << -1;
    QTest::newRow("right") << gdi::DT_RIGHT << -1 << 99;
}

void TestGdiDrawing::horizontalAlignment()
{
    QFETCH(uint32_t, format);
    QFETCH(int, expectedLeft);
    QFETCH(int, expectedRight);
    const QRect ink = inkBounds(text("HHH", {20, 0, 100, 40}, format), black);
    // An H stands a pixel or two off its advance box on either side.
    if (expectedLeft >= 0)
        QVERIFY(ink.left() >= expectedLeft && ink.left() <= expectedLeft + 3);
    if (expectedRight >= 0)
        QVERIFY(ink.right() <= expectedRight && ink.right() >= expectedRight - 3);
    if (expectedLeft < 0 && expectedRight < 0)
        QVERIFY(std::abs(ink.left() - 20 - (99 - ink.right())) <= 2);
}

void TestGdiDrawing::textIsClippedToItsRectangle()
{
    const QByteArray longText("HHHHHHHHHHHHHHHH");
    const QRect inside = inkBounds(text(longText, {10, 10, 30, 20}, 0), black);
    QVERIFY(!inside.isNull());
    QVERIFY(QRect(10, 10, 20, 10).contains(inside));
    QVERIFY(inside.right() == 29); // cut at the edge, not before it
    const QRect unclipped = inkBounds(text(longText, {10, 10, 30, 20}, gdi::DT_NOCLIP), black);
    QVERIFY(unclipped.right() > 60 && unclipped.bottom() > 20);
}

void TestGdiDrawing::textKeepsTwoColoursUnlessOpaque()
{
    const QImage transparent = text("Zenvortali Ş", {0, 0, 120, 40}, 0);
    QCOMPARE(testing::coloursIn(transparent), (QSet<QRgb>{black, white}));

    Canvas canvas(120, 40);
    const Selected f(canvas.dc(), font());
    gdi::SetBkMode(canvas.dc(), gdi::OPAQUE);
    gdi::SetBkColor(canvas.dc(), 0xFF0000);
    gdi::SetTextColor(canvas.dc(), 0xFFFFFF);
    gdi::RECT rect{0, 0, 120, 40};
    QVERIFY(gdi::DrawTextA(canvas.dc(), "I", 1, &rect, 0) > 0);
    const QImage opaque = gdi::snapshot(canvas.dc());
    QCOMPARE(testing::coloursIn(opaque), (QSet<QRgb>{black, white, qRgb(0, 0, 255)}));
    QCOMPARE(opaque.pixel(0, 0), qRgb(0, 0, 255)); // the line's box behind the glyph
    QCOMPARE(opaque.pixel(100, 0), black); // beyond it nothing
}

void TestGdiDrawing::prefixCharacters()
{
    const gdi::RECT r{0, 0, 120, 40};
    QCOMPARE(text("A&&B", r, 0), text("A&B", r, gdi::DT_NOPREFIX));
    const QImage marked = text("&AB", r, 0), plain = text("AB", r, 0);
    QVERIFY(marked != plain);
    // The two differ only by the underline below the A: one row under the glyphs, from the A's
    // start, not as far as the end of the B.
    const QRect difference = [&] {
        QRect d;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x)
                if (marked.pixel(x, y) != plain.pixel(x, y))
                    d |= QRect(x, y, 1, 1);
        return d;
    }();
    QCOMPARE(difference.height(), 1);
    const QRect glyphs = inkBounds(plain, black);
    QCOMPARE(difference.left(), glyphs.left());
    QVERIFY(difference.top() > glyphs.bottom());
    QVERIFY(difference.right() < glyphs.right() - 3);
}

void TestGdiDrawing::escapementTurnsTheText()
{
    const QRect level = inkBounds(text("HHHHHH", {0, 0, 120, 100}, 0, {}), black);
    QVERIFY(level.width() > 2 * level.height());
    FontChoice up;
    up.escapement = 900; // a quarter turn counter-clockwise: the text runs upwards
    const QRect turned = inkBounds(text("HHHHHH", {20, 90, 120, 100}, gdi::DT_NOCLIP, up), black);
    QVERIFY(turned.height() > 2 * turned.width());
    QVERIFY(turned.bottom() <= 90 + 2 && turned.top() < 60);
}

void TestGdiDrawing::fontRecordShapesTheGlyphs()
{
    const gdi::RECT r{0, 0, 120, 100};
    const QImage plain = text("HH", r, 0);
    FontChoice bold;
    bold.weight = gdi::FW_BOLD;
    QVERIFY(inkCount(text("HH", r, 0, bold)) > inkCount(plain) + 10);
    FontChoice underlined;
    underlined.underline = true;
    QVERIFY(inkBounds(text("HH", r, 0, underlined), black).bottom() > inkBounds(plain, black).bottom());
    FontChoice large;
    large.height = -32;
    const double ratio = double(inkBounds(text("HH", r, 0, large), black).height()) / inkBounds(plain, black).height();
    QVERIFY2(ratio > 1.8 && ratio < 2.2, qPrintable(QString::number(ratio)));
}

// 0xDE is Ş in the Turkish code page (with a cedilla below the line); in Latin-1 it would be Þ.
void TestGdiDrawing::textBytesAreTheTurkishCodePage()
{
    const gdi::RECT r{0, 0, 120, 100};
    QVERIFY(inkBounds(text("\xDE", r, 0), black).bottom() > inkBounds(text("S", r, 0), black).bottom());
    // The count limits what is drawn; -1 reads up to the terminating zero.
    const auto drawn = [](const char* bytes, int count) {
        Canvas canvas(120, 40);
        const Selected f(canvas.dc(), font());
        gdi::SetTextColor(canvas.dc(), 0xFFFFFF);
        gdi::SetBkMode(canvas.dc(), gdi::TRANSPARENT);
        gdi::RECT rect{0, 0, 120, 40};
        gdi::DrawTextA(canvas.dc(), bytes, count, &rect, 0);
        return gdi::snapshot(canvas.dc());
    };
    QCOMPARE(drawn("HHHH", 2), drawn("HH", -1));
    QVERIFY(drawn("HHHH", 3) != drawn("HH", -1));
}

QTEST_MAIN(TestGdiDrawing)
#include "tst_gdi_drawing.moc"
