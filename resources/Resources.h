#pragma once

#include <QString>

class QWidget;

// The pictures shared by the windows of every part of the program.
namespace resources {

inline const QString banner = QStringLiteral(":/pictures/banner.svg");
inline const QString icon = QStringLiteral(":/pictures/icon.svg");
inline const QString cursor = QStringLiteral(":/pictures/cursor.svg");
inline const QString splashBackground = QStringLiteral(":/pictures/splash.svg");
inline const QString mainBackground = QStringLiteral(":/pictures/main_background.svg");

// Makes sure the compiled-in resources are registered (a static library's need).
void init();

// The program's window icon and mouse pointer, on a window of any part of the program.
void applyWindowLook(QWidget* window);

} // namespace resources
