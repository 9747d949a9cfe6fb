#pragma once

#include "platform/vb/Int16.h"

#include <QChar>
#include <QString>

#include <optional>

// Numbers held as text: how the program reads a number out of a text box and writes one back.
namespace vb {

// The user's decimal separator (from the default locale, which tests may set).
QChar decimalSeparator();

// The leading number of a text: blanks are skipped anywhere, the point is the decimal separator,
// and so is the user's own separator, so a value this program wrote in either locale reads back
// whole. A sign, an exponent (E or D) and &H / &O prefixes are understood. A text without a
// leading number reads as 0.
double Val(const QString& text);

// The default number-to-text form: no grouping, no fixed decimals, up to 15 significant digits,
// the user's decimal separator; scientific form only for very large or very small magnitudes.
QString CStr(double value);
QString CStr(long long value);

// Strict, locale-aware conversion of a whole text to a number; anything that is not a number
// (an empty text included) raises the type-mismatch error.
double CDbl(const QString& text);
// The same reading, without the error: nothing when the text is not a number.
std::optional<double> tryCDbl(const QString& text);

// Nearest whole number, halves to the even neighbour (the runtime's rounding).
double roundHalfEven(double value);

// Rounded (halves to even) and checked conversions to 8-bit unsigned, 16- and 32-bit whole numbers.
uint8_t CByte(double value);
Int16 CInt(double value);
int CLng(double value);

} // namespace vb
