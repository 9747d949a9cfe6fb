// The properties: background colour, position and the image as an icon.
#include "graphics/clsBitmap.h"

#include "platform/vb/RuntimeError.h"

#include <utility>

using vb::Int16;

namespace {

// A 32-bit edge moved by a 16-bit step; the overflow error where it leaves the range.
int32_t moved(int32_t edge, long long by)
{
    const long long result = edge + by;
    if (!std::in_range<int32_t>(result))
        vb::raiseOverflow();
    return static_cast<int32_t>(result);
}

} // namespace

void clsBitmap::setBackgroundColour(int32_t lngNew) { m_lngBackgroundColour = GetSystemColour(lngNew); }

Int16 clsBitmap::Left() const { return Int16::from(m_rcImage.left); }
Int16 clsBitmap::Top() const { return Int16::from(m_rcImage.top); }

void clsBitmap::setLeft(Int16 intLeft)
{
    m_rcImage.right = moved(m_rcImage.right, static_cast<long long>(m_rcImage.left) - intLeft.value());
    m_rcImage.left = intLeft.value();
}

void clsBitmap::setTop(Int16 intTop)
{
    m_rcImage.bottom = moved(m_rcImage.bottom, static_cast<long long>(m_rcImage.top) - intTop.value());
    m_rcImage.top = intTop.value();
}

forms::Picture clsBitmap::Icon()
{
    if (m_hDC == 0)
        return {};
    return MakeNonEmptyPicture(forms::Picture::Icon);
}
