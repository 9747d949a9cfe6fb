#include "platform/controls/Shape.h"

#include <QPainter>

namespace controls {

Shape::Shape(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void Shape::setFillColor(const QColor& c)
{
    if (c == fill_)
        return;
    fill_ = c;
    update();
}

void Shape::setFilled(bool solid)
{
    filled_ = solid;
    update();
}

void Shape::setBorder(const QColor& c, int width)
{
    border_ = c;
    borderWidth_ = width;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (filled_)
        p.fillRect(rect(), fill_);
    if (borderWidth_ > 0) {
        QPen pen(border_, borderWidth_);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const int inset = borderWidth_ / 2;
        p.drawRect(rect().adjusted(inset, inset, -inset - (borderWidth_ % 2), -inset - (borderWidth_ % 2)));
    }
}

} // namespace controls
