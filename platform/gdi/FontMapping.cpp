#include "platform/gdi/FontMapping.h"

#include "platform/gdi/AnsiText.h"

#include <QFontMetrics>

#include <algorithm>
#include <cstring>

namespace gdi::detail {

namespace {

constexpr int kDefaultPixelHeight = 16;
constexpr int kLargestPixelHeight = 16384; // far beyond any screen, and no overflow on negation

// Pixel size whose ascent plus descent comes closest to a cell height.
int pixelSizeForCell(const QFont& font, int cellHeight)
{
    constexpr int probe = 100;
    QFont sized(font);
    sized.setPixelSize(probe);
    const QFontMetrics m(sized);
    const int probeCell = m.ascent() + m.descent();
    return probeCell > 0 ? std::max(1, (cellHeight * probe + probeCell / 2) / probeCell) : cellHeight;
}

} // namespace

QFont qfontFromRecord(const LOGFONTA& record)
{
    QFont font;
    const QByteArray face(record.lfFaceName, static_cast<qsizetype>(strnlen(record.lfFaceName, LF_FACESIZE)));
    if (!face.isEmpty())
        font.setFamily(fromAnsi(face));
    const int weight = record.lfWeight == 0 ? FW_NORMAL : std::clamp(record.lfWeight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(record.lfItalic != 0);
    font.setUnderline(record.lfUnderline != 0);
    font.setStrikeOut(record.lfStrikeOut != 0);
    const bool smooth = record.lfQuality == ANTIALIASED_QUALITY || record.lfQuality == CLEARTYPE_QUALITY;
    font.setStyleStrategy(smooth ? QFont::PreferAntialias : QFont::NoAntialias);
    const int height =
        static_cast<int>(std::clamp<int64_t>(record.lfHeight, -kLargestPixelHeight, kLargestPixelHeight));
    if (height < 0)
        font.setPixelSize(-height);
    else if (height > 0)
        font.setPixelSize(pixelSizeForCell(font, height));
    else
        font.setPixelSize(kDefaultPixelHeight);
    return font;
}

} // namespace gdi::detail
