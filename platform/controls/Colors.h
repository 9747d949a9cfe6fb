#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

#include <cstdint>

class QMouseEvent;
class QWidget;

namespace controls {

// A design colour: red in the low byte, green, then blue; a value with the top bit set names a
// system colour (its low byte is the index), taken from the desktop's palette.
QColor colorRef(uint32_t value);

// A design font: family as the design names it (the font aliases map it to an installed face),
// size in points.
QFont designFont(const QString& family, double pointSize, bool bold = false, bool italic = false,
                 bool underline = false);

// Sets one colour of a control's palette (its caption, face or background).
void setPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// Whether a mouse release completes a click on the control: the left button, let go inside it.
bool completesClick(const QWidget* widget, const QMouseEvent* event);

} // namespace controls
