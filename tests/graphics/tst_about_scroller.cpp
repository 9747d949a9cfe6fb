// The about screen's credits scroller: where a pass starts and how long it lasts, the frame pace,
// the pixels of a frame, and 10,000 frames that leave nothing behind.
#include "graphics/frmAboutScreen.h"
#include "platform/controls/Colors.h"
#include "platform/controls/PictureBox.h"
#include "platform/gdi/Clock.h"
#include "platform/gdi/Gdi.h"
#include "tests/graphics/AboutTesting.h"
#include "tests/support/Canvas.h"

#include <QFontMetrics>
#include <QTest>

#include <unistd.h>

#include <fstream>

using testing::forgetScroller;
using testing::inkBounds;
using testing::runFrames;
using testing::scrollY;

namespace {

// The frame: the template picture box's drawing area, painted at the window's top-left corner.
const QRect kFrame(0, 0, 437, 229);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kYellow = qRgb(255, 255, 0);

// Paints the whole client area white, so that whatever a frame leaves alone is seen to stay so.
gdi::HDC markedWindowDC(frmAboutScreen& w)
{
    const gdi::HDC dc = gdi::windowDC(&w);
    gdi::PatBlt(dc, 0, 0, w.width(), w.height(), gdi::WHITENESS);
    return dc;
}

// The credits' height in pixels, read from the text image: a frame of black above and below it.
int textHeight() { return frmAboutScreen::scroller().bmpText->Height().value() - 2 * kFrame.height(); }

// The height of a line of text, as the template measures it ("I" in its font); the design's font
// when none is given.
int lineHeight(QFont font)
{
    if (font == QFont())
        font = controls::designFont(QStringLiteral("Comic Sans MS"), 11.25);
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// The design's typeface at the first size, in quarter points, whose lines are `pixels` high.
QFont fontWithLinesOf(int pixels)
{
    for (double points = 6; points < 40; points += 0.25) {
        const QFont font = controls::designFont(QStringLiteral("Comic Sans MS"), points);
        if (lineHeight(font) == pixels)
            return font;
    }
    qFatal("no size of the credits font has lines of %d pixels", pixels);
}

long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

} // namespace

class TestAboutScroller : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }

    void theFirstFrameShowsOnlyTheBackground()
    {
        testing::AboutStage stage;
        frmAboutScreen& w = stage.about;
        const gdi::HDC dc = markedWindowDC(w);

        w.timText_Timer();
        QCOMPARE(scrollY(), kFrame.height());
        QVERIFY(frmAboutScreen::scroller().blnStarted);
        QCOMPARE(frmAboutScreen::scroller().intLines.value(), 24);
        const QImage shown = gdi::snapshot(dc);
        QCOMPARE(inkBounds(shown, kWhite), kFrame);
        QVERIFY(inkBounds(shown.copy(kFrame), kBlack).isNull());
    }

    void aPassRunsFromTheFrameHeightPastTheTextAndStartsOver_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("textHeight");
        QTest::newRow("the design font") << QFont() << 24 * lineHeight(QFont());
        QTest::newRow("lines of 21 pixels") << fontWithLinesOf(21) << 504;
    }

    void aPassRunsFromTheFrameHeightPastTheTextAndStartsOver()
    {
        QFETCH(QFont, font);
        QFETCH(int, textHeight);
        testing::AboutStage stage;
        frmAboutScreen& w = stage.about;
        if (font != QFont())
            w.picText->setFont(font); // the template is read afresh by every frame

        w.timText_Timer();
        QCOMPARE(scrollY(), 229);
        QCOMPARE(::textHeight(), textHeight);
        int frames = 0, lowest = scrollY();
        do {
            w.timText_Timer();
            ++frames;
            lowest = std::min(lowest, scrollY());
        } while (scrollY() != 229 && frames < 2000);
        QCOMPARE(lowest, -textHeight);
        QCOMPARE(frames, 229 + textHeight + 1); // 734 for the 504 pixels of 24 lines of 21
        w.timText_Timer();
        QCOMPARE(scrollY(), 228);
    }

    void eachFrameIsPacedToFiftyMilliseconds_data()
    {
        QTest::addColumn<uint32_t>("start");
        QTest::addColumn<uint32_t>("frameTime");
        QTest::addColumn<uint32_t>("pause");
        QTest::newRow("10 ms") << 1000u << 10u << 40u;
        QTest::newRow("49 ms") << 1000u << 49u << 1u;
        QTest::newRow("50 ms") << 1000u << 50u << 0u;
        QTest::newRow("70 ms") << 1000u << 70u << 0u;
        QTest::newRow("an hour") << 1000u << 3600000u << 0u;
        // The frame starts before the count passes 2^31 (or wraps) and ends after it.
        QTest::newRow("passing 2^31") << 0x7FFFFFFAu - 50 << 10u << 40u;
        QTest::newRow("wrapping") << 0xFFFFFFFAu - 50 << 10u << 40u;
    }

    void eachFrameIsPacedToFiftyMilliseconds()
    {
        QFETCH(uint32_t, start);
        QFETCH(uint32_t, frameTime);
        QFETCH(uint32_t, pause);
        testing::AboutStage stage(start);
        frmAboutScreen& w = stage.about;
        const gdi::ManualClock& clock = stage.clock;

        w.timText_Timer(); // the first frame takes no time at all: a full pause
        QCOMPARE(clock.sleeps(), std::vector<uint32_t>{50});
        stage.clock.advance(frameTime);
        w.timText_Timer();
        QCOMPARE(clock.sleeps().back(), pause);
        // The next frame counts from the end of this one.
        QCOMPARE(static_cast<uint32_t>(frmAboutScreen::scroller().lngLastTick), clock.now());
    }

    void textTakesTheFadeColourAndNothingElseIsDrawn()
    {
        testing::AboutStage stage;
        frmAboutScreen& w = stage.about;
        const gdi::HDC dc = markedWindowDC(w);

        runFrames(w, 1 + 229); // the credits' first line at the frame's top
        QCOMPARE(scrollY(), 0);
        const CreditsScroller& s = frmAboutScreen::scroller();
        const QImage shown = gdi::snapshot(dc);
        const QImage fade = gdi::snapshot(s.bmpFade->hdc());
        const QImage text = gdi::snapshot(s.bmpText->hdc());
        QCOMPARE(inkBounds(shown, kWhite), kFrame);

        // Bands of two lines fade to black at the top and the bottom.
        const int band = 2 * textHeight() / 24;
        QCOMPARE(fade.pixel(0, 0), kBlack);
        QCOMPARE(fade.pixel(0, band), kYellow);
        QCOMPARE(fade.pixel(0, kFrame.height() / 2), kYellow);
        QCOMPARE(fade.pixel(0, kFrame.height() - band), kYellow);
        const int last = qRound(255.0 / band); // a band's last line, one step short of black
        QCOMPARE(fade.pixel(0, kFrame.height() - 1), qRgb(last, last, 0));

        int ink[3] = {0, 0, 0}; // text pixels in the top band, the middle and the bottom band
        for (int y = 0; y < kFrame.height(); ++y)
            for (int x = 0; x < kFrame.width(); ++x) {
                const bool isText = text.pixel(x, y + kFrame.height()) == kWhite;
                QCOMPARE(shown.pixel(x, y), isText ? fade.pixel(x, y) : kBlack);
                if (!isText)
                    continue;
                const int where = y < band ? 0 : y > kFrame.height() - band ? 2 : 1;
                ++ink[where];
                const QRgb c = shown.pixel(x, y);
                QVERIFY2(qBlue(c) == 0 && qRed(c) == qGreen(c), "text is yellow or a darker yellow");
                QVERIFY(where == 1 ? c == kYellow : qRed(c) < 255);
            }
        QVERIFY(ink[0] > 0 && ink[1] > 0 && ink[2] > 0);
    }

    void tenThousandFramesLeaveNothingBehind()
    {
        testing::AboutStage stage;
        frmAboutScreen& w = stage.about;

        w.timText_Timer();
        const gdi::HandleStats handles = gdi::handleStats();
        const long memory = residentBytes();
        runFrames(w, 9999);
        QCOMPARE(gdi::handleStats(), handles);
        // A frame's images are 400 KB each: one kept a frame would be gigabytes by now.
        QVERIFY2(residentBytes() - memory < 16 * 1024 * 1024,
                 qPrintable(QStringLiteral("grew by %1 bytes").arg(residentBytes() - memory)));
        // 9,999 frames after the first: whole passes, then some frames into the next.
        const int pass = 229 + textHeight() + 1;
        QCOMPARE(scrollY(), 229 - 9999 % pass);
        QCOMPARE(stage.clock.sleeps().size(), std::size_t{10000});
    }
};

QTEST_MAIN(TestAboutScroller)
#include "tst_about_scroller.moc"
