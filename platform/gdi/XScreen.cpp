// What the X server shows: the pixels of the screen and of pixmaps, the wallpaper a desktop
// published and the work area its window manager leaves to programs.
#include "platform/gdi/XConnection.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace gdi::detail {

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

// The 32-bit values of a root window property, empty when it is not set.
std::vector<uint32_t> rootProperty(xcb_connection_t* c, const char* name, uint32_t type, uint32_t count)
{
    const uint32_t atom = atomNamed(c, name);
    if (atom == XCB_ATOM_NONE)
        return {}; // nobody ever named it, so nobody set it
    const Reply<xcb_get_property_reply_t> reply{
        xcb_get_property_reply(c, xcb_get_property(c, 0, x11Root(c), atom, type, 0, count), nullptr)};
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// Bits per pixel of the server's images of a depth, 0 when it has no such format.
int bitsPerPixel(xcb_connection_t* c, uint8_t depth)
{
    const xcb_setup_t* setup = xcb_get_setup(c);
    const xcb_format_t* formats = xcb_setup_pixmap_formats(setup);
    for (int i = 0; i < xcb_setup_pixmap_formats_length(setup); ++i)
        if (formats[i].depth == depth)
            return formats[i].bits_per_pixel;
    return 0;
}

} // namespace

bool readPixels(xcb_connection_t* c, uint32_t drawable, int x, int y, int width, int height, uint32_t* into, int stride)
{
    if (width <= 0 || height <= 0)
        return true;
    const Reply<xcb_get_image_reply_t> image{xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, static_cast<int16_t>(x), static_cast<int16_t>(y),
                      static_cast<uint16_t>(width), static_cast<uint16_t>(height), ~0u),
        nullptr)};
    // Depth 24 and 32 in 32-bit pixels, least significant byte first, are blue, green, red and a
    // spare byte, as Format_RGB32 is in memory here.
    if (!image || (image->depth != 24 && image->depth != 32) || bitsPerPixel(c, image->depth) != 32
        || xcb_get_setup(c)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    if (static_cast<size_t>(xcb_get_image_data_length(image.get())) < rowBytes * height)
        return false;
    const uint8_t* data = xcb_get_image_data(image.get());
    for (int row = 0; row < height; ++row) {
        uint32_t* line = into + static_cast<ptrdiff_t>(row) * stride;
        std::memcpy(line, data + rowBytes * row, rowBytes);
        for (int i = 0; i < width; ++i)
            line[i] |= kOpaque;
    }
    return true;
}

bool drawableSize(xcb_connection_t* c, uint32_t drawable, int& width, int& height)
{
    const Reply<xcb_get_geometry_reply_t> geometry{xcb_get_geometry_reply(c, xcb_get_geometry(c, drawable), nullptr)};
    if (!geometry)
        return false;
    width = geometry->width;
    height = geometry->height;
    return true;
}

uint32_t rootWallpaper(xcb_connection_t* c)
{
    const std::vector<uint32_t> pixmap = rootProperty(c, "_XROOTPMAP_ID", XCB_ATOM_PIXMAP, 1);
    return pixmap.empty() ? 0 : pixmap.front();
}

bool netWorkArea(xcb_connection_t* c, int32_t& left, int32_t& top, int32_t& right, int32_t& bottom)
{
    // Four values per virtual desktop; the current desktop's, the first when none is named.
    const std::vector<uint32_t> current = rootProperty(c, "_NET_CURRENT_DESKTOP", XCB_ATOM_CARDINAL, 1);
    const size_t desktop = current.empty() ? 0 : current.front();
    const std::vector<uint32_t> areas =
        rootProperty(c, "_NET_WORKAREA", XCB_ATOM_CARDINAL, static_cast<uint32_t>(4 * (desktop + 1)));
    if (areas.size() < 4 * (desktop + 1))
        return false;
    const uint32_t* area = areas.data() + 4 * desktop;
    // A work area whose far edges leave the 32-bit range is no area a screen has: refused.
    const int64_t farRight = int64_t(area[0]) + area[2], farBottom = int64_t(area[1]) + area[3];
    if (!std::in_range<int32_t>(farRight) || !std::in_range<int32_t>(farBottom))
        return false;
    left = static_cast<int32_t>(area[0]);
    top = static_cast<int32_t>(area[1]);
    right = static_cast<int32_t>(farRight);
    bottom = static_cast<int32_t>(farBottom);
    return true;
}

} // namespace gdi::detail
