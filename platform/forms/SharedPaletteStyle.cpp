#include "platform/forms/SharedPaletteStyle.h"

#include <QApplication>
#include <QPixmapCache>
#include <QScopeGuard>
#include <QStyleOption>

#include <optional>

namespace forms {

namespace {
// Windows change colours at run time (buttons under the mouse), yet through a handful of design
// colours, while every control brings palettes of its own; either table starts afresh once it
// holds this many, so neither grows with the windows opened.
constexpr qsizetype kMostPalettes = 512;

// The colours of every group and role, or nothing when a brush is a gradient or a picture.
std::optional<QByteArray> colourKey(const QPalette& palette)
{
    QByteArray key;
    key.reserve(int(QPalette::NColorGroups) * int(QPalette::NColorRoles) * int(sizeof(quint64)));
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const QBrush& brush = palette.brush(QPalette::ColorGroup(group), QPalette::ColorRole(role));
            if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush)
                return std::nullopt;
            const quint64 rgba = brush.style() == Qt::NoBrush ? 0 : brush.color().rgba64();
            key.append(reinterpret_cast<const char*>(&rgba), sizeof rgba);
        }
    return key;
}
} // namespace

SharedPaletteStyle::SharedPaletteStyle() : QProxyStyle(nullptr) {}

QPalette SharedPaletteStyle::shared(const QPalette& palette) const
{
    // A palette's identity stands for its colours, so each is looked at once; the colours are read
    // only for a palette not seen before.
    auto known = byIdentity_.constFind(palette.cacheKey());
    if (known == byIdentity_.cend()) {
        QPalette chosen = palette;
        if (const std::optional<QByteArray> key = colourKey(palette)) {
            auto it = byColours_.constFind(*key);
            if (it == byColours_.cend()) {
                if (byColours_.size() >= kMostPalettes)
                    byColours_.clear();
                it = byColours_.insert(*key, palette);
            }
            chosen = it.value();
        }
        if (byIdentity_.size() >= kMostPalettes)
            byIdentity_.clear();
        known = byIdentity_.insert(palette.cacheKey(), chosen);
    }
    // The current group is the copy's own: choosing it leaves the shared colours, and their
    // identity, as they are.
    QPalette result = known.value();
    result.setCurrentColorGroup(palette.currentColorGroup());
    return result;
}

// The options are the callers' own objects, made for this one drawing; their palette is swapped
// for the shared one while it is drawn, and given back afterwards.
template <typename Draw>
void SharedPaletteStyle::drawShared(const QStyleOption* option, Draw draw) const
{
    if (!option) {
        draw();
        return;
    }
    auto* drawn = const_cast<QStyleOption*>(option);
    const QPalette own = drawn->palette;
    const auto giveBack = qScopeGuard([&] { drawn->palette = own; });
    drawn->palette = shared(own);
    draw();
}

void SharedPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const
{
    drawShared(option, [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
}

void SharedPaletteStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const
{
    drawShared(option, [&] { QProxyStyle::drawControl(element, option, painter, widget); });
}

void SharedPaletteStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                            QPainter* painter, const QWidget* widget) const
{
    drawShared(option, [&] { QProxyStyle::drawComplexControl(control, option, painter, widget); });
}

void useProgramStyle()
{
    QApplication::setStyle(new SharedPaletteStyle);
    // Pictures kept for a closed window's controls are never drawn again, yet stay until the cache
    // is full, some 10 MB by default. A small cache bounds what they hold; a picture dropped too
    // soon is only drawn again.
    QPixmapCache::setCacheLimit(1024);
}

} // namespace forms
