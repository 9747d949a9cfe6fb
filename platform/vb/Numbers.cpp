#include "platform/vb/Numbers.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace vb {

QChar decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar('.') : point.front();
}

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// Reads "&H1F" or "&O17"; `pos` is just past the ampersand.
double radixNumber(const QString& s, qsizetype pos)
{
    if (pos >= s.size())
        return 0;
    const QChar kind = s[pos].toUpper();
    int base = 0;
    if (kind == u'H')
        base = 16;
    else if (kind == u'O')
        base = 8;
    else
        return 0;
    long long v = 0;
    for (qsizetype i = pos + 1; i < s.size(); ++i) {
        const int d = s[i].isDigit() ? s[i].digitValue()
                      : (base == 16 && s[i].toUpper() >= u'A' && s[i].toUpper() <= u'F')
                          ? s[i].toUpper().unicode() - u'A' + 10
                          : -1;
        if (d < 0 || d >= base)
            break;
        v = v * base + d;
        if (v > 0xFFFFFFFFLL)
            break;
    }
    // Like the runtime, a value that fits 16 or 32 bits is taken as signed.
    if (v <= 0xFFFF)
        return static_cast<int16_t>(static_cast<uint16_t>(v));
    return static_cast<int32_t>(static_cast<uint32_t>(v));
}

} // namespace

double Val(const QString& text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!isBlank(c))
            s.append(c);

    if (s.startsWith(u'&'))
        return radixNumber(s, 1);

    const QChar own = decimalSeparator();
    qsizetype i = 0;
    // Appends the ASCII characters from position i while `accept` holds; how many it took.
    auto take = [&](std::string& out, auto accept) {
        const qsizetype start = i;
        while (i < s.size() && s[i].unicode() < 128 && accept(s[i]))
            out += static_cast<char>(s[i++].unicode());
        return i - start;
    };
    auto isDigit = [](QChar c) { return c.isDigit(); };
    auto isSign = [](QChar c) { return c == u'+' || c == u'-'; };

    std::string digits; // in the C locale, for strtod
    if (i < s.size() && isSign(s[i]))
        digits += static_cast<char>(s[i++].unicode());
    qsizetype mantissaDigits = take(digits, isDigit);
    if (i < s.size() && (s[i] == u'.' || s[i] == own)) {
        digits += '.';
        ++i;
        mantissaDigits += take(digits, isDigit);
    }
    if (mantissaDigits == 0)
        return 0;
    if (i < s.size() && (s[i].toUpper() == u'E' || s[i].toUpper() == u'D')) {
        const qsizetype mark = i++;
        std::string exponent = "e";
        if (i < s.size() && isSign(s[i]))
            exponent += static_cast<char>(s[i++].unicode());
        if (take(exponent, isDigit) > 0)
            digits += exponent;
        else
            i = mark;
    }
    const double v = std::strtod(digits.c_str(), nullptr);
    if (!std::isfinite(v))
        raiseOverflow();
    return v;
}

QString CStr(long long value) { return QString::number(value); }

QString CStr(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        raiseOverflow();
    const double magnitude = std::fabs(value);
    QString out;
    if (magnitude >= 1e15 || magnitude < 1e-4) {
        // Scientific form: mantissa with up to 15 significant digits, exponent signed, two digits at least.
        QString m = QString::number(value, 'e', 14); // d.dddddddddddddde±XX
        const qsizetype e = m.indexOf(u'e');
        QString mantissa = m.left(e);
        int exponent = m.mid(e + 1).toInt();
        if (mantissa.contains(u'.')) {
            while (mantissa.endsWith(u'0'))
                mantissa.chop(1);
            if (mantissa.endsWith(u'.'))
                mantissa.chop(1);
        }
        out = mantissa + u'E' + (exponent < 0 ? u'-' : u'+')
              + QString::number(std::abs(exponent)).rightJustified(2, u'0');
    } else {
        // In this range 'g' with 15 digits always picks the fixed form.
        out = QString::number(value, 'g', 15);
    }
    const QChar own = decimalSeparator();
    if (own != u'.')
        out.replace(u'.', own);
    return out;
}

std::optional<double> tryCDbl(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = locale.toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

double CDbl(const QString& text)
{
    const std::optional<double> v = tryCDbl(text);
    if (!v)
        raiseTypeMismatch();
    return *v;
}

// The processor's own rounding, which is to the nearest with halves to even unless a program
// changes the rounding mode (this one never does); per-pixel loops round several times a pixel.
// Adding 0 turns the -0 that -0.5 rounds to into 0, so it never shows as "-0".
double roundHalfEven(double value) { return std::nearbyint(value) + 0.0; }

uint8_t CByte(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= 0 && r <= 255))
        raiseOverflow();
    return static_cast<uint8_t>(r);
}

Int16 CInt(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= std::numeric_limits<int16_t>::min() && r <= std::numeric_limits<int16_t>::max()))
        raiseOverflow();
    return Int16(static_cast<int16_t>(r));
}

int CLng(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max()))
        raiseOverflow();
    return static_cast<int>(r);
}

} // namespace vb
