#pragma once

#include "platform/forms/Screen.h"
#include "platform/vb/Int16.h"
#include "platform/vb/Numbers.h"

#include <initializer_list>

namespace graphics {

// Coordinates and sizes from twips to pixels as the merge, blend and transform operations take
// them: the screen's twips per pixel first to a whole number, then each quotient to the nearest
// whole number, halves to even (RectToPixels divides by the exact twips per pixel instead).
// Horizontal values go by the horizontal factor, vertical ones by the vertical factor.
inline void twipsToPixels(std::initializer_list<vb::Int16*> horizontal, std::initializer_list<vb::Int16*> vertical)
{
    const vb::Int16 perPixelX = vb::CInt(forms::Screen::TwipsPerPixelX());
    const vb::Int16 perPixelY = vb::CInt(forms::Screen::TwipsPerPixelY());
    if (perPixelX.value() == 0 || perPixelY.value() == 0)
        vb::raiseDivisionByZero();
    for (vb::Int16* x : horizontal)
        *x = vb::CInt(static_cast<double>(x->value()) / perPixelX.value());
    for (vb::Int16* y : vertical)
        *y = vb::CInt(static_cast<double>(y->value()) / perPixelY.value());
}

// The same by the exact twips per pixel, as the painting, line, shape and capture operations take
// them: each quotient to the nearest whole number, halves to even.
inline void exactTwipsToPixels(std::initializer_list<vb::Int16*> horizontal, std::initializer_list<vb::Int16*> vertical)
{
    const double perPixelX = forms::Screen::TwipsPerPixelX();
    const double perPixelY = forms::Screen::TwipsPerPixelY();
    for (vb::Int16* x : horizontal)
        *x = vb::CInt(x->value() / perPixelX);
    for (vb::Int16* y : vertical)
        *y = vb::CInt(y->value() / perPixelY);
}

} // namespace graphics
