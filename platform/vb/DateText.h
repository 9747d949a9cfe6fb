#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// The default conversion of a date or a time to text, in the user's locale: a date in the short
// date form, a time in the long time form (with seconds, without a time zone).
namespace vb {

QString CStr(const QDate& date);
QString CStr(const QTime& time);

} // namespace vb
