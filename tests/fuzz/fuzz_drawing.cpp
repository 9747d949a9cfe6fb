// A random sequence of drawing calls with fuzzer-chosen arguments on a few small bitmaps. After
// every call the bitmaps it did not draw on are unchanged (one of them, the canary, is only ever
// read from), the one it drew on is unchanged outside the rectangle the call names, and every
// pixel keeps its opaque top byte; ASan watches the edges of the pixel buffers themselves.
#include "platform/gdi/Gdi.h"
#include "Require.h"

#include <QGuiApplication>
#include <QImage>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Board {
    gdi::HDC dc = 0;
    gdi::HBITMAP bitmap = 0;
    gdi::HGDIOBJ old = 0;
    int width = 0;
    int height = 0;
};

constexpr int kBoards = 3; // drawn on; the canary comes after them
constexpr int kMaxCalls = 48;

Board makeBoard(int width, int height, uint32_t seed)
{
    Board b;
    b.dc = gdi::CreateCompatibleDC(0);
    b.bitmap = gdi::CreateCompatibleBitmap(b.dc, width, height);
    b.old = gdi::SelectObject(b.dc, b.bitmap);
    b.width = width;
    b.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            gdi::SetPixel(b.dc, x, y, (seed + 0x9E3779B9u * uint32_t(y * width + x)) & 0xFFFFFF);
    return b;
}

void dropBoard(const Board& b)
{
    // Whatever brush, pen or font a call left selected goes with the DC's own.
    for (int stock : {gdi::WHITE_BRUSH, gdi::BLACK_PEN, gdi::SYSTEM_FONT})
        gdi::DeleteObject(gdi::SelectObject(b.dc, gdi::GetStockObject(stock)));
    gdi::SelectObject(b.dc, b.old);
    gdi::DeleteObject(b.bitmap);
    gdi::DeleteDC(b.dc);
}

// Coordinates and extents: mostly near the bitmaps, often at or next to the int limits.
int number(FuzzedDataProvider& in)
{
    static constexpr std::array kEdges{INT_MIN, INT_MIN + 1, INT_MIN + 100, -1000000,    -1,     0,
                                       1,       1000000,     INT_MAX - 100, INT_MAX - 1, INT_MAX};
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return kEdges[in.ConsumeIntegralInRange<size_t>(0, kEdges.size() - 1)];
    case 1: return in.ConsumeIntegral<int>();
    default: return in.ConsumeIntegralInRange(-40, 40);
    }
}

uint32_t rop(FuzzedDataProvider& in)
{
    static constexpr std::array kNamed{gdi::SRCCOPY,   gdi::SRCAND,    gdi::SRCINVERT, gdi::PATCOPY,   gdi::PATINVERT,
                                       gdi::BLACKNESS, gdi::WHITENESS, gdi::DSTINVERT, gdi::MERGEPAINT};
    if (in.ConsumeBool())
        return kNamed[in.ConsumeIntegralInRange<size_t>(0, kNamed.size() - 1)];
    return uint32_t(in.ConsumeIntegral<uint8_t>()) << 16;
}

// The destination pixels a rectangle call may touch: its rectangle, normalised and clipped.
QRect reach(const Board& b, int x, int y, int w, int h)
{
    const int64_t left = std::min<int64_t>(x, int64_t(x) + w), right = std::max<int64_t>(x, int64_t(x) + w);
    const int64_t top = std::min<int64_t>(y, int64_t(y) + h), bottom = std::max<int64_t>(y, int64_t(y) + h);
    const auto cut = [](int64_t v, int limit) { return static_cast<int>(std::clamp<int64_t>(v, 0, limit)); };
    return QRect(QPoint(cut(left, b.width), cut(top, b.height)),
                 QPoint(cut(right, b.width) - 1, cut(bottom, b.height) - 1));
}

void selectFresh(const Board& b, gdi::HGDIOBJ object)
{
    if (object)
        gdi::DeleteObject(gdi::SelectObject(b.dc, object)); // deleting a stock object is harmless
}

// One call on boards[to]; returns the part of it the call may change.
QRect call(FuzzedDataProvider& in, const std::array<Board, kBoards + 1>& boards, int to)
{
    const Board& b = boards[to];
    const Board& from = boards[in.ConsumeIntegralInRange(0, kBoards)];
    const QRect everything(0, 0, b.width, b.height);
    switch (in.ConsumeIntegralInRange(0, 9)) {
    case 0: {
        const int x = number(in), y = number(in), w = number(in), h = number(in);
        gdi::PatBlt(b.dc, x, y, w, h, rop(in));
        return reach(b, x, y, w, h);
    }
    case 1: {
        const int x = number(in), y = number(in), w = number(in), h = number(in);
        gdi::BitBlt(b.dc, x, y, w, h, from.dc, number(in), number(in), rop(in));
        return w > 0 && h > 0 ? reach(b, x, y, w, h) : QRect();
    }
    case 2: {
        gdi::SetStretchBltMode(b.dc, in.ConsumeIntegralInRange(0, 5));
        const int x = number(in), y = number(in), w = number(in), h = number(in);
        gdi::StretchBlt(b.dc, x, y, w, h, from.dc, number(in), number(in), number(in), number(in), rop(in));
        return reach(b, x, y, w, h);
    }
    case 3: {
        const int x = number(in), y = number(in);
        const gdi::COLORREF before = gdi::GetPixel(b.dc, x, y);
        const bool inside = everything.contains(x, y);
        require((before != gdi::CLR_INVALID) == inside, "GetPixel disagrees with the bitmap's extent");
        const gdi::COLORREF colour = in.ConsumeIntegral<uint32_t>();
        require((gdi::SetPixel(b.dc, x, y, colour) != gdi::CLR_INVALID) == inside, "SetPixel outside the bitmap");
        require(!inside || gdi::GetPixel(b.dc, x, y) == (colour & 0xFFFFFF), "SetPixel did not set the pixel");
        return inside ? QRect(x, y, 1, 1) : QRect();
    }
    case 4: {
        const std::string text = in.ConsumeRandomLengthString(24);
        gdi::RECT r{number(in), number(in), number(in), number(in)};
        const int count = in.ConsumeIntegralInRange(-1, static_cast<int>(text.size()));
        gdi::DrawTextA(b.dc, text.c_str(), count, &r, in.ConsumeIntegral<uint32_t>());
        return everything;
    }
    case 5: {
        std::array<gdi::POINT, 6> points;
        const int count = in.ConsumeIntegralInRange(0, static_cast<int>(points.size()));
        for (int i = 0; i < count; ++i)
            points[i] = {number(in), number(in)};
        gdi::Polyline(b.dc, points.data(), count);
        return everything;
    }
    case 6: {
        const gdi::LOGBRUSH record{in.ConsumeIntegralInRange<uint32_t>(0, 3), in.ConsumeIntegral<uint32_t>(),
                                   in.ConsumeIntegralInRange<uint32_t>(0, 7)};
        selectFresh(b, gdi::CreateBrushIndirect(&record));
        gdi::SetBrushOrgEx(b.dc, number(in), number(in), nullptr);
        return {};
    }
    case 7: {
        const gdi::LOGPEN record{
            in.ConsumeIntegral<uint32_t>() & 0x000FFF0F, {number(in), 0}, in.ConsumeIntegral<uint32_t>()};
        selectFresh(b, gdi::CreatePenIndirect(&record));
        return {};
    }
    case 8: {
        gdi::LOGFONTA record;
        record.lfHeight = number(in);
        record.lfEscapement = number(in);
        record.lfWeight = in.ConsumeIntegralInRange(-10, 1100);
        record.lfItalic = in.ConsumeBool();
        record.lfUnderline = in.ConsumeBool();
        record.lfQuality = in.ConsumeIntegralInRange<uint8_t>(0, 6);
        static constexpr std::array kFaces{"", "DejaVu Sans", "Liberation Serif", "Comic Neue"};
        std::snprintf(record.lfFaceName, sizeof record.lfFaceName, "%s",
                      kFaces[in.ConsumeIntegralInRange<size_t>(0, kFaces.size() - 1)]);
        selectFresh(b, gdi::CreateFontIndirectA(&record));
        return {};
    }
    default:
        gdi::SetBkMode(b.dc, in.ConsumeIntegralInRange(0, 3));
        gdi::SetBkColor(b.dc, in.ConsumeIntegral<uint32_t>());
        gdi::SetTextColor(b.dc, in.ConsumeIntegral<uint32_t>());
        return {};
    }
}

// Pixels of `after` that differ from `before` outside `allowed`, or lost their top byte.
bool changedOnlyWithin(const QImage& before, const QImage& after, const QRect& allowed)
{
    for (int y = 0; y < after.height(); ++y) {
        const auto* was = reinterpret_cast<const uint32_t*>(before.constScanLine(y));
        const auto* now = reinterpret_cast<const uint32_t*>(after.constScanLine(y));
        for (int x = 0; x < after.width(); ++x)
            if (now[x] >> 24 != 0xFF || (now[x] != was[x] && !allowed.contains(x, y)))
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // gdi draws text and lines with QPainter, which needs a GUI application; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    // The stock objects are made on first use and live on; making them now keeps them out of the
    // handle count each input is held to.
    gdi::DeleteDC(gdi::CreateCompatibleDC(0));
    // A warning from Qt during a call means the call handed it something out of range, which Qt
    // then ignores or replaces (a pen it refused drew one pixel wide): a fault of ours.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        require(type == QtDebugMsg || type == QtInfoMsg, "Qt warned about a call's arguments");
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const gdi::HandleStats handlesBefore = gdi::handleStats();
    std::array<Board, kBoards + 1> boards;
    for (int i = 0; i < kBoards; ++i)
        boards[i] = makeBoard(in.ConsumeIntegralInRange(1, 20), in.ConsumeIntegralInRange(1, 20), i * 0x404040u);
    boards[kBoards] = makeBoard(7, 5, 0x123456); // the canary: a source, never a destination

    for (int n = 0; n < kMaxCalls && in.remaining_bytes() > 0; ++n) {
        std::array<QImage, kBoards + 1> before;
        for (int i = 0; i <= kBoards; ++i)
            before[i] = gdi::snapshot(boards[i].dc);
        const int to = in.ConsumeIntegralInRange(0, kBoards - 1);
        const QRect allowed = call(in, boards, to);
        for (int i = 0; i <= kBoards; ++i) {
            const QImage after = gdi::snapshot(boards[i].dc);
            require(changedOnlyWithin(before[i], after, i == to ? allowed : QRect()),
                    i == to ? "a pixel changed outside the call's rectangle" : "a bitmap not drawn on changed");
        }
    }

    for (const Board& b : boards)
        dropBoard(b);
    const gdi::HandleStats handlesAfter = gdi::handleStats();
    require(handlesAfter.live == handlesBefore.live, "a call left a handle behind");
    return 0;
}
