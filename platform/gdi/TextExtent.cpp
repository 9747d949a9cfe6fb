// Measuring text in a DC's font.
#include "platform/gdi/AnsiText.h"
#include "platform/gdi/FontMapping.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"

#include <QFontMetrics>

namespace gdi {

using namespace detail;

bool GetTextExtentPoint32A(HDC hdc, const char* text, int count, SIZE* size)
{
    const DeviceContext* dc = dcOf(hdc);
    if (!dc || !size || count < 0 || (!text && count > 0))
        return false;
    Font* font = handles().find<Font>(dc->font);
    // The font DrawTextA draws with: made from the record once and kept with the font object.
    if (font && !font->qfont)
        font->qfont = qfontFromRecord(font->record);
    const QFontMetrics metrics(font ? *font->qfont : qfontFromRecord(LOGFONTA{}));
    size->cx = metrics.horizontalAdvance(fromAnsi(QByteArray(text, count)));
    size->cy = metrics.ascent() + metrics.descent();
    return true;
}

} // namespace gdi
