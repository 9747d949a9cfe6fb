#include "reference/aksesuar.h"

#include "platform/controls/Colors.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/forms/Guard.h"
#include "platform/forms/Screen.h"
#include "resources/Pictures.h"
#include "resources/Resources.h"
#include "ui/DesignControls.h"
#include "ui/DesktopBrowser.h"
#include "ui/Look.h"

#include <QFontMetrics>
#include <QTextDocument>

#include <algorithm>

using controls::designFont;
using forms::place;
using resources::Picture;

namespace {

// One accessory: its add / remove pair and the hidden box that holds its price.
struct ItemRow {
    controls::lvButtons_H* aksesuar::*add;
    const char* addName;
    const char* addCaption;
    double addLeft;
    double addTop;
    void (aksesuar::*onAdd)();
    controls::lvButtons_H* aksesuar::*remove;
    const char* removeName;
    const char* removeCaption;
    double removeLeft;
    double removeTop;
    void (aksesuar::*onRemove)();
    controls::TextBox* aksesuar::*holder;
    const char* holderName;
    const char* price; // whole Turkish lira, without grouping
};

const ItemRow kItemRows[] = {
    {&aksesuar::Command1, "Command1", "+EKLE", 600, 3000, &aksesuar::Command1_Click, //
     &aksesuar::Command2, "Command2", "-KALDIR", 600, 3480, &aksesuar::Command2_Click, //
     &aksesuar::Text2, "Text2", "649990000"},
    {&aksesuar::Command3, "Command3", "+EKLE (Ön)", 3480, 2520, &aksesuar::Command3_Click, //
     &aksesuar::Command4, "Command4", "-KALDIR (Ön)", 3480, 3000, &aksesuar::Command4_Click, //
     &aksesuar::Text4, "Text4", "203280000"},
    {&aksesuar::Command5, "Command5", "+EKLE (Arka)", 3480, 3480, &aksesuar::Command5_Click, //
     &aksesuar::Command6, "Command6", "-KALDIR(Arka)", 3480, 3960, &aksesuar::Command6_Click, //
     &aksesuar::Text3, "Text3", "267120000"},
    {&aksesuar::Command7, "Command7", "+EKLE", 6480, 3360, &aksesuar::Command7_Click, //
     &aksesuar::Command8, "Command8", "-KALDIR", 6480, 3840, &aksesuar::Command8_Click, //
     &aksesuar::Text5, "Text5", "88972800"},
    {&aksesuar::Command9, "Command9", "+EKLE", 9120, 3360, &aksesuar::Command9_Click, //
     &aksesuar::Command10, "Command10", "-KALDIR", 9120, 3840, &aksesuar::Command10_Click, //
     &aksesuar::Text7, "Text7", "67200000"},
    {&aksesuar::Command11, "Command11", "+EKLE", 600, 6120, &aksesuar::Command11_Click, //
     &aksesuar::Command12, "Command12", "-KALDIR", 600, 6600, &aksesuar::Command12_Click, //
     &aksesuar::Text6, "Text6", "40975200"},
    {&aksesuar::Command13, "Command13", "+EKLE", 3240, 6120, &aksesuar::Command13_Click, //
     &aksesuar::Command14, "Command14", "-KALDIR", 3240, 6600, &aksesuar::Command14_Click, //
     &aksesuar::Text8, "Text8", "396480000"},
};
static_assert(std::size(kItemRows) == aksesuar::kItems);

// The item captions; the two shock-absorber items share one.
struct CaptionRow {
    controls::Label* aksesuar::*label;
    const char* name;
    const char* caption;
    double left;
    double top;
    double width;
};

const CaptionRow kCaptions[] = {
    {&aksesuar::Label1, "Label1", "Üniversal Chip:", 600, 1440, 2160},
    {&aksesuar::Label2, "Label2", "Sportline amortisör:", 3000, 1440, 2100},
    {&aksesuar::Label4, "Label4", "Hava Filtresi [Kutu içi] :", 5400, 1440, 2760},
    {&aksesuar::Label5, "Label5", "Yay Performans [35mm]:", 8400, 1560, 2580},
    {&aksesuar::Label6, "Label6", "Kule Gergisi:", 840, 4560, 1980},
    {&aksesuar::Label7, "Label7", "Egsoz Tüpü [Remus]:", 3000, 4560, 2100},
};

struct BuyRow {
    controls::lvButtons_H* aksesuar::*button;
    const char* name;
    const char* caption;
    double left;
    double top;
    double width;
    void (aksesuar::*onClick)();
};

const BuyRow kBuyButtons[] = {
    {&aksesuar::lvButtons_H11, "lvButtons_H11", "Satın Al", 3240, 7080, 1575, &aksesuar::lvButtons_H11_Click},
    {&aksesuar::lvButtons_H12, "lvButtons_H12", "Satın Al", 600, 7080, 1575, &aksesuar::lvButtons_H12_Click},
    {&aksesuar::lvButtons_H13, "lvButtons_H13", "Satın Al", 600, 3960, 1575, &aksesuar::lvButtons_H13_Click},
    {&aksesuar::lvButtons_H14, "lvButtons_H14", "Satın Al ", 3480, 1920, 1575, &aksesuar::lvButtons_H14_Click},
    {&aksesuar::lvButtons_H15, "lvButtons_H15", "Satın Al", 5280, 3600, 1095, &aksesuar::lvButtons_H15_Click},
    {&aksesuar::lvButtons_H16, "lvButtons_H16", "Satın Al", 9120, 2520, 1575, &aksesuar::lvButtons_H16_Click},
};

// The grid: an outer rectangle split into four cells above and three below.
struct LineRow {
    double x1, y1, x2, y2;
};

const LineRow kGridLines[] = {
    {120, 1320, 11040, 1320}, {120, 7560, 11040, 7560}, {120, 1320, 120, 7560},   {11040, 1320, 11040, 7560},
    {120, 4440, 11040, 4440}, {2880, 1320, 2880, 7560}, {5160, 1320, 5160, 7560}, {8280, 1320, 8280, 4440},
};

// Product pictures in their cells, brand emblems beside the banner and under the total.
struct PictureRow {
    const char* name;
    Picture picture;
    double left;
    double top;
    double width;
    double height;
};

const PictureRow kPictures[] = {
    {"imgChip", Picture::AccessoryChip, 480, 1740, 2280, 1140},
    {"imgShock", Picture::AccessoryShock, 2955, 1725, 450, 2610},
    {"imgAirFilter", Picture::AccessoryAirFilter, 5400, 1740, 2640, 1440},
    {"imgSpring", Picture::AccessorySpring, 8385, 1905, 660, 2430},
    {"imgStrutBrace", Picture::AccessoryStrutBrace, 300, 4860, 2400, 1140},
    {"imgExhaust", Picture::AccessoryExhaust, 3000, 4860, 2040, 1140},
    {"imgBrandLeft", Picture::BrandVorteks, 150, 150, 1800, 915},
    {"imgBrandRight", Picture::BrandAspera, 9210, 150, 1800, 915},
    {"imgBrand1", Picture::BrandKartal, 5400, 6480, 1695, 960},
    {"imgBrand2", Picture::BrandNovaks, 7320, 6480, 1695, 960},
    {"imgBrand3", Picture::BrandDurax, 9240, 6480, 1695, 960},
};

const char* const kDisclaimer =
    "Açıklama: Bu fiyatlar Mayıs 2004 ayında Tunerpazar'ın web sitesinden alınmıştır, fiyatlara kdv dahil "
    "değildir. Programcının Tunerpazar ile hiçbir ilgisi yoktur; satın alma bağlantısı en yardımcı site olduğuna "
    "inandığı için verilmiştir. Fiyatlar ortalama fiyatlarda seçilmiş olan ürünlerindir.";

controls::lvButtons_H* makeButton(QWidget* parent, const char* name, const char* caption, double left, double top,
                                  double width)
{
    return ui::makePushButton(parent, QLatin1String(name), QString::fromUtf8(caption), {left, top, width, 375},
                              ui::look::textFont());
}

controls::Label* makeLabel(QWidget* parent, const char* name, const QString& caption, const QFont& font, double left,
                           double top, double width, double height, Qt::Alignment align)
{
    auto* label = new controls::Label(parent, caption, align);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setForeColor(Qt::black);
    place(label, left, top, width, height);
    return label;
}

} // namespace

aksesuar::aksesuar()
{
    designWindow(QStringLiteral("aksesuar"), QStringLiteral("{{ Zenvortali Versiyon 2.0 }} Aksesuar Fiyat "), 11190,
                 8385);
    resources::applyWindowLook(this);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    const ui::Banner banner = ui::makeBanner(this, 2040, 120);
    Picture3 = banner.box;
    Image1 = banner.picture;

    buildGrid();
    buildPictures();
    buildCaptions();
    buildItems();
    buildBuyButtons();
    buildTotal();

    Label8 = makeLabel(this, "Label8", QString::fromUtf8(kDisclaimer), ui::look::textFont(), 120, 7680, 10935, 615,
                       Qt::AlignHCenter | Qt::AlignTop);

    total_ = std::make_unique<ui::RunningTotal>(Text1);
}

aksesuar::~aksesuar() = default;

void aksesuar::buildGrid()
{
    for (const LineRow& l : kGridLines)
        new controls::Line(this, l.x1, l.y1, l.x2, l.y2, ui::look::outline);
}

void aksesuar::buildPictures()
{
    for (const PictureRow& row : kPictures) {
        auto* picture = new controls::Image(this, resources::path(row.picture));
        picture->setObjectName(QLatin1String(row.name));
        place(picture, row.left, row.top, row.width, row.height);
    }
}

void aksesuar::buildCaptions()
{
    const QFont font = ui::look::textFont();
    for (const CaptionRow& row : kCaptions)
        this->*row.label = makeLabel(this, row.name, QString::fromUtf8(row.caption), font, row.left, row.top, row.width,
                                     255, Qt::AlignLeft | Qt::AlignTop);
}

void aksesuar::buildItems()
{
    for (std::size_t i = 0; i < std::size(kItemRows); ++i) {
        const ItemRow& row = kItemRows[i];
        this->*row.add = makeButton(this, row.addName, row.addCaption, row.addLeft, row.addTop, 1575);
        this->*row.remove = makeButton(this, row.removeName, row.removeCaption, row.removeLeft, row.removeTop, 1575);
        (this->*row.remove)->setEnabled(false);
        forms::on(this->*row.add, &controls::lvButtons_H::Click, this, row.onAdd);
        forms::on(this->*row.remove, &controls::lvButtons_H::Click, this, row.onRemove);

        // Placed beyond the right edge: present, never seen, read on every press.
        auto* holder = ui::makeValueHolder(this, QLatin1String(row.holderName), QString::fromUtf8(row.price),
                                           {11400, 1320 + 600 * static_cast<double>(i), 1215, 495});
        this->*row.holder = holder;

        pairs_[i] = {this->*row.add, this->*row.remove, holder, nullptr};
    }
}

void aksesuar::buildBuyButtons()
{
    for (const BuyRow& row : kBuyButtons) {
        this->*row.button = makeButton(this, row.name, row.caption, row.left, row.top, row.width);
        forms::on(this->*row.button, &controls::lvButtons_H::Click, this, row.onClick);
    }
}

void aksesuar::buildTotal()
{
    Label3 = makeLabel(this, "Label3", QStringLiteral("Toplam Fiyat:"), designFont(QStringLiteral("Georgia"), 12, true),
                       5280, 4680, 3015, 375, Qt::AlignLeft | Qt::AlignVCenter);

    const QFont big = designFont(QStringLiteral("Georgia"), 30, true);
    Text1 = new controls::TextBox(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setCentered(true);
    Text1->setFont(big);
    Text1->setForeColor(ui::look::captionRed);
    Text1->setBackColor(Qt::black);
    place(Text1, 5400, 5160, 4695, 1215);
    // The one line of the total sits in the middle of the box, level with "TL" beside it.
    const int free = Text1->height() - 2 * Text1->frameWidth() - QFontMetrics(big).lineSpacing();
    Text1->document()->setDocumentMargin(std::max(3, free / 2));
    Label3->setBuddy(Text1);

    Label10 = makeLabel(this, "Label10", QStringLiteral("TL"), designFont(QStringLiteral("Georgia"), 30), 10080, 5160,
                        855, 1215, Qt::AlignCenter);
    Label10->setForeColor(ui::look::captionRed);
    Label10->setBackColor(Qt::black);
}

void aksesuar::addItem(std::size_t item) { total_->add(pairs_.at(item)); }
void aksesuar::removeItem(std::size_t item) { total_->remove(pairs_.at(item)); }

void aksesuar::Command1_Click() { addItem(0); }
void aksesuar::Command2_Click() { removeItem(0); }
void aksesuar::Command3_Click() { addItem(1); }
void aksesuar::Command4_Click() { removeItem(1); }
void aksesuar::Command5_Click() { addItem(2); }
void aksesuar::Command6_Click() { removeItem(2); }
void aksesuar::Command7_Click() { addItem(3); }
void aksesuar::Command8_Click() { removeItem(3); }
void aksesuar::Command9_Click() { addItem(4); }
void aksesuar::Command10_Click() { removeItem(4); }
void aksesuar::Command11_Click() { addItem(5); }
void aksesuar::Command12_Click() { removeItem(5); }
void aksesuar::Command13_Click() { addItem(6); }
void aksesuar::Command14_Click() { removeItem(6); }

void aksesuar::lvButtons_H11_Click() { OpenShopCatalog(); }
void aksesuar::lvButtons_H12_Click() { OpenShopCatalog(); }
void aksesuar::lvButtons_H13_Click() { OpenShopCatalog(); }
void aksesuar::lvButtons_H14_Click() { OpenShopCatalog(); }
void aksesuar::lvButtons_H15_Click() { OpenShopCatalog(); }
void aksesuar::lvButtons_H16_Click() { OpenShopCatalog(); }

void aksesuar::OpenShopCatalog() { ui::openInDesktopBrowser(catalogAddress()); }
