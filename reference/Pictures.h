#pragma once

// The pictures of the reference windows, compiled in with the program's other pictures.
namespace reference::pictures {

inline constexpr char blueBackground[] = ":/pictures/blue_background.svg";
// The lowering page's own, larger background.
inline constexpr char loweringBackground[] = ":/pictures/blue_background_lowering.svg";
inline constexpr char logo[] = ":/pictures/logo.svg";
inline constexpr char manifold[] = ":/pictures/exhaust_manifold.svg";
inline constexpr char emblemExhaust[] = ":/pictures/emblem_karasimsek.svg";
inline constexpr char emblemIntake[] = ":/pictures/emblem_celikpars.svg";
inline constexpr char emblemSuspension[] = ":/pictures/emblem_demirkanat.svg";

} // namespace reference::pictures
