#include "workbench/ozellik.h"

#include "platform/controls/Colors.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TextBox.h"
#include "platform/data/DataControl.h"
#include "platform/forms/Guard.h"
#include "platform/forms/Screen.h"
#include "resources/Pictures.h"
#include "resources/Resources.h"
#include "ui/DesignControls.h"
#include "ui/Look.h"
#include "workbench/shared/CarControls.h"
#include "workbench/shared/CarDatabase.h"

using O = ozellik;

namespace {

// One car's column: its list, its database control and table, and the Left of its boxes.
struct ColumnDesign {
    double left;
    controls::ComboBox* O::*list;
    const char* listName;
    void (O::*onPick)();
    data::DataControl* O::*data;
    const char* dataName;
    const char* table;
    void (O::*onReposition)();
};

const ColumnDesign kColumns[] = {
    {240, &O::cboCourses, "cboCourses", &O::cboCourses_Click, &O::Data1, "Data1", "kayitlar", &O::Data1_Reposition},
    {4920, &O::Combo1, "Combo1", &O::Combo1_Click, &O::Data2, "Data2", "kayitlar2", &O::Data2_Reposition},
};

// One row of factory figures: the column it shows, its caption over each car's box, and the two boxes.
struct RowDesign {
    const char* column;
    const char* caption;
    double captionWidth;
    Qt::Alignment captionAlign;
    double boxTop;
    std::array<std::size_t, 2> captionIndex; // in Label4, car 1 then car 2
    std::array<controls::TextBox * O::*, 2> box;
    std::array<const char*, 2> boxName;
};

constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;

const RowDesign kRows[] = {
    {"beygir", "Aracın  Beygir Gücü:", 2175, kCentred, 2160, {1, 0}, {&O::txtAGE, &O::Text2}, {"txtAGE", "Text2"}},
    {"silindirhacim", "Silindir Hacimi:", 1695, kCentred, 2880, {2, 7}, {&O::Text1, &O::Text7}, {"Text1", "Text7"}},
    {"silindirsayi", "Silindir Sayısı:", 1695, kLeft, 3600, {3, 8}, {&O::Text3, &O::Text8}, {"Text3", "Text8"}},
    {"hizlanma", "0-100 Km Hızlanma", 2175, kLeft, 4320, {4, 9}, {&O::Text4, &O::Text9}, {"Text4", "Text9"}},
    {"agirlik", "Ağırlık:", 2175, kLeft, 5040, {5, 10}, {&O::Text5, &O::Text10}, {"Text5", "Text10"}},
    {"yakit",
     "90km ortalam hızda Yakıt durumu:",
     3735,
     kLeft,
     5760,
     {6, 11},
     {&O::Text6, &O::Text11},
     {"Text6", "Text11"}},
};

// The white frame around the columns: the rectangle's four sides, then the split between them.
const double kFrameLines[][4] = {
    {120, 1200, 9360, 1200},  {120, 6360, 9360, 6360},  {120, 1200, 120, 6360},
    {9360, 1200, 9360, 6360}, {4800, 1200, 4800, 6360},
};

} // namespace

ozellik::ozellik()
{
    designWindow(QStringLiteral("ozellik"), QStringLiteral("{{ Zenvortali Versiyon 2.0 }} Oto Özellik"), 9450, 6450);
    resources::applyWindowLook(this);

    auto* background = new controls::PictureBox(this, QColor(0x1C, 0x22, 0x2E));
    background->setObjectName(QStringLiteral("picBackground"));
    background->setPicture(resources::path(resources::Picture::FiguresBackground));
    background->setGeometry(rect());

    const ui::Banner banner = ui::makeBanner(this, 360, 120);
    Picture3 = banner.box;
    Image1 = banner.picture;
    Image2 = new controls::Image(this, resources::path(resources::Picture::FiguresBadge));
    Image2->setObjectName(QStringLiteral("Image2"));
    forms::place(Image2, 7800, 120, 1530, 975);

    for (std::size_t i = 0; i < frameLines.size(); ++i) {
        const double* at = kFrameLines[i];
        frameLines[i] = new controls::Line(this, at[0], at[1], at[2], at[3], Qt::white);
        frameLines[i]->setObjectName(QStringLiteral("Line%1").arg(i + 1));
    }

    const QFont captionFont = ui::look::textFont();
    for (std::size_t car = 0; car < cars_.size(); ++car) {
        const ColumnDesign& column = kColumns[car];
        controls::ComboBox* list = this->*column.list =
            workbench::makeCarList(this, column.listName, {column.left, 1440, 4335, 360});

        std::vector<workbench::DisplayField> display;
        for (const RowDesign& row : kRows) {
            const std::size_t index = row.captionIndex[car];
            Label4[index] = ui::makeCaption(
                this, QStringLiteral("Label4(%1)").arg(index).toUtf8().constData(), QString::fromUtf8(row.caption),
                {column.left, row.boxTop - 240, row.captionWidth, 240}, captionFont, row.captionAlign);
            Label4[index]->setForeColor(Qt::white);
            controls::TextBox* box = this->*row.box[car] =
                ui::makeDisplayBox(this, row.boxName[car], {column.left, row.boxTop, 4335, 405});
            Label4[index]->setBuddy(box);
            display.push_back(workbench::showIn(QString::fromUtf8(row.column), box));
        }

        auto* control = this->*column.data = new data::DataControl(this);
        control->setObjectName(QString::fromUtf8(column.dataName));
        control->setDatabaseName(workbench::CarDatabase::fileName());
        control->setRecordSource(QString::fromUtf8(column.table));
        cars_[car].emplace(list, control, QString::fromUtf8(column.table), std::move(display));

        forms::on(list, &controls::ComboBox::Click, this, column.onPick);
        forms::on(control, &data::DataControl::Reposition, this, column.onReposition);
    }
}

ozellik::~ozellik() = default;

void ozellik::Form_Load()
{
    // A database held by another program is said once; the window then opens with empty lists.
    if (FillCarList1())
        FillCarList2();
    cboCourses->setText(workbench::kCarPlaceholder);
    for (controls::TextBox* box :
         {txtAGE, Text2, Text1, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11})
        box->setText(QString());
    Combo1->setText(workbench::kCarPlaceholder);
}

bool ozellik::FillCarList1() { return cars_[0]->fill(); }
bool ozellik::FillCarList2() { return cars_[1]->fill(); }
void ozellik::cboCourses_Click() { cars_[0]->select(); }
void ozellik::Combo1_Click() { cars_[1]->select(); }
void ozellik::Data1_Reposition() { cars_[0]->display(); }
void ozellik::Data2_Reposition() { cars_[1]->display(); }
