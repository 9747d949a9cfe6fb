#pragma once

namespace forms {

// Makes the design's Windows font names (Georgia, Verdana, Arial, Comic Sans MS ...) resolve to
// installed free look-alikes, through a fontconfig alias file compiled into the program.
// Call before the first window is built. Returns false when the aliases could not be loaded.
bool loadFontAliases();

} // namespace forms
