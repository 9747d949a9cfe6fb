#include "platform/controls/Colors.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

namespace controls {

namespace {
QColor systemColor(uint32_t index)
{
    const QPalette p = QApplication::palette();
    switch (index) {
    case 5: return p.color(QPalette::Base); // window background
    case 8: return p.color(QPalette::Text); // window text
    case 13: return p.color(QPalette::Highlight);
    case 14: return p.color(QPalette::HighlightedText);
    case 15: return p.color(QPalette::Button); // button face
    case 16: return p.color(QPalette::Dark); // button shadow
    case 17: return p.color(QPalette::PlaceholderText); // grey text
    case 18: return p.color(QPalette::ButtonText);
    case 20: return p.color(QPalette::Light); // button highlight
    default: return p.color(QPalette::Window);
    }
}
} // namespace

QColor colorRef(uint32_t value)
{
    if (value & 0x80000000u)
        return systemColor(value & 0xFFu);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

QFont designFont(const QString& family, double pointSize, bool bold, bool italic, bool underline)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

void setPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(role, colour);
    widget->setPalette(p);
}

bool completesClick(const QWidget* widget, const QMouseEvent* event)
{
    return event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint());
}

} // namespace controls
