#pragma once

#include <QString>
#include <Qt>

class QFont;
class QWidget;

namespace controls {
class Image;
class Label;
class PictureBox;
class lvButtons_H;
class TextBox;
} // namespace controls

namespace ui {

// A design rectangle in twips, within the control's parent.
struct Twips {
    double left;
    double top;
    double width;
    double height;
};

// Names a control and places it at its design rectangle.
void nameAndPlace(QWidget* control, const QString& name, Twips at);
template <class Control>
Control* named(Control* control, const QString& name, Twips at)
{
    nameAndPlace(control, name, at);
    return control;
}

// The controls that the program's windows build alike, each named and placed at its design rectangle.

// The program's banner, 7095 x 975 twips: a picture box `Picture3` filled by the banner picture
// `Image1`.
struct Banner {
    controls::PictureBox* box;
    controls::Image* picture;
};
// The picture takes 7020 x 900 of the box, leaving the box's black edge right and below.
Banner makeBanner(QWidget* parent, double left, double top, const QString& pictureName = QStringLiteral("Image1"));

// A transparent caption.
controls::Label* makeCaption(QWidget* parent, const QString& name, const QString& caption, Twips at, const QFont& font,
                             Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);

// A display box the user reads but cannot type in: white, black bold Arial 12 pt, centred.
controls::TextBox* makeDisplayBox(QWidget* parent, const QString& name, Twips at, bool multiLine = false);

// The push buttons' looks: where windows really differ.
enum class ButtonLook {
    Standard, // a black caption on the grey face, turning red under the pointer
    RedCaption, // the other way round: red turning black (the main window's about button)
    Race, // the standard captions on the drag race's warmer face
};

// The one way a window makes a push button.
controls::lvButtons_H* makePushButton(QWidget* parent, const QString& name, const QString& caption, Twips at,
                                      const QFont& font, ButtonLook look = ButtonLook::Standard);

// A value holder: a box holding a fixed amount (a gain, a price), placed beyond the window's edge
// where the user never sees it. It is read on every press, so it must not be reachable either: no
// keyboard focus, no typing, nothing for a screen reader.
controls::TextBox* makeValueHolder(QWidget* parent, const QString& name, const QString& value, Twips at);

} // namespace ui
