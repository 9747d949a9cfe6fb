#pragma once

#include <QByteArray>
#include <QString>

// Text for the calls that take ANSI bytes. The program's ANSI code page is Windows Turkish
// (1254): one byte per character, ASCII below 0x80. Each UTF-16 unit becomes one byte, so a
// text's length stays its length in characters; a character the code page lacks becomes '?'.
namespace gdi {

QByteArray toAnsi(const QString& text);
QString fromAnsi(const QByteArray& bytes);

} // namespace gdi
