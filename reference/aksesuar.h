#pragma once

#include "platform/forms/Form.h"
#include "ui/AddRemovePair.h"

#include <array>
#include <memory>

namespace controls {
class Image;
class Label;
class lvButtons_H;
class PictureBox;
class TextBox;
} // namespace controls

// The accessory cost list: seven tuning accessories with fixed prices, a running total of the
// ones the user adds, and buy buttons that open the shop's catalogue in the desktop's browser.
// It has no load handler: every opening starts from the design state.
class aksesuar : public forms::Form {
    Q_OBJECT
public:
    static constexpr std::size_t kItems = 7;

    aksesuar();
    ~aksesuar() override;

    static QString shopHost() { return QStringLiteral("https://www.tunerpazar.example"); }
    static QString catalogAddress() { return shopHost() + QStringLiteral("/catalog/index.php"); }

    // Add, then remove, item by item.
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
    void Command13_Click();
    void Command14_Click();

    // The buy buttons, all opening the shop's catalogue.
    void lvButtons_H11_Click();
    void lvButtons_H12_Click();
    void lvButtons_H13_Click();
    void lvButtons_H14_Click();
    void lvButtons_H15_Click();
    void lvButtons_H16_Click();
    void OpenShopCatalog();

    controls::PictureBox* Picture3 = nullptr;
    controls::Image* Image1 = nullptr;
    controls::Label* Label1 = nullptr;
    controls::Label* Label2 = nullptr;
    controls::Label* Label4 = nullptr;
    controls::Label* Label5 = nullptr;
    controls::Label* Label6 = nullptr;
    controls::Label* Label7 = nullptr;
    controls::Label* Label3 = nullptr;
    controls::Label* Label10 = nullptr;
    controls::Label* Label8 = nullptr;
    controls::TextBox* Text1 = nullptr;
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
    controls::lvButtons_H* Command13 = nullptr;
    controls::lvButtons_H* Command14 = nullptr;
    controls::lvButtons_H* lvButtons_H11 = nullptr;
    controls::lvButtons_H* lvButtons_H12 = nullptr;
    controls::lvButtons_H* lvButtons_H13 = nullptr;
    controls::lvButtons_H* lvButtons_H14 = nullptr;
    controls::lvButtons_H* lvButtons_H15 = nullptr;
    controls::lvButtons_H* lvButtons_H16 = nullptr;
    // The price holders, beyond the window's right edge.
    controls::TextBox* Text2 = nullptr;
    controls::TextBox* Text3 = nullptr;
    controls::TextBox* Text4 = nullptr;
    controls::TextBox* Text5 = nullptr;
    controls::TextBox* Text6 = nullptr;
    controls::TextBox* Text7 = nullptr;
    controls::TextBox* Text8 = nullptr;

private:
    void buildGrid();
    void buildPictures();
    void buildCaptions();
    void buildItems();
    void buildBuyButtons();
    void buildTotal();
    void addItem(std::size_t item);
    void removeItem(std::size_t item);

    std::unique_ptr<ui::RunningTotal> total_;
    std::array<ui::AddRemovePair, kItems> pairs_;
};
