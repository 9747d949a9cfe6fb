#include "reference/nedir.h"

#include "platform/controls/Colors.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Image.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/forms/Guard.h"
#include "platform/forms/Screen.h"
#include "reference/TopicPages.h"
#include "resources/Pictures.h"
#include "ui/DesignControls.h"
#include "ui/Look.h"

using forms::place;
using resources::Picture;

namespace {

const reference::WindowLook kLook = {.name = "nedir",
                                     .caption = "{{ Zenvortali Versiyon 2.0 }} Ne Nedir?",
                                     .clientWidth = 9000,
                                     .clientHeight = 6075,
                                     .background = resources::Picture::BlueBackground,
                                     .bannerLeft = 120,
                                     .logoLeft = 7320,
                                     .ownCursor = true};

// The topic buttons in design order: six down the first column, then six down the second.
struct TopicButton {
    controls::lvButtons_H* nedir::*button;
    void (nedir::*handler)();
    const char* caption;
};

const TopicButton kTopicButtons[] = {
    {&nedir::lvButtons_H1, &nedir::lvButtons_H1_Click, "Araç Alçaltma"},
    {&nedir::lvButtons_H2, &nedir::lvButtons_H2_Click, "Amörtisör"},
    {&nedir::lvButtons_H3, &nedir::lvButtons_H3_Click, "Egzantrik"},
    {&nedir::lvButtons_H4, &nedir::lvButtons_H4_Click, "Hava Filtresi"},
    {&nedir::lvButtons_H5, &nedir::lvButtons_H5_Click, "Kule Gergisi"},
    {&nedir::lvButtons_H6, &nedir::lvButtons_H6_Click, "Lastik Bakımı"},
    {&nedir::lvButtons_H7, &nedir::lvButtons_H7_Click, "Müzik Sistemleri"},
    {&nedir::lvButtons_H8, &nedir::lvButtons_H8_Click, "NOS"},
    {&nedir::lvButtons_H9, &nedir::lvButtons_H9_Click, "Teknik Sözlük"},
    {&nedir::lvButtons_H10, &nedir::lvButtons_H10_Click, "Susturucu"},
    {&nedir::lvButtons_H11, &nedir::lvButtons_H11_Click, "Yaylar"},
    {&nedir::lvButtons_H12, &nedir::lvButtons_H12_Click, "Modifiye Malzeme Mağaza"},
};

// A topic page has one instance: the first press creates it, later presses show that same window.
template <class Page>
void openPage()
{
    forms::instance<Page>().Show();
}

controls::Image* makeImage(QWidget* parent, const char* name, Picture picture, double left, double top, double width,
                           double height)
{
    auto* image = new controls::Image(parent, resources::path(picture));
    image->setObjectName(QLatin1String(name));
    place(image, left, top, width, height);
    return image;
}

} // namespace

nedir::nedir() : ReferenceWindow(kLook)
{
    setFont(ui::look::textFont());

    Frame1 = new controls::Frame(this, QStringLiteral("Ne Nedir???"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setBackColor(Qt::white);
    place(Frame1, 120, 1200, 8775, 4815);

    for (int i = 0; i < static_cast<int>(std::size(kTopicButtons)); ++i) {
        const TopicButton& row = kTopicButtons[i];
        auto* button =
            ui::makePushButton(Frame1, QStringLiteral("lvButtons_H%1").arg(i + 1), QString::fromUtf8(row.caption),
                               {i < 6 ? 360.0 : 2280.0, 360.0 + 720 * (i % 6), 1815, 615}, ui::look::textFont());
        this->*row.button = button;
        forms::on(button, &controls::lvButtons_H::Click, this, row.handler);
    }

    // The manifold photograph with the accessory makers' emblems lying over it, the last on top.
    Image4 = makeImage(Frame1, "Image4", Picture::ExhaustManifold, 4920, 360, 3750, 4305);
    Image3 = makeImage(Frame1, "Image3", Picture::EmblemKarasimsek, 4680, 480, 2235, 300);
    Image5 = makeImage(Frame1, "Image5", Picture::EmblemCelikpars, 4680, 1200, 1500, 435);
    Image6 = makeImage(Frame1, "Image6", Picture::EmblemDemirkanat, 4320, 3600, 1650, 975);
}

void nedir::lvButtons_H1_Click() { openPage<hava1>(); }
void nedir::lvButtons_H2_Click() { openPage<hava2>(); }
void nedir::lvButtons_H3_Click() { openPage<hava3>(); }
void nedir::lvButtons_H4_Click() { openPage<hava>(); }
void nedir::lvButtons_H5_Click() { openPage<hava4>(); }
void nedir::lvButtons_H6_Click() { openPage<hava5>(); }
void nedir::lvButtons_H7_Click() { openPage<hava7>(); }
void nedir::lvButtons_H8_Click() { openPage<hava8>(); }
void nedir::lvButtons_H9_Click() { openPage<hava10>(); }
void nedir::lvButtons_H10_Click() { openPage<hava9>(); }
void nedir::lvButtons_H11_Click() { openPage<hava11>(); }
void nedir::lvButtons_H12_Click() { openPage<hava6>(); }
