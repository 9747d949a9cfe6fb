#include "platform/gdi/Painter.h"

namespace gdi::detail {

DcPainter::DcPainter(DeviceContext& dc) : dc_(dc)
{
    const std::optional<raster::Surface> target = targetOf(dc);
    if (!target || target->width <= 0 || target->height <= 0)
        return;
    image_ = QImage(reinterpret_cast<uchar*>(target->bits), target->width, target->height,
                    static_cast<qsizetype>(target->stride) * 4, QImage::Format_RGB32);
    painter_.emplace(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
}

DcPainter::~DcPainter()
{
    if (!painter_)
        return;
    painter_->end();
    markChanged(dc_, {0, 0, image_.width(), image_.height()});
}

QColor qcolor(COLORREF colour) { return QColor(colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF); }

} // namespace gdi::detail
