#pragma once

#include "platform/forms/Form.h"
#include "workbench/shared/CarList.h"

#include <array>
#include <optional>

namespace controls {
class ComboBox;
class Image;
class Label;
class Line;
class PictureBox;
class TextBox;
} // namespace controls
namespace data {
class DataControl;
}

// The factory-figures comparison: two cars' stored factory figures side by side, car 1 from the
// first table on the left, car 2 from the second on the right, each shown as stored.
class ozellik : public forms::Form {
    Q_OBJECT
public:
    ozellik();
    ~ozellik() override;

    bool FillCarList1();
    bool FillCarList2();
    void cboCourses_Click();
    void Combo1_Click();
    void Data1_Reposition();
    void Data2_Reposition();

    controls::PictureBox* Picture3 = nullptr;
    controls::Image* Image1 = nullptr;
    controls::Image* Image2 = nullptr;
    // The frame around the two columns: a rectangle split down the middle.
    std::array<controls::Line*, 5> frameLines{};

    controls::ComboBox* cboCourses = nullptr;
    controls::ComboBox* Combo1 = nullptr;
    // The row captions: 1 to 6 over car 1's boxes, 0 and 7 to 11 over car 2's.
    std::array<controls::Label*, 12> Label4{};

    // Car 1's column, top to bottom.
    controls::TextBox* txtAGE = nullptr;
    controls::TextBox* Text1 = nullptr;
    controls::TextBox* Text3 = nullptr;
    controls::TextBox* Text4 = nullptr;
    controls::TextBox* Text5 = nullptr;
    controls::TextBox* Text6 = nullptr;
    // Car 2's column, top to bottom.
    controls::TextBox* Text2 = nullptr;
    controls::TextBox* Text7 = nullptr;
    controls::TextBox* Text8 = nullptr;
    controls::TextBox* Text9 = nullptr;
    controls::TextBox* Text10 = nullptr;
    controls::TextBox* Text11 = nullptr;

    data::DataControl* Data1 = nullptr;
    data::DataControl* Data2 = nullptr;

protected:
    void Form_Load() override;

private:
    std::array<std::optional<workbench::CarList>, 2> cars_;
};
