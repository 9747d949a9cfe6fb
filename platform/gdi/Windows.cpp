#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/XConnection.h"

#include <QApplication>

#include <unordered_map>

namespace gdi {

using namespace detail;

namespace {

std::unordered_map<const QWidget*, HWND>& known()
{
    static std::unordered_map<const QWidget*, HWND> map;
    return map;
}

// The widget is going: its handle and its own DC go with it. DCs that were got from it and not
// released yet stay in the table but no longer draw anywhere.
void forget(const QWidget* widget, HWND hwnd)
{
    known().erase(widget);
    if (Window* w = handles().find<Window>(hwnd))
        destroyDC(w->ownDC);
    handles().remove(hwnd);
}

} // namespace

HWND windowHandle(QWidget* widget)
{
    if (!widget)
        return 0;
    if (auto it = known().find(widget); it != known().end())
        return it->second;
    auto window = std::make_unique<Window>();
    window->widget = widget;
    const HWND hwnd = handles().add(std::move(window));
    if (!hwnd)
        return 0;
    known()[widget] = hwnd;
    QObject::connect(widget, &QObject::destroyed, [widget, hwnd] { forget(widget, hwnd); });
    return hwnd;
}

HDC windowDC(QWidget* widget)
{
    const HWND hwnd = windowHandle(widget);
    Window* w = handles().find<Window>(hwnd);
    if (!w)
        return 0;
    if (!dcOf(w->ownDC)) {
        w->ownDC = GetDC(hwnd);
        if (DeviceContext* dc = dcOf(w->ownDC))
            dc->own = true;
    }
    return w->ownDC;
}

bool FlashWindow(HWND hwnd, bool invert)
{
    Window* w = handles().find<Window>(hwnd);
    if (!w || !w->widget)
        return false;
    const bool before = w->flashed;
    w->flashed = invert && !before;
    if (w->flashed != before)
        setUrgencyHint(w->widget->window(), w->flashed);
    return before;
}

bool isFlashed(HWND hwnd)
{
    const Window* w = handles().find<Window>(hwnd);
    return w && w->flashed;
}

HWND GetActiveWindow()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) ? windowHandle(QApplication::activeWindow()) : 0;
}

} // namespace gdi
