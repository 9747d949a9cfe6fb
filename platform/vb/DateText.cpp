#include "platform/vb/DateText.h"

#include <QLocale>
#include <QRegularExpression>

namespace vb {

QString CStr(const QDate& date) { return QLocale().toString(date, QLocale::ShortFormat); }

QString CStr(const QTime& time)
{
    // The locale's long time form names a time zone, which a time of day alone does not have.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*\\(?t+\\)?")));
    return QLocale().toString(time, format.trimmed());
}

} // namespace vb
