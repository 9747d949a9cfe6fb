// Measuring text in a DC's font.
#include "platform/gdi/AnsiText.h"
#include "platform/gdi/FontMapping.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

namespace gdi {

using namespace detail;

namespace {

// The font DrawTextA draws with: made from the record once and kept with the font object; the
// default font when the DC holds none of ours.
QFont fontOf(const DeviceContext& dc)
{
    Font* font = handles().find<Font>(dc.font);
    if (!font)
        return qfontFromRecord(LOGFONTA{});
    if (!font->qfont)
        font->qfont = qfontFromRecord(font->record);
    return *font->qfont;
}

} // namespace

bool GetTextExtentPoint32A(HDC hdc, const char* text, int count, SIZE* size)
{
    const DeviceContext* dc = dcOf(hdc);
    if (!dc || !size || count < 0 || (!text && count > 0))
        return false;
    const QFontMetrics metrics(fontOf(*dc));
    size->cx = metrics.horizontalAdvance(fromAnsi(QByteArray(text, count)));
    size->cy = metrics.ascent() + metrics.descent();
    return true;
}

bool GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics)
{
    const DeviceContext* dc = dcOf(hdc);
    if (!dc || !metrics)
        return false;
    const QFont font = fontOf(*dc);
    const QFontMetrics measures(font);
    const Font* record = handles().find<Font>(dc->font);
    const LOGFONTA logical = record ? record->record : LOGFONTA{};

    TEXTMETRICA m;
    m.tmHeight = measures.ascent() + measures.descent();
    m.tmAscent = measures.ascent();
    m.tmDescent = measures.descent();
    // The cell's room above the characters: the height beyond the character height.
    m.tmInternalLeading = std::max(0, m.tmHeight - QFontInfo(font).pixelSize());
    m.tmExternalLeading = std::max(0, measures.leading());
    m.tmAveCharWidth = measures.averageCharWidth();
    m.tmMaxCharWidth = measures.maxWidth();
    m.tmWeight = logical.lfWeight != 0 ? logical.lfWeight : FW_NORMAL;
    m.tmDigitizedAspectX = GetDeviceCaps(hdc, LOGPIXELSX);
    m.tmDigitizedAspectY = GetDeviceCaps(hdc, LOGPIXELSY);
    m.tmFirstChar = 0x20;
    m.tmLastChar = 0xFF;
    m.tmDefaultChar = '?';
    m.tmBreakChar = ' ';
    m.tmItalic = logical.lfItalic;
    m.tmUnderlined = logical.lfUnderline;
    m.tmStruckOut = logical.lfStrikeOut;
    m.tmCharSet = logical.lfCharSet;
    *metrics = m;
    return true;
}

} // namespace gdi
