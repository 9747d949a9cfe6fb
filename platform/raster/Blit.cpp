#include "platform/raster/Blit.h"

#include "platform/raster/Raster.h"
#include "platform/raster/Rop3.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace raster {

Rect blit(uint8_t code, const Surface& dst, const Rect& target, const BlitSource* source, const Pattern* pattern)
{
    const Rop3& rop = kRop3Table[code];
    if (rop.source && !source)
        return {};
    if (rop.pattern && (!pattern || pattern->kind == Pattern::Kind::Hollow))
        return {};

    Rect area = target.intersected(dst.bounds());
    // Source coordinates are destination coordinates moved by this much; the two corners may lie
    // at opposite ends of the int range, so the move and the source's place are 64-bit.
    const int64_t dx = source ? int64_t(source->x) - target.left : 0;
    const int64_t dy = source ? int64_t(source->y) - target.top : 0;
    if (rop.source)
        area = clipped(-dx, -dy, source->surface.width - dx, source->surface.height - dy, area);
    if (area.empty())
        return {};

    RasterJob job;
    job.dst = dst;
    job.area = area;
    job.pattern = rop.pattern ? pattern : nullptr;

    std::vector<uint32_t> scratch;
    if (!rop.source) {
        scratch.assign(area.width(), 0);
        job.src = scratch.data();
    } else if (source->surface.bits == dst.bits && std::abs(dx) < area.width() && std::abs(dy) < area.height()) {
        // Reading and writing the same pixels: take the source aside first.
        scratch.resize(static_cast<size_t>(area.width()) * area.height());
        for (int j = 0; j < area.height(); ++j)
            std::memcpy(scratch.data() + static_cast<size_t>(j) * area.width(),
                        source->surface.row(area.top + dy + j) + area.left + dx, sizeof(uint32_t) * area.width());
        job.src = scratch.data();
        job.srcStride = area.width();
    } else {
        job.src = source->surface.row(area.top + dy) + area.left + dx;
        job.srcStride = source->surface.stride;
    }
    run(code, job);
    return area;
}

} // namespace raster
