#pragma once

#include "platform/raster/PixelBuffer.h"
#include "platform/raster/Surface.h"

#include <QRegion>
#include <QWidget>

namespace gdi::detail {

// What a window's DCs draw on: a pixel buffer the size of the window's client area, shown by a
// child widget that lies above the window's own painting and below its other children, as
// drawing on a window's client area shows on the platform. Only the parts drawn on are shown;
// elsewhere the window looks as it did. The buffer follows the window's size and keeps what it
// can when the size changes; mouse events pass through to the window.
class ClientSurface : public QWidget {
public:
    explicit ClientSurface(QWidget* window);

    raster::Surface pixels() { return {pixels_.data(), width_, height_, width_}; }
    void changed(const raster::Rect& area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(const QSize& size);

    raster::PixelBuffer pixels_;
    int width_ = 0;
    int height_ = 0;
    QRegion drawn_;
};

} // namespace gdi::detail
