#include "platform/raster/Blend.h"

namespace raster {

void blendConstantReference(const RasterJob& job, uint8_t alpha)
{
    for (int j = 0; j < job.area.height(); ++j) {
        uint32_t* d = job.dstRow(j);
        const uint32_t* s = job.srcRow(j);
        for (int i = 0; i < job.area.width(); ++i) {
            uint32_t mixed = kOpaque;
            for (int shift = 0; shift < 24; shift += 8)
                mixed |= blendChannel(s[i] >> shift & 0xFF, d[i] >> shift & 0xFF, alpha) << shift;
            d[i] = mixed;
        }
    }
}

namespace {

// Every byte of a row is a channel, the top bytes included: both of those are 0xFF, and so is
// their blend, so the pixels stay opaque without a mask. Per byte the sum t = s * a + d * (255 - a)
// + 128 fits 16 bits, and t * 257 / 65536 is the nearest whole number to (t - 128) / 255 for
// every t that can occur, which the tests check against blendChannel. In 16-bit lanes that is two
// multiplies, two adds and one high multiply per byte.
inline void blendRows(const RasterJob& job, uint8_t alpha)
{
    const uint16_t a = alpha;
    const uint16_t b = static_cast<uint16_t>(255 - alpha);
    const int bytes = job.area.width() * 4;
    for (int j = 0; j < job.area.height(); ++j) {
        uint8_t* __restrict d = reinterpret_cast<uint8_t*>(job.dstRow(j));
        const uint8_t* __restrict s = reinterpret_cast<const uint8_t*>(job.srcRow(j));
        for (int i = 0; i < bytes; ++i) {
            const uint16_t t = static_cast<uint16_t>(s[i] * a + d[i] * b + 128);
            d[i] = static_cast<uint8_t>(uint32_t(t) * 257 >> 16);
        }
    }
}

// The same loop for the baseline vector width (SSE2 on every x86-64) and, where the processor
// has it, for AVX2 with lanes twice as wide, which halves the work on a full-screen blend.
void blendBaseline(const RasterJob& job, uint8_t alpha) { blendRows(job, alpha); }

#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx2"))) void blendAvx2(const RasterJob& job, uint8_t alpha) { blendRows(job, alpha); }
#endif

} // namespace

std::vector<BlendLoop> blendLoops()
{
    std::vector<BlendLoop> loops{&blendBaseline};
#if defined(__x86_64__) && defined(__GNUC__)
    if (__builtin_cpu_supports("avx2"))
        loops.push_back(&blendAvx2);
#endif
    return loops;
}

void blendConstant(const RasterJob& job, uint8_t alpha)
{
    static const BlendLoop widest = blendLoops().back();
    widest(job, alpha);
}

Rect blendOnto(const Surface& dst, const Rect& target, const Surface& source, int sx, int sy, uint8_t alpha)
{
    const Rect area = target.intersected(dst.bounds());
    if (area.empty())
        return {};
    RasterJob job;
    job.dst = dst;
    job.area = area;
    job.src = source.row(sy + area.top - target.top) + sx + area.left - target.left;
    job.srcStride = source.stride;
    blendConstant(job, alpha);
    return area;
}

} // namespace raster
