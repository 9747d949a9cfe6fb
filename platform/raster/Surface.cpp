#include "platform/raster/Surface.h"

#include <algorithm>

namespace raster {

Rect Rect::intersected(const Rect& o) const
{
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
}

Rect clipped(int64_t left, int64_t top, int64_t right, int64_t bottom, const Rect& bound)
{
    const auto within = [](int64_t v, int low, int high) {
        return static_cast<int>(std::clamp<int64_t>(v, low, high));
    };
    return {within(left, bound.left, bound.right), within(top, bound.top, bound.bottom),
            within(right, bound.left, bound.right), within(bottom, bound.top, bound.bottom)};
}

Rect clippedExtent(int x, int y, int w, int h, const Rect& bound)
{
    const int64_t x2 = int64_t(x) + w, y2 = int64_t(y) + h;
    return clipped(std::min<int64_t>(x, x2), std::min<int64_t>(y, y2), std::max<int64_t>(x, x2),
                   std::max<int64_t>(y, y2), bound);
}

} // namespace raster
