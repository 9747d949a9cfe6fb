#pragma once

#include <QHash>
#include <QPalette>
#include <QProxyStyle>

namespace forms {

// The program's style: the desktop's own, drawing each control with one shared palette per set of
// colours.
//
// The style keeps pictures of what it drew (scroll bars, list boxes, frames) keyed by, among other
// things, the palette's identity, and every control of every new window has a palette of its own.
// Qt 6.4 never forgets a key whose picture it has dropped, not even when the cache is cleared, so
// each window opened and closed left its keys behind for good (some 30 KB per round of the
// program's windows). With palettes of equal colours shared, a window opened again draws under the
// keys it used before, and they are reused.
class SharedPaletteStyle : public QProxyStyle {
public:
    SharedPaletteStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // The shared palette with the colours of `palette` (its current group kept), or `palette`
    // itself when a brush is more than a colour.
    QPalette shared(const QPalette& palette) const;

private:
    template <typename Draw>
    void drawShared(const QStyleOption* option, Draw draw) const;

    mutable QHash<QByteArray, QPalette> byColours_;
    mutable QHash<qint64, QPalette> byIdentity_;
};

// The program's look of controls: this style, with a small cache of the pictures it keeps. Call
// once the application object exists, before the first window.
void useProgramStyle();

} // namespace forms
