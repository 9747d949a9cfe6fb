#include "graphics/frmAboutScreen.h"

#include "platform/controls/Accessibility.h"
#include "platform/controls/Colors.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "platform/forms/Guard.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Screen.h"
#include "platform/forms/Timer.h"
#include "platform/vb/DateText.h"
#include "platform/vb/Numbers.h"
#include "resources/Pictures.h"
#include "resources/Resources.h"
#include "ui/Look.h"

#include <QCursor>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QTime>

using controls::colorRef;
using controls::designFont;
using forms::place;

namespace {

const char* const kDescription =
    "Programda Verilen Değerler Ortalama Değerlerdir bu sebebten ötürü net bir değer beklemeyiniz ayrıca verilen "
    "bilgilerin çoğu en iyi web sitelerinden alınarak derlenmiştir program ücretsiz olduğu için dilediğiniz gibi "
    "yararlanın zenvortali v2.0'a v1.0 dan kat kat daha fazla emek verdim bunun nedeni ise sadece Modifiyeye olan "
    "ilgimdir.Son olarak programı bitirmemde yardımcı olan Tolvek Vardula Teşekkür Ederim...";

const QString kAnswerTitle = QStringLiteral("Brevantu Diyorki:");

// The question menu, in menu order. An item without a handler is never shown; an item without
// an answer text makes its answer up when asked.
struct Question {
    QAction* frmAboutScreen::*item;
    const char* name;
    const char* caption;
    void (frmAboutScreen::*handler)();
    const char* answer;
};

const Question kQuestions[] = {
    {&frmAboutScreen::sa, "sa", "Selamın Aleyküm", &frmAboutScreen::sa_Click, "Aleyküm Selam Kardeş"},
    {&frmAboutScreen::nasil, "nasil", "Nasıl Gidiyor Birader?", &frmAboutScreen::nasil_Click,
     "Eyvallah Uğraşıyoruz işte"},
    {&frmAboutScreen::nereli, "nereli", "Nerelisin?", &frmAboutScreen::nereli_Click, "Dünyalıyım (bööö iğrenç oldu)"},
    {&frmAboutScreen::nasill, "nasill", "Nasıl Yaptın Bu programı Ya?", &frmAboutScreen::nasill_Click,
     "Ya işte Can sıkıntısı başladık yarımda bırakamadık..."},
    {&frmAboutScreen::zenvortali3, "zenvortali3", "Zenvortali V 3.0 Çıkacakmı?", &frmAboutScreen::zenvortali3_Click,
     "Düşünmüyorum Dersem Yalan Olur,Ama Zamanı Var"},
    {&frmAboutScreen::site, "site", "Bu Programı Siteme Koyabilirmiyim?", &frmAboutScreen::site_Click,
     "Elbette Koyabilirsin Tabii isim belirtmek Kaydıyla"},
    {&frmAboutScreen::ne, "ne", "Senin için Ne Yapabilirim?", nullptr, nullptr},
    {&frmAboutScreen::tshirt, "tshirt", "T-shirt'ün Güzelmiş Nereden Aldın", &frmAboutScreen::tshirt_Click,
     "Pazardan :)))))))"},
    {&frmAboutScreen::tolvek, "tolvek", "Bu Tolvek'de Kim Ya?", &frmAboutScreen::tolvek_Click,
     "Ya Üniversiteden Arkadaş Severim kardeşimi az Zamparalık yapmadık hani :))"},
    {&frmAboutScreen::saat, "saat", "Saat Kaç?", &frmAboutScreen::saat_Click, nullptr},
    {&frmAboutScreen::tarih, "tarih", "Peki Ya Tarih", &frmAboutScreen::tarih_Click, nullptr},
    {&frmAboutScreen::sevdigin, "sevdigin", "En Sevdiğin Şey Ne Peki?", &frmAboutScreen::sevdigin_Click,
     "En Sevdiğim Şey Araba Kullanmak Tabiki Bilgisayarı Söylemiyorum Bile"},
    {&frmAboutScreen::neyapa, "neyapa", "Senin İçin Ne Yapabilirim?", &frmAboutScreen::neyapa_Click,
     "Benim İçin Bu programı tanıdıklarına önermen yapabileceğin en iyi şey olur."},
    {&frmAboutScreen::siteee, "siteee", "En Sevdiğin Site?", &frmAboutScreen::siteee_Click,
     "Tabiki modifiye.example, Her Gün Uğramadan Yatmam."},
    {&frmAboutScreen::hata, "hata", "Programında Hata Buldum!!!", &frmAboutScreen::hata_Click, nullptr},
};

// The number of the platform's right-button-up message. A notification-area icon that called
// back to this window would deliver it as the horizontal position of a mouse move; none is ever
// registered, and the client area is far narrower, so the pointer never produces it.
constexpr int kRightButtonUp = 517;

frmAboutScreen::MainWindow& mainWindow()
{
    static frmAboutScreen::MainWindow window;
    return window;
}

} // namespace

frmAboutScreen::frmAboutScreen()
{
    designWindow(QStringLiteral("frmAboutScreen"), QStringLiteral("{{ Zenvortali Versiyon 2.0 }} Hakkında   "), 6990,
                 7170);
    resources::applyWindowLook(this);
    controls::setPaletteColor(this, QPalette::Window, Qt::black);
    setAutoFillBackground(true);
    setMouseTracking(true);

    Picture3 = new controls::PictureBox(this, Qt::black);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    place(Picture3, 0, 0, 6975, 975);
    Image1 = new controls::Image(Picture3, resources::path(resources::Picture::AboutBanner));
    Image1->setObjectName(QStringLiteral("Image1"));
    place(Image1, 0, 0, 7020, 900);

    // The credits scroller's template, never shown: its drawing area (inside the picture box's
    // two-pixel sunken border), colours and font are what every frame is made from.
    picText = new controls::PictureBox(this, colorRef(0), true);
    picText->setObjectName(QStringLiteral("picText"));
    picText->setContentsMargins(2, 2, 2, 2);
    controls::setPaletteColor(picText, QPalette::WindowText, colorRef(0xFFFF));
    picText->setFont(designFont(QStringLiteral("Comic Sans MS"), 11.25));
    place(picText, 240, 1080, 6615, 3495);
    picText->setVisible(false);

    buildDescriptionFrame();

    timText = new forms::Timer(this, true, 1);
    timText->setObjectName(QStringLiteral("timText"));
    forms::on(timText, &forms::Timer::Tick, this, &frmAboutScreen::timText_Timer);

    buildQuestionMenu();
}

frmAboutScreen::~frmAboutScreen() = default;

void frmAboutScreen::buildDescriptionFrame()
{
    const QColor red = ui::look::captionRed;
    Frame1 = new controls::Frame(this, QStringLiteral("Açıklama:"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setBackColor(Qt::black);
    controls::setPaletteColor(Frame1, QPalette::WindowText, red);
    controls::setPaletteColor(Frame1, QPalette::Text, red);
    Frame1->setFont(designFont(QStringLiteral("Verdana"), 9.75, true));
    place(Frame1, 240, 3480, 6615, 3255);

    Image2 = new controls::Image(Frame1, resources::path(resources::Picture::AboutPortrait));
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setCursor(Qt::PointingHandCursor);
    place(Image2, 240, 360, 3000, 2460);
    forms::on(Image2, &controls::Image::Click, this, &frmAboutScreen::Image2_Click);

    Label1 = new controls::Label(Frame1, QString::fromUtf8(kDescription), Qt::AlignHCenter | Qt::AlignTop);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setForeColor(red);
    Label1->setFont(designFont(QStringLiteral("Times New Roman"), 9, true));
    place(Label1, 3480, 240, 2895, 2895);

    Label2 = new controls::Label(Frame1, QStringLiteral("Soru Sormak istersen resime tıkla"),
                                 Qt::AlignHCenter | Qt::AlignTop);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setForeColor(Qt::white);
    Label2->setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));
    place(Label2, 360, 2880, 2895, 255);
    // The picture is the question button; the line under it is its caption.
    controls::takeClicksFromKeyboard(Image2, QAccessible::Button);
    Label2->setBuddy(Image2);
}

void frmAboutScreen::buildQuestionMenu()
{
    // A pop-up menu only: the window has no menu bar.
    selam = new QMenu(QStringLiteral("Selam?"), this);
    selam->setObjectName(QStringLiteral("selam"));
    for (const Question& row : kQuestions) {
        QAction* item = selam->addAction(QString::fromUtf8(row.caption));
        item->setObjectName(QLatin1String(row.name));
        this->*row.item = item;
        if (row.handler)
            forms::on(item, &QAction::triggered, this, row.handler);
        else
            item->setVisible(false);
    }
}

void frmAboutScreen::setMainWindow(MainWindow window) { mainWindow() = std::move(window); }

void frmAboutScreen::Form_Load() { BuildAboutText(); }

void frmAboutScreen::Form_QueryUnload(int& cancel, int)
{
    // Whoever asks, the window unloads: nothing here may keep it open.
    cancel = 0;
}

void frmAboutScreen::Form_Unload(int&)
{
    // No frame is drawn for a window that is going.
    timText->setEnabled(false);
    if (mainWindow())
        mainWindow()().Show();
}

void frmAboutScreen::Image2_Click() { selam->popup(QCursor::pos()); }

void frmAboutScreen::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    const int button = static_cast<int>(event->buttons().toInt());
    const int shift = static_cast<int>(event->modifiers().toInt() >> 25); // shift, ctrl, alt as 1, 2, 4
    // The runtime reports positions in the window's scale, twips.
    forms::runHandler([&] {
        Form_MouseMove(button, shift, at.x() * forms::Screen::TwipsPerPixelX(),
                       at.y() * forms::Screen::TwipsPerPixelY());
    });
    forms::Form::mouseMoveEvent(event);
}

void frmAboutScreen::Form_MouseMove(int, int, double X, double)
{
    // Nothing that goes wrong while following the pointer is worth more than this one movement.
    try {
        const int x = vb::CLng(X / forms::Screen::TwipsPerPixelX());
        if (x != kRightButtonUp)
            return;
        raise();
        activateWindow();
        selam->popup(QCursor::pos());
    } catch (const vb::RuntimeError&) {
    }
}

void frmAboutScreen::answer(QAction* item)
{
    for (const Question& row : kQuestions)
        if (this->*row.item == item && row.answer)
            say(QString::fromUtf8(row.answer));
}

void frmAboutScreen::say(const QString& answer) { forms::MsgBox(answer, forms::vbInformation, kAnswerTitle); }

void frmAboutScreen::sa_Click() { answer(sa); }
void frmAboutScreen::nasil_Click() { answer(nasil); }
void frmAboutScreen::nereli_Click() { answer(nereli); }
void frmAboutScreen::nasill_Click() { answer(nasill); }
void frmAboutScreen::zenvortali3_Click() { answer(zenvortali3); }
void frmAboutScreen::site_Click() { answer(site); }
void frmAboutScreen::tshirt_Click() { answer(tshirt); }
void frmAboutScreen::tolvek_Click() { answer(tolvek); }
void frmAboutScreen::saat_Click() { say(vb::CStr(QTime::currentTime())); }
void frmAboutScreen::tarih_Click() { say(vb::CStr(QDate::currentDate())); }
void frmAboutScreen::sevdigin_Click() { answer(sevdigin); }
void frmAboutScreen::neyapa_Click() { answer(neyapa); }
void frmAboutScreen::siteee_Click() { answer(siteee); }
void frmAboutScreen::hata_Click()
{
    say(QStringLiteral("Hemen %1 Adresine Hatayı Yazıp Gönder ki Bir Sonraki Sürümde Düzelteyim.")
            .arg(contactAddress()));
}
