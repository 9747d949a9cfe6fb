#pragma once

#include "reference/ReferenceWindow.h"

#include <array>

namespace controls {
class Frame;
class Label;
class lvButtons_H;
class TextBox;
} // namespace controls

// The driving techniques: four buttons choose a technique, whose text the frame below shows under
// a caption naming it. The texts lie stacked in the frame and are switched by their Visible flag.
class surus : public reference::ReferenceWindow {
    Q_OBJECT
public:
    surus();

    void lvButtons_H1_Click();
    void lvButtons_H2_Click();
    void lvButtons_H3_Click();
    void lvButtons_H4_Click();

    controls::Label* Label1;
    controls::lvButtons_H* lvButtons_H1;
    controls::lvButtons_H* lvButtons_H2;
    controls::lvButtons_H* lvButtons_H3;
    controls::lvButtons_H* lvButtons_H4;
    controls::Frame* Frame1;
    controls::TextBox* Text4;
    controls::TextBox* Text3;
    controls::TextBox* Text2;
    controls::TextBox* Text1;

private:
    void showTechnique(int k);

    std::array<controls::TextBox*, 4> texts_{};
};
