#include "reference/browser.h"

#include "platform/controls/Colors.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/forms/Guard.h"
#include "platform/forms/Screen.h"
#include "platform/vb/Numbers.h"
#include "platform/web/WebBrowser.h"
#include "resources/Pictures.h"
#include "resources/Resources.h"
#include "ui/DesignControls.h"
#include "ui/Look.h"

#include <algorithm>
#include <limits>

using forms::place;

namespace {

// The link buttons, left to right; each caption names the site it loads.
struct LinkRow {
    controls::lvButtons_H* browser::*button;
    const char* name;
    double left;
    const char* caption;
    const char* address;
    void (browser::*onClick)();
};

const LinkRow kLinks[] = {
    {&browser::lvButtons_H2, "lvButtons_H2", 1560, "Speedhunters", "https://www.speedhunters.com/",
     &browser::lvButtons_H2_Click},
    {&browser::lvButtons_H1, "lvButtons_H1", 3480, "PistonHeads", "https://www.pistonheads.com/",
     &browser::lvButtons_H1_Click},
    {&browser::lvButtons_H3, "lvButtons_H3", 5400, "Car and Driver", "https://www.caranddriver.com/",
     &browser::lvButtons_H3_Click},
    {&browser::lvButtons_H4, "lvButtons_H4", 7320, "Top Gear", "https://www.topgear.com/",
     &browser::lvButtons_H4_Click},
    {&browser::lvButtons_H5, "lvButtons_H5", 9240, "Motor Trend", "https://www.motortrend.com/",
     &browser::lvButtons_H5_Click},
};

const QString kConnected = QStringLiteral("Bağlanıldı...");

// The loaded share in whole percent, halves to even. A report far outside 0..100 is held at the
// ends of the 16-bit range rather than overflowing it.
vb::Int16 percentOf(int progress, int progressMax)
{
    const double exact = static_cast<double>(progress) / (static_cast<double>(progressMax) / 100);
    return vb::CInt(
        std::clamp(exact, double(std::numeric_limits<int16_t>::min()), double(std::numeric_limits<int16_t>::max())));
}

// One colour component of the status line: the percentage plus an offset, kept within 0..255.
int component(vb::Int16 percent, int offset) { return std::clamp(static_cast<int>(percent) + offset, 0, 255); }

} // namespace

browser::browser()
{
    designWindow(QStringLiteral("browser"), QStringLiteral("{{ Zenvortali Versiyon 2.0 }} Web Browser"), 12765, 7755,
                 Sizing::Resizable);
    resources::applyWindowLook(this);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    Image1 = new controls::Image(this, resources::path(resources::Picture::BrowserGlobe));
    Image1->setObjectName(QStringLiteral("Image1"));
    place(Image1, 360, 120, 480, 480);

    for (const LinkRow& row : kLinks) {
        auto* button = ui::makePushButton(this, QLatin1String(row.name), QString::fromUtf8(row.caption),
                                          {row.left, 120, 1815, 495}, ui::look::captionFont());
        button->setToolTip(QString::fromUtf8(row.address));
        this->*row.button = button;
        forms::on(button, &controls::lvButtons_H::Click, this, row.onClick);
    }

    Label1 = new controls::Label(this, QStringLiteral("Lütfen Bekleyiniz.."), Qt::AlignCenter);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(ui::look::systemFont(true));
    Label1->setForeColor(Qt::black);
    Label1->setBackColor(Qt::white);
    place(Label1, 120, 720, 7455, 285);

    WbDictionary = new controls::WebBrowser(this);
    WbDictionary->setObjectName(QStringLiteral("WbDictionary"));
    WbDictionary->move(0, forms::Screen::toPixelsY(1080));
    WbDictionary->setWidth(10335);
    WbDictionary->setHeight(2775);
    connect(WbDictionary, &controls::WebBrowser::ProgressChange, this, [this](int progress, int progressMax) {
        forms::runHandler([&] { WbDictionary_ProgressChange(progress, progressMax); });
    });
}

browser::~browser() = default;

void browser::Form_Load() { WbDictionary->Navigate(startAddress()); }

void browser::Form_Resize()
{
    // Sized from the outer size, so the control always reaches the window's lower edge whatever
    // the frame; the part below the client area is clipped.
    const auto width = static_cast<float>(Width());
    const auto height = static_cast<float>(Height());
    WbDictionary->setHeight(height);
    WbDictionary->setWidth(width - 100);
    Label1->resize(forms::Screen::toPixelsX(width - 300), Label1->height());
}

void browser::followLink(std::size_t link) { WbDictionary->Navigate(QString::fromUtf8(kLinks[link].address)); }

void browser::lvButtons_H2_Click() { followLink(0); }
void browser::lvButtons_H1_Click() { followLink(1); }
void browser::lvButtons_H3_Click() { followLink(2); }
void browser::lvButtons_H4_Click() { followLink(3); }
void browser::lvButtons_H5_Click() { followLink(4); }

void browser::WbDictionary_ProgressChange(int Progress, int ProgressMax)
{
    if (ProgressMax <= 0) {
        Label1->setText(kConnected);
        return;
    }
    const vb::Int16 pct = percentOf(Progress, ProgressMax);
    Label1->setBackColor(QColor(component(pct, 800), component(pct, 30), component(pct, 50)));
    Label1->setText(QStringLiteral("%1%").arg(static_cast<int>(pct)));
}
