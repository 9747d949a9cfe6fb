#include "platform/controls/Label.h"

#include <QMouseEvent>

namespace controls {

Label::Label(QWidget* parent, const QString& caption, Qt::Alignment align) : QLabel(caption, parent)
{
    setAlignment(align);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

void Label::setForeColor(const QColor& c)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    setPalette(p);
}

void Label::setBackColor(const QColor& c)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
    setAutoFillBackground(true);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    QLabel::mouseReleaseEvent(event);
}

} // namespace controls
