#include "platform/controls/Line.h"

#include "platform/forms/Screen.h"

#include <QPainter>

namespace controls {

Line::Line(QWidget* parent, double x1, double y1, double x2, double y2, const QColor& colour, int width,
           Qt::PenStyle style)
    : QWidget(parent), colour_(colour), width_(width), style_(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    using forms::Screen;
    const QPoint a(Screen::toPixelsX(x1), Screen::toPixelsY(y1));
    const QPoint b(Screen::toPixelsX(x2), Screen::toPixelsY(y2));
    const QRect box = QRect(a, b).normalized().adjusted(0, 0, width, width);
    setGeometry(box);
    from_ = a - box.topLeft();
    to_ = b - box.topLeft();
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(colour_, width_, style_, style_ == Qt::SolidLine ? Qt::SquareCap : Qt::FlatCap));
    p.drawLine(from_, to_);
}

} // namespace controls
