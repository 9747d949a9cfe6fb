#include "platform/gdi/XConnection.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace gdi::detail {

namespace {

// The window-manager hints: nine 32-bit values, the first of them the flags.
constexpr int kHintsLength = 9;
constexpr uint32_t kUrgencyHint = 1u << 8;

} // namespace

uint32_t atomNamed(xcb_connection_t* c, const char* name)
{
    const Reply<xcb_intern_atom_reply_t> atom{
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::strlen(name), name), nullptr)};
    return atom ? atom->atom : uint32_t{XCB_ATOM_NONE};
}

xcb_connection_t* x11Connection()
{
    if (!qGuiApp)
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

uint32_t x11Root(xcb_connection_t* connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

void setUrgencyHint(QWidget* window, bool urgent)
{
    xcb_connection_t* c = x11Connection();
    if (!c || !window || !window->testAttribute(Qt::WA_WState_Created))
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    std::array<uint32_t, kHintsLength> hints{};
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(c, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, kHintsLength);
    // The other hints (input focus, initial state) stay as the toolkit set them.
    if (const Reply<xcb_get_property_reply_t> reply{xcb_get_property_reply(c, cookie, nullptr)};
        reply && reply->format == 32) {
        const int length = std::min(xcb_get_property_value_length(reply.get()) / 4, kHintsLength);
        std::memcpy(hints.data(), xcb_get_property_value(reply.get()), static_cast<size_t>(length) * 4);
    }
    hints[0] = urgent ? hints[0] | kUrgencyHint : hints[0] & ~kUrgencyHint;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32, kHintsLength,
                        hints.data());
    xcb_flush(c);
}

} // namespace gdi::detail
