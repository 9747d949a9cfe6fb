#include "platform/controls/Frame.h"

#include "platform/controls/Colors.h"

namespace controls {

Frame::Frame(QWidget* parent, const QString& caption) : QGroupBox(caption, parent) {}

void Frame::setBackColor(const QColor& c)
{
    setPaletteColor(this, QPalette::Window, c);
    setAutoFillBackground(true);
}

} // namespace controls
