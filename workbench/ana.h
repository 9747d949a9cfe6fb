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

    controls::PictureBox* Picture3 = nullptr;
    controls::Image* Image1 = nullptr;
    controls::Shape* Shape1 = nullptr;
    controls::ComboBox* cboCourses = nullptr;
    std::array<controls::Label*, 4> Label4{};
    controls::TextBox* txtNAME = nullptr;
    controls::TextBox* txtAGE = nullptr;
    controls::TextBox* Text1 = nullptr;
    controls::Line* Line1 = nullptr;
    controls::Line* Line2 = nullptr;
    controls::Label* Label3 = nullptr;
    controls::Label* Label10 = nullptr;
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
    controls::Label* Label12 = nullptr;
    controls::Label* Label13 = nullptr;
    controls::Label* Label14 = nullptr;
    controls::Label* Label15 = nullptr;
    controls::Label* Label16 = nullptr;
    controls::Label* Label17 = nullptr;
    controls::lvButtons_H* lvButtons_H9 = nullptr;
    controls::Shape* Shape2 = nullptr;
    controls::lvButtons_H* lvButtons_H11 = nullptr;
    controls::lvButtons_H* Command50 = nullptr;
    controls::lvButtons_H* lvButtons_H5 = nullptr;
    controls::lvButtons_H* lvButtons_H4 = nullptr;
    controls::lvButtons_H* lvButtons_H2 = nullptr;
    controls::lvButtons_H* lvButtons_H10 = nullptr;
    controls::lvButtons_H* lvButtons_H3 = nullptr;
    controls::lvButtons_H* lvButtons_H7 = nullptr;
    controls::lvButtons_H* lvButtons_H6 = nullptr;
    controls::Label* Label2 = nullptr;
    controls::Label* Label11 = nullptr;
    controls::Label* Label18 = nullptr;
    data::DataControl* data = nullptr;
    // The gain holders, beyond the window's right edge.
    controls::TextBox* havafiltresi = nullptr;
    controls::TextBox* sonsusturucu = nullptr;
    controls::TextBox* katalatikiptal = nullptr;
    controls::TextBox* headers = nullptr;
    controls::TextBox* ciptuning = nullptr;
    controls::TextBox* dereceliegzantirik = nullptr;

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
