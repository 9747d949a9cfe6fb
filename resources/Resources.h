#pragma once

class QWidget;

// The compiled-in resources: pictures (named in Pictures.h), the window icon and the mouse pointer.
namespace resources {

// Makes sure the compiled-in resources are registered (a static library's need).
void init();

// The program's window icon and mouse pointer, on a window of any part of the program.
void applyWindowLook(QWidget* window);

} // namespace resources
