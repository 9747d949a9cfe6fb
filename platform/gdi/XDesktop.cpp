// What the X server tells about other programs' windows: the system tray and where windows are.
#include "platform/gdi/XConnection.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace gdi::detail {

namespace {

// The screen is the first one, as x11Root's is.
constexpr char kTraySelection[] = "_NET_SYSTEM_TRAY_S0";

} // namespace

uint32_t systemTray(xcb_connection_t* c)
{
    const uint32_t atom = atomNamed(c, kTraySelection);
    if (atom == XCB_ATOM_NONE)
        return 0; // nobody ever named the selection, so nobody owns it
    const Reply<xcb_get_selection_owner_reply_t> owner{
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom), nullptr)};
    return owner ? owner->owner : 0;
}

uint32_t topLevelOf(xcb_connection_t* c, uint32_t window)
{
    const uint32_t root = x11Root(c);
    for (uint32_t w = window; w != 0 && w != root;) {
        const Reply<xcb_query_tree_reply_t> tree{xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr)};
        if (!tree)
            return 0;
        if (tree->parent == root)
            return w;
        w = tree->parent;
    }
    return 0;
}

bool outerRect(xcb_connection_t* c, uint32_t window, int32_t& left, int32_t& top, int32_t& right, int32_t& bottom)
{
    const Reply<xcb_get_geometry_reply_t> geometry{xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr)};
    if (!geometry)
        return false;
    const Reply<xcb_translate_coordinates_reply_t> at{
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, window, x11Root(c), 0, 0), nullptr)};
    if (!at)
        return false;
    // The translated origin is inside the border.
    const int border = geometry->border_width;
    left = at->dst_x - border;
    top = at->dst_y - border;
    right = at->dst_x + geometry->width + border;
    bottom = at->dst_y + geometry->height + border;
    return true;
}

} // namespace gdi::detail
