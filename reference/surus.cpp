#include "reference/surus.h"

#include "platform/controls/Colors.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/forms/Guard.h"
#include "platform/forms/Screen.h"
#include "resources/Pictures.h"
#include "ui/DesignControls.h"
#include "ui/Look.h"

using controls::designFont;
using forms::place;

namespace {

const reference::WindowLook kLook = {.name = "surus",
                                     .caption = "{{ Zenvortali Versiyon 2.0 }} Sürüş Taktikleri",
                                     .clientWidth = 8850,
                                     .clientHeight = 9165,
                                     .background = resources::Picture::BlueBackground,
                                     .bannerLeft = 120,
                                     .logoLeft = 7320,
                                     .ownCursor = true};

// Row k - 1: technique button k, the frame caption it sets (blanks as designed) and its text box.
struct Technique {
    controls::lvButtons_H* surus::*button;
    void (surus::*handler)();
    const char* caption;
    const char* frameCaption;
    controls::TextBox* surus::*text;
    const char* textName;
    const char* resource;
};

const Technique kTechniques[] = {
    {&surus::lvButtons_H1, &surus::lvButtons_H1_Click, "El Freni ile viraj", " El Freni İle Viraj Alma", &surus::Text1,
     "Text1", ":/texts/surus/el_freni_viraj.txt"},
    {&surus::lvButtons_H2, &surus::lvButtons_H2_Click, "Heel and Toe", "Heel And Toe", &surus::Text2, "Text2",
     ":/texts/surus/heel_and_toe.txt"},
    {&surus::lvButtons_H3, &surus::lvButtons_H3_Click, "Limit Fren", " Limit Frenaj", &surus::Text3, "Text3",
     ":/texts/surus/limit_frenaj.txt"},
    {&surus::lvButtons_H4, &surus::lvButtons_H4_Click, "Sol Ayak", " Sol Ayak ", &surus::Text4, "Text4",
     ":/texts/surus/sol_ayak_freni.txt"},
};

const char* const kDisclaimer =
    "Not: Bu bilgiler sizi daha kanlı bir trafik canavarı haline getirmek amacıyla verilmemiştir. Yeteneklerinizi "
    "gösterebileceğiniz yerlerin yarış pistleri olduğunu unutmayınız. Bu taktikleri uygulamak sizin "
    "sorumluluğunuza kalmıştır oluşacak olan herhangi kötü bir drumdan mesuliyet kabul edilmez...";

} // namespace

surus::surus() : ReferenceWindow(kLook)
{
    setFont(ui::look::textFont());

    Label1 = new controls::Label(this, QString::fromUtf8(kDisclaimer), Qt::AlignHCenter | Qt::AlignTop);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setForeColor(Qt::white);
    place(Label1, 240, 1200, 8655, 855);

    Frame1 = new controls::Frame(this, QStringLiteral(" Sol Ayak Freni"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setBackColor(QColor(224, 224, 224));
    place(Frame1, 120, 3000, 8655, 6135);

    for (std::size_t i = 0; i < std::size(kTechniques); ++i) {
        const Technique& row = kTechniques[i];
        const int k = static_cast<int>(i) + 1;
        auto* button = ui::makePushButton(this, QStringLiteral("lvButtons_H%1").arg(k), QString::fromUtf8(row.caption),
                                          {720.0 + 2040 * (k - 1), 2280, 1815, 495}, ui::look::textFont());
        this->*row.button = button;
        forms::on(button, &controls::lvButtons_H::Click, this, row.handler);
    }

    const QFont textFont = designFont(QStringLiteral("Georgia"), 9);
    for (std::size_t i = 0; i < std::size(kTechniques); ++i) {
        const Technique& row = kTechniques[i];
        auto* text = reference::makeTextPage(Frame1, QLatin1String(row.textName), QLatin1String(row.resource), textFont,
                                             reference::Editing::Locked);
        place(text, 120, 240, 8415, 5775);
        this->*row.text = text;
        texts_[i] = text;
    }
    // The left-foot braking text lies on top, so it is what shows at opening.
    reference::stackFirstOnTop(std::array{Text4, Text3, Text2, Text1});
}

void surus::showTechnique(int k)
{
    const Technique& row = kTechniques[k - 1];
    Frame1->setTitle(QString::fromUtf8(row.frameCaption));
    reference::showOnly(this->*row.text, texts_);
}

void surus::lvButtons_H1_Click() { showTechnique(1); }
void surus::lvButtons_H2_Click() { showTechnique(2); }
void surus::lvButtons_H3_Click() { showTechnique(3); }
void surus::lvButtons_H4_Click() { showTechnique(4); }
