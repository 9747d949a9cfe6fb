#pragma once

#include "platform/forms/Form.h"
#include "workbench/shared/ModifiedCar.h"

#include <array>
#include <optional>

namespace controls {
class ComboBox;
class Frame;
class Image;
class Label;
class Line;
class lvButtons_H;
class PictureBox;
class TextBox;
} // namespace controls
namespace data {
class DataControl;
}

// The two-car comparison: two cars side by side, each with its own list, boxes, six modification
// pairs and "Araç Değiştir", and a results frame with each car's applied list and horse-power after
// modification. Nothing here compares the two cars; the user reads them side by side.
class karsilastir : public forms::Form {
    Q_OBJECT
public:
    karsilastir();
    ~karsilastir() override;

    bool FillCarList1();
    bool FillCarList2();
    void cboCourses_Click();
    void Combo1_Click();
    void Data1_Reposition();
    void Data2_Reposition();

    // Car 1's pairs: +EKLE, then -KALDIR, in catalogue order.
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command3_Click();
    void Command6_Click();
    void Command5_Click();
    void Command8_Click();
    void Command7_Click();
    void Command10_Click();
    void Command9_Click();
    void Command12_Click();
    void Command11_Click();
    // Car 2's pairs, the same way.
    void Command15_Click();
    void Command16_Click();
    void Command17_Click();
    void Command18_Click();
    void Command19_Click();
    void Command20_Click();
    void Command21_Click();
    void Command22_Click();
    void Command23_Click();
    void Command24_Click();
    void Command25_Click();
    void Command26_Click();
    // "Araç Değiştir" of car 1 and of car 2.
    void lvButtons_H15_Click();
    void lvButtons_H16_Click();

    controls::PictureBox* Picture3;
    controls::Image* Image1;
    controls::Image* Image4;
    controls::Image* Image5;
    controls::Line* Line1;
    controls::Frame* Frame1;
    controls::Frame* Frame2;
    controls::Frame* Frame3;

    // The captions of the three boxes per car and of the two result boxes, with the two grid
    // captions that share their name.
    std::array<controls::Label*, 8> Label4;

    // Car 1, in Frame1.
    controls::ComboBox* cboCourses;
    controls::TextBox* txtNAME;
    controls::TextBox* txtAGE;
    controls::Label* Label3;
    controls::Label* Label5;
    controls::Label* Label7;
    controls::Label* Label8;
    controls::Label* Label6;
    controls::Label* Label9;
    controls::lvButtons_H* Command1;
    controls::lvButtons_H* Command2;
    controls::lvButtons_H* Command3;
    controls::lvButtons_H* Command4;
    controls::lvButtons_H* Command5;
    controls::lvButtons_H* Command6;
    controls::lvButtons_H* Command7;
    controls::lvButtons_H* Command8;
    controls::lvButtons_H* Command9;
    controls::lvButtons_H* Command10;
    controls::lvButtons_H* Command11;
    controls::lvButtons_H* Command12;

    // Car 2, in Frame2.
    controls::ComboBox* Combo1;
    controls::TextBox* Text1;
    controls::TextBox* Text2;
    controls::Label* Label1;
    controls::Label* Label13;
    controls::Label* Label11;
    controls::Label* Label10;
    controls::Label* Label12;
    controls::Label* Label2;
    controls::lvButtons_H* Command15;
    controls::lvButtons_H* Command16;
    controls::lvButtons_H* Command17;
    controls::lvButtons_H* Command18;
    controls::lvButtons_H* Command19;
    controls::lvButtons_H* Command20;
    controls::lvButtons_H* Command21;
    controls::lvButtons_H* Command22;
    controls::lvButtons_H* Command23;
    controls::lvButtons_H* Command24;
    controls::lvButtons_H* Command25;
    controls::lvButtons_H* Command26;

    controls::lvButtons_H* lvButtons_H15;
    controls::lvButtons_H* lvButtons_H16;

    // The results, in Frame3.
    controls::Line* Line2;
    controls::Line* Line3;
    controls::Line* Line4;
    controls::Label* Label14;
    controls::Label* Label15;
    controls::Label* Label16;
    controls::Label* Label17;
    controls::Label* Label18;
    controls::Label* Label19;
    controls::Label* Label20;
    controls::Label* Label21;
    controls::Label* Label22;
    controls::Label* Label23;
    controls::Label* Label24;
    controls::Label* Label25;
    controls::Label* Label26;
    controls::Label* Label27;
    controls::TextBox* Text3;
    controls::TextBox* Text4;

    // The gain holders, beyond the window's right edge; one set serves both cars.
    controls::TextBox* havafiltresi;
    controls::TextBox* sonsusturucu;
    controls::TextBox* katalatikiptal;
    controls::TextBox* headers;
    controls::TextBox* ciptuning;
    controls::TextBox* dereceliegzantirik;

    data::DataControl* Data1;
    data::DataControl* Data2;

protected:
    void Form_Load() override;

private:
    std::array<std::optional<workbench::ModifiedCar>, 2> cars_;
};
