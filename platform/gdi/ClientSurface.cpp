#include "platform/gdi/ClientSurface.h"

#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace gdi::detail {

ClientSurface::ClientSurface(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("gdiClientSurface"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    window->installEventFilter(this);
    follow(window->size());
    lower();
    show();
}

void ClientSurface::changed(const raster::Rect& area)
{
    const QRect r(area.left, area.top, area.width(), area.height());
    drawn_ += r;
    update(r);
}

bool ClientSurface::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        follow(parentWidget()->size());
    return false;
}

void ClientSurface::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setClipRegion(drawn_ & event->region());
    p.drawImage(
        0, 0,
        QImage(reinterpret_cast<const uchar*>(pixels_.data()), width_, height_, width_ * 4, QImage::Format_RGB32));
}

void ClientSurface::follow(const QSize& size)
{
    const int w = std::max(size.width(), 0), h = std::max(size.height(), 0);
    raster::PixelBuffer grown(static_cast<size_t>(w) * h, raster::kOpaque);
    for (int y = 0; y < std::min(h, height_); ++y)
        std::copy_n(pixels_.begin() + static_cast<ptrdiff_t>(y) * width_, std::min(w, width_),
                    grown.begin() + static_cast<ptrdiff_t>(y) * w);
    pixels_ = std::move(grown);
    width_ = w;
    height_ = h;
    drawn_ &= QRect(0, 0, w, h);
    setGeometry(0, 0, w, h);
}

} // namespace gdi::detail
