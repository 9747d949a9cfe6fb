#include "platform/gdi/AnsiText.h"
#include "platform/gdi/FontMapping.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Painter.h"

#include <QFontMetrics>
#include <QRegularExpression>

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

int horizontalStart(const RECT& r, int width, uint32_t format)
{
    if (format & DT_CENTER)
        return (r.left + r.right - width) >> 1; // halves round down, also left of 0
    if (format & DT_RIGHT)
        return r.right - width;
    return r.left;
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
    int top = rect->top;
    if (singleLine && (format & DT_VCENTER))
        top = (rect->top + rect->bottom - lineHeight) >> 1;
    else if (singleLine && (format & DT_BOTTOM))
        top = rect->bottom - lineHeight;

    DcPainter drawing(*dc);
    if (!drawing.isActive())
        return 0;
    QPainter& p = drawing.painter();
    p.setFont(font);
    p.setPen(qcolor(dc->textColor));
    if (!(format & DT_NOCLIP))
        p.setClipRect(QRect(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1)));
    const double angle = selected ? selected->record.lfEscapement / 10.0 : 0.0;

    for (qsizetype k = 0; k < lines.size(); ++k) {
        const ShownLine line = withoutPrefixes(lines[k], !(format & DT_NOPREFIX));
        const int width = metrics.horizontalAdvance(line.text);
        p.save();
        p.translate(horizontalStart(*rect, width, format), top + static_cast<int>(k) * lineHeight);
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
    return top - rect->top + static_cast<int>(lines.size()) * lineHeight;
}

} // namespace gdi
