#include "resources/Pictures.h"

#include <array>

namespace resources {

namespace {

struct PictureFile {
    Picture picture;
    const char* file; // in pictures/, without the .svg
};

constexpr PictureFile kFiles[] = {
    {Picture::Banner, "banner"},
    {Picture::Icon, "icon"},
    {Picture::Cursor, "cursor"},
    {Picture::SplashBackground, "splash"},
    {Picture::MainBackground, "main_background"},
    {Picture::BlueBackground, "blue_background"},
    {Picture::LoweringBackground, "blue_background_lowering"},
    {Picture::Logo, "logo"},
    {Picture::ExhaustManifold, "exhaust_manifold"},
    {Picture::EmblemKarasimsek, "emblem_karasimsek"},
    {Picture::EmblemCelikpars, "emblem_celikpars"},
    {Picture::EmblemDemirkanat, "emblem_demirkanat"},
    {Picture::BrowserGlobe, "browser_globe"},
    {Picture::AccessoryChip, "accessory_chip"},
    {Picture::AccessoryShock, "accessory_shock"},
    {Picture::AccessoryAirFilter, "accessory_airfilter"},
    {Picture::AccessorySpring, "accessory_spring"},
    {Picture::AccessoryStrutBrace, "accessory_strutbrace"},
    {Picture::AccessoryExhaust, "accessory_exhaust"},
    {Picture::BrandVorteks, "brand_vorteks"},
    {Picture::BrandAspera, "brand_aspera"},
    {Picture::BrandKartal, "brand_kartal"},
    {Picture::BrandNovaks, "brand_novaks"},
    {Picture::BrandDurax, "brand_durax"},
    {Picture::CompareBadge, "compare_badge"},
    {Picture::PowerBadge, "power_badge"},
    {Picture::FiguresBackground, "figures_background"},
    {Picture::FiguresBadge, "figures_badge"},
    {Picture::DragLogoTop, "drag_logo_top"},
    {Picture::DragLogoBottom, "drag_logo_bottom"},
    {Picture::DragTrack, "drag_track"},
    {Picture::DragCarWhite, "drag_car_white"},
    {Picture::DragCarRed, "drag_car_red"},
    {Picture::LightRed, "light_red"},
    {Picture::LightAmber, "light_amber"},
    {Picture::LightGreen, "light_green"},
    {Picture::AboutBanner, "about_banner"},
    {Picture::AboutPortrait, "about_brevantu"},
};

// Row n names picture n, so looking a picture up is indexing.
constexpr bool everyPictureInOrder()
{
    for (std::size_t i = 0; i < std::size(kFiles); ++i)
        if (kFiles[i].picture != static_cast<Picture>(i))
            return false;
    return std::size(kFiles) == pictureCount;
}
static_assert(everyPictureInOrder(), "one row per picture, in the order of the enumeration");

} // namespace

QString path(Picture picture)
{
    return QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(kFiles[static_cast<std::size_t>(picture)].file));
}

} // namespace resources
