#include "reference/sozluk.h"

#include "platform/controls/Colors.h"
#include "platform/controls/Frame.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/forms/Guard.h"
#include "platform/forms/Screen.h"
#include "resources/Pictures.h"
#include "ui/DesignControls.h"
#include "ui/Look.h"

using forms::place;

namespace {

const reference::WindowLook kLook = {.name = "sozluk",
                                     .caption = " {{ Zenvortali Versiyon 2.0 }}     Modifiye Sözlük",
                                     .clientWidth = 9225,
                                     .clientHeight = 8355,
                                     .background = resources::Picture::BlueBackground,
                                     .bannerLeft = 240,
                                     .logoLeft = 7440,
                                     .ownCursor = true};

// The letters in button order; row k - 1 is letter button k and the page it shows.
struct LetterRow {
    controls::lvButtons_H* sozluk::*button;
    void (sozluk::*handler)();
    const char* caption;
    controls::TextBox* sozluk::*page;
    const char* text;
};

const LetterRow kLetterRows[sozluk::kLetters] = {
    {&sozluk::lvButtons_H1, &sozluk::lvButtons_H1_Click, "a", &sozluk::Text23, ":/texts/sozluk/a.txt"},
    {&sozluk::lvButtons_H2, &sozluk::lvButtons_H2_Click, "b", &sozluk::Text22, ":/texts/sozluk/b.txt"},
    {&sozluk::lvButtons_H3, &sozluk::lvButtons_H3_Click, "c", &sozluk::Text21, ":/texts/sozluk/c.txt"},
    {&sozluk::lvButtons_H4, &sozluk::lvButtons_H4_Click, "d", &sozluk::Text20, ":/texts/sozluk/d.txt"},
    {&sozluk::lvButtons_H5, &sozluk::lvButtons_H5_Click, "e", &sozluk::Text19, ":/texts/sozluk/e.txt"},
    {&sozluk::lvButtons_H6, &sozluk::lvButtons_H6_Click, "f", &sozluk::Text18, ":/texts/sozluk/f.txt"},
    {&sozluk::lvButtons_H7, &sozluk::lvButtons_H7_Click, "g", &sozluk::Text17, ":/texts/sozluk/g.txt"},
    {&sozluk::lvButtons_H8, &sozluk::lvButtons_H8_Click, "h", &sozluk::Text16, ":/texts/sozluk/h.txt"},
    {&sozluk::lvButtons_H9, &sozluk::lvButtons_H9_Click, "ı", &sozluk::Text15, ":/texts/sozluk/i.txt"},
    {&sozluk::lvButtons_H10, &sozluk::lvButtons_H10_Click, "j", &sozluk::Text14, ":/texts/sozluk/j.txt"},
    {&sozluk::lvButtons_H11, &sozluk::lvButtons_H11_Click, "k", &sozluk::Text13, ":/texts/sozluk/k.txt"},
    {&sozluk::lvButtons_H12, &sozluk::lvButtons_H12_Click, "l", &sozluk::Text12, ":/texts/sozluk/l.txt"},
    {&sozluk::lvButtons_H13, &sozluk::lvButtons_H13_Click, "m", &sozluk::Text11, ":/texts/sozluk/m.txt"},
    {&sozluk::lvButtons_H14, &sozluk::lvButtons_H14_Click, "n", &sozluk::Text10, ":/texts/sozluk/n.txt"},
    {&sozluk::lvButtons_H15, &sozluk::lvButtons_H15_Click, "o", &sozluk::Text9, ":/texts/sozluk/o.txt"},
    {&sozluk::lvButtons_H16, &sozluk::lvButtons_H16_Click, "p", &sozluk::Text8, ":/texts/sozluk/p.txt"},
    {&sozluk::lvButtons_H17, &sozluk::lvButtons_H17_Click, "q", &sozluk::Text7, ":/texts/sozluk/q.txt"},
    {&sozluk::lvButtons_H18, &sozluk::lvButtons_H18_Click, "r", &sozluk::Text6, ":/texts/sozluk/r.txt"},
    {&sozluk::lvButtons_H19, &sozluk::lvButtons_H19_Click, "s", &sozluk::Text5, ":/texts/sozluk/s.txt"},
    {&sozluk::lvButtons_H20, &sozluk::lvButtons_H20_Click, "t", &sozluk::Text4, ":/texts/sozluk/t.txt"},
    {&sozluk::lvButtons_H21, &sozluk::lvButtons_H21_Click, "u", &sozluk::Text3, ":/texts/sozluk/u.txt"},
    {&sozluk::lvButtons_H22, &sozluk::lvButtons_H22_Click, "v", &sozluk::Text2, ":/texts/sozluk/v.txt"},
    {&sozluk::lvButtons_H23, &sozluk::lvButtons_H23_Click, "w", &sozluk::Text1, ":/texts/sozluk/w.txt"},
};

} // namespace

sozluk::sozluk() : ReferenceWindow(kLook)
{
    setFont(ui::look::textFont());

    Frame1 = new controls::Frame(this, QStringLiteral("  ..:: Sözlük ::.. "));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setBackColor(Qt::white);
    place(Frame1, 120, 1680, 9015, 6615);

    std::array<controls::lvButtons_H*, kLetters> buttons{};
    for (int k = 1; k <= kLetters; ++k) {
        const LetterRow& row = kLetterRows[k - 1];
        auto* button = ui::makePushButton(this, QStringLiteral("lvButtons_H%1").arg(k), QString::fromUtf8(row.caption),
                                          {480.0 + 360 * (k - 1), 1200, 375, 375}, ui::look::textFont());
        this->*row.button = button;
        buttons[static_cast<std::size_t>(k - 1)] = button;
        forms::on(button, &controls::lvButtons_H::Click, this, row.handler);
    }

    // The pages have no font of their own: the platform's plain text-box font.
    const QFont pageFont = ui::look::systemFont();
    for (int k = 1; k <= kLetters; ++k) {
        const LetterRow& row = kLetterRows[k - 1];
        const int number = kLetters + 1 - k;
        auto* page = reference::makeTextPage(Frame1, QStringLiteral("Text%1").arg(number), QLatin1String(row.text),
                                             pageFont, reference::Editing::Locked);
        place(page, 120, 240, number == kLetters ? 8775 : 8655, 6255);
        this->*row.page = page;
        pages_[static_cast<std::size_t>(k - 1)] = page;
    }

    // The A page lies on top, so it is what shows at opening; each letter button lies over the
    // edge of the next one.
    reference::stackFirstOnTop(pages_);
    reference::stackFirstOnTop(buttons);
}

void sozluk::showLetter(int k) { reference::showOnly(this->*kLetterRows[k - 1].page, pages_); }

void sozluk::lvButtons_H1_Click() { showLetter(1); }
void sozluk::lvButtons_H2_Click() { showLetter(2); }
void sozluk::lvButtons_H3_Click() { showLetter(3); }
void sozluk::lvButtons_H4_Click() { showLetter(4); }
void sozluk::lvButtons_H5_Click() { showLetter(5); }
void sozluk::lvButtons_H6_Click() { showLetter(6); }
void sozluk::lvButtons_H7_Click() { showLetter(7); }
void sozluk::lvButtons_H8_Click() { showLetter(8); }
void sozluk::lvButtons_H9_Click() { showLetter(9); }
void sozluk::lvButtons_H10_Click() { showLetter(10); }
void sozluk::lvButtons_H11_Click() { showLetter(11); }
void sozluk::lvButtons_H12_Click() { showLetter(12); }
void sozluk::lvButtons_H13_Click() { showLetter(13); }
void sozluk::lvButtons_H14_Click() { showLetter(14); }
void sozluk::lvButtons_H15_Click() { showLetter(15); }
void sozluk::lvButtons_H16_Click() { showLetter(16); }
void sozluk::lvButtons_H17_Click() { showLetter(17); }
void sozluk::lvButtons_H18_Click() { showLetter(18); }
void sozluk::lvButtons_H19_Click() { showLetter(19); }
void sozluk::lvButtons_H20_Click() { showLetter(20); }
void sozluk::lvButtons_H21_Click() { showLetter(21); }
void sozluk::lvButtons_H22_Click() { showLetter(22); }
void sozluk::lvButtons_H23_Click() { showLetter(23); }
