#include "platform/controls/Label.h"

#include "platform/controls/Accessibility.h"
#include "platform/controls/Colors.h"

#include <QMouseEvent>
#include <QPainter>

namespace controls {

Label::Label(QWidget* parent, const QString& caption, Qt::Alignment align) : QLabel(caption, parent)
{
    setAlignment(align);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

void Label::setForeColor(const QColor& c) { setPaletteColor(this, QPalette::WindowText, c); }

void Label::setBackColor(const QColor& c)
{
    setPaletteColor(this, QPalette::Window, c);
    setAutoFillBackground(true);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    if (completesClick(this, event))
        emit Click();
    QLabel::mouseReleaseEvent(event);
}

void Label::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    const QRect text = fontMetrics().boundingRect(contentsRect(), int(alignment()) | Qt::TextWordWrap, this->text());
    paintFocusMark(this, p, text.adjusted(-2, -1, 2, 1));
}

} // namespace controls
