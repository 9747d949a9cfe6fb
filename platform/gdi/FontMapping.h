#pragma once

#include "platform/gdi/Types.h"

#include <QFont>

namespace gdi::detail {

// The Qt font a logical-font record stands for: a negative height is the character height in
// pixels, a positive one the cell height (ascent plus descent), 0 the default of 16 pixels.
// Weight, italic, underline, strike-out and face name carry over (the face through the desktop's
// font aliases); escapement is applied when drawing. Only the antialiased qualities smooth glyph
// edges; every other quality draws crisp two-coloured text.
QFont qfontFromRecord(const LOGFONTA& record);

} // namespace gdi::detail
