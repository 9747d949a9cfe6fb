#include "workbench/drag.h"

#include "platform/controls/Colors.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/data/DataControl.h"
#include "platform/forms/Guard.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Screen.h"
#include "platform/forms/Timer.h"
#include "platform/vb/Numbers.h"
#include "resources/Pictures.h"
#include "resources/Resources.h"
#include "ui/DesignControls.h"
#include "ui/Look.h"
#include "workbench/shared/CarControls.h"
#include "workbench/shared/CarDatabase.h"
#include "workbench/shared/PairDesign.h"

using controls::designFont;
using forms::place;
using resources::Picture;

namespace {

// The car menu opens and closes by the window's outer height, 10320 and 6120 twips, laid out for a
// caption and border of 480 twips. Desktops draw frames of their own sizes, so the client area is
// what is set: the race and the menu then show exactly as designed under any window manager.
constexpr double kDesignFrameHeight = 480;
constexpr double kMenuOpenHeight = 10320;
constexpr double kMenuClosedHeight = 6120;

// Each car's six pairs, in catalogue order, in the car's frame: car 1 (white) in Frame3, car 2 (red)
// in Frame2.
using Pair = workbench::PairDesign<drag>;
using workbench::element;
using workbench::member;

const Pair kCarPairs[2][workbench::ModificationCatalogue::size] = {
    {
        {.caption = {member<&drag::Label8>, "Label8", {360, 960, 1935, 240}},
         .add = {&drag::Command1, "Command1", &drag::Command1_Click, {120, 1200, 975, 495}},
         .remove = {&drag::Command2, "Command2", &drag::Command2_Click, {1200, 1200, 975, 495}}},
        {.caption = {member<&drag::Label14>, "Label14", {2760, 960, 1935, 240}},
         .add = {&drag::Command4, "Command4", &drag::Command4_Click, {2400, 1200, 975, 495}},
         .remove = {&drag::Command3, "Command3", &drag::Command3_Click, {3480, 1200, 975, 495}}},
        {.caption = {element<&drag::Label4, 3>, "Label4(3)", {360, 1800, 1935, 240}},
         .add = {&drag::Command6, "Command6", &drag::Command6_Click, {120, 2040, 975, 495}},
         .remove = {&drag::Command5, "Command5", &drag::Command5_Click, {1200, 2040, 975, 495}}},
        {.caption = {member<&drag::Label15>, "Label15", {3000, 1800, 1935, 240}},
         .add = {&drag::Command8, "Command8", &drag::Command8_Click, {2400, 2040, 975, 495}},
         .remove = {&drag::Command7, "Command7", &drag::Command7_Click, {3480, 2040, 975, 495}}},
        {.caption = {member<&drag::Label9>, "Label9", {600, 2640, 1935, 240}},
         .add = {&drag::Command10, "Command10", &drag::Command10_Click, {120, 2880, 975, 495}},
         .remove = {&drag::Command9, "Command9", &drag::Command9_Click, {1200, 2880, 975, 495}}},
        {.caption = {member<&drag::Label16>, "Label16", {2520, 2640, 1935, 240}},
         .add = {&drag::Command12, "Command12", &drag::Command12_Click, {2400, 2880, 975, 495}},
         .remove = {&drag::Command11, "Command11", &drag::Command11_Click, {3480, 2880, 975, 495}}},
    },
    {
        {.caption = {member<&drag::Label13>, "Label13", {480, 960, 1935, 240}},
         .add = {&drag::Command15, "Command15", &drag::Command15_Click, {240, 1200, 975, 495}},
         .remove = {&drag::Command16, "Command16", &drag::Command16_Click, {1320, 1200, 975, 495}}},
        {.caption = {member<&drag::Label11>, "Label11", {2880, 960, 1935, 240}},
         .add = {&drag::Command17, "Command17", &drag::Command17_Click, {2520, 1200, 975, 495}},
         .remove = {&drag::Command18, "Command18", &drag::Command18_Click, {3720, 1200, 975, 495}}},
        {.caption = {element<&drag::Label4, 5>, "Label4(5)", {360, 1800, 1935, 240}},
         .add = {&drag::Command19, "Command19", &drag::Command19_Click, {240, 2040, 975, 495}},
         .remove = {&drag::Command20, "Command20", &drag::Command20_Click, {1320, 2040, 975, 495}}},
        {.caption = {member<&drag::Label10>, "Label10", {3240, 1800, 1935, 240}},
         .add = {&drag::Command21, "Command21", &drag::Command21_Click, {2520, 2040, 975, 495}},
         .remove = {&drag::Command22, "Command22", &drag::Command22_Click, {3720, 2040, 975, 495}}},
        {.caption = {member<&drag::Label12>, "Label12", {600, 2640, 1935, 240}},
         .add = {&drag::Command23, "Command23", &drag::Command23_Click, {240, 2880, 975, 495}},
         .remove = {&drag::Command24, "Command24", &drag::Command24_Click, {1320, 2880, 975, 495}}},
        {.caption = {member<&drag::Label6>, "Label6", {2760, 2640, 1935, 240}},
         .add = {&drag::Command25, "Command25", &drag::Command25_Click, {2520, 2880, 975, 495}},
         .remove = {&drag::Command26, "Command26", &drag::Command26_Click, {3720, 2880, 975, 495}}},
    },
};

controls::Label* makeLabel(QWidget* parent, const QString& name, const QString& caption, double left, double top,
                           double width, double height, const QFont& font, Qt::Alignment align = Qt::AlignLeft)
{
    return ui::makeCaption(parent, name, caption, {left, top, width, height}, font, align | Qt::AlignVCenter);
}

// The race's buttons have the warmer face that suits its peach background.
controls::lvButtons_H* makeButton(QWidget* parent, const QString& name, const QString& caption, double left, double top,
                                  double width, double height, const QFont& font = ui::look::textFont())
{
    return ui::makePushButton(parent, name, caption, {left, top, width, height}, font, ui::ButtonLook::Race);
}

controls::Image* makeImage(QWidget* parent, const QString& name, Picture picture, double left, double top, double width,
                           double height)
{
    auto* image = new controls::Image(parent, resources::path(picture));
    image->setObjectName(name);
    place(image, left, top, width, height);
    return image;
}

} // namespace

drag::drag()
{
    designWindow(QStringLiteral("drag"), QStringLiteral("{{ Zenvortali Versiyon 2.0 }}  Sanal Drag"), 9990, 5640);
    resources::applyWindowLook(this);
    QPalette p = palette();
    p.setColor(QPalette::Window, ui::look::peach);
    setPalette(p);
    setAutoFillBackground(true);

    // Created bottom first: what is listed first in the design lies on top.
    std::array<workbench::ModifiedCar::Pairs, 2> pairs = buildCarMenu();
    buildTrack();
    buildRaceControl();
    buildHead();
    buildHiddenControls();

    Data1 = new data::DataControl(this);
    Data1->setObjectName(QStringLiteral("Data1"));
    Data1->setDatabaseName(workbench::CarDatabase::fileName());
    Data1->setRecordSource(QStringLiteral("kayitlar"));
    Data2 = new data::DataControl(this);
    Data2->setObjectName(QStringLiteral("Data2"));
    Data2->setDatabaseName(workbench::CarDatabase::fileName());
    Data2->setRecordSource(QStringLiteral("kayitlar2"));

    Timer1 = new forms::Timer(this, false, 100);
    Timer3 = new forms::Timer(this, true, 3000);

    const std::array<controls::TextBox*, 6> holders = {havafiltresi, sonsusturucu, katalatikiptal,
                                                       headers,      ciptuning,    dereceliegzantirik};
    for (workbench::ModifiedCar::Pairs& side : pairs)
        for (std::size_t i = 0; i < holders.size(); ++i)
            side[i].holder = holders[i];
    // Every accepted add makes the race startable; a change of car leaves it without a name and
    // with no power at all.
    auto enableStart = [this] { Command13->setEnabled(true); };
    cars_[0] = std::make_unique<workbench::ModifiedCar>(
        workbench::CarList(
            cboCourses, Data1, QStringLiteral("kayitlar"),
            {workbench::showIn(QStringLiteral("beygir"), txtAGE), workbench::showIn(QStringLiteral("arac"), Label1)}),
        txtAGE, pairs[0], std::vector<controls::TextBox*>{}, enableStart, [this] {
            Label1->setText(QString());
            txtAGE->setText(QStringLiteral("0"));
        });
    cars_[1] = std::make_unique<workbench::ModifiedCar>(
        workbench::CarList(
            Combo1, Data2, QStringLiteral("kayitlar2"),
            {workbench::showIn(QStringLiteral("beygir"), Text2), workbench::showIn(QStringLiteral("arac"), Label2)}),
        Text2, pairs[1], std::vector<controls::TextBox*>{}, enableStart, [this] {
            Label2->setText(QString());
            Text2->setText(QStringLiteral("0"));
        });

    forms::on(cboCourses, &controls::ComboBox::Click, this, &drag::cboCourses_Click);
    forms::on(Combo1, &controls::ComboBox::Click, this, &drag::Combo1_Click);
    forms::on(Data1, &data::DataControl::Reposition, this, &drag::Data1_Reposition);
    forms::on(Data2, &data::DataControl::Reposition, this, &drag::Data2_Reposition);
    forms::on(lvButtons_H1, &controls::lvButtons_H::Click, this, &drag::lvButtons_H1_Click);
    forms::on(lvButtons_H2, &controls::lvButtons_H::Click, this, &drag::lvButtons_H2_Click);
    forms::on(lvButtons_H15, &controls::lvButtons_H::Click, this, &drag::lvButtons_H15_Click);
    forms::on(lvButtons_H16, &controls::lvButtons_H::Click, this, &drag::lvButtons_H16_Click);
    forms::on(Command13, &controls::lvButtons_H::Click, this, &drag::Command13_Click);
    forms::on(Command14, &controls::lvButtons_H::Click, this, &drag::Command14_Click);
    forms::on(Command27, &controls::lvButtons_H::Click, this, &drag::Command27_Click);
    forms::on(Timer1, &forms::Timer::Tick, this, &drag::Timer1_Timer);
    forms::on(Timer3, &forms::Timer::Tick, this, &drag::Timer3_Timer);
}

drag::~drag() = default;

void drag::buildHead()
{
    // The banner's picture goes by another name here: Image1 is the white car.
    const ui::Banner banner = ui::makeBanner(this, 2520, 120, QStringLiteral("imgBanner"));
    Picture3 = banner.box;
    imgBanner = banner.picture;
    imgLogoTop = makeImage(this, QStringLiteral("imgLogoTop"), Picture::DragLogoTop, 600, 120, 1500, 435);
    imgLogoBottom = makeImage(this, QStringLiteral("imgLogoBottom"), Picture::DragLogoBottom, 600, 720, 1335, 450);
    Line1 = new controls::Line(this, 240, 1320, 9720, 1320, QColor(0x60, 0x40, 0x30));

    Label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Yarış Durumu:"), 240, 1440, 1470, 210,
                       ui::look::textFont());
    Label18 =
        makeLabel(this, QStringLiteral("Label18"), {}, 240, 1680, 4095, 375, ui::look::textFont(), Qt::AlignHCenter);
    Label5 = makeLabel(this, QStringLiteral("Label5"), {}, 240, 2040, 4095, 495,
                       designFont(QStringLiteral("Georgia"), 8.25), Qt::AlignHCenter);
}

void drag::buildRaceControl()
{
    Frame1 = new controls::Frame(this, QStringLiteral("Yarış Kontrolü"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFont(ui::look::textFont());
    Frame1->setBackColor(ui::look::peach);
    place(Frame1, 4680, 1440, 5175, 1095);

    const QColor lightStand(0x30, 0x30, 0x30);
    Line2 = new controls::Line(Frame1, 480, 840, 480, 1080, lightStand, 2);
    Line3 = new controls::Line(Frame1, 240, 1080, 720, 1080, lightStand, 2);
    // Stacked: red above amber above green; the highest visible one is seen.
    Image5 = makeImage(Frame1, QStringLiteral("Image5"), Picture::LightGreen, 240, 360, 480, 480);
    Image10 = makeImage(Frame1, QStringLiteral("Image10"), Picture::LightAmber, 240, 360, 480, 480);
    Image3 = makeImage(Frame1, QStringLiteral("Image3"), Picture::LightRed, 240, 360, 480, 480);

    Command13 = makeButton(Frame1, QStringLiteral("Command13"), QStringLiteral("Yarışı Başlat!"), 1080, 240, 1935, 375,
                           ui::look::systemFont(true));
    Command14 = makeButton(Frame1, QStringLiteral("Command14"), QStringLiteral("Yarışı Durdur!"), 1080, 600, 1935, 375,
                           ui::look::systemFont(true));
    Command27 = makeButton(Frame1, QStringLiteral("Command27"), QStringLiteral("Yeni Yarış"), 3240, 360, 1815, 495);
}

void drag::buildTrack()
{
    Image11 = makeImage(this, QStringLiteral("Image11"), Picture::DragTrack, 120, 2640, 9750, 3000);
    Image2 = makeImage(this, QStringLiteral("Image2"), Picture::DragCarRed, 8160, 4680, 1695, 510);
    Image1 = makeImage(this, QStringLiteral("Image1"), Picture::DragCarWhite, 8160, 3600, 1710, 465);
    Image1->setLeft(kStartLeft);
    Image2->setLeft(kStartLeft);

    const QFont nameFont = ui::look::textFont();
    Label2 = makeLabel(this, QStringLiteral("Label2"), {}, 3720, 5280, 6015, 375, nameFont, Qt::AlignRight);
    Label2->setForeColor(Qt::white);
    Label1 = makeLabel(this, QStringLiteral("Label1"), {}, 5040, 2760, 4695, 255, nameFont, Qt::AlignRight);
    Label1->setForeColor(Qt::white);

    lvButtons_H2 = makeButton(this, QStringLiteral("lvButtons_H2"), QStringLiteral("vvv Araç Menüsünü Kapat vvv"), 480,
                              5280, 2895, 300, ui::look::systemFont(true));
    lvButtons_H1 = makeButton(this, QStringLiteral("lvButtons_H1"), QStringLiteral("vvv Araç Menüsünü Aç vvv"), 480,
                              5280, 2895, 300, ui::look::systemFont(true));
}

std::array<workbench::ModifiedCar::Pairs, 2> drag::buildCarMenu()
{
    const QFont frameFont = ui::look::textFont();
    Frame3 = new controls::Frame(this, QStringLiteral("Drag Yarışması 1. Araç (Beyaz)"));
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame2 = new controls::Frame(this, QStringLiteral("Drag Yarışması 2.Araç (Kırmızı)"));
    Frame2->setObjectName(QStringLiteral("Frame2"));
    for (controls::Frame* f : {Frame3, Frame2}) {
        f->setFont(frameFont);
        f->setBackColor(ui::look::peach);
    }
    place(Frame3, 120, 5760, 4695, 3495);
    place(Frame2, 4920, 5760, 4935, 3495);

    cboCourses = workbench::makeCarList(Frame3, QStringLiteral("cboCourses"), {120, 360, 4335, 360});
    Combo1 = workbench::makeCarList(Frame2, QStringLiteral("Combo1"), {360, 360, 4335, 360});

    Label17 = makeLabel(Frame3, QStringLiteral("Label17"), QStringLiteral("Uygulanacak İşlemler Listesi:"), 960, 720,
                        3135, 255, frameFont);
    Label7 = makeLabel(Frame2, QStringLiteral("Label7"), QStringLiteral("Uygulanacak İşlemler Listesi:"), 1200, 720,
                       3135, 255, frameFont);

    std::array<workbench::ModifiedCar::Pairs, 2> pairs = {buildCarPairs(0, Frame3), buildCarPairs(1, Frame2)};

    lvButtons_H15 =
        makeButton(this, QStringLiteral("lvButtons_H15"), QStringLiteral("Araç Değiştir"), 960, 9360, 3135, 375);
    lvButtons_H16 =
        makeButton(this, QStringLiteral("lvButtons_H16"), QStringLiteral("Araç Değiştir"), 5760, 9360, 3135, 375);
    return pairs;
}

workbench::ModifiedCar::Pairs drag::buildCarPairs(int car, controls::Frame* frame)
{
    // The gain holders come later: one set, beyond the window's edge, serves both cars.
    const workbench::PairLook look = {
        .buttonFont = ui::look::textFont(),
        .buttons = ui::ButtonLook::Race,
        .caption = {.font = ui::look::pairCaptionFont(), .align = Qt::AlignLeft | Qt::AlignVCenter},
    };
    workbench::ModifiedCar::Pairs pairs;
    for (std::size_t i = 0; i < pairs.size(); ++i)
        pairs[i] = workbench::buildPair(*this, kCarPairs[static_cast<std::size_t>(car)][i], look, i, nullptr, frame);
    return pairs;
}

void drag::buildHiddenControls()
{
    // The window's own copy of the gains, beyond its right edge.
    struct Holder {
        controls::TextBox* drag::*box;
        const char* name;
        double top;
    };
    const Holder holders[] = {{&drag::sonsusturucu, "sonsusturucu", 360},
                              {&drag::katalatikiptal, "katalatikiptal", 840},
                              {&drag::headers, "headers", 1200},
                              {&drag::ciptuning, "ciptuning", 1680},
                              {&drag::dereceliegzantirik, "dereceliegzantirik", 2040},
                              {&drag::havafiltresi, "havafiltresi", 2400}};
    for (const Holder& h : holders) {
        for (const workbench::Modification& m : workbench::ModificationCatalogue::all())
            if (m.holderName == QLatin1String(h.name))
                this->*h.box = workbench::makeGainHolder(this, m, 10200, h.top);
    }

    auto powerBox = [this](const char* name, double left, double top, double width) {
        // Out of sight like the gains: only the program writes the working powers.
        auto* box = ui::makeValueHolder(this, QLatin1String(name), QStringLiteral("0"), {left, top, width, 405});
        box->setCentered(true);
        box->setFont(ui::look::displayFont());
        return box;
    };
    txtAGE = powerBox("txtAGE", 10680, 3960, 1455);
    Text2 = powerBox("Text2", 10320, 4920, 1335);
    const QFont captionFont = ui::look::textFont();
    Label4[1] = makeLabel(this, QStringLiteral("Label4(1)"), QStringLiteral("Aracın Standart Beygir Gücü:"), 10560,
                          3360, 2415, 255, captionFont);
    Label4[4] = makeLabel(this, QStringLiteral("Label4(4)"), QStringLiteral("2.Aracın Standart Beygir Gücü:"), 10080,
                          4680, 2415, 255, captionFont);
}

void drag::Form_Load()
{
    Command14->setEnabled(false);
    Timer3->setEnabled(false);
    // A database held by another program is said once; the window then opens with empty lists.
    if (FillCarList1())
        FillCarList2();
    cboCourses->setText(workbench::kCarPlaceholder);
    txtAGE->setText(QStringLiteral("0"));
    Label1->setText(QString());
    Label2->setText(QString());
    Text2->setText(QStringLiteral("0"));
    Combo1->setText(workbench::kCarPlaceholder);
}

bool drag::FillCarList1() { return cars_[0]->carList().fill(); }
bool drag::FillCarList2() { return cars_[1]->carList().fill(); }
void drag::cboCourses_Click() { cars_[0]->carList().select(); }
void drag::Combo1_Click() { cars_[1]->carList().select(); }
void drag::Data1_Reposition() { cars_[0]->carList().display(); }
void drag::Data2_Reposition() { cars_[1]->carList().display(); }

void drag::lvButtons_H1_Click()
{
    setClientHeight(kMenuOpenHeight - kDesignFrameHeight);
    lvButtons_H2->setVisible(true);
    lvButtons_H1->setVisible(false);
}

void drag::lvButtons_H2_Click()
{
    setClientHeight(kMenuClosedHeight - kDesignFrameHeight);
    lvButtons_H2->setVisible(false);
    lvButtons_H1->setVisible(true);
}

void drag::modify(int car, std::size_t row, bool add)
{
    const workbench::ModifiedCar& side = *cars_.at(static_cast<std::size_t>(car));
    if (add)
        side.add(row);
    else
        side.remove(row);
}

void drag::Command1_Click() { modify(0, 0, true); }
void drag::Command2_Click() { modify(0, 0, false); }
void drag::Command4_Click() { modify(0, 1, true); }
void drag::Command3_Click() { modify(0, 1, false); }
void drag::Command6_Click() { modify(0, 2, true); }
void drag::Command5_Click() { modify(0, 2, false); }
void drag::Command8_Click() { modify(0, 3, true); }
void drag::Command7_Click() { modify(0, 3, false); }
void drag::Command10_Click() { modify(0, 4, true); }
void drag::Command9_Click() { modify(0, 4, false); }
void drag::Command12_Click() { modify(0, 5, true); }
void drag::Command11_Click() { modify(0, 5, false); }
void drag::Command15_Click() { modify(1, 0, true); }
void drag::Command16_Click() { modify(1, 0, false); }
void drag::Command17_Click() { modify(1, 1, true); }
void drag::Command18_Click() { modify(1, 1, false); }
void drag::Command19_Click() { modify(1, 2, true); }
void drag::Command20_Click() { modify(1, 2, false); }
void drag::Command21_Click() { modify(1, 3, true); }
void drag::Command22_Click() { modify(1, 3, false); }
void drag::Command23_Click() { modify(1, 4, true); }
void drag::Command24_Click() { modify(1, 4, false); }
void drag::Command25_Click() { modify(1, 5, true); }
void drag::Command26_Click() { modify(1, 5, false); }

void drag::changeCar(int car) { cars_.at(static_cast<std::size_t>(car))->reset(); }

void drag::lvButtons_H15_Click() { changeCar(0); }
void drag::lvButtons_H16_Click() { changeCar(1); }

void drag::Command13_Click()
{
    if (Label1->text().isEmpty() || Label2->text().isEmpty()) {
        forms::MsgBox(QStringLiteral("Lütfen Alttaki Listeden Bir Tane Araç Seçiniz"), forms::vbCritical,
                      QStringLiteral("Hata"));
        return;
    }
    Image3->setVisible(false);
    Timer3->setEnabled(true);
    Command13->setEnabled(false);
    Label18->setText(QStringLiteral("Yarış Başlıyor..."));
    Command14->setEnabled(true);
}

void drag::Timer3_Timer()
{
    Image3->setVisible(false);
    Image10->setVisible(true);
    Image5->setVisible(true);
    Image10->setVisible(false);
    Timer1->setEnabled(true);
    Label18->setText(QStringLiteral("Yarış Başladı"));
}

bool drag::readPowers(double& power1, double& power2)
{
    // A chosen car whose stored power is a number the program cannot hold (an infinity) showed no
    // power: its box kept one that is not the car's own.
    const bool stored1 = !Label1->text().isEmpty() && cars_[0]->carList().holdsUnreadable(QStringLiteral("beygir"));
    const bool stored2 = !Label2->text().isEmpty() && cars_[1]->carList().holdsUnreadable(QStringLiteral("beygir"));
    const std::optional<double> first = stored1 ? std::nullopt : vb::tryCDbl(txtAGE->text());
    const std::optional<double> second = stored2 ? std::nullopt : vb::tryCDbl(Text2->text());
    if (first && second) {
        power1 = *first;
        power2 = *second;
        return true;
    }
    // A power that is not a number cannot move its car: the race stops, as with the stop button,
    // and the user is told which car it is.
    Command14_Click();
    QStringList which;
    if (stored1)
        which << QStringLiteral("1. aracın (beyaz) veritabanındaki beygir gücü");
    else if (!first)
        which << QStringLiteral("1. aracın (beyaz) beygir gücü \"%1\"").arg(txtAGE->text());
    if (stored2)
        which << QStringLiteral("2. aracın (kırmızı) veritabanındaki beygir gücü");
    else if (!second)
        which << QStringLiteral("2. aracın (kırmızı) beygir gücü \"%1\"").arg(Text2->text());
    forms::MsgBox(QStringLiteral("Yarış durduruldu: %1 bir sayı değil.").arg(which.join(QStringLiteral(" ve "))),
                  forms::vbCritical, QStringLiteral("Hata"));
    return false;
}

void drag::Timer1_Timer()
{
    double power1 = 0, power2 = 0;
    if (!readPowers(power1, power2))
        return;
    Image1->setLeft(static_cast<float>(static_cast<double>(Image1->Left()) - power1));
    Image2->setLeft(static_cast<float>(static_cast<double>(Image2->Left()) - power2));
    if (Image1->Left() <= kFinishLeft)
        finish(cboCourses);
    if (Image2->Left() <= kFinishLeft)
        finish(Combo1);
}

void drag::finish(const controls::ComboBox* winnerList)
{
    Timer1->setEnabled(false);
    Timer3->setEnabled(false);
    Command13->setEnabled(false);
    Label18->setText(QStringLiteral("Yarış Bitti"));
    Label5->setText(winnerList->text() + QStringLiteral(" Kazandı..."));
    Command14->setEnabled(false);
    Image3->setVisible(true);
}

void drag::Command14_Click()
{
    Command14->setEnabled(false);
    Timer1->setEnabled(false);
    Timer3->setEnabled(false);
    Image1->setLeft(kStartLeft);
    Image2->setLeft(kStartLeft);
    Command13->setEnabled(true);
    Label18->setText(QStringLiteral("Yarış Durduruldu"));
    Image3->setVisible(true);
    Image5->setVisible(false);
    Image10->setVisible(true);
}

void drag::Command27_Click()
{
    Image1->setLeft(kStartLeft);
    Image2->setLeft(kStartLeft);
    Command13->setEnabled(true);
    Label5->setText(QString());
    Label18->setText(QString());
    Image3->setVisible(true);
}
