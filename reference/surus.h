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

    controls::Label* Label1 = nullptr;
    controls::lvButtons_H* lvButtons_H1 = nullptr;
    controls::lvButtons_H* lvButtons_H2 = nullptr;
    controls::lvButtons_H* lvButtons_H3 = nullptr;
    controls::lvButtons_H* lvButtons_H4 = nullptr;
    controls::Frame* Frame1 = nullptr;
    controls::TextBox* Text4 = nullptr;
    controls::TextBox* Text3 = nullptr;
    controls::TextBox* Text2 = nullptr;
    controls::TextBox* Text1 = nullptr;

private:
    void showTechnique(int k);

    std::array<controls::TextBox*, 4> texts_{};
};
