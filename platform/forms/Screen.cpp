#include "platform/forms/Screen.h"

#include "platform/vb/Numbers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <limits>

namespace forms {

namespace {
QScreen* primary() { return QGuiApplication::primaryScreen(); }
double dpiX() { return primary() ? primary()->logicalDotsPerInchX() : 96.0; }
double dpiY() { return primary() ? primary()->logicalDotsPerInchY() : 96.0; }

// Whole pixels, halves to even, held at the ends of the int range: a position far off any screen
// (a car gone at billions of twips a step, or at infinity) is still a position, and not a value
// the conversion to int is undefined for. A value that is no number at all stands at 0.
int wholePixels(double pixels)
{
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (std::isnan(pixels))
        return 0;
    const double rounded = vb::roundHalfEven(pixels);
    if (rounded <= lowest)
        return std::numeric_limits<int>::min();
    if (rounded >= highest)
        return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}
} // namespace

double Screen::TwipsPerPixelX() { return 1440.0 / dpiX(); }
double Screen::TwipsPerPixelY() { return 1440.0 / dpiY(); }
double Screen::Width() { return primary() ? primary()->geometry().width() * TwipsPerPixelX() : 0; }
double Screen::Height() { return primary() ? primary()->geometry().height() * TwipsPerPixelY() : 0; }
int Screen::toPixelsX(double twips) { return wholePixels(twips / TwipsPerPixelX()); }
int Screen::toPixelsY(double twips) { return wholePixels(twips / TwipsPerPixelY()); }

void place(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(Screen::toPixelsX(left), Screen::toPixelsY(top), Screen::toPixelsX(width),
                        Screen::toPixelsY(height));
}

} // namespace forms
