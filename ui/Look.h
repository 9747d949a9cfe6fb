#pragma once

#include <QColor>

class QFont;

// The program's look: the design colours and fonts its windows share, named for what they are for.
// A window that needs one of these takes it from here, so the same grey or red is never written
// twice.
namespace ui::look {

// The push buttons: a black caption on a cool grey face; under the pointer the caption turns red
// and the face lightens.
inline constexpr QColor buttonFace{0xD4, 0xD6, 0xDC};
inline constexpr QColor buttonHoverFace{0xEC, 0xEE, 0xF2};
// The drag race's warmer faces, which sit on its peach background.
inline constexpr QColor raceButtonFace{0xF4, 0xE6, 0xD6};
inline constexpr QColor raceButtonHoverFace{0xFF, 0xF3, 0xE6};

// The design's red (&H0000FF): hovered captions, the credit link, the accessory total, the about
// screen's text.
inline constexpr QColor captionRed{0xFF, 0x00, 0x00};
// The near-black of captions on the light grey and peach windows.
inline constexpr QColor darkText{0x11, 0x11, 0x11};
// The peach background (&HC0E0FF) of the drag race and the comparison.
inline constexpr QColor peach{0xFF, 0xE0, 0xC0};
// The deep blue behind the reference windows' background picture.
inline constexpr QColor referenceBlue{0x10, 0x2A, 0x5C};
// The dark outlines and rules of the main window and the accessory grid.
inline constexpr QColor outline{0x30, 0x30, 0x34};

// The program's ordinary bold text: Georgia 8.25 pt bold.
QFont textFont();
// Captions and pair buttons of the car windows: Georgia 9 pt bold.
QFont captionFont();
// The main window's larger buttons: Georgia 10 pt bold.
QFont navigationFont();
// The modification names over the pairs: Verdana 8.25 pt bold.
QFont pairCaptionFont();
// What a display box shows: Arial 12 pt bold.
QFont displayFont();
// The platform's plain dialog font, MS Sans Serif 8.25 pt.
QFont systemFont(bool bold = false);

} // namespace ui::look
