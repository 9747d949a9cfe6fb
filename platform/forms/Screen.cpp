#include "platform/forms/Screen.h"

#include "platform/vb/Numbers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace forms {

namespace {
QScreen* primary() { return QGuiApplication::primaryScreen(); }
double dpiX() { return primary() ? primary()->logicalDotsPerInchX() : 96.0; }
double dpiY() { return primary() ? primary()->logicalDotsPerInchY() : 96.0; }
} // namespace

double Screen::TwipsPerPixelX() { return 1440.0 / dpiX(); }
double Screen::TwipsPerPixelY() { return 1440.0 / dpiY(); }
double Screen::Width() { return primary() ? primary()->geometry().width() * TwipsPerPixelX() : 0; }
double Screen::Height() { return primary() ? primary()->geometry().height() * TwipsPerPixelY() : 0; }
int Screen::toPixelsX(double twips) { return static_cast<int>(vb::roundHalfEven(twips / TwipsPerPixelX())); }
int Screen::toPixelsY(double twips) { return static_cast<int>(vb::roundHalfEven(twips / TwipsPerPixelY())); }

void place(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(Screen::toPixelsX(left), Screen::toPixelsY(top), Screen::toPixelsX(width),
                        Screen::toPixelsY(height));
}

} // namespace forms
