#pragma once

#include "platform/forms/Form.h"
#include "workbench/shared/ModifiedCar.h"

#include <array>
#include <memory>

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
namespace forms {
class Timer;
}

// The virtual drag race: two cars, each chosen from its own table and tuned with the six
// modifications, race from right to left; every race step moves a car by its horse-power in twips.
class drag : public forms::Form {
    Q_OBJECT
public:
    drag();
    ~drag() override;

    static constexpr float kStartLeft = 8160.0f;
    static constexpr float kFinishLeft = 240.0f;

    bool FillCarList1();
    bool FillCarList2();
    void cboCourses_Click();
    void Combo1_Click();
    void Data1_Reposition();
    void Data2_Reposition();

    void lvButtons_H1_Click();
    void lvButtons_H2_Click();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
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
    void lvButtons_H15_Click();
    void lvButtons_H16_Click();

    void Command13_Click();
    void Timer3_Timer();
    void Timer1_Timer();
    void Command14_Click();
    void Command27_Click();

    // The head.
    controls::PictureBox* Picture3;
    controls::Image* imgBanner;
    controls::Image* imgLogoTop;
    controls::Image* imgLogoBottom;
    controls::Line* Line1;
    controls::Label* Label3;
    controls::Label* Label18;
    controls::Label* Label5;
    // Race control.
    controls::Frame* Frame1;
    controls::Image* Image3;
    controls::Image* Image10;
    controls::Image* Image5;
    controls::Line* Line2;
    controls::Line* Line3;
    controls::lvButtons_H* Command13;
    controls::lvButtons_H* Command14;
    controls::lvButtons_H* Command27;
    // The track.
    controls::Image* Image11;
    controls::Image* Image1;
    controls::Image* Image2;
    controls::Label* Label1;
    controls::Label* Label2;
    controls::lvButtons_H* lvButtons_H1;
    controls::lvButtons_H* lvButtons_H2;
    // The car menu.
    controls::Frame* Frame3;
    controls::Frame* Frame2;
    controls::ComboBox* cboCourses;
    controls::ComboBox* Combo1;
    controls::Label* Label17;
    controls::Label* Label7;
    std::array<controls::Label*, 6> Label4{};
    controls::Label* Label8;
    controls::Label* Label14;
    controls::Label* Label15;
    controls::Label* Label9;
    controls::Label* Label16;
    controls::Label* Label13;
    controls::Label* Label11;
    controls::Label* Label10;
    controls::Label* Label12;
    controls::Label* Label6;
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
    // Beyond the right edge.
    controls::TextBox* sonsusturucu;
    controls::TextBox* katalatikiptal;
    controls::TextBox* headers;
    controls::TextBox* ciptuning;
    controls::TextBox* dereceliegzantirik;
    controls::TextBox* havafiltresi;
    controls::TextBox* txtAGE;
    controls::TextBox* Text2;
    data::DataControl* Data1;
    data::DataControl* Data2;
    forms::Timer* Timer1;
    forms::Timer* Timer3;

protected:
    void Form_Load() override;

private:
    void buildHead();
    void buildRaceControl();
    void buildTrack();
    std::array<workbench::ModifiedCar::Pairs, 2> buildCarMenu();
    void buildHiddenControls();
    workbench::ModifiedCar::Pairs buildCarPairs(int car, controls::Frame* frame);
    void modify(int car, std::size_t row, bool add);
    void changeCar(int car);
    void finish(const controls::ComboBox* winnerList);
    bool readPowers(double& power1, double& power2);

    std::array<std::unique_ptr<workbench::ModifiedCar>, 2> cars_;
};
