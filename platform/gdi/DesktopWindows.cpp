// The desktop's window tree as the window calls walk it: the program's own windows, and the system
// tray standing as the taskbar with its notification area.
#include "platform/gdi/ClientSurface.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/XConnection.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <vector>

namespace gdi {

using namespace detail;

namespace {

constexpr char kTaskbarClass[] = "Shell_TrayWnd";
constexpr char kNotifyClass[] = "TrayNotifyWnd";

// The two stand-ins, made when a tray is first seen and pointed at whichever tray there is now.
struct Taskbar {
    HWND bar = 0;
    HWND notify = 0;
};

HWND standIn(const char* className)
{
    auto window = std::make_unique<Window>();
    window->desktopClass = className;
    window->stock = true;
    return handles().add(std::move(window));
}

Taskbar& taskbar()
{
    static Taskbar t{standIn(kTaskbarClass), standIn(kNotifyClass)};
    return t;
}

// The taskbar of the tray the desktop has now, 0 without one.
HWND findTaskbar()
{
    xcb_connection_t* c = x11Connection();
    const uint32_t tray = c ? systemTray(c) : 0;
    if (!tray)
        return 0;
    const Taskbar& t = taskbar();
    Window* bar = handles().find<Window>(t.bar);
    Window* notify = handles().find<Window>(t.notify);
    if (!bar || !notify)
        return 0;
    // The panel that holds the tray is the taskbar; a tray on its own is both.
    const uint32_t panel = topLevelOf(c, tray);
    bar->desktopWindow = panel ? panel : tray;
    notify->desktopWindow = tray;
    return t.bar;
}

// The class name our windows answer with: ours, and the kind of window without its namespace.
QByteArray programClass(const QWidget& widget)
{
    QByteArray kind = widget.metaObject()->className();
    kind = kind.mid(kind.lastIndexOf(':') + 1);
    return "Zenvortali:" + kind;
}

// The windows within a program window, in the order they were made; the surface that shows what
// is drawn on the window's DC is the window's own, not a window within it.
std::vector<QWidget*> childWindows(const QWidget& parent)
{
    std::vector<QWidget*> children;
    for (QWidget* w : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isWindow() && !dynamic_cast<ClientSurface*>(w))
            children.push_back(w);
    return children;
}

HWND relativeOf(QWidget* widget, uint32_t relation)
{
    if (relation == GW_CHILD) {
        const std::vector<QWidget*> children = childWindows(*widget);
        return children.empty() ? 0 : windowHandle(children.front());
    }
    if (widget->isWindow() || (relation != GW_HWNDNEXT && relation != GW_HWNDPREV))
        return 0;
    const std::vector<QWidget*> siblings = childWindows(*widget->parentWidget());
    const auto at = std::find(siblings.begin(), siblings.end(), widget);
    if (relation == GW_HWNDNEXT)
        return at + 1 < siblings.end() ? windowHandle(*(at + 1)) : 0;
    return at > siblings.begin() ? windowHandle(*(at - 1)) : 0;
}

} // namespace

HWND FindWindowA(const char* className, const char* windowName)
{
    const auto matches = [](const char* wanted, const QByteArray& name) {
        return !wanted || qstricmp(wanted, name.constData()) == 0;
    };
    if (className && qstricmp(className, kTaskbarClass) == 0)
        return !windowName || !*windowName ? findTaskbar() : 0;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (matches(className, programClass(*w))
            && (!windowName || w->windowTitle() == QString::fromLatin1(windowName)))
            return windowHandle(w);
    return 0;
}

HWND GetWindow(HWND hwnd, uint32_t relation)
{
    const Window* w = handles().find<Window>(hwnd);
    if (!w)
        return 0;
    if (w->desktopClass) {
        // The taskbar's one child is its notification area, which has none.
        return hwnd == taskbar().bar && relation == GW_CHILD ? taskbar().notify : 0;
    }
    return w->widget ? relativeOf(w->widget, relation) : 0;
}

int GetClassNameA(HWND hwnd, char* className, int maxCount)
{
    const Window* w = handles().find<Window>(hwnd);
    if (!w || !className || maxCount <= 0 || (!w->desktopClass && !w->widget))
        return 0;
    const QByteArray name = w->desktopClass ? QByteArray(w->desktopClass) : programClass(*w->widget);
    const int n = std::min<int>(static_cast<int>(name.size()), maxCount - 1);
    std::memcpy(className, name.constData(), static_cast<size_t>(n));
    className[n] = 0;
    return n;
}

bool GetWindowRect(HWND hwnd, RECT* rect)
{
    const Window* w = handles().find<Window>(hwnd);
    if (!w || !rect)
        return false;
    if (w->desktopClass) {
        xcb_connection_t* c = x11Connection();
        return c && outerRect(c, w->desktopWindow, rect->left, rect->top, rect->right, rect->bottom);
    }
    if (!w->widget)
        return false;
    const QRect r = w->widget->isWindow() ? w->widget->frameGeometry()
                                          : QRect(w->widget->mapToGlobal(QPoint(0, 0)), w->widget->size());
    *rect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    return true;
}

} // namespace gdi
