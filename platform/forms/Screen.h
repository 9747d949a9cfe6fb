#pragma once

class QWidget;

namespace forms {

// The screen in twips, the unit of every design position (1440 twips to the inch).
class Screen {
public:
    static double TwipsPerPixelX();
    static double TwipsPerPixelY();
    static double Width(); // twips
    static double Height(); // twips

    // Whole pixels from twips, halves to even; held within the int range (NaN gives 0).
    static int toPixelsX(double twips);
    static int toPixelsY(double twips);
    static double toTwipsX(int pixels) { return pixels * TwipsPerPixelX(); }
    static double toTwipsY(int pixels) { return pixels * TwipsPerPixelY(); }
};

// Places a control at a design position (left, top, width, height in twips) within its parent.
void place(QWidget* widget, double left, double top, double width, double height);

} // namespace forms
