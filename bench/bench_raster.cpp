// The raster layer's speed, each figure as a ratio against a baseline measured in the same run:
// a full-HD source copy and the generic ternary path against memcpy of the same bytes between
// buffers placed as a bitmap's pixels are (with --benchmark_repetitions, the medians), one frame
// of the about screen's scroller (466 x 233) against its 50 ms budget, a constant-alpha blend of
// full HD against the same memcpy, and GetPixel + SetPixel through handles, alone and as
// BFAlphaBlend and RotateBitmap use them, in pixels per second; and RotateBitmap from the screen
// against the same from a memory image, where an X server runs.
#include "graphics/clsBitmap.h"
#include "platform/gdi/Gdi.h"
#include "platform/raster/PixelBuffer.h"
#include "platform/raster/Raster.h"
#include "platform/raster/Rop3.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestSupport.h"

#include <QApplication>

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int kFullWidth = 1920;
constexpr int kFullHeight = 1080;
constexpr int kFrameWidth = 466;
constexpr int kFrameHeight = 233;
// A code that uses pattern, source and destination and has no fast path: where S is set the
// result is D, elsewhere P (0xB8).
constexpr uint32_t kGenericRop = 0x00B8074A;

// A canvas of random pixels.
std::unique_ptr<testing::Canvas> randomCanvas(int w, int h)
{
    auto canvas = std::make_unique<testing::Canvas>(w, h);
    std::mt19937 random(static_cast<unsigned>(w * 31 + h));
    canvas->randomise(random);
    return canvas;
}

void setBytes(benchmark::State& state, size_t bytes)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void memcpyFullHd(benchmark::State& state)
{
    const size_t bytes = size_t(kFullWidth) * kFullHeight * 4;
    raster::PixelBuffer from(bytes / 4, 0xFF123456), to(bytes / 4);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    setBytes(state, bytes);
}

void bitBltFullHd(benchmark::State& state, uint32_t rop)
{
    const auto from = randomCanvas(kFullWidth, kFullHeight), to = randomCanvas(kFullWidth, kFullHeight);
    const gdi::LOGBRUSH solid{gdi::BS_SOLID, 0x00A05030, 0};
    const testing::Selected brush(to->dc(), gdi::CreateBrushIndirect(&solid));
    for (auto _ : state) {
        gdi::BitBlt(to->dc(), 0, 0, kFullWidth, kFullHeight, from->dc(), 0, 0, rop);
        benchmark::ClobberMemory();
    }
    setBytes(state, size_t(kFullWidth) * kFullHeight * 4);
}

void alphaBlendFullHd(benchmark::State& state)
{
    const auto from = randomCanvas(kFullWidth, kFullHeight), to = randomCanvas(kFullWidth, kFullHeight);
    for (auto _ : state) {
        gdi::AlphaBlend(to->dc(), 0, 0, kFullWidth, kFullHeight, from->dc(), 0, 0, kFullWidth, kFullHeight,
                        gdi::blendFunction(100));
        benchmark::ClobberMemory();
    }
    setBytes(state, size_t(kFullWidth) * kFullHeight * 4);
}

// The three images the about screen keeps, made once as it makes them on its first frame.
struct AboutImages {
    clsBitmap fade, back, text;
    AboutImages()
    {
        fade.SetBitmap(kFrameHeight, kFrameWidth, 0xFFFF);
        fade.Gradient(0xFFFF, 0, 0, kFrameHeight - 38, kFrameWidth, 38);
        fade.Gradient(0, 0xFFFF, 0, 0, kFrameWidth, 38);
        back.SetBitmap(kFrameHeight, kFrameWidth, 0);
        text.SetBitmap(2 * kFrameHeight + 504, kFrameWidth, 0);
        QString credits;
        for (int i = 0; i < 23; ++i)
            credits += QStringLiteral("Zenvortali credits line %1\r\n").arg(i);
        text.DrawString(credits, kFrameHeight, 0, 504, kFrameWidth, QFont(QStringLiteral("Comic Sans MS"), 11),
                        0xFFFFFF);
    }
};

void aboutFrame(benchmark::State& state)
{
    AboutImages images;
    const testing::Canvas window(kFrameWidth, kFrameHeight);
    int y = 0;
    for (auto _ : state) {
        clsBitmap buffer;
        buffer.SetBitmap(kFrameHeight, kFrameWidth, 0);
        buffer.MergeBitmaps(images.fade.hdc(), images.back.hdc(), images.text.hdc(), clsBitmap::Omitted,
                            clsBitmap::Omitted, clsBitmap::Omitted, clsBitmap::Omitted, clsBitmap::Omitted,
                            clsBitmap::Omitted, clsBitmap::Omitted, static_cast<int16_t>(y));
        buffer.Paint(window.dc());
        y = (y + 1) % 700;
    }
}

void pixelsThroughHandles(benchmark::State& state)
{
    constexpr int side = 256;
    const auto canvas = randomCanvas(side, side);
    const gdi::HDC dc = canvas->dc();
    for (auto _ : state)
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                gdi::SetPixel(dc, x, y, gdi::GetPixel(dc, x, y) ^ 0x010101);
    state.SetItemsProcessed(state.iterations() * side * side);
}

// The two operations that go through GetPixel and SetPixel for every pixel, over 256 x 256.
void bfAlphaBlendPixels(benchmark::State& state)
{
    constexpr int side = 256;
    const auto one = randomCanvas(side, side), two = randomCanvas(side + 1, side);
    const testing::Canvas dest(side, side);
    clsBitmap b;
    for (auto _ : state)
        b.BFAlphaBlend(dest.dc(), one->dc(), two->dc(), 0, 0, side, side, 0, 0, 1, 0, 0.25f);
    state.SetItemsProcessed(state.iterations() * side * side);
}

void rotateBitmapPixels(benchmark::State& state)
{
    constexpr int side = 256;
    const auto source = randomCanvas(side, side);
    clsBitmap b;
    b.SetBitmap(side, side, 0);
    for (auto _ : state)
        b.RotateBitmap(source->dc(), 0, 0, 0, 0, 0, side, side);
    state.SetItemsProcessed(state.iterations() * side * side);
}

// The same turn with the screen as the source: on an X server only (run the benchmark under one).
void rotateBitmapFromScreen(benchmark::State& state)
{
    constexpr int side = 256;
    const gdi::HDC screen = gdi::GetDC(0);
    if (gdi::GetPixel(screen, 0, 0) == gdi::CLR_INVALID) {
        gdi::ReleaseDC(0, screen);
        state.SkipWithError("no screen to read: run on an X server");
        return;
    }
    clsBitmap b;
    b.SetBitmap(side, side, 0);
    for (auto _ : state)
        b.RotateBitmap(screen, 0, 0, 0, 0, 0, side, side);
    state.SetItemsProcessed(state.iterations() * side * side);
    gdi::ReleaseDC(0, screen);
}

} // namespace

BENCHMARK(memcpyFullHd)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bitBltFullHd, srccopy, gdi::SRCCOPY)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bitBltFullHd, generic, kGenericRop)->Unit(benchmark::kMicrosecond);
BENCHMARK(alphaBlendFullHd)->Unit(benchmark::kMicrosecond);
BENCHMARK(aboutFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(pixelsThroughHandles)->Unit(benchmark::kMicrosecond);
BENCHMARK(bfAlphaBlendPixels)->Unit(benchmark::kMicrosecond);
BENCHMARK(rotateBitmapPixels)->Unit(benchmark::kMicrosecond);
BENCHMARK(rotateBitmapFromScreen)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // The screen is read where there is one; everything else draws off-screen either way.
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::initProgramResources();
    if (raster::findFastPath(raster::rop3Code(kGenericRop)))
        qFatal("the generic measurement needs a code without a fast path");

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double copy = reporter.seconds["memcpyFullHd"];
    if (copy > 0) {
        std::printf("BitBlt SRCCOPY 1920x1080: %.2fx memcpy (goal <= 1.2x)\n",
                    reporter.seconds["bitBltFullHd/srccopy"] / copy);
        std::printf("generic ROP3 0xB8 1920x1080: %.2fx memcpy (goal <= 3x)\n",
                    reporter.seconds["bitBltFullHd/generic"] / copy);
        std::printf("AlphaBlend constant alpha 1920x1080: %.2fx memcpy (goal <= 3x)\n",
                    reporter.seconds["alphaBlendFullHd"] / copy);
    }
    const double frame = reporter.seconds["aboutFrame"];
    if (frame > 0)
        std::printf("about-screen frame 466x233: %.3f ms, %.0fx headroom on 50 ms (goal <= 1 ms)\n", frame * 1e3,
                    0.050 / frame);
    std::printf("GetPixel + SetPixel: %.1f million pixels/s (goal >= 20)\n",
                reporter.itemsPerSecond["pixelsThroughHandles"] / 1e6);
    std::printf("BFAlphaBlend 256x256: %.1f million pixels/s\n", reporter.itemsPerSecond["bfAlphaBlendPixels"] / 1e6);
    std::printf("RotateBitmap 256x256: %.1f million pixels/s\n", reporter.itemsPerSecond["rotateBitmapPixels"] / 1e6);
    if (const double screen = reporter.seconds["rotateBitmapFromScreen"]; screen > 0)
        std::printf("RotateBitmap 256x256 from the screen: %.1f ms, %.2fx the same from a memory image\n",
                    screen * 1e3, screen / reporter.seconds["rotateBitmapPixels"]);
    return 0;
}
