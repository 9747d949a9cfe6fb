#include "platform/raster/Raster.h"
#include "platform/raster/Rop3.h"

#include <array>

namespace raster {

namespace {

// The truth table reduced for one pattern word. With P fixed, each result bit depends on S and D
// alone, and any such function is an exclusive-or of the terms 1, D, S and S & D, each kept in some
// bits and not in others (its algebraic normal form). Four words chosen once per call say which,
// so a pixel costs six word operations whatever the code, in a loop with no branches that the
// compiler vectorises. The top byte is made constant 0xFF the same way, which costs nothing more.
struct Mix {
    uint32_t constant = kOpaque;
    uint32_t byD = 0;
    uint32_t byS = 0;
    uint32_t bySD = 0;

    Mix() = default;
    Mix(uint8_t code, uint32_t p)
    {
        // The result where the source bit is s and the destination bit d, as the code's low nibble
        // says where P is clear and its high nibble where P is set.
        std::array<uint32_t, 4> when{};
        for (int sd = 0; sd < 4; ++sd) {
            const uint32_t clear = (code >> sd & 1) ? ~0u : 0u;
            const uint32_t set = (code >> (4 + sd) & 1) ? ~0u : 0u;
            when[sd] = (p & set) | (~p & clear);
        }
        constant = when[0] | kOpaque;
        byD = (when[0] ^ when[1]) & ~kOpaque;
        byS = (when[0] ^ when[2]) & ~kOpaque;
        bySD = (when[0] ^ when[1] ^ when[2] ^ when[3]) & ~kOpaque;
    }
    // A pixel the pattern leaves uncovered: D, whatever S is.
    static Mix keepDestination()
    {
        Mix m;
        m.byD = ~kOpaque;
        return m;
    }
};

inline uint32_t mixed(uint32_t constant, uint32_t byD, uint32_t byS, uint32_t bySD, uint32_t s, uint32_t d)
{
    return constant ^ (d & byD) ^ (s & (byS ^ (d & bySD)));
}

// One pattern word for the whole area: a solid brush, or none.
void mixRow(const Mix& m, uint32_t* __restrict d, const uint32_t* __restrict s, int n)
{
    for (int i = 0; i < n; ++i)
        d[i] = mixed(m.constant, m.byD, m.byS, m.bySD, s[i], d[i]);
}

// A tile row: eight mixes, the first for the area's left column, repeating along the row. Blocks
// of eight pixels keep the loop free of index arithmetic, so it vectorises like the solid one.
struct TileRow {
    std::array<uint32_t, 8> constant, byD, byS, bySD;
};

void mixRow(const TileRow& t, uint32_t* __restrict d, const uint32_t* __restrict s, int n)
{
    int i = 0;
    for (; i + 8 <= n; i += 8)
        for (int k = 0; k < 8; ++k)
            d[i + k] = mixed(t.constant[k], t.byD[k], t.byS[k], t.bySD[k], s[i + k], d[i + k]);
    for (int k = 0; i < n; ++i, ++k)
        d[i] = mixed(t.constant[k], t.byD[k], t.byS[k], t.bySD[k], s[i], d[i]);
}

// The eight rows of a tiled pattern as seen from the area's left column.
std::array<TileRow, 8> tileRows(uint8_t code, const Pattern& pattern, const Rect& area)
{
    std::array<TileRow, 8> rows;
    for (int row = 0; row < 8; ++row)
        for (int k = 0; k < 8; ++k) {
            const int index = row * 8 + ((area.left + k - pattern.originX) & 7);
            const Mix m = pattern.covered[index] ? Mix(code, pattern.tile[index]) : Mix::keepDestination();
            rows[row].constant[k] = m.constant;
            rows[row].byD[k] = m.byD;
            rows[row].byS[k] = m.byS;
            rows[row].bySD[k] = m.bySD;
        }
    return rows;
}

} // namespace

void runGeneric(uint8_t code, const RasterJob& job)
{
    const Pattern* pattern = kRop3Table[code].pattern ? job.pattern : nullptr;
    const int width = job.area.width();
    if (pattern && pattern->kind == Pattern::Kind::Tiled) {
        const std::array<TileRow, 8> rows = tileRows(code, *pattern, job.area);
        for (int j = 0; j < job.area.height(); ++j)
            mixRow(rows[(job.area.top + j - pattern->originY) & 7], job.dstRow(j), job.srcRow(j), width);
        return;
    }
    const Mix m(code, pattern ? pattern->colour : 0);
    for (int j = 0; j < job.area.height(); ++j)
        mixRow(m, job.dstRow(j), job.srcRow(j), width);
}

void run(uint8_t code, const RasterJob& job)
{
    const bool solidEnough = !kRop3Table[code].pattern || (job.pattern && job.pattern->kind == Pattern::Kind::Solid);
    if (fastPathsEnabled() && solidEnough)
        if (FastPath fast = findFastPath(code)) {
            fast(job);
            return;
        }
    runGeneric(code, job);
}

} // namespace raster
