// The mouse cursor: where it is, and whether it shows over the program's windows.
#include "platform/gdi/Gdi.h"

#include <QCursor>
#include <QGuiApplication>

namespace gdi {

namespace {

// The platform's display count: 0 with a mouse, the cursor shown while it is 0 or more.
int displayCount = 0;

} // namespace

bool GetCursorPos(POINT* point)
{
    if (!point || !qGuiApp)
        return false;
    // On X11 Qt asks the X server where the pointer is now, wherever it is on the desktop.
    const QPoint at = QCursor::pos();
    point->x = at.x();
    point->y = at.y();
    return true;
}

int ShowCursor(bool show)
{
    const int before = displayCount;
    displayCount += show ? 1 : -1;
    if (qGuiApp) {
        if (before == 0 && displayCount < 0)
            QGuiApplication::setOverrideCursor(Qt::BlankCursor);
        else if (before < 0 && displayCount == 0)
            QGuiApplication::restoreOverrideCursor();
    }
    return displayCount;
}

} // namespace gdi
