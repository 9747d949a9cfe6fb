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
    controls::PictureBox* Picture3 = nullptr;
    controls::Image* imgBanner = nullptr;
    controls::Image* imgLogoTop = nullptr;
    controls::Image* imgLogoBottom = nullptr;
    controls::Line* Line1 = nullptr;
    controls::Label* Label3 = nullptr;
    controls::Label* Label18 = nullptr;
    controls::Label* Label5 = nullptr;
    // Race control.
    controls::Frame* Frame1 = nullptr;
    controls::Image* Image3 = nullptr;
    controls::Image* Image10 = nullptr;
    controls::Image* Image5 = nullptr;
    controls::Line* Line2 = nullptr;
    controls::Line* Line3 = nullptr;
    controls::lvButtons_H* Command13 = nullptr;
    controls::lvButtons_H* Command14 = nullptr;
    controls::lvButtons_H* Command27 = nullptr;
    // The track.
    controls::Image* Image11 = nullptr;
    controls::Image* Image1 = nullptr;
    controls::Image* Image2 = nullptr;
    controls::Label* Label1 = nullptr;
    controls::Label* Label2 = nullptr;
    controls::lvButtons_H* lvButtons_H1 = nullptr;
    controls::lvButtons_H* lvButtons_H2 = nullptr;
    // The car menu.
    controls::Frame* Frame3 = nullptr;
    controls::Frame* Frame2 = nullptr;
    controls::ComboBox* cboCourses = nullptr;
    controls::ComboBox* Combo1 = nullptr;
    controls::Label* Label17 = nullptr;
    controls::Label* Label7 = nullptr;
    std::array<controls::Label*, 6> Label4{};
    controls::Label* Label8 = nullptr;
    controls::Label* Label14 = nullptr;
    controls::Label* Label15 = nullptr;
    controls::Label* Label9 = nullptr;
    controls::Label* Label16 = nullptr;
    controls::Label* Label13 = nullptr;
    controls::Label* Label11 = nullptr;
    controls::Label* Label10 = nullptr;
    controls::Label* Label12 = nullptr;
    controls::Label* Label6 = nullptr;
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
    // Beyond the right edge.
    controls::TextBox* sonsusturucu = nullptr;
    controls::TextBox* katalatikiptal = nullptr;
    controls::TextBox* headers = nullptr;
    controls::TextBox* ciptuning = nullptr;
    controls::TextBox* dereceliegzantirik = nullptr;
    controls::TextBox* havafiltresi = nullptr;
    controls::TextBox* txtAGE = nullptr;
    controls::TextBox* Text2 = nullptr;
    data::DataControl* Data1 = nullptr;
    data::DataControl* Data2 = nullptr;
    forms::Timer* Timer1 = nullptr;
    forms::Timer* Timer3 = nullptr;

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
