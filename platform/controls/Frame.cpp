#include "platform/controls/Frame.h"

namespace controls {

Frame::Frame(QWidget* parent, const QString& caption) : QGroupBox(caption, parent) {}

void Frame::setBackColor(const QColor& c)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
    setAutoFillBackground(true);
}

} // namespace controls
