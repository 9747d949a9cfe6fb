#include "platform/gdi/AnsiText.h"
#include "platform/gdi/FontMapping.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Painter.h"
#include "platform/raster/Surface.h"

#include <QFontMetrics>
#include <QRegularExpression>

#include <algorithm>
#include <climits>
#include <cstring>

namespace gdi {

using namespace detail;

namespace {

// One line as shown: '&' marks the next character as the mnemonic (underlined) and "&&" shows a
// single '&', unless the caller asked for no prefix processing.
struct ShownLine {
    QString text;
    qsizetype mnemonic = -1;
};

ShownLine withoutPrefixes(const QString& line, bool processPrefixes)
{
    if (!processPrefixes)
        return {line};
    ShownLine shown;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != u'&') {
            shown.text += line[i];
            continue;
        }
        if (++i >= line.size())
            break;
        if (line[i] != u'&')
            shown.mnemonic = shown.text.size();
        shown.text += line[i];
    }
    return shown;
}

// Without the single-line flag every CR LF, CR or LF starts a new line; with it they show nothing.
QStringList splitLines(const QString& text, bool singleLine)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    if (singleLine)
        return {QString(text).remove(breaks)};
    return text.split(breaks);
}

// The Qt font of a font object, made once and kept with it.
QFont qfontOf(Font* font)
{
    if (!font)
        return qfontFromRecord(LOGFONTA{});
    if (!font->qfont)
        font->qfont = qfontFromRecord(font->record);
    return *font->qfont;
}

// Positions are 64-bit: a rectangle may run from near INT_MIN to near INT_MAX.
int64_t horizontalStart(const RECT& r, int width, uint32_t format)
{
    if (format & DT_CENTER)
        return (int64_t(r.left) + r.right - width) >> 1; // halves round down, also left of 0
    if (format & DT_RIGHT)
        return int64_t(r.right) - width;
    return r.left;
}

// Whether a line set at (x, y), which reaches no farther than `reach` from there in any
// direction (however it is turned), can touch `area` at all. Lines that cannot are left out,
// so Qt never sees a position beyond what its fixed-point glyph positions hold.
bool mayTouch(int64_t x, int64_t y, int64_t reach, const QRect& area)
{
    return x + reach >= area.left() && x - reach <= area.right() && y + reach >= area.top()
           && y - reach <= area.bottom();
}

} // namespace

int DrawTextA(HDC hdc, const char* text, int count, RECT* rect, uint32_t format)
{
    DeviceContext* dc = dcOf(hdc);
    if (!dc || !text || !rect)
        return 0;
    const QByteArray bytes(text, count < 0 ? static_cast<qsizetype>(std::strlen(text)) : count);
    const bool singleLine = format & DT_SINGLELINE;
    const QStringList lines = splitLines(fromAnsi(bytes), singleLine);

    Font* selected = handles().find<Font>(dc->font);
    const QFont font = qfontOf(selected);
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.ascent() + metrics.descent();
    // The platform centres or bottom-aligns only single-line text; other text starts at the top.
    int64_t top = rect->top;
    if (singleLine && (format & DT_VCENTER))
        top = (int64_t(rect->top) + rect->bottom - lineHeight) >> 1;
    else if (singleLine && (format & DT_BOTTOM))
        top = int64_t(rect->bottom) - lineHeight;
    const int64_t height = top - rect->top + int64_t(lines.size()) * lineHeight;
    const int result = static_cast<int>(std::clamp<int64_t>(height, INT_MIN, INT_MAX));

    DcPainter drawing(*dc);
    if (!drawing.isActive())
        return 0;
    QPainter& p = drawing.painter();
    p.setFont(font);
    p.setPen(qcolor(dc->textColor));
    // Only the part of the rectangle on the pixels matters; cut in 64 bits, it fits a QRect.
    const raster::Rect device{0, 0, p.device()->width(), p.device()->height()};
    const raster::Rect clip = raster::clipped(rect->left, rect->top, rect->right, rect->bottom, device);
    const QRect shown = (format & DT_NOCLIP) ? QRect(0, 0, device.right, device.bottom)
                                             : QRect(clip.left, clip.top, clip.width(), clip.height());
    if (shown.isEmpty())
        return result;
    p.setClipRect(shown);
    const double angle = selected ? selected->record.lfEscapement / 10.0 : 0.0;

    for (qsizetype k = 0; k < lines.size(); ++k) {
        const ShownLine line = withoutPrefixes(lines[k], !(format & DT_NOPREFIX));
        const int width = metrics.horizontalAdvance(line.text);
        const int64_t startX = horizontalStart(*rect, width, format), startY = top + int64_t(k) * lineHeight;
        if (!mayTouch(startX, startY, int64_t(width) + 2 * int64_t(lineHeight), shown))
            continue;
        p.save();
        p.translate(static_cast<qreal>(startX), static_cast<qreal>(startY));
        p.rotate(-angle); // escapement turns counter-clockwise, Qt's rotation clockwise
        if (dc->bkMode == OPAQUE)
            p.fillRect(QRect(0, 0, width, lineHeight), qcolor(dc->bkColor));
        p.drawText(0, metrics.ascent(), line.text);
        if (line.mnemonic >= 0) {
            const int x = metrics.horizontalAdvance(line.text.left(line.mnemonic));
            const int w = metrics.horizontalAdvance(line.text.at(line.mnemonic));
            p.fillRect(QRect(x, metrics.ascent() + 1, w, 1), qcolor(dc->textColor));
        }
        p.restore();
    }
    return result;
}

} // namespace gdi
