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
#include "resources/Resources.h"
#include "workbench/shared/CarDatabase.h"
#include "workbench/shared/DesignControls.h"

using controls::colorRef;
using controls::designFont;
using workbench::Twips;
using K = karsilastir;

namespace {

const QColor kBackColor = colorRef(0xC0E0FF);
const QString kCompareBadge = QStringLiteral(":/pictures/compare_badge.svg");
const QString kPowerBadge = QStringLiteral(":/pictures/power_badge.svg");

// A caption control reached by name or by its place in the Label4 array.
using LabelSlot = controls::Label*& (*)(K&);
template <controls::Label* K::*Member>
controls::Label*& slot(K& w)
{
    return w.*Member;
}
template <std::size_t Index>
controls::Label*& label4(K& w)
{
    return w.Label4[Index];
}

// One modification pair of one car: its buttons in the car's frame, the caption above them, and
// its label in the car's half of the results frame.
struct PairDesign {
    controls::lvButtons_H* K::*add;
    const char* addName;
    void (K::*onAdd)();
    controls::lvButtons_H* K::*remove;
    const char* removeName;
    void (K::*onRemove)();
    LabelSlot caption;
    const char* captionName;
    controls::Label* K::*applied;
    const char* appliedName;
    Twips appliedAt; // in Frame3
    Qt::Alignment appliedAlign;
};

// Everything of one car. Inside the car frames, car 2's controls lie `shift` twips further right
// than car 1's; the results frame places each half on its own.
struct SideDesign {
    controls::Frame* K::*frame;
    const char* frameName;
    const char* frameCaption;
    Twips frameAt;
    double shift;
    controls::ComboBox* K::*list;
    const char* listName;
    void (K::*onPick)();
    data::DataControl* K::*data;
    const char* dataName;
    const char* table;
    void (K::*onReposition)();
    LabelSlot nameCaption;
    const char* nameCaptionName;
    controls::TextBox* K::*name;
    const char* nameName;
    LabelSlot standardCaption;
    const char* standardCaptionName;
    controls::TextBox* K::*standard;
    const char* standardName;
    controls::Label* K::*heading;
    const char* headingName;
    std::array<PairDesign, workbench::ModificationCatalogue::size> pairs;
    controls::lvButtons_H* K::*reset;
    const char* resetName;
    double resetLeft;
    void (K::*onReset)();
    // Its half of the results frame.
    controls::Label* K::*appliedHeading;
    const char* appliedHeadingName;
    const char* appliedHeadingCaption;
    double appliedHeadingLeft;
    controls::Line* K::*divider;
    const char* dividerName;
    double dividerFrom;
    double dividerTo;
    LabelSlot resultCaption;
    const char* resultCaptionName;
    double resultCaptionLeft;
    controls::TextBox* K::*result;
    const char* resultName;
    Twips resultAt;
};

constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kTopCentre = Qt::AlignHCenter | Qt::AlignTop;

const SideDesign kSides[] = {
    {&K::Frame1, "Frame1", "Karşılaştırılacak 1. Araç ", {120, 1440, 4695, 5415}, 0,
     &K::cboCourses, "cboCourses", &K::cboCourses_Click, &K::Data1, "Data1", "kayitlar", &K::Data1_Reposition,
     label4<0>, "Label4(0)", &K::txtNAME, "txtNAME", label4<1>, "Label4(1)", &K::txtAGE, "txtAGE",
     &K::Label3, "Label3",
     {{
         {&K::Command1, "Command1", &K::Command1_Click, &K::Command2, "Command2", &K::Command2_Click,
          slot<&K::Label5>, "Label5", &K::Label16, "Label16", {240, 600, 1335, 255}, kTopLeft},
         {&K::Command4, "Command4", &K::Command4_Click, &K::Command3, "Command3", &K::Command3_Click,
          slot<&K::Label7>, "Label7", &K::Label17, "Label17", {1920, 600, 1455, 255}, kTopLeft},
         {&K::Command6, "Command6", &K::Command6_Click, &K::Command5, "Command5", &K::Command5_Click,
          label4<3>, "Label4(3)", &K::Label18, "Label18", {120, 840, 1695, 495}, kTopLeft},
         {&K::Command8, "Command8", &K::Command8_Click, &K::Command7, "Command7", &K::Command7_Click,
          slot<&K::Label8>, "Label8", &K::Label19, "Label19", {2160, 1080, 855, 255}, kTopLeft},
         {&K::Command10, "Command10", &K::Command10_Click, &K::Command9, "Command9", &K::Command9_Click,
          slot<&K::Label6>, "Label6", &K::Label20, "Label20", {3360, 1080, 1335, 255}, kTopLeft},
         {&K::Command12, "Command12", &K::Command12_Click, &K::Command11, "Command11", &K::Command11_Click,
          slot<&K::Label9>, "Label9", &K::Label21, "Label21", {3480, 480, 1095, 495}, kTopCentre},
     }},
     &K::lvButtons_H15, "lvButtons_H15", 840, &K::lvButtons_H15_Click,
     &K::Label14, "Label14", "Araç 1'e Uygulanan işlemler:", 120, &K::Line3, "Line3", 120, 4560,
     label4<6>, "Label4(6)", 120, &K::Text3, "Text3", {1920, 1560, 2655, 405}},

    {&K::Frame2, "Frame2", "Karşılaştırılacak 2. Araç ", {5040, 1440, 4935, 5415}, 240,
     &K::Combo1, "Combo1", &K::Combo1_Click, &K::Data2, "Data2", "kayitlar2", &K::Data2_Reposition,
     label4<2>, "Label4(2)", &K::Text1, "Text1", label4<4>, "Label4(4)", &K::Text2, "Text2",
     &K::Label1, "Label1",
     {{
         {&K::Command15, "Command15", &K::Command15_Click, &K::Command16, "Command16", &K::Command16_Click,
          slot<&K::Label13>, "Label13", &K::Label22, "Label22", {4920, 600, 1335, 255}, kTopLeft},
         {&K::Command17, "Command17", &K::Command17_Click, &K::Command18, "Command18", &K::Command18_Click,
          slot<&K::Label11>, "Label11", &K::Label23, "Label23", {6600, 600, 1455, 255}, kTopLeft},
         {&K::Command19, "Command19", &K::Command19_Click, &K::Command20, "Command20", &K::Command20_Click,
          label4<5>, "Label4(5)", &K::Label24, "Label24", {4800, 960, 1695, 495}, kTopLeft},
         {&K::Command21, "Command21", &K::Command21_Click, &K::Command22, "Command22", &K::Command22_Click,
          slot<&K::Label10>, "Label10", &K::Label25, "Label25", {6840, 1080, 855, 255}, kTopLeft},
         {&K::Command23, "Command23", &K::Command23_Click, &K::Command24, "Command24", &K::Command24_Click,
          slot<&K::Label12>, "Label12", &K::Label26, "Label26", {8160, 1080, 1335, 255}, kTopLeft},
         {&K::Command25, "Command25", &K::Command25_Click, &K::Command26, "Command26", &K::Command26_Click,
          slot<&K::Label2>, "Label2", &K::Label27, "Label27", {8280, 480, 1095, 495}, kTopCentre},
     }},
     &K::lvButtons_H16, "lvButtons_H16", 6120, &K::lvButtons_H16_Click,
     &K::Label15, "Label15", "Araç 2'ye Uygulanan işlemler:", 4920, &K::Line4, "Line4", 4800, 9600,
     label4<7>, "Label4(7)", 4800, &K::Text4, "Text4", {6600, 1560, 3015, 405}},
};

// The pair grid of a car frame (car 1's Lefts): three rows of two pairs, catalogue order row by
// row, each modification's caption above its pair.
const double kAddLeft[] = {120, 2400};
const double kRemoveLeft[] = {1200, 3480};
const double kRowTop[] = {2880, 3840, 4800};
const QPointF kCaptionAt[] = {{480, 2640}, {2760, 2640}, {240, 3480}, {2880, 3480}, {600, 4440}, {2520, 4440}};

QFont captionFont() { return designFont(QStringLiteral("Georgia"), 9, true); }

controls::Label* makeCaption(QWidget* parent, const char* name, const char* caption, Twips at,
                             Qt::Alignment align = kTopLeft)
{
    controls::Label* label = workbench::makeCaption(parent, name, QString::fromUtf8(caption), at, captionFont(), align);
    label->setForeColor(QColor(0x11, 0x11, 0x11));
    return label;
}

controls::Frame* makeFrame(QWidget* parent, const char* name, const char* caption, Twips at)
{
    auto* frame = new controls::Frame(parent, QString::fromUtf8(caption));
    frame->setObjectName(QString::fromUtf8(name));
    frame->setFont(designFont(QStringLiteral("Georgia"), 8.25, true));
    frame->setBackColor(kBackColor);
    forms::place(frame, at.left, at.top, at.width, at.height);
    return frame;
}

void buildHead(K& w)
{
    const workbench::Banner banner = workbench::makeBanner(&w, 360, 120);
    w.Picture3 = banner.box;
    w.Image1 = banner.picture;

    w.Image4 = new controls::Image(&w, kCompareBadge);
    w.Image4->setObjectName(QStringLiteral("Image4"));
    forms::place(w.Image4, 8040, 120, 1500, 435);
    w.Image5 = new controls::Image(&w, kPowerBadge);
    w.Image5->setObjectName(QStringLiteral("Image5"));
    forms::place(w.Image5, 8040, 720, 1695, 420);

    w.Line1 = new controls::Line(&w, 120, 1320, 9840, 1320, Qt::black, 3);
    w.Line1->setObjectName(QStringLiteral("Line1"));
}

// The gain holders in catalogue order.
controls::TextBox* K::* const kHolders[] = {&K::havafiltresi, &K::sonsusturucu, &K::katalatikiptal,
                                            &K::headers,      &K::ciptuning,    &K::dereceliegzantirik};

void buildGainHolders(K& w)
{
    for (std::size_t i = 0; i < std::size(kHolders); ++i)
        w.*kHolders[i] = workbench::makeGainHolder(&w, workbench::ModificationCatalogue::at(i), 10440,
                                                   1440 + 480 * static_cast<double>(i));
}

workbench::ModifiedCar buildSide(K& w, const SideDesign& side)
{
    controls::Frame* frame = w.*side.frame = makeFrame(&w, side.frameName, side.frameCaption, side.frameAt);
    const double x = side.shift;

    w.*side.list = workbench::makeCarList(frame, side.listName, {120 + x, 360, 4335, 360});
    side.nameCaption(w) = makeCaption(frame, side.nameCaptionName, "Modifiye Uygulanacak Araç", {120 + x, 840, 5175, 375});
    w.*side.name = workbench::makeDisplayBox(frame, side.nameName, {120 + x, 1080, 4335, 405});
    side.standardCaption(w) = makeCaption(frame, side.standardCaptionName, "Aracın Standart Beygir Gücü:",
                                          {120 + x, 1560, 3015, 375}, kTopCentre);
    w.*side.standard = workbench::makeDisplayBox(frame, side.standardName, {120 + x, 1800, 4335, 405});
    w.*side.heading = makeCaption(frame, side.headingName, "Uygulanacak İşlemler Listesi:", {960 + x, 2280, 3015, 255});

    const Twips resultAt = side.resultAt;
    w.*side.result = workbench::makeDisplayBox(w.Frame3, side.resultName, resultAt);
    side.resultCaption(w) = makeCaption(w.Frame3, side.resultCaptionName, " Modifiye Sonrası Beygir Gücü:",
                                        {side.resultCaptionLeft, 1560, 1815, 495}, kTopCentre);
    w.*side.appliedHeading = makeCaption(w.Frame3, side.appliedHeadingName, side.appliedHeadingCaption,
                                         {side.appliedHeadingLeft, 240, 3135, 255});
    w.*side.divider = new controls::Line(w.Frame3, side.dividerFrom, 1440, side.dividerTo, 1440, Qt::white, 3);
    (w.*side.divider)->setObjectName(QString::fromUtf8(side.dividerName));

    workbench::ModifiedCar::Pairs pairs;
    const QFont buttonFont = designFont(QStringLiteral("Georgia"), 9, true);
    for (std::size_t i = 0; i < side.pairs.size(); ++i) {
        const PairDesign& row = side.pairs[i];
        const workbench::Modification& modification = workbench::ModificationCatalogue::at(i);
        const std::size_t column = i % 2;
        const double top = kRowTop[i / 2];
        const double captionLeft = kCaptionAt[i].x() + x;
        row.caption(w) = workbench::makeCaption(frame, row.captionName, modification.gridCaption,
                                                {captionLeft, kCaptionAt[i].y(), kRemoveLeft[column] + x + 975 - captionLeft, 255},
                                                designFont(QStringLiteral("Verdana"), 8.25, true));

        auto* add = w.*row.add = workbench::makePushButton(frame, row.addName, QStringLiteral("+EKLE"),
                                                           {kAddLeft[column] + x, top, 975, 495}, buttonFont);
        auto* remove = w.*row.remove = workbench::makePushButton(frame, row.removeName, QStringLiteral("-KALDIR"),
                                                                 {kRemoveLeft[column] + x, top, 975, 495}, buttonFont);
        remove->setEnabled(false);
        forms::on(add, &controls::lvButtons_H::Click, &w, row.onAdd);
        forms::on(remove, &controls::lvButtons_H::Click, &w, row.onRemove);

        auto* applied = w.*row.applied = workbench::makeCaption(w.Frame3, row.appliedName, modification.appliedCaption,
                                                                row.appliedAt, designFont(QStringLiteral("MS Sans Serif"), 8.25, true),
                                                                row.appliedAlign);
        applied->setForeColor(colorRef(0x404040));
        applied->setVisible(false);
        pairs[i] = {add, remove, w.*kHolders[i], applied};
    }

    w.*side.reset = workbench::makePushButton(&w, side.resetName, QStringLiteral("Araç Değiştir"),
                                              {side.resetLeft, 6960, 3135, 375},
                                              designFont(QStringLiteral("Georgia"), 10, true));
    forms::on(w.*side.reset, &controls::lvButtons_H::Click, &w, side.onReset);

    auto* control = w.*side.data = new data::DataControl(&w);
    control->setObjectName(QString::fromUtf8(side.dataName));
    control->setDatabaseName(workbench::CarDatabase::fileName());
    control->setRecordSource(QString::fromUtf8(side.table));
    forms::on(w.*side.list, &controls::ComboBox::Click, &w, side.onPick);
    forms::on(control, &data::DataControl::Reposition, &w, side.onReposition);

    // A record move puts the standard power into the result box too: modifications start there.
    workbench::CarList carList(w.*side.list, control, QString::fromUtf8(side.table),
                               {workbench::showIn(QStringLiteral("beygir"), w.*side.standard),
                                workbench::showIn(QStringLiteral("arac"), w.*side.name),
                                workbench::showIn(QStringLiteral("beygir"), w.*side.result)});
    return workbench::ModifiedCar(std::move(carList), w.*side.result, pairs,
                                  {w.*side.standard, w.*side.result, w.*side.name});
}

} // namespace

karsilastir::karsilastir()
{
    designWindow(QStringLiteral("karsilastir"), QStringLiteral(" {{ Zenvortali Versiyon 2.0 }}"), 10080, 9780);
    resources::applyWindowLook(this);
    QPalette back = palette();
    back.setColor(QPalette::Window, kBackColor);
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
