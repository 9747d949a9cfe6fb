#pragma once

#include "platform/forms/Form.h"
#include "workbench/shared/ModifiedCar.h"

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

    // The modification pairs: +EKLE, then -KALDIR, in catalogue order.
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
    void lvButtons_H9_Click();

    // The navigation column.
    void lvButtons_H11_Click();
    void Command50_Click();
    void lvButtons_H5_Click();
    void lvButtons_H2_Click();
    void lvButtons_H4_Click();
    void lvButtons_H10_Click();
    void lvButtons_H3_Click();
    void lvButtons_H7_Click();
    void lvButtons_H6_Click();
    void Label11_Click();

    controls::PictureBox* Picture3;
    controls::Image* Image1;
    controls::Shape* Shape1;
    controls::ComboBox* cboCourses;
    std::array<controls::Label*, 4> Label4;
    controls::TextBox* txtNAME;
    controls::TextBox* txtAGE;
    controls::TextBox* Text1;
    controls::Line* Line1;
    controls::Line* Line2;
    controls::Label* Label3;
    controls::Label* Label10;
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
    controls::Label* Label12;
    controls::Label* Label13;
    controls::Label* Label14;
    controls::Label* Label15;
    controls::Label* Label16;
    controls::Label* Label17;
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
    // The gain holders, beyond the window's right edge.
    controls::TextBox* havafiltresi;
    controls::TextBox* sonsusturucu;
    controls::TextBox* katalatikiptal;
    controls::TextBox* headers;
    controls::TextBox* ciptuning;
    controls::TextBox* dereceliegzantirik;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

private:
    workbench::ModifiedCar::Pairs buildModificationGrid();
    void buildNavigation();
    void buildCreditLine();
    void addModification(std::size_t row);
    void removeModification(std::size_t row);

    std::unique_ptr<workbench::ModifiedCar> car_;
};
