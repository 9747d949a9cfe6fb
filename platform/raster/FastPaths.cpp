#include "platform/raster/Raster.h"
#include "platform/raster/Rop3.h"

#include <algorithm>
#include <array>
#include <cstring>

// Fast paths for the codes programs use most. Each is a row of the table below; a code that uses
// the pattern only takes its fast path with a solid brush (the dispatcher checks). Every row must
// give exactly what the generic path gives; the raster tests hold them to that.
namespace raster {

namespace {

bool enabled = true;

// One loop serves every pixel-wise row: the operation is inlined into its own copy of it.
template <auto op>
void pixelwise(const RasterJob& job)
{
    const uint32_t p = job.pattern ? job.pattern->colour : 0;
    const int width = job.area.width();
    for (int j = 0; j < job.area.height(); ++j) {
        uint32_t* __restrict d = job.dstRow(j);
        const uint32_t* __restrict s = job.srcRow(j);
        for (int i = 0; i < width; ++i)
            d[i] = op(p, s[i], d[i]) | kOpaque;
    }
}

template <uint32_t value>
void fillConstant(const RasterJob& job)
{
    for (int j = 0; j < job.area.height(); ++j)
        std::fill_n(job.dstRow(j), job.area.width(), value);
}

void fillPattern(const RasterJob& job)
{
    for (int j = 0; j < job.area.height(); ++j)
        std::fill_n(job.dstRow(j), job.area.width(), job.pattern->colour);
}

// Source pixels already carry the opaque top byte, so a plain copy keeps the invariant.
void copySource(const RasterJob& job)
{
    for (int j = 0; j < job.area.height(); ++j)
        std::memcpy(job.dstRow(j), job.srcRow(j), sizeof(uint32_t) * job.area.width());
}

void leaveDestination(const RasterJob&) {}

struct Row {
    uint8_t code;
    FastPath run;
};

using P = uint32_t;
constexpr std::array kFastPaths{
    Row{0x00, &fillConstant<kOpaque>}, // BLACKNESS
    Row{0xFF, &fillConstant<0xFFFFFFFF>}, // WHITENESS
    Row{0xAA, &leaveDestination}, // D
    Row{0xCC, &copySource}, // SRCCOPY
    Row{0xF0, &fillPattern}, // PATCOPY
    Row{0x88, &pixelwise<[](P, P s, P d) { return s & d; }>}, // SRCAND
    Row{0xEE, &pixelwise<[](P, P s, P d) { return s | d; }>}, // SRCPAINT
    Row{0x66, &pixelwise<[](P, P s, P d) { return s ^ d; }>}, // SRCINVERT
    Row{0x44, &pixelwise<[](P, P s, P d) { return s & ~d; }>}, // SRCERASE
    Row{0x33, &pixelwise<[](P, P s, P) { return ~s; }>}, // NOTSRCCOPY
    Row{0x11, &pixelwise<[](P, P s, P d) { return ~(s | d); }>}, // NOTSRCERASE
    Row{0xBB, &pixelwise<[](P, P s, P d) { return ~s | d; }>}, // MERGEPAINT
    Row{0xC0, &pixelwise<[](P p, P s, P) { return p & s; }>}, // MERGECOPY
    Row{0x5A, &pixelwise<[](P p, P, P d) { return p ^ d; }>}, // PATINVERT
    Row{0xFB, &pixelwise<[](P p, P s, P d) { return p | ~s | d; }>}, // PATPAINT
    Row{0x55, &pixelwise<[](P, P, P d) { return ~d; }>}, // DSTINVERT
};

constexpr std::array<FastPath, 256> kByCode = [] {
    std::array<FastPath, 256> byCode{};
    for (const Row& row : kFastPaths)
        byCode[row.code] = row.run;
    return byCode;
}();

} // namespace

FastPath findFastPath(uint8_t code) { return kByCode[code]; }

std::vector<uint8_t> fastPathCodes()
{
    std::vector<uint8_t> codes;
    for (const Row& row : kFastPaths)
        codes.push_back(row.code);
    return codes;
}

void setFastPathsEnabled(bool on) { enabled = on; }
bool fastPathsEnabled() { return enabled; }

} // namespace raster
