// Effects on whole windows: the caption animation, and a window locked against repainting.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/XConnection.h"

#include <QApplication>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <memory>

namespace gdi {

using namespace detail;

namespace {

constexpr uint32_t kAnimationMs = 250;
constexpr uint32_t kFrameMs = 15;
constexpr int kEdge = 3; // the outline's width in pixels

// The moving outline: a frameless top-level window above every other, which the mouse passes
// through and which never takes the focus. Its pixels are the X server's own background fill,
// so it shows while the caller waits and no event of ours is handled.
class AnimationOutline : public QWidget {
public:
    AnimationOutline()
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                               | Qt::X11BypassWindowManagerHint | Qt::WindowTransparentForInput
                               | Qt::WindowDoesNotAcceptFocus)
    {
        setObjectName(QStringLiteral("gdiAnimatedRects"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_DeleteOnClose, false);
    }

    void place(const QRect& r, xcb_connection_t* x11)
    {
        setGeometry(r);
        QRegion outline(rect());
        if (r.width() > 2 * kEdge && r.height() > 2 * kEdge)
            outline -= rect().adjusted(kEdge, kEdge, -kEdge, -kEdge);
        setMask(outline);
        if (x11)
            xcb_flush(x11);
    }

    void fillOnServer(xcb_connection_t* x11, COLORREF colour)
    {
        const uint32_t pixel = (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
        const auto id = static_cast<xcb_window_t>(winId());
        xcb_change_window_attributes(x11, id, XCB_CW_BACK_PIXEL, &pixel);
        xcb_clear_area(x11, 0, id, 0, 0, 0, 0);
    }
};

QRect between(const RECT& a, const RECT& b, double t)
{
    const auto mix = [t](int32_t from, int32_t to) { return static_cast<int>(from + (to - from) * t + 0.5); };
    const int left = mix(a.left, b.left), top = mix(a.top, b.top);
    return {left, top, std::max(mix(a.right, b.right) - left, 1), std::max(mix(a.bottom, b.bottom) - top, 1)};
}

struct Lock {
    QPointer<QWidget> widget; // null when no window is locked, or the locked one is gone
    bool updatesBefore = true;
};

Lock& lock()
{
    static Lock l;
    return l;
}

} // namespace

bool DrawAnimatedRects(HWND, int animation, const RECT* from, const RECT* to)
{
    if (animation != IDANI_CAPTION || !from || !to || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    xcb_connection_t* x11 = x11Connection();
    const auto outline = std::make_unique<AnimationOutline>();
    outline->place(between(*from, *to, 0), nullptr);
    if (x11)
        outline->fillOnServer(x11, GetSysColor(COLOR_ACTIVECAPTION));
    outline->show();
    const uint32_t start = GetTickCount();
    for (uint32_t elapsed = 0; elapsed < kAnimationMs; elapsed = GetTickCount() - start) {
        outline->place(between(*from, *to, double(elapsed) / kAnimationMs), x11);
        Sleep(kFrameMs);
    }
    outline->place(between(*from, *to, 1), x11);
    outline->hide();
    if (x11)
        xcb_flush(x11);
    return true;
}

bool LockWindowUpdate(HWND hwnd)
{
    Lock& l = lock();
    if (hwnd == 0) {
        if (QWidget* w = l.widget) {
            l.widget = nullptr;
            w->setUpdatesEnabled(l.updatesBefore); // enabling updates repaints the whole window
            w->update();
        }
        return true;
    }
    const Window* w = handles().find<Window>(hwnd);
    if (!w || !w->widget || l.widget)
        return false;
    l.widget = w->widget;
    l.updatesBefore = w->widget->updatesEnabled();
    w->widget->setUpdatesEnabled(false);
    return true;
}

} // namespace gdi
