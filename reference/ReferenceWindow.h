#pragma once

#include "platform/forms/Form.h"

#include <iterator>
#include <span>

class QFont;

namespace controls {
class Image;
class PictureBox;
class TextBox;
} // namespace controls

namespace resources {
enum class Picture;
}

namespace reference {

// What sets one reference window apart from the others around its content.
struct WindowLook {
    const char* name;
    const char* caption; // UTF-8
    double clientWidth; // twips
    double clientHeight;
    resources::Picture background;
    double bannerLeft;
    double logoLeft;
    bool ownCursor; // the program's mouse pointer over the window's surface
};

// A window of the reference library: a fixed-size window on a blue background picture with the
// program's banner and logo along its top. The window builds its own content below them.
class ReferenceWindow : public forms::Form {
    Q_OBJECT
public:
    controls::PictureBox* Picture3 = nullptr;
    controls::Image* Image1 = nullptr;
    controls::Image* Image2 = nullptr;

protected:
    explicit ReferenceWindow(const WindowLook& look);
};

// The text of a compiled-in text file, exactly as stored (UTF-8, line ends kept).
QString readText(const QString& resource);

enum class Editing { Locked, Editable };

// A page of long text: multi-line, wrapping at the box width, a vertical scroll bar only, black on
// white. A locked page can be scrolled, searched with the caret and copied from, but not changed.
controls::TextBox* makeTextPage(QWidget* parent, const QString& name, const QString& textResource, const QFont& font,
                                Editing editing);

// Switches stacked pages by their Visible flag only, so each keeps its scroll position: the page to
// show first, then every other one hidden.
void showOnly(controls::TextBox* shown, std::span<controls::TextBox* const> pages);

// Stacks controls that lie on one another as listed: the first on top, the last at the bottom.
template <class Controls>
void stackFirstOnTop(const Controls& controls)
{
    for (auto it = std::rbegin(controls); it != std::rend(controls); ++it)
        (*it)->raise();
}

} // namespace reference
