#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

#include <array>
#include <cmath>
#include <optional>

namespace gdi {

namespace {

// The classic Windows scheme, for system colours the desktop's palette has no role for, and for
// all of them when there is no GUI application to ask.
constexpr std::array<COLORREF, 31> kClassic = {
    RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
    RGB(0, 0, 0),       RGB(0, 0, 128),     RGB(166, 202, 240), RGB(192, 192, 192), RGB(10, 36, 106),
    RGB(212, 208, 200)};

struct Role {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

std::optional<Role> paletteRole(int index)
{
    constexpr auto active = QPalette::Active;
    switch (index) {
    case COLOR_MENU: return Role{active, QPalette::Window};
    case COLOR_WINDOW: return Role{active, QPalette::Base};
    case COLOR_MENUTEXT: return Role{active, QPalette::WindowText};
    case COLOR_WINDOWTEXT: return Role{active, QPalette::Text};
    case COLOR_HIGHLIGHT: return Role{active, QPalette::Highlight};
    case COLOR_HIGHLIGHTTEXT: return Role{active, QPalette::HighlightedText};
    case COLOR_BTNFACE: return Role{active, QPalette::Button};
    case COLOR_BTNSHADOW: return Role{active, QPalette::Dark};
    case COLOR_GRAYTEXT: return Role{QPalette::Disabled, QPalette::Text};
    case COLOR_BTNTEXT: return Role{active, QPalette::ButtonText};
    case COLOR_BTNHIGHLIGHT: return Role{active, QPalette::Light};
    case COLOR_3DDKSHADOW: return Role{active, QPalette::Shadow};
    case COLOR_3DLIGHT: return Role{active, QPalette::Midlight};
    case COLOR_INFOTEXT: return Role{active, QPalette::ToolTipText};
    case COLOR_INFOBK: return Role{active, QPalette::ToolTipBase};
    case COLOR_HOTLIGHT: return Role{active, QPalette::Link};
    case COLOR_MENUHILIGHT: return Role{active, QPalette::Highlight};
    case COLOR_MENUBAR: return Role{active, QPalette::Window};
    default: return std::nullopt;
    }
}

QScreen* screen() { return qGuiApp ? QGuiApplication::primaryScreen() : nullptr; }

} // namespace

COLORREF GetSysColor(int index)
{
    if (index < 0 || index >= static_cast<int>(kClassic.size()))
        return 0;
    if (const std::optional<Role> r = paletteRole(index); r && qGuiApp) {
        const QColor c = QGuiApplication::palette().color(r->group, r->role);
        return RGB(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue()));
    }
    return kClassic[index];
}

int GetDeviceCaps(HDC hdc, int index)
{
    if (!detail::dcOf(hdc))
        return 0;
    const QScreen* s = screen();
    switch (index) {
    case LOGPIXELSX: return s ? static_cast<int>(std::lround(s->logicalDotsPerInchX())) : 96;
    case LOGPIXELSY: return s ? static_cast<int>(std::lround(s->logicalDotsPerInchY())) : 96;
    case HORZRES: return s ? s->geometry().width() : 0;
    case VERTRES: return s ? s->geometry().height() : 0;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    // A true-colour screen: no palette device, so no palette size. The raster capabilities are
    // the ones this layer has.
    case RASTERCAPS: return RC_BITBLT | RC_BITMAP64 | RC_STRETCHBLT;
    case SIZEPALETTE: return 0;
    default: return 0;
    }
}

} // namespace gdi
