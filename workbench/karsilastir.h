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

    controls::PictureBox* Picture3 = nullptr;
    controls::Image* Image1 = nullptr;
    controls::Image* Image4 = nullptr;
    controls::Image* Image5 = nullptr;
    controls::Line* Line1 = nullptr;
    controls::Frame* Frame1 = nullptr;
    controls::Frame* Frame2 = nullptr;
    controls::Frame* Frame3 = nullptr;

    // The captions of the three boxes per car and of the two result boxes, with the two grid
    // captions that share their name.
    std::array<controls::Label*, 8> Label4{};

    // Car 1, in Frame1.
    controls::ComboBox* cboCourses = nullptr;
    controls::TextBox* txtNAME = nullptr;
    controls::TextBox* txtAGE = nullptr;
    controls::Label* Label3 = nullptr;
    controls::Label* Label5 = nullptr;
    controls::Label* Label7 = nullptr;
    controls::Label* Label8 = nullptr;
    controls::Label* Label6 = nullptr;
    controls::Label* Label9 = nullptr;
    controls::lvButtons_H* Command1 = nullptr;
    controls::lvButtons_H* Command2 = nullptr;
    controls::lvButtons_H* Command3 = nullptr;
    controls::lvButtons_H* Command4 = nullptr;
    controls::lvButtons_H* Command5 = nullptr;
    controls::lvButtons_H* Command6 = nullptr;
    controls::lvButtons_H* Command7 = nullptr;
    controls::lvButtons_H* Command8 = nullptr;
    controls::lvButtons_H* Command9 = nullptr;
    controls::lvButtons_H* Command10 = nullptr;
    controls::lvButtons_H* Command11 = nullptr;
    controls::lvButtons_H* Command12 = nullptr;

    // Car 2, in Frame2.
    controls::ComboBox* Combo1 = nullptr;
    controls::TextBox* Text1 = nullptr;
    controls::TextBox* Text2 = nullptr;
    controls::Label* Label1 = nullptr;
    controls::Label* Label13 = nullptr;
    controls::Label* Label11 = nullptr;
    controls::Label* Label10 = nullptr;
    controls::Label* Label12 = nullptr;
    controls::Label* Label2 = nullptr;
    controls::lvButtons_H* Command15 = nullptr;
    controls::lvButtons_H* Command16 = nullptr;
    controls::lvButtons_H* Command17 = nullptr;
    controls::lvButtons_H* Command18 = nullptr;
    controls::lvButtons_H* Command19 = nullptr;
    controls::lvButtons_H* Command20 = nullptr;
    controls::lvButtons_H* Command21 = nullptr;
    controls::lvButtons_H* Command22 = nullptr;
    controls::lvButtons_H* Command23 = nullptr;
    controls::lvButtons_H* Command24 = nullptr;
    controls::lvButtons_H* Command25 = nullptr;
    controls::lvButtons_H* Command26 = nullptr;

    controls::lvButtons_H* lvButtons_H15 = nullptr;
    controls::lvButtons_H* lvButtons_H16 = nullptr;

    // The results, in Frame3.
    controls::Line* Line2 = nullptr;
    controls::Line* Line3 = nullptr;
    controls::Line* Line4 = nullptr;
    controls::Label* Label14 = nullptr;
    controls::Label* Label15 = nullptr;
    controls::Label* Label16 = nullptr;
    controls::Label* Label17 = nullptr;
    controls::Label* Label18 = nullptr;
    controls::Label* Label19 = nullptr;
    controls::Label* Label20 = nullptr;
    controls::Label* Label21 = nullptr;
    controls::Label* Label22 = nullptr;
    controls::Label* Label23 = nullptr;
    controls::Label* Label24 = nullptr;
    controls::Label* Label25 = nullptr;
    controls::Label* Label26 = nullptr;
    controls::Label* Label27 = nullptr;
    controls::TextBox* Text3 = nullptr;
    controls::TextBox* Text4 = nullptr;

    // The gain holders, beyond the window's right edge; one set serves both cars.
    controls::TextBox* havafiltresi = nullptr;
    controls::TextBox* sonsusturucu = nullptr;
    controls::TextBox* katalatikiptal = nullptr;
    controls::TextBox* headers = nullptr;
    controls::TextBox* ciptuning = nullptr;
    controls::TextBox* dereceliegzantirik = nullptr;

    data::DataControl* Data1 = nullptr;
    data::DataControl* Data2 = nullptr;

protected:
    void Form_Load() override;

private:
    std::array<std::optional<workbench::ModifiedCar>, 2> cars_;
};
