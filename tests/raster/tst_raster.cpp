// The pixel loops on their own, over plain buffers: every ternary code against its truth table,
// every fast path against the generic path.
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

// Switches the fast paths for one test and back on after it.
class FastPaths {
public:
    explicit FastPaths(bool on) { raster::setFastPathsEnabled(on); }
    ~FastPaths() { raster::setFastPathsEnabled(true); }
};

// Random opaque pixels in rows wider than the surface, so that a loop running past the width of
// its area or of the surface shows in the spare pixels.
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
};

// Where a job reads and writes, within a destination and a source buffer.
struct Geometry {
    int dstWidth, dstHeight;
    Rect area;
    int srcWidth, srcHeight, srcX, srcY; // the source pixel behind area's top-left corner
};

raster::RasterJob jobFor(const Buffer& dst, const Buffer& src, const Geometry& g, const Pattern* pattern)
{
    raster::RasterJob job;
    job.dst = dst.surface;
    job.area = g.area;
    job.src = src.surface.row(g.srcY) + g.srcX;
    job.srcStride = src.surface.stride;
    job.pattern = pattern;
    return job;
}

// Bit (P * 4 + S * 2 + D) of the code, for each of the 24 colour bits; the top byte is always set.
uint32_t byTruthTable(uint8_t code, uint32_t p, uint32_t s, uint32_t d)
{
    uint32_t result = kOpaque;
    for (int bit = 0; bit < 24; ++bit) {
        const int index = (p >> bit & 1) << 2 | (s >> bit & 1) << 1 | (d >> bit & 1);
        result |= static_cast<uint32_t>(code >> index & 1) << bit;
    }
    return result;
}

Pattern tiledPattern(std::mt19937& random)
{
    Pattern p;
    p.kind = Pattern::Kind::Tiled;
    for (int i = 0; i < 64; ++i) {
        p.tile[i] = random() | kOpaque;
        p.covered[i] = random() % 4 != 0;
    }
    p.originX = 3;
    p.originY = 5;
    return p;
}

} // namespace

class TestRaster : public QObject {
    Q_OBJECT
private slots:
    void everyCodeFollowsItsTruthTable_data();
    void everyCodeFollowsItsTruthTable();
    void fastPathsMatchTheGenericPath_data();
    void fastPathsMatchTheGenericPath();
    void blendChannelIsTheNearestWholeNumber();
    void constantBlendMatchesTheReference();
    void polygonSpans_data();
    void polygonSpans();
};

void TestRaster::everyCodeFollowsItsTruthTable_data()
{
    QTest::addColumn<bool>("tiled");
    QTest::addColumn<int>("areaLeft");
    QTest::addColumn<int>("areaWidth");
    QTest::newRow("solid brush, whole rows") << false << 0 << 40;
    QTest::newRow("solid brush, odd area") << false << 3 << 29;
    QTest::newRow("tiled brush with gaps, whole rows") << true << 0 << 40;
    QTest::newRow("tiled brush with gaps, odd area") << true << 5 << 31;
}

// The generic path alone, each code against its definition on random pixels. A solid brush is
// tried with a colour and its complement so that every bit of the pattern is seen both ways; where
// a tile leaves a pixel uncovered, a code that uses the brush leaves the destination as it was.
// Nothing outside the area changes.
void TestRaster::everyCodeFollowsItsTruthTable()
{
    QFETCH(bool, tiled);
    QFETCH(int, areaLeft);
    QFETCH(int, areaWidth);
    const FastPaths off(false);
    std::mt19937 random(1234);
    const Geometry g{40, 9, {areaLeft, 2, areaLeft + areaWidth, 9}, 37, 11, 1, 3};
    const Buffer src(g.srcWidth, g.srcHeight, random);
    QStringList failures;
    for (int code = 0; code < 256; ++code) {
        const bool usesBrush = raster::kRop3Table[code].pattern;
        std::vector<Pattern> patterns;
        if (tiled) {
            patterns.push_back(tiledPattern(random));
        } else {
            const uint32_t colour = random();
            patterns = {raster::solidPattern(colour), raster::solidPattern(~colour)};
        }
        for (const Pattern& pattern : patterns) {
            Buffer dst(g.dstWidth, g.dstHeight, random);
            const std::vector<uint32_t> before = dst.pixels;
            raster::runGeneric(static_cast<uint8_t>(code), jobFor(dst, src, g, &pattern));
            for (int y = 0; y < g.dstHeight; ++y)
                for (int x = 0; x < static_cast<int>(dst.surface.stride); ++x) {
                    const uint32_t d = before[y * dst.surface.stride + x], result = dst.surface.row(y)[x];
                    const bool inArea = x >= g.area.left && x < g.area.right && y >= g.area.top && y < g.area.bottom;
                    const int index = pattern.indexAt(x, y);
                    const bool covered = !usesBrush || pattern.kind == Pattern::Kind::Solid || pattern.covered[index];
                    uint32_t expected = d;
                    if (inArea && covered) {
                        const uint32_t p = pattern.kind == Pattern::Kind::Solid ? pattern.colour : pattern.tile[index];
                        const uint32_t s = src.surface.row(y - g.area.top + g.srcY)[x - g.area.left + g.srcX];
                        expected = byTruthTable(static_cast<uint8_t>(code), p, s, d);
                    }
                    if (result != expected && failures.size() < 5)
                        failures << QStringLiteral("code %1 at (%2,%3): %4, expected %5")
                                        .arg(code, 2, 16, QLatin1Char('0'))
                                        .arg(x)
                                        .arg(y)
                                        .arg(result, 8, 16)
                                        .arg(expected, 8, 16);
                }
        }
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
}

void TestRaster::fastPathsMatchTheGenericPath_data()
{
    QTest::addColumn<int>("code");
    for (uint8_t code : raster::fastPathCodes())
        QTest::addRow("%02X", code) << int(code);
}

// Every fast path gives exactly what the generic path gives, pixel for pixel including the spare
// ones beyond each row, over widths that leave a tail after any vector width and areas that start
// at odd offsets in both buffers.
void TestRaster::fastPathsMatchTheGenericPath()
{
    QFETCH(int, code);
    QVERIFY(raster::findFastPath(static_cast<uint8_t>(code)));
    const Geometry geometries[] = {
        {1, 1, {0, 0, 1, 1}, 1, 1, 0, 0},       {9, 4, {1, 1, 8, 4}, 12, 5, 3, 0},
        {40, 6, {3, 2, 36, 6}, 45, 7, 5, 1},    {67, 3, {0, 0, 67, 3}, 70, 3, 3, 0},
        {150, 5, {7, 1, 144, 5}, 151, 6, 0, 2},
    };
    std::mt19937 random(99);
    for (const Geometry& g : geometries) {
        const Buffer src(g.srcWidth, g.srcHeight, random);
        const Pattern brush = raster::solidPattern(random());
        Buffer fast(g.dstWidth, g.dstHeight, random), generic = fast;
        generic.surface.bits = generic.pixels.data();
        {
            const FastPaths on(true);
            raster::run(static_cast<uint8_t>(code), jobFor(fast, src, g, &brush));
        }
        raster::runGeneric(static_cast<uint8_t>(code), jobFor(generic, src, g, &brush));
        for (size_t i = 0; i < fast.pixels.size(); ++i)
            if (fast.pixels[i] != generic.pixels[i])
                QFAIL(qPrintable(QStringLiteral("%1 pixels wide, at word %2: %3, generic path %4")
                                     .arg(g.area.width())
                                     .arg(i)
                                     .arg(fast.pixels[i], 8, 16)
                                     .arg(generic.pixels[i], 8, 16)));
    }
}

// Every source, destination and alpha: the integer formula against the exact quotient, which is
// never a half, so no tie rule is involved.
void TestRaster::blendChannelIsTheNearestWholeNumber()
{
    for (uint32_t a = 0; a < 256; ++a)
        for (uint32_t s = 0; s < 256; ++s)
            for (uint32_t d = 0; d < 256; ++d) {
                const double exact = (s * a + d * (255.0 - a)) / 255.0;
                if (raster::blendChannel(s, d, a) != static_cast<uint32_t>(std::lround(exact)))
                    QFAIL(qPrintable(QStringLiteral("alpha %1, %2 over %3: %4").arg(a).arg(s).arg(d).arg(exact)));
            }
}

// Each vectorised loop this processor runs against the per-pixel reference for all 256 alphas, on
// random pixels in areas whose widths leave a tail after any vector width; nothing beyond the area
// changes.
void TestRaster::constantBlendMatchesTheReference()
{
    const std::vector<raster::BlendLoop> loops = raster::blendLoops();
    qInfo("%zu vector widths", loops.size());
    std::mt19937 random(2024);
    const Geometry geometries[] = {
        {1, 1, {0, 0, 1, 1}, 1, 1, 0, 0}, {40, 6, {3, 2, 36, 6}, 45, 7, 5, 1}, {67, 3, {0, 0, 67, 3}, 70, 3, 3, 0}};
    for (int alpha = 0; alpha < 256; ++alpha)
        for (const Geometry& g : geometries) {
            const Buffer src(g.srcWidth, g.srcHeight, random);
            Buffer reference(g.dstWidth, g.dstHeight, random);
            const std::vector<uint32_t> before = reference.pixels;
            raster::blendConstantReference(jobFor(reference, src, g, nullptr), static_cast<uint8_t>(alpha));
            for (size_t loop = 0; loop < loops.size(); ++loop) {
                Buffer fast = reference;
                fast.pixels = before;
                fast.surface.bits = fast.pixels.data();
                loops[loop](jobFor(fast, src, g, nullptr), static_cast<uint8_t>(alpha));
                if (fast.pixels != reference.pixels)
                    QFAIL(qPrintable(
                        QStringLiteral("loop %1, alpha %2, %3 pixels wide").arg(loop).arg(alpha).arg(g.area.width())));
            }
        }
}

void TestRaster::polygonSpans_data()
{
    using raster::FillRule;
    using Vertices = std::vector<raster::Vertex>;
    QTest::addColumn<Vertices>("vertices");
    QTest::addColumn<int>("rule");
    QTest::addColumn<QStringList>("rows"); // '#' where a pixel is filled, on a 6 x 6 grid
    const Vertices square{{1, 1}, {4, 1}, {4, 4}, {1, 4}};
    QTest::newRow("a square fills its pixels, not its right or bottom edge")
        << square << int(FillRule::Alternate)
        << QStringList{"......", ".###..", ".###..", ".###..", "......", "......"};
    // The slanted edge passes through the points of pixels (5, 1), (4, 2) ...: they lie on its
    // right-hand side, outside the triangle, where the line drawn along the edge covers them.
    QTest::newRow("a triangle's slanted edge")
        << Vertices{{0, 0}, {6, 0}, {0, 6}} << int(FillRule::Alternate)
        << QStringList{"######", "#####.", "####..", "###...", "##....", "#....."};
    // An outer square and an inner one traced the same way round: alternate leaves a hole,
    // winding fills it; traced the other way round, both leave it.
    const Vertices same{{0, 0}, {6, 0}, {6, 6}, {0, 6}, {0, 0}, {2, 2}, {4, 2}, {4, 4}, {2, 4}, {2, 2}};
    const Vertices opposite{{0, 0}, {6, 0}, {6, 6}, {0, 6}, {0, 0}, {2, 2}, {2, 4}, {4, 4}, {4, 2}, {2, 2}};
    const QStringList holed{"######", "######", "##..##", "##..##", "######", "######"};
    const QStringList full(6, QStringLiteral("######"));
    QTest::newRow("nested, alternate") << same << int(FillRule::Alternate) << holed;
    QTest::newRow("nested, winding") << same << int(FillRule::Winding) << full;
    QTest::newRow("nested the other way, winding") << opposite << int(FillRule::Winding) << holed;
    QTest::newRow("clipped to the grid") << Vertices{{-100000, -5}, {2000000000, -5}, {2000000000, 2}, {-100000, 2}}
                                         << int(FillRule::Alternate)
                                         << QStringList{"######", "######", "......", "......", "......", "......"};
}

void TestRaster::polygonSpans()
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

QTEST_MAIN(TestRaster)
#include "tst_raster.moc"
