#pragma once

#include "reference/ReferenceWindow.h"

namespace controls {
class Label;
class Line;
class TextBox;
} // namespace controls

namespace reference {

// What sets one topic page apart from the others (positions and sizes in twips).
struct TopicPageDesign {
    WindowLook window;
    const char* heading; // UTF-8
    double headingLeft;
    double headingWidth;
    const char* textName; // the text box's design name, Text1 or Text2
    double textWidth;
    double textHeight;
    const char* text; // the compiled-in page text
};

// The design of topic page hava<number> (number 0 is hava).
const TopicPageDesign& topicPageDesign(int number);

} // namespace reference

// One topic page of the index: the banner and logo, a heading over a dotted line, and one long
// text the reader may edit; the edits go with the window when it closes. Each page is its own
// class below, so that each has its own single instance.
class TopicPage : public reference::ReferenceWindow {
    Q_OBJECT
public:
    controls::Line* Line1 = nullptr;
    controls::Label* Label1 = nullptr;
    // Named Text1 or Text2, as the page's design has it.
    controls::TextBox* Text = nullptr;

protected:
    explicit TopicPage(int number);
};
