#include "platform/controls/lvButtons_H.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace controls {

lvButtons_H::lvButtons_H(QWidget* parent, const QString& caption) : QAbstractButton(parent)
{
    setText(caption);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractButton::clicked, this, &lvButtons_H::Click);
}

void lvButtons_H::setColors(const QColor& fore, const QColor& back, const QColor& foreHover, const QColor& backHover)
{
    fore_ = fore;
    back_ = back;
    foreHover_ = foreHover;
    backHover_ = backHover;
    update();
}

QColor lvButtons_H::currentForeColor() const
{
    if (!isEnabled())
        return QColor(0x8C, 0x8C, 0x8C);
    return hover_ ? foreHover_ : fore_;
}

QColor lvButtons_H::currentBackColor() const
{
    if (!isEnabled())
        return QColor(0xD6, 0xD6, 0xD6);
    QColor c = hover_ ? backHover_ : back_;
    return isDown() ? c.darker(115) : c;
}

QSize lvButtons_H::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    return text + QSize(24, 12);
}

void lvButtons_H::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor face = currentBackColor();

    QPainterPath path;
    path.addRoundedRect(r, 3, 3);
    if (isEnabled()) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, face.lighter(112));
        g.setColorAt(0.5, face);
        g.setColorAt(1, face.darker(112));
        p.fillPath(path, g);
    } else {
        p.fillPath(path, face);
    }
    p.setPen(QPen(isEnabled() ? face.darker(160) : QColor(0xB0, 0xB0, 0xB0), 1));
    p.drawPath(path);
    if (hasFocus()) {
        p.setPen(QPen(face.darker(200), 1, Qt::DotLine));
        p.drawRoundedRect(r.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
    }

    p.setPen(currentForeColor());
    const QRect textRect = rect().adjusted(3, 2, -3, -2).translated(isDown() ? QPoint(1, 1) : QPoint());
    p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

void lvButtons_H::enterEvent(QEnterEvent* event)
{
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void lvButtons_H::leaveEvent(QEvent* event)
{
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void lvButtons_H::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        hover_ = false;
    QAbstractButton::changeEvent(event);
}

// A hidden button takes no press, even one sent to it directly.
void lvButtons_H::mousePressEvent(QMouseEvent* event)
{
    if (isHidden()) {
        event->ignore();
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

void lvButtons_H::keyPressEvent(QKeyEvent* event)
{
    if (isHidden()) {
        event->ignore();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace controls
