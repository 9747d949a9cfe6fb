// The off-screen bitmap's model, lifetime and painting: the image, its fills and copies, its
// stretch mode and colour adjustment, system colours and time.
#include "graphics/clsBitmap.h"
#include "platform/forms/Screen.h"
#include "platform/gdi/Clock.h"
#include "tests/graphics/clsBitmapInternals.h"
#include "tests/support/Canvas.h"

#include <QApplication>
#include <QPalette>
#include <QTest>

#include <cstring>
#include <optional>

using testing::Canvas;
using testing::counts;
using testing::errorOf;
using testing::pixelsOf;
using vb::Int16;

namespace {

constexpr int32_t systemColour(int index) { return INT32_MIN + index; }

int32_t colourOf(QPalette::ColorRole role)
{
    const QColor c = QApplication::palette().color(role);
    return c.red() | c.green() << 8 | c.blue() << 16;
}

QRgb rgbOf(int32_t colour) { return testing::qrgbOf(static_cast<gdi::COLORREF>(colour)); }

// Whether every pixel of `image` is `inside` within `area` and `outside` elsewhere.
bool filled(const QImage& image, const QRect& area, QRgb inside, QRgb outside)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != (area.contains(x, y) ? inside : outside))
                return false;
    return true;
}

} // namespace

class TestClsBitmap : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void aNewInstance();
    void setBitmap_data();
    void setBitmap();
    void setBitmapReplacesTheImage();
    void setBitmapWithANegativeSize_data();
    void setBitmapWithANegativeSize();
    void setBitmapChecksWideArguments_data();
    void setBitmapChecksWideArguments();
    void createMemoryBitmapBuildsAFilledImage();
    void rectToPixels_data();
    void rectToPixels();
    void paintCopiesTheImage();
    void drawRect_data();
    void drawRect();
    void drawRectBrushesAndTargets();
    void sixteenBitOverflow_data();
    void sixteenBitOverflow();
    void adjustColour_data();
    void adjustColour();
    void setStretchMode();
    void withoutAnImageNothingHappens();
    void getSystemColour_data();
    void getSystemColour();
    void getTickWraps();
    void pause_data();
    void pause();
    void pauseHandlesEventsOnlyWhenNotSleeping();
    void tenThousandImagesLeaveTheTableAsItWas();
};

void TestClsBitmap::initTestCase()
{
    // The twips cases are written for the offscreen platform's 96 pixels per inch.
    QCOMPARE(forms::Screen::TwipsPerPixelX(), 15.0);
    QCOMPARE(forms::Screen::TwipsPerPixelY(), 15.0);
    const clsBitmap warmUp; // stock objects exist before any count is taken
}

void TestClsBitmap::aNewInstance()
{
    const clsBitmap b;
    QCOMPARE(gdi::GetObjectType(b.hdc()), gdi::OBJ_MEMDC);
    QCOMPARE(b.Width().value(), 0);
    QCOMPARE(b.Height().value(), 0);
    QCOMPARE(clsBitmapInternals::background(b), colourOf(QPalette::Button));
    QCOMPARE(gdi::GetStretchBltMode(b.hdc()), gdi::COLORONCOLOR);
    QCOMPARE(clsBitmapInternals::compatibleDC(b), 0u);
}

void TestClsBitmap::setBitmap_data()
{
    QTest::addColumn<std::optional<int32_t>>("colour");
    QTest::addColumn<int32_t>("expected");
    QTest::newRow("button face by default") << std::optional<int32_t>() << colourOf(QPalette::Button);
    QTest::newRow("red") << std::optional<int32_t>(0xFF) << int32_t(0xFF);
    QTest::newRow("the window colour") << std::optional<int32_t>(systemColour(gdi::COLOR_WINDOW))
                                       << colourOf(QPalette::Base);
}

void TestClsBitmap::setBitmap()
{
    QFETCH(std::optional<int32_t>, colour);
    QFETCH(int32_t, expected);
    clsBitmap b;
    if (colour)
        b.SetBitmap(100, 200, *colour);
    else
        b.SetBitmap(100, 200);
    QCOMPARE(b.Width().value(), 200);
    QCOMPARE(b.Height().value(), 100);
    QCOMPARE(clsBitmapInternals::background(b), expected);
    const QImage image = pixelsOf(b);
    QCOMPARE(image.size(), QSize(200, 100));
    QVERIFY(filled(image, image.rect(), rgbOf(expected), 0));
}

void TestClsBitmap::setBitmapReplacesTheImage()
{
    Canvas other(1, 1);
    clsBitmap b;
    b.SetBitmap(4, 4, 0xFF);
    const gdi::HDC first = b.hdc();
    const gdi::HandleStats before = counts();
    b.SetBitmap(3, 5, 0xFF00, other.dc());
    QCOMPARE(gdi::GetObjectType(first), 0u); // the old DC is gone
    QCOMPARE(counts(), before);
    QCOMPARE(clsBitmapInternals::compatibleDC(b), other.dc());
    const QImage image = pixelsOf(b);
    QVERIFY(filled(image, image.rect(), qRgb(0, 255, 0), 0)); // nothing of the red carried over
    QCOMPARE(image.size(), QSize(5, 3));
}

void TestClsBitmap::setBitmapWithANegativeSize_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("width");
    QTest::newRow("negative height") << -5 << 10;
    QTest::newRow("negative width") << 10 << -5;
    QTest::newRow("both") << -1 << -32768;
    QTest::newRow("too large for the platform") << 20000 << 20000;
}

// The platform refuses such a bitmap. A negative extent makes the image empty in that direction;
// either way the image draws nothing, and is replaced and released as any other.
void TestClsBitmap::setBitmapWithANegativeSize()
{
    QFETCH(int, height);
    QFETCH(int, width);
    const gdi::HandleStats before = counts();
    {
        clsBitmap b;
        b.SetBitmap(Int16::from(height), Int16::from(width), 0xFF);
        QVERIFY(b.hdc() != 0);
        QCOMPARE(b.Width().value(), std::max(width, 0));
        QCOMPARE(b.Height().value(), std::max(height, 0));
        Canvas target(4, 4, 0xFFFFFF);
        b.Paint(target.dc());
        b.DrawRect(0xFF00);
        b.DrawLine(0, 0, 3, 3, 0xFF);
        QCOMPARE(target.at(0, 0), 0xFFFFFFu);
        // The new DC's shared stock bitmap took none of the fill.
        const gdi::HDC fresh = gdi::CreateCompatibleDC(0);
        QCOMPARE(gdi::GetPixel(fresh, 0, 0), gdi::CLR_INVALID);
        gdi::DeleteDC(fresh);
        b.SetBitmap(2, 3, 0xFF);
        QCOMPARE(pixelsOf(b).size(), QSize(3, 2));
    }
    QCOMPARE(counts(), before);
}

void TestClsBitmap::setBitmapChecksWideArguments_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("error");
    QTest::newRow("32767 high") << 32767 << 1 << 0;
    QTest::newRow("40000 high") << 40000 << 100 << vb::err::Overflow; // not an empty image -25536 high
    QTest::newRow("-32768 wide") << 1 << -32768 << 0;
    QTest::newRow("-32769 wide") << 1 << -32769 << vb::err::Overflow;
}

// A 32-bit value passed for a 16-bit size is checked on the way in, not cut to 16 bits.
void TestClsBitmap::setBitmapChecksWideArguments()
{
    QFETCH(int, height);
    QFETCH(int, width);
    QFETCH(int, error);
    clsBitmap b;
    b.SetBitmap(10, 10, 0);
    QCOMPARE(errorOf([&] { b.SetBitmap(height, width, 0xFF); }), error);
    QCOMPARE(b.Height().value(), error ? 10 : height);
    QCOMPARE(b.Width().value(), error ? 10 : std::max(width, 0));
}

void TestClsBitmap::createMemoryBitmapBuildsAFilledImage()
{
    Canvas compatible(1, 1);
    clsBitmap b;
    const gdi::HandleStats before = counts();
    gdi::HDC dc = 0;
    gdi::HBITMAP bitmap = 0, old = 0;
    // 150 x 75 twips from the origin: 10 x 5 pixels, filled green.
    clsBitmapInternals::create(b, dc, bitmap, old, {0, 0, 150, 75}, compatible.dc(), clsBitmap::Twips, 0xFF00);
    QCOMPARE(gdi::GetCurrentObject(dc, gdi::OBJ_BITMAP), bitmap);
    QCOMPARE(gdi::GetObjectType(old), gdi::OBJ_BITMAP);
    const QImage image = gdi::snapshot(dc);
    QCOMPARE(image.size(), QSize(10, 5));
    QVERIFY(filled(image, image.rect(), qRgb(0, 255, 0), 0));
    QCOMPARE(gdi::GetBkMode(dc), gdi::OPAQUE);
    QCOMPARE(gdi::GetBkColor(dc), 0xFF00u);
    gdi::POINT p{9, 9};
    QVERIFY(gdi::GetBrushOrgEx(dc, &p) && p.x == 0 && p.y == 0);
    clsBitmapInternals::destroy(b, dc, bitmap, old);
    QCOMPARE(dc, 0u);
    QCOMPARE(bitmap, 0u);
    QCOMPARE(old, 0u);
    QCOMPARE(counts(), before);
    // Releasing again, or releasing what was never built, is harmless.
    clsBitmapInternals::destroy(b, dc, bitmap, old);
    clsBitmapInternals::release(b);
    clsBitmapInternals::release(b);
    QCOMPARE(b.hdc(), 0u);
}

void TestClsBitmap::rectToPixels_data()
{
    QTest::addColumn<QList<int>>("twips");
    QTest::addColumn<QList<int>>("pixels");
    QTest::newRow("whole pixels") << QList<int>{15, 30, 1500, 300} << QList<int>{1, 2, 100, 20};
    QTest::newRow("to the nearest") << QList<int>{22, 23, 37, 38} << QList<int>{1, 2, 2, 3};
    QTest::newRow("negative") << QList<int>{-22, -23, 0, -1} << QList<int>{-1, -2, 0, 0};
}

void TestClsBitmap::rectToPixels()
{
    QFETCH(QList<int>, twips);
    QFETCH(QList<int>, pixels);
    clsBitmap b;
    gdi::RECT rc{twips[0], twips[1], twips[2], twips[3]};
    clsBitmapInternals::rectToPixels(b, rc);
    QCOMPARE((QList<int>{rc.left, rc.top, rc.right, rc.bottom}), pixels);
}

void TestClsBitmap::paintCopiesTheImage()
{
    clsBitmap b;
    b.SetBitmap(3, 4, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            gdi::SetPixel(b.hdc(), x, y, static_cast<gdi::COLORREF>(y * 16 + x + 1));
    const auto expectCopy = [](const Canvas& target, QRect area, QPoint from) {
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x) {
                const QPoint s = QPoint(x, y) - area.topLeft() + from;
                const gdi::COLORREF want =
                    area.contains(x, y) ? static_cast<gdi::COLORREF>(s.y() * 16 + s.x() + 1) : 0xFFFFFFu;
                if (target.at(x, y) != want)
                    return false;
            }
        return true;
    };
    Canvas whole(6, 5, 0xFFFFFF);
    b.Paint(whole.dc());
    QVERIFY(expectCopy(whole, QRect(0, 0, 4, 3), {0, 0}));

    Canvas part(6, 5, 0xFFFFFF);
    b.Paint(part.dc(), 2, 1, 2, 3, 1, 0); // 3 wide, 2 high, from (1, 0) to (2, 1)
    QVERIFY(expectCopy(part, QRect(2, 1, 3, 2), {1, 0}));

    // With a Left or Top set, the default copy is still Right x Bottom from the DC's corner.
    clsBitmapInternals::image(b).left = 1;
    clsBitmapInternals::image(b).top = 1;
    Canvas moved(6, 5, 0xFFFFFF);
    b.Paint(moved.dc());
    QVERIFY(expectCopy(moved, QRect(0, 0, 4, 3), {0, 0}));

    // The paint mode is any raster operation: inverting twice gives the target back.
    Canvas inverted(6, 5, 0xFFFFFF);
    b.Paint(inverted.dc(), 0, 0, -1, -1, 0, 0, static_cast<int32_t>(gdi::SRCINVERT));
    QCOMPARE(inverted.at(0, 0), 0xFFFFFFu ^ 1);
    b.Paint(inverted.dc(), 0, 0, -1, -1, 0, 0, static_cast<int32_t>(gdi::SRCINVERT));
    QVERIFY(expectCopy(inverted, QRect(), {0, 0}));
}

void TestClsBitmap::drawRect_data()
{
    QTest::addColumn<int32_t>("colour");
    QTest::addColumn<QList<int>>("topLeftHeightWidth");
    QTest::addColumn<int32_t>("measurement");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRgb>("expected");
    const QList<int> whole{0, 0, -1, -1};
    QTest::newRow("the marker is the background")
        << clsBitmap::BackgroundColourMarker << whole << 1 << QRect(0, 0, 80, 60) << qRgb(0, 0, 255);
    QTest::newRow("a system colour goes to the brush as it is")
        << systemColour(gdi::COLOR_BTNFACE) << whole << 1 << QRect(0, 0, 80, 60) << qRgb(15, 0, 0);
    QTest::newRow("(&HFF, 10, 20, 30, 40)")
        << int32_t(0xFF) << QList<int>{10, 20, 30, 40} << 1 << QRect(20, 10, 40, 30) << qRgb(255, 0, 0);
    QTest::newRow("the same in twips") << int32_t(0xFF) << QList<int>{150, 300, 450, 600} << 0 << QRect(20, 10, 40, 30)
                                       << qRgb(255, 0, 0);
    QTest::newRow("whole width from the left")
        << int32_t(0xFF00) << QList<int>{10, 20, 5, -1} << 1 << QRect(20, 10, 60, 5) << qRgb(0, 255, 0);
}

void TestClsBitmap::drawRect()
{
    QFETCH(int32_t, colour);
    QFETCH(QList<int>, topLeftHeightWidth);
    QFETCH(int32_t, measurement);
    QFETCH(QRect, area);
    QFETCH(QRgb, expected);
    clsBitmap b;
    b.SetBitmap(60, 80, 0xFF0000); // blue background
    QVERIFY(gdi::PatBlt(b.hdc(), 0, 0, 80, 60, gdi::BLACKNESS));
    const QList<int>& r = topLeftHeightWidth;
    b.DrawRect(colour, Int16::from(r[0]), Int16::from(r[1]), Int16::from(r[2]), Int16::from(r[3]), measurement);
    QVERIFY(filled(pixelsOf(b), area, expected, qRgb(0, 0, 0)));
}

void TestClsBitmap::drawRectBrushesAndTargets()
{
    const gdi::HandleStats before = counts();
    clsBitmap b;
    b.SetBitmap(8, 8, 0);
    const QImage black = pixelsOf(b);
    // Another DC as the target: drawn there, not on the image.
    Canvas other(8, 8, 0xFFFFFF);
    b.DrawRect(0xFF, 0, 0, 2, 2, clsBitmap::Pixels, gdi::BS_SOLID, 8, other.dc());
    QCOMPARE(other.at(1, 1), 0xFFu);
    QCOMPARE(other.at(2, 2), 0xFFFFFFu);
    QCOMPARE(pixelsOf(b), black);
    // A hollow brush fills nothing.
    b.DrawRect(0xFF, 0, 0, -1, -1, clsBitmap::Pixels, gdi::BS_HOLLOW);
    QCOMPARE(pixelsOf(b), black);
    // A hatch: lines in the colour, gaps in the image DC's background colour (it is opaque).
    gdi::SetBkColor(b.hdc(), 0xFF0000);
    b.DrawRect(0xFF, 0, 0, -1, -1, clsBitmap::Pixels, gdi::BS_HATCHED, gdi::HS_CROSS);
    QCOMPARE(testing::coloursIn(pixelsOf(b)), (QSet<QRgb>{qRgb(255, 0, 0), qRgb(0, 0, 255)}));
    // A hatch the platform does not know makes no brush, and then nothing is filled, rather than
    // the fill falling to whatever brush the DC held.
    b.DrawRect(0xFF00);
    b.DrawRect(0xFF, 0, 0, -1, -1, clsBitmap::Pixels, gdi::BS_HATCHED, 8);
    QVERIFY(filled(pixelsOf(b), {}, 0, qRgb(0, 255, 0)));
    QCOMPARE(gdi::GetCurrentObject(b.hdc(), gdi::OBJ_BRUSH), gdi::GetStockObject(gdi::WHITE_BRUSH));
    QCOMPARE(counts().brushes, before.brushes);
}

void TestClsBitmap::sixteenBitOverflow_data()
{
    QTest::addColumn<std::function<void(clsBitmap&)>>("call");
    using F = std::function<void(clsBitmap&)>;
    QTest::newRow("DrawRect left + width") << F([](clsBitmap& b) { b.DrawRect(0xFF, 0, 32000, 10, 1000); });
    QTest::newRow("DrawRect top + height") << F([](clsBitmap& b) { b.DrawRect(0xFF, 32000, 0, 1000, 10); });
    QTest::newRow("DrawRect width of 40000") << F([](clsBitmap& b) { b.DrawRect(0xFF, 0, 0, 10, 40000); });
    QTest::newRow("Width of a moved image") << F([](clsBitmap& b) {
        clsBitmapInternals::image(b).left = -32768;
        clsBitmapInternals::image(b).right = 100;
        b.Width();
    });
    QTest::newRow("Height of a moved image") << F([](clsBitmap& b) {
        clsBitmapInternals::image(b).top = -32760;
        b.Height();
    });
    QTest::newRow("a stretch mode beyond 16 bits") << F([](clsBitmap& b) { b.SetStretchMode(70000); });
    QTest::newRow("a colour-adjustment flag beyond 16 bits") << F([](clsBitmap& b) { b.AdjustColour(40000); });
    QTest::newRow("an illuminant beyond 16 bits") << F([](clsBitmap& b) { b.AdjustColour(0, -40000); });
}

void TestClsBitmap::sixteenBitOverflow()
{
    QFETCH(std::function<void(clsBitmap&)>, call);
    clsBitmap b;
    b.SetBitmap(10, 10, 0);
    const QImage before = pixelsOf(b);
    QCOMPARE(errorOf([&] { call(b); }), vb::err::Overflow);
    QCOMPARE(pixelsOf(b), before);
}

void TestClsBitmap::adjustColour_data()
{
    QTest::addColumn<std::function<void(clsBitmap&)>>("call");
    QTest::addColumn<std::function<void(gdi::COLORADJUSTMENT&)>>("expected");
    using Call = std::function<void(clsBitmap&)>;
    using Want = std::function<void(gdi::COLORADJUSTMENT&)>;
    QTest::newRow("defaults") << Call([](clsBitmap& b) { b.AdjustColour(); }) << Want([](auto&) {});
    QTest::newRow("negative image") << Call([](clsBitmap& b) { b.AdjustColour(gdi::CA_NEGATIVE); })
                                    << Want([](auto& c) { c.caFlags = gdi::CA_NEGATIVE; });
    QTest::newRow("values at their limits")
        << Call([](clsBitmap& b) { b.AdjustColour(0, 6, 2500, 65000, 10000, 4000, 6000, -100, 100, -100, 100); })
        << Want([](auto& c) {
               c.caRedGamma = 2500;
               c.caGreenGamma = 65000;
               c.caReferenceBlack = 4000;
               c.caReferenceWhite = 6000;
               c.caContrast = c.caColorfulness = -100;
               c.caBrightness = c.caRedGreenTint = 100;
           });
    QTest::newRow("values just beyond them are neutral")
        << Call([](clsBitmap& b) { b.AdjustColour(0, 6, 2499, 65001, 70000, 4001, 5999, 101, -101, 101, -101); })
        << Want([](auto&) {});
}

void TestClsBitmap::adjustColour()
{
    QFETCH(std::function<void(clsBitmap&)>, call);
    QFETCH(std::function<void(gdi::COLORADJUSTMENT&)>, expected);
    clsBitmap b;
    call(b);
    gdi::COLORADJUSTMENT want;
    want.caIlluminantIndex = gdi::ILLUMINANT_D65;
    expected(want);
    gdi::COLORADJUSTMENT applied;
    QVERIFY(gdi::GetColorAdjustment(b.hdc(), &applied));
    QCOMPARE(std::memcmp(&applied, &want, sizeof want), 0);
}

void TestClsBitmap::setStretchMode()
{
    clsBitmap b;
    gdi::SetBrushOrgEx(b.hdc(), 3, 5, nullptr);
    b.AdjustColour(gdi::CA_NEGATIVE);
    b.SetStretchMode(gdi::WHITEONBLACK);
    QCOMPARE(gdi::GetStretchBltMode(b.hdc()), gdi::WHITEONBLACK);
    gdi::COLORADJUSTMENT ca;
    QVERIFY(gdi::GetColorAdjustment(b.hdc(), &ca));
    QCOMPARE(ca.caFlags, 0);
    gdi::POINT origin;
    QVERIFY(gdi::GetBrushOrgEx(b.hdc(), &origin));
    QCOMPARE(origin.x, 3);
    QCOMPARE(origin.y, 5);

    // A DC already in halftone mode keeps it, and still gets the neutral adjustment; the mode
    // asked for is not even looked at.
    gdi::SetStretchBltMode(b.hdc(), gdi::HALFTONE);
    b.AdjustColour(gdi::CA_NEGATIVE);
    b.SetStretchMode(70000);
    QCOMPARE(gdi::GetStretchBltMode(b.hdc()), gdi::HALFTONE);
    QVERIFY(gdi::GetColorAdjustment(b.hdc(), &ca));
    QCOMPARE(ca.caFlags, 0);
    QCOMPARE(ca.caIlluminantIndex, gdi::ILLUMINANT_D65);
}

void TestClsBitmap::withoutAnImageNothingHappens()
{
    const gdi::HandleStats before = counts();
    {
        clsBitmap b;
        clsBitmapInternals::release(b);
        QCOMPARE(b.hdc(), 0u);
        b.AdjustColour(gdi::CA_NEGATIVE);
        b.SetStretchMode(gdi::HALFTONE);
        Canvas target(2, 2, 0xFFFFFF);
        b.Paint(target.dc());
        QCOMPARE(target.at(0, 0), 0xFFFFFFu);
        clsBitmapInternals::release(b); // a second release is harmless, and so is the destructor's
    }
    QCOMPARE(counts(), before);
}

void TestClsBitmap::getSystemColour_data()
{
    QTest::addColumn<int32_t>("index");
    QTest::addColumn<int32_t>("expected");
    QTest::newRow("&H80000005, the window colour") << systemColour(gdi::COLOR_WINDOW) << colourOf(QPalette::Base);
    QTest::newRow("&H8000000F, the button face") << systemColour(gdi::COLOR_BTNFACE) << colourOf(QPalette::Button);
    QTest::newRow("&HFF stays") << int32_t(0xFF) << int32_t(0xFF);
    QTest::newRow("0 stays") << int32_t(0) << int32_t(0);
    QTest::newRow("a code the system does not have") << systemColour(99) << int32_t(0);
}

void TestClsBitmap::getSystemColour()
{
    QFETCH(int32_t, index);
    QFETCH(int32_t, expected);
    clsBitmap b;
    QCOMPARE(b.GetSystemColour(index), expected);
}

void TestClsBitmap::getTickWraps()
{
    gdi::ManualClock clock(0xFFFFFFFF);
    const gdi::ScopedClock scoped(clock);
    clsBitmap b;
    QCOMPARE(b.GetTick(), -1);
    clock.advance(6);
    QCOMPARE(b.GetTick(), 5);
}

void TestClsBitmap::pause_data()
{
    QTest::addColumn<int32_t>("ticks");
    QTest::addColumn<bool>("sleep");
    QTest::addColumn<uint32_t>("start");
    QTest::addColumn<uint32_t>("step");
    QTest::addColumn<std::vector<uint32_t>>("sleeps");
    QTest::addColumn<int>("readings");
    QTest::addColumn<uint32_t>("lastReading"); // after start
    QTest::newRow("sleeping -5 sleeps 0") << -5 << true << 1000u << 1u << std::vector<uint32_t>{0} << 0 << 0u;
    QTest::newRow("sleeping 40") << 40 << true << 1000u << 1u << std::vector<uint32_t>{40} << 0 << 0u;
    QTest::newRow("0 returns at once") << 0 << false << 1000u << 1u << std::vector<uint32_t>{} << 0 << 0u;
    QTest::newRow("-5 returns at once") << -5 << false << 1000u << 1u << std::vector<uint32_t>{} << 0 << 0u;
    QTest::newRow("100 ms") << 100 << false << 1000u << 1u << std::vector<uint32_t>{} << 101 << 100u;
    QTest::newRow("100 ms across 2^31") << 100 << false << 0x7FFFFFC0u << 1u << std::vector<uint32_t>{} << 101 << 100u;
    QTest::newRow("100 ms across the wrap")
        << 100 << false << 0xFFFFFFC0u << 1u << std::vector<uint32_t>{} << 101 << 100u;
    QTest::newRow("16 ms ticks across the wrap")
        << 100 << false << 0xFFFFFFF0u << 16u << std::vector<uint32_t>{} << 8 << 112u;
}

// Without sleeping, the pause reads the tick count until the asked time has passed and stops at
// the first reading that shows it, wherever the 32-bit count stands.
void TestClsBitmap::pause()
{
    QFETCH(int32_t, ticks);
    QFETCH(bool, sleep);
    QFETCH(uint32_t, start);
    QFETCH(uint32_t, step);
    QFETCH(std::vector<uint32_t>, sleeps);
    QFETCH(int, readings);
    QFETCH(uint32_t, lastReading);
    gdi::ManualClock clock(start, step);
    const gdi::ScopedClock scoped(clock);
    clsBitmap b;
    b.Pause(ticks, sleep);
    QCOMPARE(clock.sleeps(), sleeps);
    QCOMPARE(clock.readings(), readings);
    if (readings > 0)
        QCOMPARE(clock.now() - step - start, lastReading);
}

void TestClsBitmap::pauseHandlesEventsOnlyWhenNotSleeping()
{
    gdi::ManualClock clock(0, 1);
    const gdi::ScopedClock scoped(clock);
    clsBitmap b;
    bool handled = false;
    QMetaObject::invokeMethod(
        this, [&] { handled = true; }, Qt::QueuedConnection);
    b.Pause(30, true);
    QVERIFY(!handled);
    b.Pause(5);
    QVERIFY(handled);
}

void TestClsBitmap::tenThousandImagesLeaveTheTableAsItWas()
{
    const gdi::HandleStats before = gdi::handleStats();
    for (int i = 0; i < 10000; ++i) {
        clsBitmap b;
        b.SetBitmap(Int16::from(4 + i % 3), 8, 0xFF);
    }
    clsBitmap kept;
    for (int i = 0; i < 1000; ++i)
        kept.SetBitmap(3, Int16::from(1 + i % 7));
    const gdi::HandleStats after = gdi::handleStats();
    QCOMPARE(after.live, before.live + 2); // the kept image's DC and bitmap
    QCOMPARE(after.dcs, before.dcs + 1);
    QCOMPARE(after.bitmaps, before.bitmaps + 1);
    QCOMPARE(after.brushes, before.brushes);
    QVERIFY(after.tableSize <= before.tableSize + 4);
}

QTEST_MAIN(TestClsBitmap)
#include "tst_clsbitmap.moc"
