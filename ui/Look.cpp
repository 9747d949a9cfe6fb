#include "ui/Look.h"

#include "platform/controls/Colors.h"

#include <QFont>

using controls::designFont;

namespace ui::look {

QFont textFont() { return designFont(QStringLiteral("Georgia"), 8.25, true); }
QFont captionFont() { return designFont(QStringLiteral("Georgia"), 9, true); }
QFont navigationFont() { return designFont(QStringLiteral("Georgia"), 10, true); }
QFont pairCaptionFont() { return designFont(QStringLiteral("Verdana"), 8.25, true); }
QFont displayFont() { return designFont(QStringLiteral("Arial"), 12, true); }
QFont systemFont(bool bold) { return designFont(QStringLiteral("MS Sans Serif"), 8.25, bold); }

} // namespace ui::look
