#include "platform/raster/Blit.h"

#include "platform/raster/Raster.h"
#include "platform/raster/Rop3.h"

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
    // Source coordinates are destination coordinates moved by this much.
    const int dx = source ? source->x - target.left : 0;
    const int dy = source ? source->y - target.top : 0;
    if (rop.source)
        area = area.intersected(source->surface.bounds().translated(-dx, -dy));
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
    } else if (source->surface.bits == dst.bits && area.intersects(area.translated(dx, dy))) {
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
