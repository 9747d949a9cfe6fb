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

    controls::lvButtons_H* lvButtons_H1 = nullptr;
    controls::lvButtons_H* lvButtons_H2 = nullptr;
    controls::lvButtons_H* lvButtons_H3 = nullptr;
    controls::lvButtons_H* lvButtons_H4 = nullptr;
    controls::lvButtons_H* lvButtons_H5 = nullptr;
    controls::lvButtons_H* lvButtons_H6 = nullptr;
    controls::lvButtons_H* lvButtons_H7 = nullptr;
    controls::lvButtons_H* lvButtons_H8 = nullptr;
    controls::lvButtons_H* lvButtons_H9 = nullptr;
    controls::lvButtons_H* lvButtons_H10 = nullptr;
    controls::lvButtons_H* lvButtons_H11 = nullptr;
    controls::lvButtons_H* lvButtons_H12 = nullptr;
    controls::lvButtons_H* lvButtons_H13 = nullptr;
    controls::lvButtons_H* lvButtons_H14 = nullptr;
    controls::lvButtons_H* lvButtons_H15 = nullptr;
    controls::lvButtons_H* lvButtons_H16 = nullptr;
    controls::lvButtons_H* lvButtons_H17 = nullptr;
    controls::lvButtons_H* lvButtons_H18 = nullptr;
    controls::lvButtons_H* lvButtons_H19 = nullptr;
    controls::lvButtons_H* lvButtons_H20 = nullptr;
    controls::lvButtons_H* lvButtons_H21 = nullptr;
    controls::lvButtons_H* lvButtons_H22 = nullptr;
    controls::lvButtons_H* lvButtons_H23 = nullptr;
    controls::Frame* Frame1 = nullptr;
    controls::TextBox* Text1 = nullptr;
    controls::TextBox* Text2 = nullptr;
    controls::TextBox* Text3 = nullptr;
    controls::TextBox* Text4 = nullptr;
    controls::TextBox* Text5 = nullptr;
    controls::TextBox* Text6 = nullptr;
    controls::TextBox* Text7 = nullptr;
    controls::TextBox* Text8 = nullptr;
    controls::TextBox* Text9 = nullptr;
    controls::TextBox* Text10 = nullptr;
    controls::TextBox* Text11 = nullptr;
    controls::TextBox* Text12 = nullptr;
    controls::TextBox* Text13 = nullptr;
    controls::TextBox* Text14 = nullptr;
    controls::TextBox* Text15 = nullptr;
    controls::TextBox* Text16 = nullptr;
    controls::TextBox* Text17 = nullptr;
    controls::TextBox* Text18 = nullptr;
    controls::TextBox* Text19 = nullptr;
    controls::TextBox* Text20 = nullptr;
    controls::TextBox* Text21 = nullptr;
    controls::TextBox* Text22 = nullptr;
    controls::TextBox* Text23 = nullptr;

private:
    void showLetter(int k);

    std::array<controls::TextBox*, kLetters> pages_{};
};
