// The off-screen bitmap's blends, mirrors, turns, ellipses and small helpers, on exact pixels.
#include "graphics/clsBitmap.h"
#include "platform/gdi/Gdi.h"
#include "tests/graphics/clsBitmapInternals.h"
#include "tests/support/Canvas.h"

#include <QGuiApplication>
#include <QLabel>
#include <QTest>

#include <cmath>
#include <functional>
#include <optional>

using testing::blended;
using testing::Canvas;
using testing::counts;
using testing::errorOf;
using testing::inkBounds;
using testing::pixelsOf;
using testing::qrgbOf;

namespace {

constexpr gdi::COLORREF kGreen = 0x00FF00;

// Distinct colours for the pixels of a small source area.
gdi::COLORREF sourceColour(int x, int y) { return gdi::RGB(10 + x * 40, 10 + y * 40, 200); }

// A white 5 x 4 canvas holding a 3 x 2 area of distinct colours at (1, 1).
std::unique_ptr<Canvas> sourceCanvas()
{
    auto canvas = std::make_unique<Canvas>(5, 4, 0xFFFFFF);
    canvas->paint(
        [](int x, int y) { return x >= 1 && x < 4 && y >= 1 && y < 3 ? sourceColour(x - 1, y - 1) : 0xFFFFFFu; });
    return canvas;
}

using Call = std::function<void(clsBitmap&, gdi::HDC source)>;

// The canvas itself, or for a row read "from the screen" the screen DC once `shown` shows the canvas
// at the screen's top-left corner (0, which fails the row, if it never does).
gdi::HDC sourceFor(const Canvas& canvas, std::optional<QLabel>& shown)
{
    static const gdi::HDC screen = gdi::GetDC(0);
    if (!QByteArray(QTest::currentDataTag()).endsWith("from the screen"))
        return canvas.dc();
    shown.emplace(nullptr, Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
    shown->setPixmap(QPixmap::fromImage(gdi::snapshot(canvas.dc())));
    shown->setGeometry(0, 0, canvas.width(), canvas.height());
    shown->show();
    const auto read = [&canvas](gdi::HDC dc) { return gdi::GetPixels(dc, 0, 0, canvas.width(), canvas.height()); };
    return QTest::qWaitFor([&] { return read(screen) == read(canvas.dc()); }) ? screen : 0;
}

// A white 200 x 140 image after `draw`, and the bounds of what it drew there.
QImage ellipseImage(const std::function<void(clsBitmap&)>& draw)
{
    clsBitmap b;
    b.SetBitmap(140, 200, 0xFFFFFF);
    draw(b);
    return pixelsOf(b);
}
QRect ellipseInk(const std::function<void(clsBitmap&)>& draw)
{
    return inkBounds(ellipseImage(draw), qRgb(255, 255, 255));
}

} // namespace

using Blend = std::function<void(clsBitmap&, gdi::HDC pic1, gdi::HDC pic2)>;

class TestClsBitmapBlend : public QObject {
    Q_OBJECT
private slots:
    void winBlend_data()
    {
        QTest::addColumn<Blend>("call");
        QTest::addColumn<QRect>("area"); // where the blend lands in the 6 x 4 image
        QTest::addColumn<int>("alpha"); // -1: the overflow error
        QTest::newRow("every optional argument omitted")
            << Blend([](clsBitmap& b, gdi::HDC p1, gdi::HDC p2) { b.WinBlend(p1, p2); }) << QRect(0, 0, 6, 4) << 128;
        QTest::newRow("0.3 is 76.5 in single precision, so 76")
            << Blend([](clsBitmap& b, gdi::HDC p1, gdi::HDC p2) { b.WinBlend(p1, p2, 1, 2, 3, 1, 2, 0, 0, 3, 0.3f); })
            << QRect(1, 2, 3, 1) << 76;
        QTest::newRow("1 is picture 2 alone, in twips") << Blend([](clsBitmap& b, gdi::HDC p1, gdi::HDC p2) {
            b.WinBlend(p1, p2, 30, 15, 45, 30, 0, 0, 0, 0, 1.0f, clsBitmap::Twips);
        }) << QRect(2, 1, 3, 2) << 255;
        QTest::newRow("1.5 raises the overflow error")
            << Blend([](clsBitmap& b, gdi::HDC p1, gdi::HDC p2) { b.WinBlend(p1, p2, 0, 0, -1, -1, 0, 0, 0, 0, 1.5f); })
            << QRect() << -1;
    }

    // Picture 2 over picture 1: the area shows the blend, the rest stays green; a bad amount changes nothing.
    void winBlend()
    {
        QFETCH(Blend, call);
        QFETCH(QRect, area);
        QFETCH(int, alpha);
        const gdi::COLORREF under = gdi::RGB(200, 30, 0), over = gdi::RGB(10, 91, 255);
        Canvas pic1(6, 4, under), pic2(6, 4, over);
        clsBitmap b;
        b.SetBitmap(4, 6, kGreen);
        const gdi::HandleStats before = counts();
        QCOMPARE(errorOf([&] { call(b, pic1.dc(), pic2.dc()); }), alpha < 0 ? vb::err::Overflow : 0);
        QCOMPARE(counts(), before);
        const QImage image = pixelsOf(b);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(image.pixel(x, y), qrgbOf(area.contains(x, y) ? blended(under, over, alpha) : kGreen));
    }

    void bfAlphaBlend_data()
    {
        QTest::addColumn<float>("amount");
        QTest::addColumn<bool>("masked"); // the mask's left column is white, the rest light grey
        QTest::addColumn<bool>("twips");
        QTest::addColumn<QString>("row"); // per column: 1 source 1, 2 source 2, m the 0.25 mix
        QTest::newRow("0.25: 200 and 100 give 175") << 0.25f << false << false << "mmm";
        QTest::newRow("white mask takes source 2, light grey source 1") << 0.25f << true << false << "211";
        QTest::newRow("amount 1 ignores the mask") << 1.0f << true << false << "222";
        QTest::newRow("amount 0 copies source 1, in twips") << 0.0f << true << true << "111";
        if (QGuiApplication::platformName() == QLatin1String("xcb")) // source 1 read from the screen
            QTest::newRow("white mask, source 1 from the screen") << 0.25f << true << false << "211";
    }

    // The 3 x 2 blend lands at (1, 1) of a black 5 x 4 image.
    void bfAlphaBlend()
    {
        QFETCH(float, amount);
        QFETCH(bool, masked);
        QFETCH(bool, twips);
        QFETCH(QString, row);
        const gdi::COLORREF one = gdi::RGB(200, 100, 50), two = gdi::RGB(100, 200, 50), mix = gdi::RGB(175, 125, 50);
        Canvas dest(5, 4, 0), src1(3, 2, one), src2(3, 2, two), mask(3, 2, 0);
        mask.paint([](int x, int) { return x == 0 ? 0xFFFFFFu : gdi::RGB(192, 192, 192); });
        std::optional<QLabel> shown;
        const gdi::HDC from1 = sourceFor(src1, shown);
        const int k = twips ? 15 : 1;
        clsBitmap b;
        b.BFAlphaBlend(dest.dc(), from1, src2.dc(), k, k, 3 * k, 2 * k, 0, 0, 0, 0, amount, masked ? mask.dc() : 0,
                       twips ? clsBitmap::Twips : clsBitmap::Pixels);
        for (int y = 0; y < dest.height(); ++y)
            for (int x = 0; x < dest.width(); ++x) {
                const QChar which = x >= 1 && x < 4 && y >= 1 && y < 3 ? row[x - 1] : u'0';
                QCOMPARE(dest.at(x, y), which == u'0' ? 0u : which == u'1' ? one : which == u'2' ? two : mix);
            }
    }

    void transform_data()
    {
        QTest::addColumn<bool>("rotate"); // else flip; the flips write at (2, 1), the turns at (1, 1)
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("twips");
        QTest::addColumn<QString>("area"); // source pixels "abc/def" as they land; '.' keeps the green
        QTest::newRow("flip 0: left to right") << false << 0 << false << "cba/fed";
        QTest::newRow("flip 1: top to bottom") << false << 1 << false << "def/abc";
        QTest::newRow("flip 5: the top row alone, unmirrored") << false << 5 << false << "abc/...";
        QTest::newRow("flip 0 in twips") << false << 0 << true << "cba/fed";
        QTest::newRow("rotate 0: the top row becomes the right-hand column") << true << 0 << false << "da/eb/fc";
        QTest::newRow("rotate 1: the top row becomes the left-hand column, upwards")
            << true << 1 << false << "cf/be/ad";
        QTest::newRow("rotate 2: a half turn") << true << 2 << false << "fed/cba";
        QTest::newRow("rotate 7: the background alone") << true << 7 << false << "../../..";
        QTest::newRow("rotate 0 in twips") << true << 0 << true << "da/eb/fc";
        if (QGuiApplication::platformName() != QLatin1String("xcb")) // the rest read from the screen
            return;
        QTest::newRow("rotate 0 from the screen") << true << 0 << false << "da/eb/fc";
        QTest::newRow("rotate 1 from the screen") << true << 1 << false << "cf/be/ad";
        QTest::newRow("flip 0 from the screen") << false << 0 << false << "cba/fed";
    }

    // The 3 x 2 area at (1, 1) of the source, mirrored or turned onto a green 7 x 6 image.
    void transform()
    {
        QFETCH(bool, rotate);
        QFETCH(int, mode);
        QFETCH(bool, twips);
        QFETCH(QString, area);
        const auto source = sourceCanvas();
        std::optional<QLabel> shown;
        const gdi::HDC from = sourceFor(*source, shown);
        const int k = twips ? 15 : 1, measurement = twips ? clsBitmap::Twips : clsBitmap::Pixels;
        clsBitmap b;
        b.SetBitmap(6, 7, kGreen);
        if (rotate)
            b.RotateBitmap(from, mode, k, k, k, k, 3 * k, 2 * k, measurement);
        else
            b.FlipBitmap(2 * k, k, 3 * k, 2 * k, from, k, k, mode, measurement);
        const QStringList rows = area.split('/');
        const QPoint at = rotate ? QPoint(1, 1) : QPoint(2, 1);
        const QImage image = pixelsOf(b);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int u = x - at.x(), v = y - at.y();
                const QChar from = v >= 0 && v < rows.size() && u >= 0 && u < rows[v].size() ? rows[v][u] : u'.';
                const int i = from.unicode() - 'a';
                QCOMPARE(image.pixel(x, y), qrgbOf(from == u'.' ? kGreen : sourceColour(i % 3, i / 3)));
            }
    }

    void drawEllipse_data()
    {
        using Draw = std::function<void(clsBitmap&)>;
        QTest::addColumn<Draw>("draw");
        QTest::addColumn<QRect>("ink"); // on a white 200 x 140 image
        // Half axes a = 20 and a + b = 60: 63 points round (100, 70).
        QTest::newRow("120 x 40, lying") << Draw([](clsBitmap& b) {
            b.DrawEllipse(100, 70, 40, 120, 90, 0xFF, 1, false);
        }) << QRect(QPoint(40, 50), QPoint(160, 90));
        QTest::newRow("tilt 0 stands it upright")
            << Draw([](clsBitmap& b) { b.DrawEllipse(100, 70, 40, 120, 0, 0xFF, 1, false); })
            << QRect(QPoint(80, 10), QPoint(120, 130));
        QTest::newRow("the tilt is taken modulo 360")
            << Draw([](clsBitmap& b) { b.DrawEllipse(100, 70, 40, 120, -270); })
            << QRect(QPoint(40, 50), QPoint(160, 90));
        // 600 x 1800 twips are 40 x 120 pixels, less 4 for the pen: a = 18, a + b = 58, two pixels in
        // from each side of the same ellipse drawn in pixels, where the pen takes nothing off.
        const QRect inPixels = ellipseInk([](clsBitmap& b) { b.DrawEllipse(100, 70, 40, 120, 90, 0, 2); });
        QTest::newRow("twips take the pen off the sizes")
            << Draw([](clsBitmap& b) { b.DrawEllipse(1500, 1050, 600, 1800, 90, 0, 2, true, clsBitmap::Twips); })
            << inPixels.adjusted(2, 2, -2, -2);
        QTest::newRow("no half axes: nothing") << Draw([](clsBitmap& b) { b.DrawEllipse(100, 70, 0, 1); }) << QRect();
        QTest::newRow("a negative width: nothing")
            << Draw([](clsBitmap& b) { b.DrawEllipse(100, 70, 10, -30); }) << QRect();
    }

    void drawEllipse()
    {
        QFETCH(std::function<void(clsBitmap&)>, draw);
        QFETCH(QRect, ink);
        QCOMPARE(ellipseInk(draw), ink);
    }

    // Filled paints well inside the ideal ellipse and nothing well outside; hollow keeps the inside, same outline.
    void drawEllipseHollowAndFilled()
    {
        const QImage f = ellipseImage([](clsBitmap& b) { b.DrawEllipse(100, 70, 40, 120, 90, 0xFF, 1, false); });
        const QImage h = ellipseImage([](clsBitmap& b) { b.DrawEllipse(100, 70, 40, 120, 90, 0xFF); });
        const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255);
        int outline = 0;
        for (int y = 0; y < f.height(); ++y)
            for (int x = 0; x < f.width(); ++x) {
                const double r = std::hypot((x - 100) / 60.0, (y - 70) / 20.0);
                if (r < 0.9)
                    QCOMPARE(f.pixel(x, y), red);
                if (r < 0.8)
                    QCOMPARE(h.pixel(x, y), white);
                if (r > 1.1)
                    QCOMPARE(f.pixel(x, y), white);
                if (h.pixel(x, y) == red) {
                    QCOMPARE(f.pixel(x, y), red);
                    ++outline;
                }
            }
        QVERIFY(outline >= 2 * 120); // a closed ring: every column of the width crossed twice
    }

    void getAngle_data()
    {
        QTest::addColumn<int>("x2");
        QTest::addColumn<int>("y2");
        QTest::addColumn<int>("degrees"); // the same from (0, 0) as from (500, -300)
        QTest::newRow("right") << 10 << 0 << 0;
        QTest::newRow("right and down") << 10 << 10 << 45;
        QTest::newRow("down") << 0 << 10 << 90;
        QTest::newRow("left and down") << -10 << 10 << 135;
        QTest::newRow("left") << -10 << 0 << 180;
        QTest::newRow("left and up") << -10 << -10 << 225;
        QTest::newRow("up") << 0 << -10 << 270;
        QTest::newRow("right and up") << 10 << -10 << 315;
        QTest::newRow("a shallow slope rounds") << 100 << 1 << 1;
        QTest::newRow("just below right") << 100 << -1 << 359;
        QTest::newRow("the same point") << 0 << 0 << 0;
    }

    void getAngle()
    {
        QFETCH(int, x2);
        QFETCH(int, y2);
        QFETCH(int, degrees);
        clsBitmap b;
        QCOMPARE(b.GetAngle(0, 0, x2, y2).value(), degrees);
        QCOMPARE(b.GetAngle(500, -300, 500 + x2, -300 + y2).value(), degrees);
    }

    void slopeAndFromRGB()
    {
        clsBitmap b;
        QCOMPARE(b.Slope(0, 0, 0, 10), 0.0f); // vertical
        QCOMPARE(b.Slope(0, 0, 4, 2), 0.5f);
        QCOMPARE(b.Slope(1, 1, -2, 2), float(-1.0 / 3.0));
        QCOMPARE(b.FromRGB(0, 0, 255), 16711680);
        QCOMPARE(b.FromRGB(1, 2, 3), 0x030201);
    }

    void getFontPointSize_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("measurement");
        QTest::newRow("neither size: the font's own, rounded") << 0 << 0 << 1;
        QTest::newRow("a height") << 40 << 0 << 1;
        QTest::newRow("a width") << 0 << 200 << 1;
        QTest::newRow("both: the smaller fit") << 40 << 60 << 1;
        QTest::newRow("a height in twips") << 600 << 0 << 0;
    }

    // The size found makes the text, measured in that size, about as high or wide as asked.
    void getFontPointSize()
    {
        QFETCH(int, height);
        QFETCH(int, width);
        QFETCH(int, measurement);
        clsBitmap b;
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(11.25);
        QCOMPARE(b.GetFontPointSize(nullptr, QStringLiteral("W"), 40).value(), 0);
        const int points = b.GetFontPointSize(&font, QStringLiteral("Zenvortali"), height, width, measurement).value();
        if (height == 0 && width == 0) {
            QCOMPARE(points, 11);
            QCOMPARE(font.pointSizeF(), 11.25);
            return;
        }
        QCOMPARE(font.pointSizeF(), 8.0);
        const int wantedHeight = measurement == 0 ? height / 15 : height, wantedWidth = width;
        QFont fitted = font;
        fitted.setPointSize(points);
        gdi::HFONT previous = 0;
        const gdi::HFONT made = clsBitmapInternals::createLogFont(b, fitted, previous, b.hdc(), 0);
        gdi::SIZE extent;
        QVERIFY(gdi::GetTextExtentPoint32A(b.hdc(), "Zenvortali", 10, &extent));
        gdi::SelectObject(b.hdc(), previous);
        gdi::DeleteObject(made);
        const bool heightFits = wantedHeight > 0 && std::abs(extent.cy - wantedHeight) <= wantedHeight / 8;
        const bool widthFits = wantedWidth > 0 && std::abs(extent.cx - wantedWidth) <= wantedWidth / 8;
        QVERIFY2(heightFits || widthFits,
                 qPrintable(QStringLiteral("%1 points: %2 x %3").arg(points).arg(extent.cx).arg(extent.cy)));
        if (wantedHeight > 0)
            QVERIFY(extent.cy <= wantedHeight + wantedHeight / 8);
        if (wantedWidth > 0)
            QVERIFY(extent.cx <= wantedWidth + wantedWidth / 8);
    }

    void operationsLeaveNoObjectsBehind_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<int>("error");
        const int overflow = vb::err::Overflow;
        QTest::newRow("WinBlend") << Call([](clsBitmap& b, gdi::HDC s) { b.WinBlend(s, s); }) << 0;
        QTest::newRow("BFAlphaBlend") << Call([](clsBitmap& b, gdi::HDC s) {
            b.BFAlphaBlend(b.hdc(), s, s, 0, 0, 5, 4, 0, 0, 1, 1, 0.5f, s);
        }) << 0;
        QTest::newRow("FlipBitmap") << Call([](clsBitmap& b, gdi::HDC s) { b.FlipBitmap(0, 0, 5, 4, s, 0, 0, 1); })
                                    << 0;
        QTest::newRow("RotateBitmap half turn")
            << Call([](clsBitmap& b, gdi::HDC s) { b.RotateBitmap(s, 2, 0, 0, 0, 0, 5, 4); }) << 0;
        QTest::newRow("DrawEllipse") << Call([](clsBitmap& b, gdi::HDC) { b.DrawEllipse(3, 3, 4, 6, 30, 0xFF, 2); })
                                     << 0;
        QTest::newRow("GetFontPointSize") << Call([](clsBitmap& b, gdi::HDC) {
            QFont font;
            b.GetFontPointSize(&font, QString(), 20, 20);
        }) << 0;
        QTest::newRow("RotateBitmap overflowing a source position")
            << Call([](clsBitmap& b, gdi::HDC s) { b.RotateBitmap(s, 0, 0, 0, 32766, 0, 3, 2); }) << overflow;
        QTest::newRow("BFAlphaBlend overflowing a source position")
            << Call([](clsBitmap& b, gdi::HDC s) { b.BFAlphaBlend(b.hdc(), s, s, 0, 0, 3, 3, 0, 32766, 0, 0); })
            << overflow;
        QTest::newRow("FlipBitmap overflowing a row")
            << Call([](clsBitmap& b, gdi::HDC s) { b.FlipBitmap(0, 0, 3, 3, s, 0, 32766, 1); }) << overflow;
        QTest::newRow("DrawEllipse twice the thickness")
            << Call([](clsBitmap& b, gdi::HDC) { b.DrawEllipse(0, 0, 10, 10, 90, 0, 20000, true, clsBitmap::Twips); })
            << overflow;
        QTest::newRow("DrawEllipse half axis")
            << Call([](clsBitmap& b, gdi::HDC) { b.DrawEllipse(0, 0, -32768, 32767); }) << overflow;
        QTest::newRow("GetAngle difference")
            << Call([](clsBitmap& b, gdi::HDC) { b.GetAngle(-32768, 0, 32767, 0); }) << overflow;
        QTest::newRow("Slope difference")
            << Call([](clsBitmap& b, gdi::HDC) { b.Slope(0, -32768, 0, 32767); }) << overflow;
    }

    // The handle table and the DC's selections are as before, whether or not the overflow error ends it.
    void operationsLeaveNoObjectsBehind()
    {
        QFETCH(Call, call);
        QFETCH(int, error);
        const auto source = sourceCanvas();
        clsBitmap b;
        b.SetBitmap(4, 5, kGreen);
        const gdi::HandleStats before = counts();
        const gdi::HGDIOBJ brush = gdi::GetCurrentObject(b.hdc(), gdi::OBJ_BRUSH);
        const gdi::HGDIOBJ pen = gdi::GetCurrentObject(b.hdc(), gdi::OBJ_PEN);
        QCOMPARE(errorOf([&] { call(b, source->dc()); }), error);
        QCOMPARE(counts(), before);
        QCOMPARE(gdi::GetCurrentObject(b.hdc(), gdi::OBJ_BRUSH), brush);
        QCOMPARE(gdi::GetCurrentObject(b.hdc(), gdi::OBJ_PEN), pen);
    }
};

QTEST_MAIN(TestClsBitmapBlend)
#include "tst_clsbitmap_blend.moc"
