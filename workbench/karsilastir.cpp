#include "workbench/karsilastir.h"

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
#include "platform/forms/Screen.h"
#include "resources/Pictures.h"
#include "resources/Resources.h"
#include "ui/DesignControls.h"
#include "ui/Look.h"
#include "workbench/shared/CarControls.h"
#include "workbench/shared/CarDatabase.h"
#include "workbench/shared/PairDesign.h"

using ui::Twips;
using K = karsilastir;

namespace {

using workbench::element;
using workbench::member;
using Pair = workbench::PairDesign<K>;
using LabelSlot = workbench::Slot<K, controls::Label>;

// A control of one car with its design name.
template <class Control>
struct Named {
    Control* K::*control;
    const char* name;
};

// Everything of one car: its frame and what lies in it, its "Araç Değiştir" button below, and its
// half of the results frame.
struct SideDesign {
    Named<controls::Frame> frame;
    const char* frameCaption;
    Twips frameAt;
    double shift; // how much further right than car 1's this car's controls lie within its frame
    Named<controls::ComboBox> list;
    void (K::*onPick)();
    Named<data::DataControl> data;
    const char* table;
    void (K::*onReposition)();
    LabelSlot nameCaption;
    const char* nameCaptionName;
    Named<controls::TextBox> name;
    LabelSlot standardCaption;
    const char* standardCaptionName;
    Named<controls::TextBox> standard;
    Named<controls::Label> heading;
    // Catalogue order, three rows of two; the applied labels lie in the results frame.
    Pair pairs[workbench::ModificationCatalogue::size];
    Named<controls::lvButtons_H> reset;
    double resetLeft;
    void (K::*onReset)();
    // Its half of the results frame.
    Named<controls::Label> appliedHeading;
    const char* appliedHeadingCaption;
    double appliedHeadingLeft;
    Named<controls::Line> divider;
    double dividerFrom;
    double dividerTo;
    LabelSlot resultCaption;
    const char* resultCaptionName;
    double resultCaptionLeft;
    Named<controls::TextBox> result;
    Twips resultAt;
};

constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kTopCentre = Qt::AlignHCenter | Qt::AlignTop;

const SideDesign
    kSides[] =
        {
            {.frame = {&K::Frame1, "Frame1"},
             .frameCaption = "Karşılaştırılacak 1. Araç ",
             .frameAt = {120, 1440, 4695, 5415},
             .shift = 0,
             .list = {&K::cboCourses, "cboCourses"},
             .onPick = &K::cboCourses_Click,
             .data = {&K::Data1, "Data1"},
             .table = "kayitlar",
             .onReposition = &K::Data1_Reposition,
             .nameCaption = element<&K::Label4, 0>,
             .nameCaptionName = "Label4(0)",
             .name = {&K::txtNAME, "txtNAME"},
             .standardCaption = element<&K::Label4, 1>,
             .standardCaptionName = "Label4(1)",
             .standard = {&K::txtAGE, "txtAGE"},
             .heading = {&K::Label3, "Label3"},
             .pairs =
                 {
                     {.caption = {member<&K::Label5>, "Label5", {480, 2640, 1695, 255}},
                      .add = {&K::Command1, "Command1", &K::Command1_Click, {120, 2880, 975, 495}},
                      .remove = {&K::Command2, "Command2", &K::Command2_Click, {1200, 2880, 975, 495}},
                      .applied = {member<&K::Label16>, "Label16", {240, 600, 1335, 255}}},
                     {.caption = {member<&K::Label7>, "Label7", {2760, 2640, 1695, 255}},
                      .add = {&K::Command4, "Command4", &K::Command4_Click, {2400, 2880, 975, 495}},
                      .remove = {&K::Command3, "Command3", &K::Command3_Click, {3480, 2880, 975, 495}},
                      .applied = {member<&K::Label17>, "Label17", {1920, 600, 1455, 255}}},
                     {.caption = {element<&K::Label4, 3>, "Label4(3)", {240, 3480, 1935, 255}},
                      .add = {&K::Command6, "Command6", &K::Command6_Click, {120, 3840, 975, 495}},
                      .remove = {&K::Command5, "Command5", &K::Command5_Click, {1200, 3840, 975, 495}},
                      .applied = {member<&K::Label18>, "Label18", {120, 840, 1695, 495}}},
                     {.caption = {member<&K::Label8>, "Label8", {2880, 3480, 1575, 255}},
                      .add = {&K::Command8, "Command8", &K::Command8_Click, {2400, 3840, 975, 495}},
                      .remove = {&K::Command7, "Command7", &K::Command7_Click, {3480, 3840, 975, 495}},
                      .applied = {member<&K::Label19>, "Label19", {2160, 1080, 855, 255}}},
                     {.caption = {member<&K::Label6>, "Label6", {600, 4440, 1575, 255}},
                      .add = {&K::Command10, "Command10", &K::Command10_Click, {120, 4800, 975, 495}},
                      .remove = {&K::Command9, "Command9", &K::Command9_Click, {1200, 4800, 975, 495}},
                      .applied = {member<&K::Label20>, "Label20", {3360, 1080, 1335, 255}}},
                     {.caption = {member<&K::Label9>, "Label9", {2520, 4440, 1935, 255}},
                      .add = {&K::Command12, "Command12", &K::Command12_Click, {2400, 4800, 975, 495}},
                      .remove = {&K::Command11, "Command11", &K::Command11_Click, {3480, 4800, 975, 495}},
                      .applied = {member<&K::Label21>, "Label21", {3480, 480, 1095, 495}, kTopCentre}},
                 },
             .reset = {&K::lvButtons_H15, "lvButtons_H15"},
             .resetLeft = 840,
             .onReset = &K::lvButtons_H15_Click,
             .appliedHeading = {&K::Label14, "Label14"},
             .appliedHeadingCaption = "Araç 1'e Uygulanan işlemler:",
             .appliedHeadingLeft = 120,
             .divider = {&K::Line3, "Line3"},
             .dividerFrom = 120,
             .dividerTo = 4560,
             .resultCaption = element<&K::Label4, 6>,
             .resultCaptionName = "Label4(6)",
             .resultCaptionLeft = 120,
             .result = {&K::Text3, "Text3"},
             .resultAt = {1920, 1560, 2655, 405}},

            {.frame = {&K::Frame2, "Frame2"},
             .frameCaption = "Karşılaştırılacak 2. Araç ",
             .frameAt = {5040, 1440, 4935, 5415},
             .shift = 240,
             .list = {&K::Combo1, "Combo1"},
             .onPick = &K::Combo1_Click,
             .data = {&K::Data2, "Data2"},
             .table = "kayitlar2",
             .onReposition = &K::Data2_Reposition,
             .nameCaption = element<&K::Label4, 2>,
             .nameCaptionName = "Label4(2)",
             .name = {&K::Text1, "Text1"},
             .standardCaption = element<&K::Label4, 4>,
             .standardCaptionName = "Label4(4)",
             .standard = {&K::Text2, "Text2"},
             .heading = {&K::Label1, "Label1"},
             .pairs =
                 {
                     {.caption = {member<&K::Label13>, "Label13", {720, 2640, 1695, 255}},
                      .add = {&K::Command15, "Command15", &K::Command15_Click, {360, 2880, 975, 495}},
                      .remove = {&K::Command16, "Command16", &K::Command16_Click, {1440, 2880, 975, 495}},
                      .applied = {member<&K::Label22>, "Label22", {4920, 600, 1335, 255}}},
                     {.caption = {member<&K::Label11>, "Label11", {3000, 2640, 1695, 255}},
                      .add = {&K::Command17, "Command17", &K::Command17_Click, {2640, 2880, 975, 495}},
                      .remove = {&K::Command18, "Command18", &K::Command18_Click, {3720, 2880, 975, 495}},
                      .applied = {member<&K::Label23>, "Label23", {6600, 600, 1455, 255}}},
                     {.caption = {element<&K::Label4, 5>, "Label4(5)", {480, 3480, 1935, 255}},
                      .add = {&K::Command19, "Command19", &K::Command19_Click, {360, 3840, 975, 495}},
                      .remove = {&K::Command20, "Command20", &K::Command20_Click, {1440, 3840, 975, 495}},
                      .applied = {member<&K::Label24>, "Label24", {4800, 960, 1695, 495}}},
                     {.caption = {member<&K::Label10>, "Label10", {3120, 3480, 1575, 255}},
                      .add = {&K::Command21, "Command21", &K::Command21_Click, {2640, 3840, 975, 495}},
                      .remove = {&K::Command22, "Command22", &K::Command22_Click, {3720, 3840, 975, 495}},
                      .applied = {member<&K::Label25>, "Label25", {6840, 1080, 855, 255}}},
                     {.caption = {member<&K::Label12>, "Label12", {840, 4440, 1575, 255}},
                      .add = {&K::Command23, "Command23", &K::Command23_Click, {360, 4800, 975, 495}},
                      .remove = {&K::Command24, "Command24", &K::Command24_Click, {1440, 4800, 975, 495}},
                      .applied = {member<&K::Label26>, "Label26", {8160, 1080, 1335, 255}}},
                     {.caption = {member<&K::Label2>, "Label2", {2760, 4440, 1935, 255}},
                      .add = {&K::Command25, "Command25", &K::Command25_Click, {2640, 4800, 975, 495}},
                      .remove = {&K::Command26, "Command26", &K::Command26_Click, {3720, 4800, 975, 495}},
                      .applied = {member<&K::Label27>, "Label27", {8280, 480, 1095, 495}, kTopCentre}},
                 },
             .reset = {&K::lvButtons_H16, "lvButtons_H16"},
             .resetLeft = 6120,
             .onReset = &K::lvButtons_H16_Click,
             .appliedHeading = {&K::Label15, "Label15"},
             .appliedHeadingCaption = "Araç 2'ye Uygulanan işlemler:",
             .appliedHeadingLeft = 4920,
             .divider = {&K::Line4, "Line4"},
             .dividerFrom = 4800,
             .dividerTo = 9600,
             .resultCaption = element<&K::Label4, 7>,
             .resultCaptionName = "Label4(7)",
             .resultCaptionLeft = 4800,
             .result = {&K::Text4, "Text4"},
             .resultAt = {6600, 1560, 3015, 405}},
};

QFont captionFont() { return ui::look::captionFont(); }

controls::Label* makeCaption(QWidget* parent, const char* name, const char* caption, Twips at,
                             Qt::Alignment align = kTopLeft)
{
    controls::Label* label = ui::makeCaption(parent, name, QString::fromUtf8(caption), at, captionFont(), align);
    label->setForeColor(ui::look::darkText);
    return label;
}

controls::Frame* makeFrame(QWidget* parent, const char* name, const char* caption, Twips at)
{
    auto* frame = new controls::Frame(parent, QString::fromUtf8(caption));
    frame->setObjectName(QString::fromUtf8(name));
    frame->setFont(ui::look::textFont());
    frame->setBackColor(ui::look::peach);
    forms::place(frame, at.left, at.top, at.width, at.height);
    return frame;
}

void buildHead(K& w)
{
    const ui::Banner banner = ui::makeBanner(&w, 360, 120);
    w.Picture3 = banner.box;
    w.Image1 = banner.picture;

    w.Image4 = new controls::Image(&w, resources::path(resources::Picture::CompareBadge));
    w.Image4->setObjectName(QStringLiteral("Image4"));
    forms::place(w.Image4, 8040, 120, 1500, 435);
    w.Image5 = new controls::Image(&w, resources::path(resources::Picture::PowerBadge));
    w.Image5->setObjectName(QStringLiteral("Image5"));
    forms::place(w.Image5, 8040, 720, 1695, 420);

    w.Line1 = new controls::Line(&w, 120, 1320, 9840, 1320, Qt::black, 3);
    w.Line1->setObjectName(QStringLiteral("Line1"));
}

// The gain holders in catalogue order.
controls::TextBox* K::*const kHolders[] = {&K::havafiltresi, &K::sonsusturucu, &K::katalatikiptal,
                                           &K::headers,      &K::ciptuning,    &K::dereceliegzantirik};

void buildGainHolders(K& w)
{
    for (std::size_t i = 0; i < std::size(kHolders); ++i)
        w.*kHolders[i] = workbench::makeGainHolder(&w, workbench::ModificationCatalogue::at(i), 10440,
                                                   1440 + 480 * static_cast<double>(i));
}

workbench::ModifiedCar buildSide(K& w, const SideDesign& side)
{
    controls::Frame* frame = w.*side.frame.control = makeFrame(&w, side.frame.name, side.frameCaption, side.frameAt);
    const double x = side.shift;

    w.*side.list.control = workbench::makeCarList(frame, side.list.name, {120 + x, 360, 4335, 360});
    side.nameCaption(w) =
        makeCaption(frame, side.nameCaptionName, "Modifiye Uygulanacak Araç", {120 + x, 840, 5175, 375});
    w.*side.name.control = ui::makeDisplayBox(frame, side.name.name, {120 + x, 1080, 4335, 405});
    side.standardCaption(w) = makeCaption(frame, side.standardCaptionName,
                                          "Aracın Standart Beygir Gücü:", {120 + x, 1560, 3015, 375}, kTopCentre);
    w.*side.standard.control = ui::makeDisplayBox(frame, side.standard.name, {120 + x, 1800, 4335, 405});
    w.*side.heading.control =
        makeCaption(frame, side.heading.name, "Uygulanacak İşlemler Listesi:", {960 + x, 2280, 3015, 255});

    w.*side.result.control = ui::makeDisplayBox(w.Frame3, side.result.name, side.resultAt);
    side.resultCaption(w) =
        makeCaption(w.Frame3, side.resultCaptionName,
                    " Modifiye Sonrası Beygir Gücü:", {side.resultCaptionLeft, 1560, 1815, 495}, kTopCentre);
    w.*side.appliedHeading.control = makeCaption(w.Frame3, side.appliedHeading.name, side.appliedHeadingCaption,
                                                 {side.appliedHeadingLeft, 240, 3135, 255});
    // Each display box is named by the caption over it.
    side.nameCaption(w)->setBuddy(w.*side.name.control);
    side.standardCaption(w)->setBuddy(w.*side.standard.control);
    side.resultCaption(w)->setBuddy(w.*side.result.control);
    auto* divider = w.*side.divider.control =
        new controls::Line(w.Frame3, side.dividerFrom, 1440, side.dividerTo, 1440, Qt::white, 3);
    divider->setObjectName(QString::fromUtf8(side.divider.name));

    const workbench::PairLook look = {
        .buttonFont = ui::look::captionFont(),
        .caption = {.font = ui::look::pairCaptionFont(), .align = kTopLeft},
        .applied = {.font = ui::look::systemFont(true), .align = kTopLeft, .colour = QColor(0x40, 0x40, 0x40)},
    };
    workbench::ModifiedCar::Pairs pairs;
    for (std::size_t i = 0; i < pairs.size(); ++i)
        pairs[i] = workbench::buildPair(w, side.pairs[i], look, i, w.*kHolders[i], frame, w.Frame3);

    w.*side.reset.control = ui::makePushButton(&w, side.reset.name, QStringLiteral("Araç Değiştir"),
                                               {side.resetLeft, 6960, 3135, 375}, ui::look::navigationFont());
    forms::on(w.*side.reset.control, &controls::lvButtons_H::Click, &w, side.onReset);

    auto* control = w.*side.data.control = new data::DataControl(&w);
    control->setObjectName(QString::fromUtf8(side.data.name));
    control->setDatabaseName(workbench::CarDatabase::fileName());
    control->setRecordSource(QString::fromUtf8(side.table));
    forms::on(w.*side.list.control, &controls::ComboBox::Click, &w, side.onPick);
    forms::on(control, &data::DataControl::Reposition, &w, side.onReposition);

    // A record move puts the standard power into the result box too: modifications start there.
    controls::TextBox* standard = w.*side.standard.control;
    controls::TextBox* name = w.*side.name.control;
    controls::TextBox* result = w.*side.result.control;
    workbench::CarList carList(w.*side.list.control, control, QString::fromUtf8(side.table),
                               {workbench::showIn(QStringLiteral("beygir"), standard),
                                workbench::showIn(QStringLiteral("arac"), name),
                                workbench::showIn(QStringLiteral("beygir"), result)});
    return workbench::ModifiedCar(std::move(carList), result, pairs, {standard, result, name});
}

} // namespace

karsilastir::karsilastir()
{
    designWindow(QStringLiteral("karsilastir"), QStringLiteral(" {{ Zenvortali Versiyon 2.0 }}"), 10080, 9780);
    resources::applyWindowLook(this);
    QPalette back = palette();
    back.setColor(QPalette::Window, ui::look::peach);
    setPalette(back);
    setAutoFillBackground(true);

    buildHead(*this);
    Frame3 = makeFrame(this, "Frame3", "Sonuçlar: ", {120, 7440, 9855, 2175});
    Line2 = new controls::Line(Frame3, 4680, 240, 4680, 1920, Qt::white, 3);
    Line2->setObjectName(QStringLiteral("Line2"));
    buildGainHolders(*this);
    for (std::size_t car = 0; car < cars_.size(); ++car)
        cars_[car].emplace(buildSide(*this, kSides[car]));
}

karsilastir::~karsilastir() = default;

void karsilastir::Form_Load()
{
    // A database held by another program is said once; the window then opens with empty lists.
    if (FillCarList1())
        FillCarList2();
    cboCourses->setText(workbench::kCarPlaceholder);
    for (controls::TextBox* box : {txtAGE, txtNAME, Text1, Text2, Text3, Text4})
        box->setText(QString());
    Combo1->setText(workbench::kCarPlaceholder);
}

bool karsilastir::FillCarList1() { return cars_[0]->carList().fill(); }
bool karsilastir::FillCarList2() { return cars_[1]->carList().fill(); }
void karsilastir::cboCourses_Click() { cars_[0]->carList().select(); }
void karsilastir::Combo1_Click() { cars_[1]->carList().select(); }
void karsilastir::Data1_Reposition() { cars_[0]->carList().display(); }
void karsilastir::Data2_Reposition() { cars_[1]->carList().display(); }

void karsilastir::Command1_Click() { cars_[0]->add(0); }
void karsilastir::Command2_Click() { cars_[0]->remove(0); }
void karsilastir::Command4_Click() { cars_[0]->add(1); }
void karsilastir::Command3_Click() { cars_[0]->remove(1); }
void karsilastir::Command6_Click() { cars_[0]->add(2); }
void karsilastir::Command5_Click() { cars_[0]->remove(2); }
void karsilastir::Command8_Click() { cars_[0]->add(3); }
void karsilastir::Command7_Click() { cars_[0]->remove(3); }
void karsilastir::Command10_Click() { cars_[0]->add(4); }
void karsilastir::Command9_Click() { cars_[0]->remove(4); }
void karsilastir::Command12_Click() { cars_[0]->add(5); }
void karsilastir::Command11_Click() { cars_[0]->remove(5); }

void karsilastir::Command15_Click() { cars_[1]->add(0); }
void karsilastir::Command16_Click() { cars_[1]->remove(0); }
void karsilastir::Command17_Click() { cars_[1]->add(1); }
void karsilastir::Command18_Click() { cars_[1]->remove(1); }
void karsilastir::Command19_Click() { cars_[1]->add(2); }
void karsilastir::Command20_Click() { cars_[1]->remove(2); }
void karsilastir::Command21_Click() { cars_[1]->add(3); }
void karsilastir::Command22_Click() { cars_[1]->remove(3); }
void karsilastir::Command23_Click() { cars_[1]->add(4); }
void karsilastir::Command24_Click() { cars_[1]->remove(4); }
void karsilastir::Command25_Click() { cars_[1]->add(5); }
void karsilastir::Command26_Click() { cars_[1]->remove(5); }

void karsilastir::lvButtons_H15_Click() { cars_[0]->reset(); }
void karsilastir::lvButtons_H16_Click() { cars_[1]->reset(); }
