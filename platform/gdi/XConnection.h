#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

struct xcb_connection_t;
class QWidget;

// The X server behind the program's windows, reached through the connection Qt already holds.
// Everything here answers "nothing" when the program does not run on X11 (the offscreen platform,
// Wayland), so the callers fall back on what the program's own windows see.
namespace gdi::detail {

xcb_connection_t* x11Connection(); // null without an X server
uint32_t x11Root(xcb_connection_t* connection);

// A reply of the X server, which the caller frees.
struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

// The atom of a name, XCB_ATOM_NONE (0) when nobody ever named it (so nothing can carry it).
uint32_t atomNamed(xcb_connection_t* connection, const char* name);

// Sets or clears the urgency flag of a top-level window's hints, the attention look the desktop's
// panels show; a window not created on the X server yet is left alone.
void setUrgencyHint(QWidget* window, bool urgent);

// The desktop's system tray: the owner of the _NET_SYSTEM_TRAY_S0 selection, 0 when none.
uint32_t systemTray(xcb_connection_t* connection);
// The top-level window holding a window (the child of the root on its way up), 0 when it is gone.
uint32_t topLevelOf(xcb_connection_t* connection, uint32_t window);
// A window's outer rectangle (border included) in root-window pixels; false when it is gone.
bool outerRect(xcb_connection_t* connection, uint32_t window, int32_t& left, int32_t& top, int32_t& right,
               int32_t& bottom);

// Reads a rectangle of a window or pixmap as Format_RGB32 pixels into rows of `stride` pixels. The
// rectangle must lie within the drawable (a window must be viewable); false when it cannot be read
// or its pixels are not 32-bit true colour.
bool readPixels(xcb_connection_t* connection, uint32_t drawable, int x, int y, int width, int height, uint32_t* into,
                int stride);
// A pixmap's or window's size; false when it is gone.
bool drawableSize(xcb_connection_t* connection, uint32_t drawable, int& width, int& height);
// The pixmap a desktop published as the root window's wallpaper (_XROOTPMAP_ID), 0 when none.
uint32_t rootWallpaper(xcb_connection_t* connection);
// The work area the window manager publishes for the current desktop (_NET_WORKAREA); false when
// it publishes none.
bool netWorkArea(xcb_connection_t* connection, int32_t& left, int32_t& top, int32_t& right, int32_t& bottom);

} // namespace gdi::detail
