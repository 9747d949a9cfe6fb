// The pixel loops over plain buffers: every ternary code against its truth table, every fast path
// and blend loop against its plain counterpart, and polygon spans.
#include "platform/raster/Blend.h"
#include "platform/raster/PolygonFill.h"
#include "platform/raster/Raster.h"
#include "platform/raster/Rop3.h"

#include <QTest>

#include <cmath>
#include <random>
#include <vector>

using raster::kOpaque;
using raster::Pattern;
using raster::Rect;

namespace {

// Random opaque pixels in rows five wider than the surface: a loop running past its area shows there.
struct Buffer {
    std::vector<uint32_t> pixels;
    raster::Surface surface;

    Buffer(int width, int height, std::mt19937& random)
        : pixels(static_cast<size_t>(width + 5) * height), surface{nullptr, width, height, width + 5}
    {
        for (uint32_t& p : pixels)
            p = random() | kOpaque;
        surface.bits = pixels.data();
    }
    Buffer(const Buffer& other) : pixels(other.pixels), surface(other.surface) { surface.bits = pixels.data(); }
};

struct Geometry {
    int dstWidth, dstHeight;
    Rect area;
    int srcWidth, srcHeight, srcX, srcY; // the source pixel behind area's top-left corner
};

// Areas whose widths leave a tail after any vector width, at odd offsets in both buffers.
constexpr Geometry kGeometries[] = {
    {1, 1, {0, 0, 1, 1}, 1, 1, 0, 0},    {9, 4, {1, 1, 8, 4}, 12, 5, 3, 0},      {40, 6, {3, 2, 36, 6}, 45, 7, 5, 1},
    {67, 3, {0, 0, 67, 3}, 70, 3, 3, 0}, {150, 5, {7, 1, 144, 5}, 151, 6, 0, 2},
};

raster::RasterJob jobFor(const Buffer& dst, const Buffer& src, const Geometry& g, const Pattern* pattern)
{
    return {dst.surface, g.area, src.surface.row(g.srcY) + g.srcX, src.surface.stride, pattern};
}

// Bit (P * 4 + S * 2 + D) of the code, for each of the 24 colour bits; the top byte is always set.
uint32_t byTruthTable(uint8_t code, uint32_t p, uint32_t s, uint32_t d)
{
    uint32_t result = kOpaque;
    for (int bit = 0; bit < 24; ++bit)
        result |= static_cast<uint32_t>(code >> ((p >> bit & 1) << 2 | (s >> bit & 1) << 1 | (d >> bit & 1)) & 1)
                  << bit;
    return result;
}

} // namespace

class TestRaster : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { raster::setFastPathsEnabled(true); }

    void everyCodeFollowsItsTruthTable_data()
    {
        QTest::addColumn<bool>("tiled");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::newRow("solid brush, whole rows") << false << 0 << 40;
        QTest::newRow("solid brush, odd area") << false << 3 << 32;
        QTest::newRow("tiled brush with gaps, whole rows") << true << 0 << 40;
        QTest::newRow("tiled brush with gaps, odd area") << true << 5 << 36;
    }

    // The generic path alone on random pixels. A solid brush is tried with a colour and its complement
    // so every pattern bit is seen both ways; where a tile leaves a pixel uncovered, a code that uses the
    // brush leaves the destination. Nothing outside the area changes.
    void everyCodeFollowsItsTruthTable()
    {
        QFETCH(bool, tiled);
        QFETCH(int, left);
        QFETCH(int, right);
        raster::setFastPathsEnabled(false);
        std::mt19937 random(1234);
        const Geometry g{40, 9, {left, 2, right, 9}, 37, 11, 1, 3};
        const Buffer src(g.srcWidth, g.srcHeight, random);
        for (int code = 0; code < 256; ++code) {
            std::vector<Pattern> patterns;
            if (tiled) {
                Pattern p{.kind = Pattern::Kind::Tiled, .originX = 3, .originY = 5};
                for (int i = 0; i < 64; ++i) {
                    p.tile[i] = random() | kOpaque;
                    p.covered[i] = random() % 4 != 0;
                }
                patterns.push_back(p);
            } else {
                const uint32_t colour = random();
                patterns = {raster::solidPattern(colour), raster::solidPattern(~colour)};
            }
            for (const Pattern& pattern : patterns) {
                const Buffer before(g.dstWidth, g.dstHeight, random);
                Buffer dst = before;
                raster::runGeneric(static_cast<uint8_t>(code), jobFor(dst, src, g, &pattern));
                for (int y = 0; y < g.dstHeight; ++y)
                    for (int x = 0; x < static_cast<int>(dst.surface.stride); ++x) {
                        const uint32_t d = before.surface.row(y)[x];
                        const int index = pattern.indexAt(x, y);
                        const bool solid = pattern.kind == Pattern::Kind::Solid;
                        uint32_t expected = d;
                        if (x >= g.area.left && x < g.area.right && y >= g.area.top && y < g.area.bottom
                            && (!raster::kRop3Table[code].pattern || solid || pattern.covered[index]))
                            expected =
                                byTruthTable(static_cast<uint8_t>(code), solid ? pattern.colour : pattern.tile[index],
                                             src.surface.row(y - g.area.top + g.srcY)[x - g.area.left + g.srcX], d);
                        if (const uint32_t got = dst.surface.row(y)[x]; got != expected)
                            QFAIL(qPrintable(
                                QString::asprintf("code %02X at (%d,%d): %08X, not %08X", code, x, y, got, expected)));
                    }
            }
        }
    }

    void optimisedLoopsMatchTheirReference_data()
    {
        QTest::addColumn<int>("code"); // a fast path's ternary code, or -1 for a constant-alpha blend loop
        QTest::addColumn<int>("loop");
        for (uint8_t code : raster::fastPathCodes())
            QTest::addRow("code %02X", code) << int(code) << 0;
        for (size_t loop = 0; loop < raster::blendLoops().size(); ++loop)
            QTest::addRow("blend loop %zu", loop) << -1 << int(loop);
    }

    // Pixel for pixel, the spare ones beyond each row included; blend loops for all 256 alphas.
    void optimisedLoopsMatchTheirReference()
    {
        QFETCH(int, code);
        QFETCH(int, loop);
        QVERIFY(code < 0 || (raster::fastPathsEnabled() && raster::findFastPath(static_cast<uint8_t>(code))));
        std::mt19937 random(99);
        for (int alpha = 0; alpha < (code < 0 ? 256 : 1); ++alpha)
            for (const Geometry& g : kGeometries) {
                const Buffer src(g.srcWidth, g.srcHeight, random), before(g.dstWidth, g.dstHeight, random);
                Buffer fast = before, reference = before;
                const Pattern brush = raster::solidPattern(random());
                if (code < 0) {
                    raster::blendLoops()[loop](jobFor(fast, src, g, nullptr), static_cast<uint8_t>(alpha));
                    raster::blendConstantReference(jobFor(reference, src, g, nullptr), static_cast<uint8_t>(alpha));
                } else {
                    raster::run(static_cast<uint8_t>(code), jobFor(fast, src, g, &brush));
                    raster::runGeneric(static_cast<uint8_t>(code), jobFor(reference, src, g, &brush));
                }
                QVERIFY2(fast.pixels == reference.pixels,
                         qPrintable(QString::asprintf("alpha %d, %d pixels wide", alpha, g.area.width())));
            }
    }

    // Every source, destination and alpha against the exact quotient, which is never a half.
    void blendChannelIsTheNearestWholeNumber()
    {
        for (uint32_t a = 0; a < 256; ++a)
            for (uint32_t s = 0; s < 256; ++s)
                for (uint32_t d = 0; d < 256; ++d) {
                    const double exact = (s * a + d * (255.0 - a)) / 255.0;
                    if (raster::blendChannel(s, d, a) != static_cast<uint32_t>(std::lround(exact)))
                        QFAIL(qPrintable(QString::asprintf("alpha %u, %u over %u: %f", a, s, d, exact)));
                }
    }

    void polygonSpans_data()
    {
        using raster::FillRule;
        using Vertices = std::vector<raster::Vertex>;
        QTest::addColumn<Vertices>("vertices");
        QTest::addColumn<int>("rule");
        QTest::addColumn<QStringList>("rows"); // '#' where a pixel is filled, on a 6 x 6 grid
        QTest::newRow("a square fills its pixels, not its right or bottom edge")
            << Vertices{{1, 1}, {4, 1}, {4, 4}, {1, 4}} << int(FillRule::Alternate)
            << QStringList{"......", ".###..", ".###..", ".###..", "......", "......"};
        // Pixels (5, 1), (4, 2) ... lie on the slanted edge's right-hand side, outside the triangle.
        QTest::newRow("a triangle's slanted edge")
            << Vertices{{0, 0}, {6, 0}, {0, 6}} << int(FillRule::Alternate)
            << QStringList{"######", "#####.", "####..", "###...", "##....", "#....."};
        // Inner square traced the same way round: alternate leaves a hole, winding fills it; traced the
        // other way round, both leave it.
        const Vertices same{{0, 0}, {6, 0}, {6, 6}, {0, 6}, {0, 0}, {2, 2}, {4, 2}, {4, 4}, {2, 4}, {2, 2}};
        const Vertices opposite{{0, 0}, {6, 0}, {6, 6}, {0, 6}, {0, 0}, {2, 2}, {2, 4}, {4, 4}, {4, 2}, {2, 2}};
        const QStringList holed{"######", "######", "##..##", "##..##", "######", "######"};
        QTest::newRow("nested, alternate") << same << int(FillRule::Alternate) << holed;
        QTest::newRow("nested, winding") << same << int(FillRule::Winding) << QStringList(6, QStringLiteral("######"));
        QTest::newRow("nested the other way, winding") << opposite << int(FillRule::Winding) << holed;
        QTest::newRow("clipped to the grid")
            << Vertices{{-100000, -5}, {2000000000, -5}, {2000000000, 2}, {-100000, 2}} << int(FillRule::Alternate)
            << QStringList{"######", "######", "......", "......", "......", "......"};
    }

    void polygonSpans()
    {
        QFETCH(std::vector<raster::Vertex>, vertices);
        QFETCH(int, rule);
        QFETCH(QStringList, rows);
        QStringList filled(6, QStringLiteral("......"));
        for (const Rect& span : raster::polygonSpans(vertices, static_cast<raster::FillRule>(rule), {0, 0, 6, 6})) {
            QCOMPARE(span.height(), 1);
            for (int x = span.left; x < span.right; ++x) {
                QVERIFY2(filled[span.top][x] == u'.', "a pixel filled twice");
                filled[span.top][x] = u'#';
            }
        }
        QCOMPARE(filled, rows);
    }
};

QTEST_MAIN(TestRaster)
#include "tst_raster.moc"
