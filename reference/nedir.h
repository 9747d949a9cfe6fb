#pragma once

#include "reference/ReferenceWindow.h"

namespace controls {
class Frame;
class Image;
class lvButtons_H;
} // namespace controls

// The topic index: twelve buttons in a frame, each opening one topic page (eleven articles and a
// directory of shops). The index keeps no state; pages stay open when it closes.
class nedir : public reference::ReferenceWindow {
    Q_OBJECT
public:
    nedir();

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

    controls::Frame* Frame1 = nullptr;
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
    controls::Image* Image4 = nullptr;
    controls::Image* Image3 = nullptr;
    controls::Image* Image5 = nullptr;
    controls::Image* Image6 = nullptr;
};
