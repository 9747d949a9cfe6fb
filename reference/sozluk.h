#pragma once

#include "reference/ReferenceWindow.h"

#include <array>

namespace controls {
class Frame;
class lvButtons_H;
class TextBox;
} // namespace controls

// The English-Turkish dictionary of car and engine terms: a row of letter buttons a ... w over a
// frame of 23 stacked pages, one per letter, of which the chosen one is the only one visible.
// The page for the k-th letter is the box numbered 24 - k: the A page is Text23, the W page Text1.
class sozluk : public reference::ReferenceWindow {
    Q_OBJECT
public:
    static constexpr int kLetters = 23;

    sozluk();

    void lvButtons_H1_Click();
    void lvButtons_H2_Click();
    void lvButtons_H3_Click();
    void lvButtons_H4_Click();
    void lvButtons_H5_Click();
    void lvButtons_H6_Click();
    void lvButtons_H7_Click();
    void lvButtons_H8_Click();
    void lvButtons_H9_Click();
    void lvButtons_H10_Click();
    void lvButtons_H11_Click();
    void lvButtons_H12_Click();
    void lvButtons_H13_Click();
    void lvButtons_H14_Click();
    void lvButtons_H15_Click();
    void lvButtons_H16_Click();
    void lvButtons_H17_Click();
    void lvButtons_H18_Click();
    void lvButtons_H19_Click();
    void lvButtons_H20_Click();
    void lvButtons_H21_Click();
    void lvButtons_H22_Click();
    void lvButtons_H23_Click();

    controls::lvButtons_H* lvButtons_H1;
    controls::lvButtons_H* lvButtons_H2;
    controls::lvButtons_H* lvButtons_H3;
    controls::lvButtons_H* lvButtons_H4;
    controls::lvButtons_H* lvButtons_H5;
    controls::lvButtons_H* lvButtons_H6;
    controls::lvButtons_H* lvButtons_H7;
    controls::lvButtons_H* lvButtons_H8;
    controls::lvButtons_H* lvButtons_H9;
    controls::lvButtons_H* lvButtons_H10;
    controls::lvButtons_H* lvButtons_H11;
    controls::lvButtons_H* lvButtons_H12;
    controls::lvButtons_H* lvButtons_H13;
    controls::lvButtons_H* lvButtons_H14;
    controls::lvButtons_H* lvButtons_H15;
    controls::lvButtons_H* lvButtons_H16;
    controls::lvButtons_H* lvButtons_H17;
    controls::lvButtons_H* lvButtons_H18;
    controls::lvButtons_H* lvButtons_H19;
    controls::lvButtons_H* lvButtons_H20;
    controls::lvButtons_H* lvButtons_H21;
    controls::lvButtons_H* lvButtons_H22;
    controls::lvButtons_H* lvButtons_H23;
    controls::Frame* Frame1;
    controls::TextBox* Text1;
    controls::TextBox* Text2;
    controls::TextBox* Text3;
    controls::TextBox* Text4;
    controls::TextBox* Text5;
    controls::TextBox* Text6;
    controls::TextBox* Text7;
    controls::TextBox* Text8;
    controls::TextBox* Text9;
    controls::TextBox* Text10;
    controls::TextBox* Text11;
    controls::TextBox* Text12;
    controls::TextBox* Text13;
    controls::TextBox* Text14;
    controls::TextBox* Text15;
    controls::TextBox* Text16;
    controls::TextBox* Text17;
    controls::TextBox* Text18;
    controls::TextBox* Text19;
    controls::TextBox* Text20;
    controls::TextBox* Text21;
    controls::TextBox* Text22;
    controls::TextBox* Text23;

private:
    void showLetter(int k);

    std::array<controls::TextBox*, kLetters> pages_{};
};
