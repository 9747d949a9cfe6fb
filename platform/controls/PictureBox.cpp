#include "platform/controls/PictureBox.h"

#include <QPainter>

namespace controls {

PictureBox::PictureBox(QWidget* parent, const QColor& back, bool border) : Image(parent), back_(back), border_(border)
{
}

void PictureBox::setBackColor(const QColor& c)
{
    back_ = c;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (back_.alpha() > 0)
        p.fillRect(rect(), back_);
    paintPicture(p);
    if (border_) {
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawLine(0, 0, width() - 1, 0);
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(QColor(0xF0, 0xF0, 0xF0));
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    }
}

} // namespace controls
