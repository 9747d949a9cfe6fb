#include "platform/raster/Surface.h"

#include <algorithm>

namespace raster {

Rect Rect::intersected(const Rect& o) const
{
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
}

} // namespace raster
