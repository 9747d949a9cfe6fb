#pragma once

#include "platform/gdi/XRandr.h"

// Puts the screen back in the mode it had before the program first changed it, when the program
// ends with a changed mode: at a normal end (returning from main, std::exit) before it is gone,
// and otherwise (a fatal signal, a kill) from a small watching process forked at the first change,
// which waits for the program's end and then restores the mode over a connection of its own.
namespace gdi::detail {

// The first call remembers the setting and starts the watch; later ones keep the first setting.
void rememberOriginalSetting(const CrtcSetting& setting);
const CrtcSetting* originalSetting(); // null before the first change
// Whether the screen shows a mode the program set, which its end must undo.
void setDisplayChanged(bool changed);

} // namespace gdi::detail
