#pragma once

#include "platform/forms/Form.h"
#include "workbench/CarList.h"

#include <array>
#include <memory>

namespace controls {
class ComboBox;
class Image;
class Label;
class Line;
class lvButtons_H;
class PictureBox;
class Shape;
class TextBox;
} // namespace controls
namespace data {
class DataControl;
}

// The main window: the single-car modification calculator on the left, the navigation column
// to every other window on the right, and the credit line along the bottom.
class ana : public forms::Form {
    Q_OBJECT
public:
    ana();
    ~ana() override;

    // The credited site, opened in the desktop's browser from the credit line.
    static QString creditAddress() { return QStringLiteral("https://modifiye.example/"); }

    void FillCarList();
    void cboCourses_Click();
    void data_Reposition();

    // Each navigation button's click handler arrives with the window it opens.
    void Label11_Click();

    controls::PictureBox* Picture3;
    controls::Image* Image1;
    controls::Shape* Shape1;
    controls::ComboBox* cboCourses;
    std::array<controls::Label*, 3> Label4;
    controls::TextBox* txtNAME;
    controls::TextBox* txtAGE;
    controls::TextBox* Text1;
    controls::Line* Line1;
    controls::Line* Line2;
    controls::Label* Label3;
    controls::Label* Label10;
    controls::lvButtons_H* lvButtons_H9;
    controls::Shape* Shape2;
    controls::lvButtons_H* lvButtons_H11;
    controls::lvButtons_H* Command50;
    controls::lvButtons_H* lvButtons_H5;
    controls::lvButtons_H* lvButtons_H4;
    controls::lvButtons_H* lvButtons_H2;
    controls::lvButtons_H* lvButtons_H10;
    controls::lvButtons_H* lvButtons_H3;
    controls::lvButtons_H* lvButtons_H7;
    controls::lvButtons_H* lvButtons_H6;
    controls::Label* Label2;
    controls::Label* Label11;
    controls::Label* Label18;
    data::DataControl* data;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

private:
    void buildNavigation();
    void buildCreditLine();

    std::unique_ptr<workbench::CarList> carList_;
};
