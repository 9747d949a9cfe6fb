#pragma once

#include <QAccessible>
#include <QRect>

class QPainter;
class QWidget;

// Where a control plays another part for a screen reader and the keyboard than its Qt class gives it.
namespace controls {

// What a control that takes a click (a caption, a picture) needs to serve a user without a mouse:
// a stop in the window's tab order, Enter or Space to click it, a mark while it has the focus, and
// a screen-reader role with a Press action that clicks it. The control raises a `Click()` signal.
//
// Only Tab gives it the focus, and the mark shows only once the keyboard is used on it: a mouse
// click leaves the focus where it was, and a window that opens with the focus on the control
// shows no mark, so a mouse user sees nothing new.
void takeClicksFromKeyboard(QWidget* control, QAccessible::Role role);

// A dotted outline in the control's text colour around `around`, drawn while the control shows
// that it has the keyboard focus. The control calls it last in its painting.
void paintFocusMark(const QWidget* control, QPainter& painter, const QRect& around);

// A control no user sees or reaches (a value holder beyond the window's edge): a screen reader
// passes it over as it does a hidden one.
void hideFromScreenReaders(QWidget* control);

} // namespace controls
