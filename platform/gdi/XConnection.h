#pragma once

#include <cstdint>

struct xcb_connection_t;
class QWidget;

// The X server behind the program's windows, reached through the connection Qt already holds.
// Everything here answers "nothing" when the program does not run on X11 (the offscreen platform,
// Wayland), so the callers fall back on what the program's own windows see.
namespace gdi::detail {

xcb_connection_t* x11Connection(); // null without an X server
uint32_t x11Root(xcb_connection_t* connection);

// Sets or clears the urgency flag of a top-level window's hints, the attention look the desktop's
// panels show; a window not created on the X server yet is left alone.
void setUrgencyHint(QWidget* window, bool urgent);

} // namespace gdi::detail
