#include "platform/raster/Raster.h"
#include "platform/raster/Rop3.h"

#include <array>

namespace raster {

namespace {

// The truth table spread over whole words: each of the eight minterms (one combination of P, S
// and D) is kept or dropped by the matching bit of the code, for all 32 bits of a pixel at once.
struct Minterms {
    std::array<uint32_t, 8> keep{};

    explicit Minterms(uint8_t code)
    {
        for (int i = 0; i < 8; ++i)
            keep[i] = (code >> i & 1) ? ~0u : 0u;
    }

    uint32_t operator()(uint32_t p, uint32_t s, uint32_t d) const
    {
        const uint32_t np = ~p, ns = ~s, nd = ~d;
        return (keep[0] & np & ns & nd) | (keep[1] & np & ns & d) | (keep[2] & np & s & nd) | (keep[3] & np & s & d)
               | (keep[4] & p & ns & nd) | (keep[5] & p & ns & d) | (keep[6] & p & s & nd) | (keep[7] & p & s & d);
    }
};

// The pattern repeats every eight rows, so each of its eight rows is laid out once across the
// width of the area: colours, and a mask that is all ones where the destination must stay.
class PatternRows {
public:
    PatternRows(const Pattern* pattern, const Rect& area)
        : width_(area.width()), originY_(pattern ? pattern->originY : 0), colours_(8 * width_), stays_(8 * width_)
    {
        if (!pattern)
            return;
        for (int row = 0; row < 8; ++row)
            for (int i = 0; i < width_; ++i) {
                const int k = row * width_ + i;
                if (pattern->kind != Pattern::Kind::Tiled) {
                    colours_[k] = pattern->colour;
                    continue;
                }
                const int tileIndex = row * 8 + ((area.left + i - pattern->originX) & 7);
                colours_[k] = pattern->tile[tileIndex];
                stays_[k] = pattern->covered[tileIndex] ? 0u : ~0u;
            }
    }

    const uint32_t* colours(int y) const { return colours_.data() + rowOf(y) * width_; }
    const uint32_t* stays(int y) const { return stays_.data() + rowOf(y) * width_; }

private:
    int rowOf(int y) const { return (y - originY_) & 7; }

    int width_;
    int originY_;
    std::vector<uint32_t> colours_;
    std::vector<uint32_t> stays_;
};

void mixRow(const Minterms& f, uint32_t* __restrict d, const uint32_t* __restrict s, const uint32_t* __restrict p,
            const uint32_t* __restrict stays, int n)
{
    for (int i = 0; i < n; ++i) {
        const uint32_t mixed = f(p[i], s[i], d[i]);
        d[i] = (mixed & ~stays[i]) | (d[i] & stays[i]) | kOpaque;
    }
}

} // namespace

void runGeneric(uint8_t code, const RasterJob& job)
{
    const Minterms f(code);
    const PatternRows pattern(kRop3Table[code].pattern ? job.pattern : nullptr, job.area);
    for (int j = 0; j < job.area.height(); ++j) {
        const int y = job.area.top + j;
        mixRow(f, job.dstRow(j), job.srcRow(j), pattern.colours(y), pattern.stays(y), job.area.width());
    }
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
