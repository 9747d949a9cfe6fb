// The off-screen bitmap's text, lines, gradients and masked merge, on exact pixels.
#include "graphics/clsBitmap.h"
#include "platform/gdi/Gdi.h"
#include "tests/graphics/clsBitmapInternals.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QPalette>
#include <QTest>

#include <cstring>

using testing::Canvas;
using testing::errorOf;
using testing::inkBounds;
using testing::pixelsOf;
using testing::selection;
using vb::Int16;

namespace {

constexpr int32_t systemColour(int index) { return INT32_MIN + index; }
const QRgb black = qRgb(0, 0, 0);
const QRgb blue = qRgb(0, 0, 255);

QFont creditsFont(double points = 11.25)
{
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPointSizeF(points);
    return f;
}

QRgb grey(int level) { return qRgb(level, level, level); }

// The runs of rows holding ink within `area`, top to bottom, each as its bounding rectangle.
QList<QRect> textLines(const QImage& image, const QRect& area)
{
    QList<QRect> lines;
    bool inLine = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRect row = inkBounds(image, black, QRect(area.left(), y, area.width(), 1));
        if (row.isNull()) {
            inLine = false;
            continue;
        }
        if (!inLine)
            lines.append(row);
        else
            lines.last() |= row;
        inLine = true;
    }
    return lines;
}

gdi::LOGFONTA recordOf(gdi::HFONT font)
{
    gdi::LOGFONTA lf;
    gdi::GetObjectA(font, sizeof lf, &lf);
    return lf;
}

} // namespace

class TestClsBitmapDrawing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void drawStringCentresEachLineFromTheTop();
    void drawStringInTwips();
    void drawStringAlignments_data();
    void drawStringAlignments();
    void drawStringLeavesItsSettingsOnTheDc();
    void createLogFont_data();
    void createLogFont();
    void createLogFontLimits();
    void drawLine_data();
    void drawLine();
    void getRGB_data();
    void getRGB();
    void gradientWhiteToBlack();
    void gradientWithLineWidthTwo();
    void gradientLeftToRight();
    void gradientEdgeCases();
    void mergeBitmapsThroughAHalfWhiteMask();
    void mergeBitmapsMixesGreyBitByBit();
    void mergeBitmapsWithEveryValueOmitted();
    void mergeBitmapsWithPlacesAndTwips();
    void operationsLeaveNoObjectsBehind_data();
    void operationsLeaveNoObjectsBehind();
    void sixteenBitOverflow_data();
    void sixteenBitOverflow();
};

void TestClsBitmapDrawing::initTestCase()
{
    testing::initProgramResources();
    const clsBitmap warmUp;
    QCOMPARE(gdi::GetDeviceCaps(warmUp.hdc(), gdi::LOGPIXELSY), 96);
}

// Two lines with alignment 2 (vertical centre, centre): the platform centres vertically only
// single-line text, so the first line sits at the rectangle's top and the second under it.
void TestClsBitmapDrawing::drawStringCentresEachLineFromTheTop()
{
    clsBitmap b;
    b.SetBitmap(120, 200, 0);
    b.DrawString(QStringLiteral("HH\r\nHHHH"), 10, 20, 100, 160, creditsFont(), 0xFFFFFF, 2);
    const QImage image = pixelsOf(b);
    const QList<QRect> lines = textLines(image, image.rect());
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].top() >= 10 && lines[0].top() <= 16, qPrintable(QString::number(lines[0].top())));
    QVERIFY(lines[1].top() < 10 + 50 - lines[1].height()); // above where centring would put it
    QVERIFY(lines[1].width() > lines[0].width() + 5);
    for (const QRect& line : lines)
        QVERIFY(std::abs(line.left() - 20 - (179 - line.right())) <= 2);
    QCOMPARE(testing::coloursIn(image), (QSet<QRgb>{black, qRgb(255, 255, 255)})); // a two-coloured mask
}

// 1500 x 300 twips at 15 twips per pixel: the text is clipped to 100 x 20 pixels.
void TestClsBitmapDrawing::drawStringInTwips()
{
    clsBitmap b;
    b.SetBitmap(60, 200, 0);
    b.DrawString(QString(40, u'H'), 0, 0, 300, 1500, creditsFont(), 0xFFFFFF, 0, 0, clsBitmap::Twips);
    const QRect ink = inkBounds(pixelsOf(b), black);
    QCOMPARE(ink.right(), 99);
    QVERIFY(ink.bottom() <= 19);
    QVERIFY(ink.left() <= 2 && ink.top() <= 6);
}

void TestClsBitmapDrawing::drawStringAlignments_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("side"); // -1 left, 0 centre, 1 right
    QTest::newRow("1: left") << 1 << -1;
    QTest::newRow("2: centre") << 2 << 0;
    QTest::newRow("3: right") << 3 << 1;
    QTest::newRow("0: top left") << 0 << -1;
}

void TestClsBitmapDrawing::drawStringAlignments()
{
    QFETCH(int, alignment);
    QFETCH(int, side);
    clsBitmap b;
    b.SetBitmap(100, 200, 0);
    b.DrawString(QStringLiteral("HHH"), 10, 10, 80, 180, creditsFont(), 0xFFFFFF, alignment);
    const QRect ink = inkBounds(pixelsOf(b), black);
    QVERIFY(ink.top() >= 10 && ink.top() <= 16); // text without the single-line flag starts at the top
    if (side < 0)
        QVERIFY(ink.left() >= 10 && ink.left() <= 13);
    else if (side > 0)
        QVERIFY(ink.right() <= 189 && ink.right() >= 186);
    else
        QVERIFY(std::abs(ink.left() - 10 - (189 - ink.right())) <= 2);
}

void TestClsBitmapDrawing::drawStringLeavesItsSettingsOnTheDc()
{
    clsBitmap b;
    b.SetBitmap(40, 100, 0);
    const auto before = selection(b.hdc());
    const int32_t unresolved = systemColour(gdi::COLOR_WINDOWTEXT) | 0x3300;
    b.DrawString(QStringLiteral("I"), 0, 0, 40, 100, creditsFont(), unresolved, 0);
    QCOMPARE(gdi::GetBkMode(b.hdc()), gdi::TRANSPARENT);
    QCOMPARE(gdi::GetTextColor(b.hdc()), static_cast<gdi::COLORREF>(unresolved));
    QCOMPARE(selection(b.hdc()), before);
    // The colour is used as it is: its low 24 bits, not the system's window-text colour.
    QCOMPARE(testing::coloursIn(pixelsOf(b)), (QSet<QRgb>{black, qRgb(0x08, 0x33, 0)}));
}

void TestClsBitmapDrawing::createLogFont_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<int>("angle");
    QTest::addColumn<QList<int>>("heightEscapementWeight");
    QTest::addColumn<QList<int>>("italicUnderlineStrike");
    const QList<int> plain{0, 0, 0};
    QTest::newRow("11.25 points: 11, -15 pixels at 96 dpi")
        << creditsFont(11.25) << 0 << QList<int>{-15, 0, 400} << plain;
    QTest::newRow("11.5 points round to 12") << creditsFont(11.5) << 0 << QList<int>{-16, 0, 400} << plain;
    QTest::newRow("12.5 points round to 12") << creditsFont(12.5) << 0 << QList<int>{-16, 0, 400} << plain;
    QTest::newRow("angle 450 is 900") << creditsFont() << 450 << QList<int>{-15, 900, 400} << plain;
    QTest::newRow("angle -30 is -300") << creditsFont() << -30 << QList<int>{-15, -300, 400} << plain;
    QFont styled = creditsFont();
    styled.setBold(true);
    styled.setItalic(true);
    styled.setUnderline(true);
    styled.setStrikeOut(true);
    QTest::newRow("bold, italic, underlined, struck")
        << styled << 0 << QList<int>{-15, 0, 700} << QList<int>{255, 255, 255};
    QFont pixels(QStringLiteral("Verdana"));
    pixels.setPixelSize(20); // 15 points on a 96 dpi screen
    QTest::newRow("a font sized in pixels") << pixels << 0 << QList<int>{-20, 0, 400} << plain;
}

void TestClsBitmapDrawing::createLogFont()
{
    QFETCH(QFont, font);
    QFETCH(int, angle);
    QFETCH(QList<int>, heightEscapementWeight);
    QFETCH(QList<int>, italicUnderlineStrike);
    clsBitmap b;
    Canvas other(1, 1);
    const gdi::HFONT previousInOther = gdi::GetCurrentObject(other.dc(), gdi::OBJ_FONT);
    gdi::HFONT previous = 0;
    const gdi::HFONT made = clsBitmapInternals::createLogFont(b, font, previous, other.dc(), Int16::from(angle));
    QCOMPARE(previous, previousInOther);
    QCOMPARE(gdi::GetCurrentObject(other.dc(), gdi::OBJ_FONT), made);
    const gdi::LOGFONTA lf = recordOf(made);
    QCOMPARE((QList<int>{lf.lfHeight, lf.lfEscapement, lf.lfWeight}), heightEscapementWeight);
    QCOMPARE((QList<int>{lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut}), italicUnderlineStrike);
    QCOMPARE((QList<int>{lf.lfWidth, lf.lfOrientation, lf.lfCharSet, lf.lfOutPrecision, lf.lfClipPrecision,
                         lf.lfQuality, lf.lfPitchAndFamily}),
             (QList<int>{0, 0, 1, 0, 0, 2, 0}));
    QCOMPARE(QByteArray(lf.lfFaceName), font.family().toLatin1());
    gdi::SelectObject(other.dc(), previous);
    QVERIFY(gdi::DeleteObject(made));
}

void TestClsBitmapDrawing::createLogFontLimits()
{
    clsBitmap b;
    const gdi::HandleStats before = gdi::handleStats();
    const gdi::HFONT own = gdi::GetCurrentObject(b.hdc(), gdi::OBJ_FONT);
    gdi::HFONT previous = 0;
    // 255 points is the most a byte holds; 255.5 rounds to 256.
    const gdi::HFONT largest = clsBitmapInternals::createLogFont(b, creditsFont(255.4), previous, 0, 0);
    QCOMPARE(recordOf(largest).lfHeight, -340);
    QCOMPARE(gdi::GetCurrentObject(b.hdc(), gdi::OBJ_FONT), largest); // 0 means the image's own DC
    gdi::SelectObject(b.hdc(), previous);
    gdi::DeleteObject(largest);
    QCOMPARE(errorOf([&] { clsBitmapInternals::createLogFont(b, creditsFont(255.5), previous, 0, 0); }),
             vb::err::Overflow);
    // A face name fills at most 31 bytes and its zero.
    QFont longest(QString(31, u'F'));
    longest.setPointSize(10);
    const gdi::HFONT named = clsBitmapInternals::createLogFont(b, longest, previous, 0, 0);
    QCOMPARE(QByteArray(recordOf(named).lfFaceName), QByteArray(31, 'F'));
    gdi::SelectObject(b.hdc(), previous);
    gdi::DeleteObject(named);
    QFont tooLong(QString(32, u'F'));
    tooLong.setPointSize(10);
    QCOMPARE(errorOf([&] { clsBitmapInternals::createLogFont(b, tooLong, previous, 0, 0); }),
             vb::err::SubscriptOutOfRange);
    QCOMPARE(errorOf([&] { b.DrawString(QStringLiteral("x"), 0, 0, 10, 10, tooLong); }), vb::err::SubscriptOutOfRange);
    // Nothing made, nothing left selected.
    QCOMPARE(gdi::GetCurrentObject(b.hdc(), gdi::OBJ_FONT), own);
    QCOMPARE(gdi::handleStats(), before);
}

void TestClsBitmapDrawing::drawLine_data()
{
    QTest::addColumn<QList<int>>("points");
    QTest::addColumn<int32_t>("colour");
    QTest::addColumn<int>("width");
    QTest::addColumn<int32_t>("measurement");
    QTest::addColumn<QRect>("line");
    QTest::addColumn<QRgb>("expected");
    QTest::newRow("pixels") << QList<int>{1, 2, 7, 2} << int32_t(0xFF) << 1 << int32_t(1) << QRect(1, 2, 6, 1)
                            << qRgb(255, 0, 0);
    QTest::newRow("twips") << QList<int>{15, 30, 105, 30} << int32_t(0xFF) << 1 << int32_t(0) << QRect(1, 2, 6, 1)
                           << qRgb(255, 0, 0);
    QTest::newRow("nearest pixel from twips")
        << QList<int>{22, 37, 98, 37} << int32_t(0xFF) << 1 << int32_t(0) << QRect(1, 2, 6, 1) << qRgb(255, 0, 0);
    QTest::newRow("vertical") << QList<int>{4, 0, 4, 5} << int32_t(0xFF00) << 1 << int32_t(1) << QRect(4, 0, 1, 5)
                              << qRgb(0, 255, 0);
    QTest::newRow("a system colour unresolved") << QList<int>{1, 2, 7, 2} << int32_t(systemColour(0xFF)) << 1
                                                << int32_t(1) << QRect(1, 2, 6, 1) << qRgb(255, 0, 0);
    QTest::newRow("width 0 draws one pixel wide")
        << QList<int>{1, 2, 7, 2} << int32_t(0xFF) << 0 << int32_t(1) << QRect(1, 2, 6, 1) << qRgb(255, 0, 0);
}

void TestClsBitmapDrawing::drawLine()
{
    QFETCH(QList<int>, points);
    QFETCH(int32_t, colour);
    QFETCH(int, width);
    QFETCH(int32_t, measurement);
    QFETCH(QRect, line);
    QFETCH(QRgb, expected);
    clsBitmap b;
    b.SetBitmap(6, 10, 0);
    const auto before = selection(b.hdc());
    b.DrawLine(Int16::from(points[0]), Int16::from(points[1]), Int16::from(points[2]), Int16::from(points[3]), colour,
               Int16::from(width), measurement);
    const QImage image = pixelsOf(b);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixel(x, y), line.contains(x, y) ? expected : black);
    QCOMPARE(selection(b.hdc()), before);
}

void TestClsBitmapDrawing::getRGB_data()
{
    QTest::addColumn<int32_t>("colour");
    QTest::addColumn<QList<int>>("expected");
    const QColor face = QApplication::palette().color(QPalette::Button);
    const QList<int> untouched{7, 8, 9};
    QTest::newRow("&H123456") << int32_t(0x123456) << QList<int>{0x56, 0x34, 0x12};
    QTest::newRow("white") << int32_t(0xFFFFFF) << QList<int>{255, 255, 255};
    QTest::newRow("&H8000000F, the button face")
        << systemColour(15) << QList<int>{face.red(), face.green(), face.blue()};
    QTest::newRow("&H8000001C, the last one read") << systemColour(28) << QList<int>{192, 192, 192};
    QTest::newRow("&H8000001D left alone") << systemColour(29) << untouched;
    QTest::newRow("&H1000000 left alone") << int32_t(0x1000000) << untouched;
    QTest::newRow("-&H1000000 left alone") << int32_t(-0x1000000) << untouched;
}

void TestClsBitmapDrawing::getRGB()
{
    QFETCH(int32_t, colour);
    QFETCH(QList<int>, expected);
    clsBitmap b;
    Int16 red = 7, green = 8, blue = 9;
    b.GetRGB(colour, &red, &green, &blue);
    QCOMPARE((QList<int>{red.value(), green.value(), blue.value()}), expected);
    Int16 onlyGreen = 8;
    b.GetRGB(colour, nullptr, &onlyGreen); // every output may be left out
    QCOMPARE(onlyGreen.value(), expected[1]);
}

// White to black over a height of 10: 11 lines at offsets 0 to 10, the colour falling by 25.5 per
// line and rounded halves to even (229.5 to 230, 178.5 to 178).
void TestClsBitmapDrawing::gradientWhiteToBlack()
{
    clsBitmap b;
    b.SetBitmap(14, 12, 0xFF0000);
    b.Gradient(0xFFFFFF, 0, 1, 2, 10, 10);
    const QImage image = pixelsOf(b);
    const int levels[] = {255, 230, 204, 178, 153, 128, 102, 76, 51, 26, 0};
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool onLine = y >= 2 && y <= 12 && x >= 1 && x <= 10;
            QCOMPARE(image.pixel(x, y), onLine ? grey(levels[y - 2]) : blue);
        }
}

// Line width 2 over a height of 5: lines at offsets 0, 2 and 4 only, each two pixels thick, the
// colour falling by 102 per line.
void TestClsBitmapDrawing::gradientWithLineWidthTwo()
{
    clsBitmap b;
    b.SetBitmap(14, 12, 0xFF0000);
    b.Gradient(0xFFFFFF, 0, 0, 4, 12, 5, 0, 2);
    const QImage image = pixelsOf(b);
    const QRgb rows[14] = {blue,     blue,     blue, grey(255), grey(255), grey(153), grey(153),
                           grey(51), grey(51), blue, blue,      blue,      blue,      blue};
    for (int y = 0; y < 14; ++y)
        QCOMPARE(image.pixel(6, y), rows[y]);
}

void TestClsBitmapDrawing::gradientLeftToRight()
{
    clsBitmap b;
    b.SetBitmap(6, 8, 0xFF0000);
    b.Gradient(0, 0xFFFFFF, 2, 1, 4, 3, 1);
    const QImage image = pixelsOf(b);
    const int levels[] = {0, 64, 128, 191, 255}; // 63.75, 127.5, 191.25 to the nearest
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool onLine = x >= 2 && x <= 6 && y >= 1 && y <= 3;
            QCOMPARE(image.pixel(x, y), onLine ? grey(levels[x - 2]) : blue);
        }
}

void TestClsBitmapDrawing::gradientEdgeCases()
{
    clsBitmap b;
    b.SetBitmap(6, 6, 0xFF0000);
    const QImage untouched = pixelsOf(b);
    // A line width of 0 would never move on: nothing is drawn and the call returns.
    b.Gradient(0xFFFFFF, 0, 0, 0, 6, 6, 0, 0);
    QCOMPARE(pixelsOf(b), untouched);
    // No length in the direction, or no direction at all: division by zero.
    QCOMPARE(errorOf([&] { b.Gradient(0xFFFFFF, 0, 0, 0, 6, 0, 0); }), vb::err::DivisionByZero);
    QCOMPARE(errorOf([&] { b.Gradient(0xFFFFFF, 0, 0, 0, 0, 6, 1); }), vb::err::DivisionByZero);
    QCOMPARE(errorOf([&] { b.Gradient(0xFFFFFF, 0, 0, 0, 6, 6, 2); }), vb::err::DivisionByZero);
    QCOMPARE(pixelsOf(b), untouched);
    // A finish colour GetRGB refuses counts as the start colour; a refused start as black.
    b.Gradient(0x00FF00, 0x1000000, 0, 0, 6, 5);
    QCOMPARE(testing::coloursIn(pixelsOf(b)), (QSet<QRgb>{qRgb(0, 255, 0)}));
    b.Gradient(0x1000000, 0xFFFFFF, 0, 0, 6, 5);
    QCOMPARE(pixelsOf(b).pixel(0, 0), black);
    QCOMPARE(pixelsOf(b).pixel(0, 5), grey(255));
}

void TestClsBitmapDrawing::mergeBitmapsThroughAHalfWhiteMask()
{
    Canvas back(8, 4, 0x0000FF), fore(8, 4, 0x00FF00), mask(8, 4);
    mask.paint([](int x, int) { return x < 4 ? 0xFFFFFFu : 0u; });
    clsBitmap b;
    b.SetBitmap(4, 8, 0xFF0000);
    b.MergeBitmaps(back.dc(), fore.dc(), mask.dc());
    const QImage image = pixelsOf(b);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            QCOMPARE(image.pixel(x, y), x < 4 ? qRgb(255, 0, 0) : qRgb(0, 255, 0));
}

void TestClsBitmapDrawing::mergeBitmapsMixesGreyBitByBit()
{
    const gdi::COLORREF m = 0x808080, backColour = 0x123456, foreColour = 0xABCDEF;
    Canvas back(2, 2, backColour), fore(2, 2, foreColour), mask(2, 2, m);
    clsBitmap b;
    b.SetBitmap(2, 2, 0);
    b.MergeBitmaps(back.dc(), fore.dc(), mask.dc());
    const gdi::COLORREF expected = ((m & backColour) | (~m & foreColour)) & 0xFFFFFF;
    QCOMPARE(gdi::GetPixel(b.hdc(), 1, 1), expected);
}

// Everything omitted: at the image's top-left corner, an area the size of the image, taken from
// the top-left corners of the three DCs. With the image's Left and Top moved, those are used.
void TestClsBitmapDrawing::mergeBitmapsWithEveryValueOmitted()
{
    Canvas back(6, 5), fore(6, 5, 0x00FF00), mask(6, 5, 0xFFFFFF);
    back.paint([](int x, int y) { return static_cast<gdi::COLORREF>(y * 16 + x); });
    clsBitmap b;
    b.SetBitmap(2, 3, 0xFF0000);
    b.MergeBitmaps(back.dc(), fore.dc(), mask.dc());
    QImage expected(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            expected.setPixel(x, y, testing::qrgbOf(static_cast<gdi::COLORREF>(y * 16 + x)));
    QCOMPARE(pixelsOf(b), expected);

    clsBitmap moved;
    moved.SetBitmap(4, 5, 0xFF0000);
    gdi::RECT& image = clsBitmapInternals::image(moved);
    image.left = 1;
    image.top = 2;
    moved.MergeBitmaps(back.dc(), fore.dc(), mask.dc());
    // A (5 - 1) x (4 - 2) area from (1, 2) of the back lands at (1, 2).
    const QImage result = pixelsOf(moved);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool merged = x >= 1 && y >= 2;
            QCOMPARE(result.pixel(x, y), merged ? testing::qrgbOf(static_cast<gdi::COLORREF>(y * 16 + x)) : blue);
        }
}

void TestClsBitmapDrawing::mergeBitmapsWithPlacesAndTwips()
{
    Canvas back(8, 8), fore(8, 8), mask(8, 8);
    back.paint([](int x, int y) { return static_cast<gdi::COLORREF>(0x010000 * (y * 16 + x)); });
    fore.paint([](int x, int y) { return static_cast<gdi::COLORREF>(y * 16 + x); });
    mask.paint([](int x, int) { return x % 2 ? 0xFFFFFFu : 0u; }); // odd columns show the back
    for (int32_t measurement : {clsBitmap::Pixels, clsBitmap::Twips}) {
        const int unit = measurement == clsBitmap::Pixels ? 1 : 15;
        const auto at = [unit](int v) { return Int16::from(v * unit); };
        clsBitmap b;
        b.SetBitmap(6, 6, 0xFFFFFF);
        // A 3 x 2 area to (2, 1), the back from (4, 5), the fore from (1, 0), the mask from (1, 3).
        b.MergeBitmaps(back.dc(), fore.dc(), mask.dc(), at(2), at(1), at(4), at(5), at(1), at(0), at(1), at(3), at(3),
                       at(2), measurement);
        const QImage image = pixelsOf(b);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x) {
                const int u = x - 2, v = y - 1;
                QRgb want = qRgb(255, 255, 255);
                if (u >= 0 && u < 3 && v >= 0 && v < 2)
                    want = (1 + u) % 2 ? testing::qrgbOf(static_cast<gdi::COLORREF>(0x010000 * ((5 + v) * 16 + 4 + u)))
                                       : testing::qrgbOf(static_cast<gdi::COLORREF>(v * 16 + 1 + u));
                QCOMPARE(image.pixel(x, y), want);
            }
    }
}

void TestClsBitmapDrawing::operationsLeaveNoObjectsBehind_data()
{
    QTest::addColumn<std::function<void(clsBitmap&, gdi::HDC)>>("operation");
    using F = std::function<void(clsBitmap&, gdi::HDC)>;
    QTest::newRow("DrawString") << F([](clsBitmap& b, gdi::HDC) {
        b.DrawString(QStringLiteral("Zenvortali\r\nVersion 2.0.0"), 0, 0, 40, 100, creditsFont(), 0xFFFF, 2, 30);
    });
    QTest::newRow("DrawLine") << F([](clsBitmap& b, gdi::HDC) { b.DrawLine(0, 0, 50, 30, 0xFF, 3); });
    QTest::newRow("Gradient") << F([](clsBitmap& b, gdi::HDC) { b.Gradient(0xFFFF, 0, 0, 0, 100, 40, 0, 3); });
    QTest::newRow("MergeBitmaps") << F([](clsBitmap& b, gdi::HDC other) { b.MergeBitmaps(other, other, other); });
    QTest::newRow("MergeBitmaps with a stale mask")
        << F([](clsBitmap& b, gdi::HDC other) { b.MergeBitmaps(other, other, 0x7FF00001); });
}

void TestClsBitmapDrawing::operationsLeaveNoObjectsBehind()
{
    QFETCH(std::function<void(clsBitmap&, gdi::HDC)>, operation);
    Canvas other(100, 40, 0x123456);
    clsBitmap b;
    b.SetBitmap(40, 100, 0);
    const gdi::HandleStats before = gdi::handleStats();
    const auto selected = selection(b.hdc());
    const auto otherSelected = selection(other.dc());
    operation(b, other.dc());
    QCOMPARE(gdi::handleStats(), before);
    QCOMPARE(selection(b.hdc()), selected);
    QCOMPARE(selection(other.dc()), otherSelected);
}

void TestClsBitmapDrawing::sixteenBitOverflow_data()
{
    QTest::addColumn<std::function<void(clsBitmap&)>>("call");
    using F = std::function<void(clsBitmap&)>;
    QTest::newRow("DrawString left + width")
        << F([](clsBitmap& b) { b.DrawString(QStringLiteral("x"), 0, 32000, 10, 1000, creditsFont()); });
    QTest::newRow("DrawString top + height")
        << F([](clsBitmap& b) { b.DrawString(QStringLiteral("x"), 32000, 0, 1000, 10, creditsFont()); });
    QTest::newRow("Gradient top + offset") << F([](clsBitmap& b) { b.Gradient(0xFF, 0, 0, 32760, 10, 10); });
    QTest::newRow("Gradient left + width") << F([](clsBitmap& b) { b.Gradient(0xFF, 0, 32000, 0, 1000, 10); });
    QTest::newRow("MergeBitmaps own width") << F([](clsBitmap& b) {
        clsBitmapInternals::image(b).left = -32760;
        b.MergeBitmaps(b.hdc(), b.hdc(), b.hdc());
    });
}

void TestClsBitmapDrawing::sixteenBitOverflow()
{
    QFETCH(std::function<void(clsBitmap&)>, call);
    clsBitmap b;
    b.SetBitmap(10, 10, 0);
    const gdi::HandleStats before = gdi::handleStats();
    QCOMPARE(errorOf([&] { call(b); }), vb::err::Overflow);
    QCOMPARE(gdi::handleStats(), before);
}

QTEST_MAIN(TestClsBitmapDrawing)
#include "tst_clsbitmap_drawing.moc"
