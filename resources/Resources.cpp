#include "resources/Resources.h"

#include "resources/Pictures.h"

#include <QCursor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

static void initAssets() { Q_INIT_RESOURCE(zv_assets); }

namespace resources {

void init()
{
    static const bool done = (initAssets(), true);
    (void)done;
}

namespace {
QPixmap render(const QString& svg, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter p(&pm);
    renderer.render(&p);
    return pm;
}
} // namespace

void applyWindowLook(QWidget* window)
{
    init();
    static const QIcon windowIcon = [] {
        QIcon i;
        for (int size : {16, 24, 32, 48, 64})
            i.addPixmap(render(path(Picture::Icon), size));
        return i;
    }();
    // The pointer's tip is the picture's top-left corner.
    static const QCursor pointer(render(path(Picture::Cursor), 32), 0, 0);
    window->setWindowIcon(windowIcon);
    window->setCursor(pointer);
}

} // namespace resources
