#include "platform/gdi/AnsiText.h"

#include <array>

namespace gdi {

namespace {

// Bytes 0x80 to 0x9F. Bytes the code page leaves unassigned keep their own value, so they still
// come back unchanged.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178};

// From 0xA0 on the code page is Latin-1 except for six Turkish letters.
char16_t turkish(unsigned byte)
{
    switch (byte) {
    case 0xD0: return u'Ğ';
    case 0xDD: return u'İ';
    case 0xDE: return u'Ş';
    case 0xF0: return u'ğ';
    case 0xFD: return u'ı';
    case 0xFE: return u'ş';
    default: return static_cast<char16_t>(byte);
    }
}

char16_t decode(unsigned byte)
{
    if (byte < 0x80)
        return static_cast<char16_t>(byte);
    if (byte < 0xA0)
        return kHigh[byte - 0x80];
    return turkish(byte);
}

// The reverse, built once from the forward table.
const std::array<char, 0x10000>& encoder()
{
    static const std::array<char, 0x10000> table = [] {
        std::array<char, 0x10000> t;
        t.fill('?');
        for (unsigned b = 0; b < 256; ++b)
            t[decode(b)] = static_cast<char>(b);
        return t;
    }();
    return table;
}

} // namespace

QByteArray toAnsi(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    const auto& table = encoder();
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = table[text[i].unicode()];
    return bytes;
}

QString fromAnsi(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(decode(static_cast<unsigned char>(bytes[i])));
    return text;
}

} // namespace gdi
