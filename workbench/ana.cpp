#include "workbench/ana.h"

#include "graphics/frmAboutScreen.h"
#include "platform/controls/Accessibility.h"
#include "platform/controls/Colors.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/data/DataControl.h"
#include "platform/forms/App.h"
#include "platform/forms/Guard.h"
#include "platform/forms/Screen.h"
#include "reference/aksesuar.h"
#include "reference/nedir.h"
#include "reference/sozluk.h"
#include "reference/surus.h"
#include "resources/Pictures.h"
#include "resources/Resources.h"
#include "ui/DesignControls.h"
#include "ui/DesktopBrowser.h"
#include "ui/Look.h"
#include "workbench/Navigation.h"
#include "workbench/OpenBrowser.h"
#include "workbench/drag.h"
#include "workbench/karsilastir.h"
#include "workbench/ozellik.h"
#include "workbench/shared/CarControls.h"
#include "workbench/shared/CarDatabase.h"
#include "workbench/shared/ModificationCatalogue.h"
#include "workbench/shared/PairDesign.h"

using controls::designFont;
using forms::place;

namespace {

controls::Label* makeLabel(QWidget* parent, const char* name, const QString& caption, double left, double top,
                           double width, double height, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = ui::makeCaption(parent, QLatin1String(name), caption, {left, top, width, height},
                                  ui::look::captionFont(), align);
    label->setForeColor(ui::look::darkText);
    return label;
}

controls::TextBox* makeDisplayBox(QWidget* parent, const char* name, double left, double width, bool multiLine)
{
    auto* box = ui::makeDisplayBox(parent, QLatin1String(name), {left, 2280, width, 405}, multiLine);
    box->setFont(designFont(QStringLiteral("Arial"), 10, true)); // the three boxes sit close together
    return box;
}

// The navigation column, top to bottom.
struct NavigationRow {
    controls::lvButtons_H* ana::*button;
    const char* name;
    double top;
    double height;
    const char* caption;
    void (ana::*handler)();
    ui::ButtonLook look = ui::ButtonLook::Standard; // the about button's caption is red turning black
};

const NavigationRow kNavigation[] = {
    {&ana::lvButtons_H11, "lvButtons_H11", 1320, 615, "Araç Özellikleri", &ana::lvButtons_H11_Click},
    {&ana::Command50, "Command50", 1920, 615, "Modifiye Listesi", &ana::Command50_Click},
    {&ana::lvButtons_H5, "lvButtons_H5", 2520, 615, "Modifiye siteleri", &ana::lvButtons_H5_Click},
    {&ana::lvButtons_H4, "lvButtons_H4", 3120, 615, "Ne Nedir ???", &ana::lvButtons_H4_Click},
    {&ana::lvButtons_H2, "lvButtons_H2", 3720, 615, "Oto Karşılaştırma", &ana::lvButtons_H2_Click},
    {&ana::lvButtons_H10, "lvButtons_H10", 4320, 615, "Sanal Drag", &ana::lvButtons_H10_Click},
    {&ana::lvButtons_H3, "lvButtons_H3", 4920, 495, "Sözlük", &ana::lvButtons_H3_Click},
    {&ana::lvButtons_H7, "lvButtons_H7", 5400, 495, "Sürüş Taktikleri", &ana::lvButtons_H7_Click},
    {&ana::lvButtons_H6, "lvButtons_H6", 5880, 615, "Programcı Hakkında", &ana::lvButtons_H6_Click,
     ui::ButtonLook::RedCaption},
};

// The modification grid, in catalogue order: three rows of two pairs, each modification's name over
// its pair. Each applied label reaches down to the next one, so a caption that wraps shows whole.
using Pair = workbench::PairDesign<ana>;
using workbench::element;
using workbench::member;

const Pair kPairs[] = {
    {.caption = {member<&ana::Label5>, "Label5", {360, 3240, 2055, 255}},
     .add = {&ana::Command1, "Command1", &ana::Command1_Click, {360, 3480, 975, 495}},
     .remove = {&ana::Command2, "Command2", &ana::Command2_Click, {1440, 3480, 975, 495}},
     .applied = {member<&ana::Label12>, "Label12", {5520, 3240, 1530, 360}}},
    {.caption = {member<&ana::Label7>, "Label7", {2640, 3240, 2055, 255}},
     .add = {&ana::Command4, "Command4", &ana::Command4_Click, {2640, 3480, 975, 495}},
     .remove = {&ana::Command3, "Command3", &ana::Command3_Click, {3720, 3480, 975, 495}},
     .applied = {member<&ana::Label13>, "Label13", {5400, 3600, 1650, 360}}},
    {.caption = {element<&ana::Label4, 3>, "Label4(3)", {360, 4080, 2055, 255}},
     .add = {&ana::Command6, "Command6", &ana::Command6_Click, {360, 4440, 975, 495}},
     .remove = {&ana::Command5, "Command5", &ana::Command5_Click, {1440, 4440, 975, 495}},
     .applied = {member<&ana::Label14>, "Label14", {5160, 3960, 1890, 600}}},
    {.caption = {member<&ana::Label8>, "Label8", {2640, 4080, 2055, 255}},
     .add = {&ana::Command8, "Command8", &ana::Command8_Click, {2640, 4440, 975, 495}},
     .remove = {&ana::Command7, "Command7", &ana::Command7_Click, {3720, 4440, 975, 495}},
     .applied = {member<&ana::Label15>, "Label15", {5640, 4560, 1410, 480}}},
    {.caption = {member<&ana::Label6>, "Label6", {360, 5040, 2055, 255}},
     .add = {&ana::Command10, "Command10", &ana::Command10_Click, {360, 5400, 975, 495}},
     .remove = {&ana::Command9, "Command9", &ana::Command9_Click, {1440, 5400, 975, 495}},
     .applied = {member<&ana::Label16>, "Label16", {5400, 5040, 1650, 480}}},
    {.caption = {member<&ana::Label9>, "Label9", {2640, 5040, 2055, 255}},
     .add = {&ana::Command12, "Command12", &ana::Command12_Click, {2640, 5400, 975, 495}},
     .remove = {&ana::Command11, "Command11", &ana::Command11_Click, {3720, 5400, 975, 495}},
     .applied = {member<&ana::Label17>, "Label17", {5520, 5520, 1530, 600}}},
};
static_assert(std::size(kPairs) == workbench::ModificationCatalogue::size);

// The gain holders in catalogue order.
controls::TextBox* ana::*const kHolders[] = {&ana::havafiltresi, &ana::sonsusturucu, &ana::katalatikiptal,
                                             &ana::headers,      &ana::ciptuning,    &ana::dereceliegzantirik};

} // namespace

ana::ana()
{
    designWindow(QStringLiteral("ana"), QStringLiteral(" {{ Zenvortali Versiyon 2.0 }}"), 9600, 6990);
    resources::applyWindowLook(this);

    auto* background = new controls::PictureBox(this, QColor(0xC8, 0xC8, 0xCC));
    background->setObjectName(QStringLiteral("picBackground"));
    background->setPicture(resources::path(resources::Picture::MainBackground));
    background->setGeometry(rect());

    const ui::Banner banner = ui::makeBanner(this, 1200, 120);
    Picture3 = banner.box;
    Image1 = banner.picture;

    Shape1 = new controls::Shape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setBorder(ui::look::outline, 2);
    place(Shape1, 120, 1200, 6975, 4935);

    cboCourses = workbench::makeCarList(this, QStringLiteral("cboCourses"), {240, 1320, 6735, 360});

    Label4[0] = makeLabel(this, "Label4(0)", QStringLiteral("Modifiye Uygulanacak Araç"), 240, 1920, 3135, 315);
    Label4[1] = makeLabel(this, "Label4(1)", QStringLiteral("Aracın Standart Beygir Gücü:"), 3480, 1800, 1815, 480,
                          Qt::AlignLeft | Qt::AlignBottom);
    Label4[2] = makeLabel(this, "Label4(2)", QStringLiteral(" Modifiye Sonrası Beygir Gücü:"), 5280, 1800, 1815, 480,
                          Qt::AlignLeft | Qt::AlignBottom);

    txtNAME = makeDisplayBox(this, "txtNAME", 240, 3135, true);
    txtAGE = makeDisplayBox(this, "txtAGE", 3480, 1695, false);
    Text1 = makeDisplayBox(this, "Text1", 5400, 1575, false);
    Label4[0]->setBuddy(txtNAME);
    Label4[1]->setBuddy(txtAGE);
    Label4[2]->setBuddy(Text1);

    Line1 = new controls::Line(this, 120, 2760, 7080, 2760, ui::look::outline);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line2 = new controls::Line(this, 4920, 2760, 4920, 6120, ui::look::outline);
    Line2->setObjectName(QStringLiteral("Line2"));

    Label3 = makeLabel(this, "Label3", QStringLiteral("Uygulanacak İşlemler Listesi:"), 960, 2880, 3375, 285);
    Label10 = makeLabel(this, "Label10", QStringLiteral("Modifikasyonlar:"), 5280, 2880, 1695, 285);

    const workbench::ModifiedCar::Pairs pairs = buildModificationGrid();

    lvButtons_H9 = ui::makePushButton(this, QStringLiteral("lvButtons_H9"), QStringLiteral("Yeni Araç Modifiye Et"),
                                      {120, 6240, 6975, 375}, ui::look::navigationFont());

    buildNavigation();
    buildCreditLine();

    data = new data::DataControl(this);
    data->setObjectName(QStringLiteral("data"));
    data->setDatabaseName(workbench::CarDatabase::fileName());
    data->setRecordSource(QStringLiteral("kayitlar"));

    car_ = std::make_unique<workbench::ModifiedCar>(
        workbench::CarList(cboCourses, data, QStringLiteral("kayitlar"),
                           {workbench::showIn(QStringLiteral("beygir"), txtAGE),
                            workbench::showIn(QStringLiteral("beygir"), Text1),
                            workbench::showIn(QStringLiteral("arac"), txtNAME)}),
        Text1, pairs, std::vector<controls::TextBox*>{Text1, txtNAME, txtAGE});

    forms::on(cboCourses, &controls::ComboBox::Click, this, &ana::cboCourses_Click);
    forms::on(lvButtons_H9, &controls::lvButtons_H::Click, this, &ana::lvButtons_H9_Click);
    forms::on(data, &data::DataControl::Reposition, this, &ana::data_Reposition);
    // The about screen shows the main window again when it closes.
    frmAboutScreen::setMainWindow([]() -> forms::Form& { return forms::instance<ana>(); });
}

ana::~ana() = default;

workbench::ModifiedCar::Pairs ana::buildModificationGrid()
{
    const workbench::PairLook look = {
        .buttonFont = ui::look::captionFont(),
        .caption = {.font = designFont(QStringLiteral("Verdana"), 8, true),
                    .align = Qt::AlignHCenter | Qt::AlignVCenter,
                    .colour = ui::look::darkText},
        .applied = {.font = ui::look::captionFont(),
                    .align = Qt::AlignLeft | Qt::AlignTop,
                    .colour = QColor(0xA0, 0x00, 0x00)},
    };
    workbench::ModifiedCar::Pairs pairs;
    for (std::size_t i = 0; i < std::size(kPairs); ++i) {
        // Placed beyond the right edge: present, never seen, read on every press.
        auto* holder = this->*kHolders[i] =
            workbench::makeGainHolder(this, workbench::ModificationCatalogue::at(i), i % 2 == 0 ? 12840 : 12960,
                                      1320 + 480 * static_cast<double>(i));
        pairs[i] = workbench::buildPair(*this, kPairs[i], look, i, holder, this);
    }
    return pairs;
}

void ana::buildNavigation()
{
    Shape2 = new controls::Shape(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setBorder(ui::look::outline, 2);
    place(Shape2, 7200, 1200, 2295, 5415);

    for (const NavigationRow& row : kNavigation) {
        auto* button = ui::makePushButton(this, QLatin1String(row.name), QString::fromUtf8(row.caption),
                                          {7320, row.top, 2055, row.height}, ui::look::navigationFont(), row.look);
        this->*row.button = button;
        if (row.handler)
            forms::on(button, &controls::lvButtons_H::Click, this, row.handler);
    }
}

void ana::buildCreditLine()
{
    Label2 = makeLabel(this, "Label2", QStringLiteral("BREVANTU PROGRAMA KATKILARINDAN DOLAYI"), 480, 6720, 4935, 255,
                       Qt::AlignRight | Qt::AlignTop);
    Label2->setFont(designFont(QStringLiteral("Georgia"), 8, true));
    Label2->setContentsMargins(0, 0, 12, 0);
    Label11 = makeLabel(this, "Label11", QStringLiteral("MODIFIYE.EXAMPLE"), 5280, 6720, 2175, 375,
                        Qt::AlignLeft | Qt::AlignTop);
    Label11->setFont(designFont(QStringLiteral("Georgia"), 8, true, false, true));
    Label11->setForeColor(ui::look::captionRed);
    Label11->setCursor(Qt::PointingHandCursor);
    Label11->setToolTip(creditAddress());
    controls::takeClicksFromKeyboard(Label11, QAccessible::Link);
    Label18 = makeLabel(this, "Label18", QStringLiteral("'A TEŞEKKÜR EDER."), 7080, 6720, 3015, 255,
                        Qt::AlignLeft | Qt::AlignTop);
    Label18->setFont(designFont(QStringLiteral("Georgia"), 8, true));
    forms::on(Label11, &controls::Label::Click, this, &ana::Label11_Click);
}

void ana::Form_Load()
{
    // The main window is the first to read the car database: one that cannot serve the program is
    // said plainly, and the program ends before this window appears.
    if (!workbench::CarDatabase::ready())
        return;
    FillCarList();
    cboCourses->setText(workbench::kCarPlaceholder);
    Text1->setText(QString());
    txtAGE->setText(QString());
    txtNAME->setText(QString());
}

void ana::Form_Unload(int&) { forms::App::End(0); }

void ana::FillCarList() { car_->carList().fill(); }
void ana::cboCourses_Click() { car_->carList().select(); }
void ana::data_Reposition() { car_->carList().display(); }

void ana::addModification(std::size_t row) { car_->add(row); }
void ana::removeModification(std::size_t row) { car_->remove(row); }

void ana::Command1_Click() { addModification(0); }
void ana::Command2_Click() { removeModification(0); }
void ana::Command4_Click() { addModification(1); }
void ana::Command3_Click() { removeModification(1); }
void ana::Command6_Click() { addModification(2); }
void ana::Command5_Click() { removeModification(2); }
void ana::Command8_Click() { addModification(3); }
void ana::Command7_Click() { removeModification(3); }
void ana::Command10_Click() { addModification(4); }
void ana::Command9_Click() { removeModification(4); }
void ana::Command12_Click() { addModification(5); }
void ana::Command11_Click() { removeModification(5); }

void ana::lvButtons_H9_Click() { car_->reset(); }

void ana::lvButtons_H11_Click() { workbench::openWindow<ozellik>(); }
void ana::Command50_Click() { workbench::openWindow<aksesuar>(); }
void ana::lvButtons_H5_Click() { workbench::openBrowser(); }
void ana::lvButtons_H2_Click() { workbench::openWindow<karsilastir>(); }
void ana::lvButtons_H4_Click() { workbench::openWindow<nedir>(); }
void ana::lvButtons_H10_Click() { workbench::openWindow<drag>(); }
void ana::lvButtons_H3_Click() { workbench::openWindow<sozluk>(); }
void ana::lvButtons_H7_Click() { workbench::openWindow<surus>(); }
void ana::lvButtons_H6_Click() { workbench::openWindowInstead<frmAboutScreen>(*this); }

void ana::Label11_Click() { ui::openInDesktopBrowser(creditAddress()); }
