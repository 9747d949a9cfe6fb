#pragma once

#include <QString>

#include <cstddef>

// Every picture the program shows, by what it shows. A window names a picture here and takes its
// resource path from `path`, so a picture is never named by a hand-written path that could miss.
namespace resources {

enum class Picture {
    // Shared by every part of the program.
    Banner,
    Icon,
    Cursor,
    SplashBackground,
    MainBackground,
    // The reference windows.
    BlueBackground,
    LoweringBackground, // the lowering page's own, larger background
    Logo,
    ExhaustManifold,
    EmblemKarasimsek,
    EmblemCelikpars,
    EmblemDemirkanat,
    BrowserGlobe,
    // The accessory price list: products, then brand emblems.
    AccessoryChip,
    AccessoryShock,
    AccessoryAirFilter,
    AccessorySpring,
    AccessoryStrutBrace,
    AccessoryExhaust,
    BrandVorteks,
    BrandAspera,
    BrandKartal,
    BrandNovaks,
    BrandDurax,
    // The comparison and the factory figures.
    CompareBadge,
    PowerBadge,
    FiguresBackground,
    FiguresBadge,
    // The drag race.
    DragLogoTop,
    DragLogoBottom,
    DragTrack,
    DragCarWhite,
    DragCarRed,
    LightRed,
    LightAmber,
    LightGreen,
    // The about screen.
    AboutBanner,
    AboutPortrait,
};
inline constexpr std::size_t pictureCount = static_cast<std::size_t>(Picture::AboutPortrait) + 1;

// The picture's compiled-in resource path.
QString path(Picture picture);

} // namespace resources
