// The about screen's credits: the text, its line count, and the scroller that draws one frame
// per tick through off-screen bitmaps.
#include "graphics/frmAboutScreen.h"

#include "platform/controls/PictureBox.h"
#include "platform/forms/App.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/Numbers.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

using vb::CInt;
using vb::Int16;

namespace {

constexpr uint32_t kFrameMilliseconds = 50;
constexpr int32_t kWhite = 0xFFFFFF;
const QString kCrLf = QStringLiteral("\r\n");

int32_t colourOf(const QColor& c) { return c.red() | c.green() << 8 | c.blue() << 16; }

} // namespace

CreditsScroller& frmAboutScreen::scroller()
{
    // The kept images give their handles back when the program ends, so the handle table has to
    // outlive them: it is made first, and statics go in the reverse order of their making.
    static CreditsScroller kept = (gdi::handleStats(), CreditsScroller{});
    return kept;
}

void frmAboutScreen::BuildAboutText()
{
    const QStringList lines = {
        QStringLiteral("{{ Zenvortali }}"),
        QStringLiteral("Version %1.%2.%3")
            .arg(forms::App::Major())
            .arg(forms::App::Minor())
            .arg(forms::App::Revision()),
        QString(),
        QStringLiteral("Bu program"),
        QStringLiteral("Brevantu Tarafından yazılmıştır."),
        QString(),
        QStringLiteral("Tüm Hakları Saklıdır."),
        QStringLiteral("Program Ücretsizdir, Parayla Satılamaz."),
        QString(),
        QStringLiteral("Bana hertürlü sorun şikayet öneri istek vb. durumlarda"),
        QStringLiteral("mail atabilirsiniz, Mail adresim :"),
        QString(),
        contactAddress(),
        QString(),
        QString(),
        QStringLiteral("Yazar belirtmek kaydıyla "),
        QStringLiteral("dilediğiniz gibi sitenizde yayınlayabilirsiniz..."),
        QString(),
        QStringLiteral("Programa katkılarından dolayı: "),
        QStringLiteral("Tolvek Vardul'a Teşekkür ederim  "),
        QStringLiteral("And Special Thanks to Qiv"),
        QString(),
        QStringLiteral("This Program DeSigned By Brevantu"),
    };
    m_strAboutText = lines.join(kCrLf);
}

// Counts the CR LF pairs from the third character on, plus 2: one more than the lines of a text
// that does not start with a line break.
Int16 frmAboutScreen::CountLines(const QString& text)
{
    qsizetype p = 1; // 1-based position of the last CR LF found; 0 once there is none
    Int16 c = 0;
    while (p != 0) {
        // The search starts two characters on (the 1-based position p + 2).
        const qsizetype found = text.indexOf(kCrLf, p + 1);
        const qsizetype q = found < 0 ? 0 : found + 1;
        if (q != p)
            ++c;
        p = q;
    }
    return c + Int16(1);
}

double frmAboutScreen::scaleWidth() const { return picText->contentsRect().width(); }
double frmAboutScreen::scaleHeight() const { return picText->contentsRect().height(); }
int32_t frmAboutScreen::backColour() const { return colourOf(picText->BackColor()); }
int32_t frmAboutScreen::foreColour() const { return colourOf(picText->palette().color(QPalette::WindowText)); }

// The height of the text "I" in the template's font: the height of a line, as text drawing steps
// its lines.
double frmAboutScreen::textHeightOfI() const
{
    const QFontMetrics metrics(picText->font());
    return metrics.ascent() + metrics.descent();
}

void frmAboutScreen::timText_Timer()
{
    CreditsScroller& s = scroller();
    clsBitmap bmpBuffer;
    if (s.lngLastTick == 0)
        s.lngLastTick = bmpBuffer.GetTick();
    bmpBuffer.SetBitmap(CInt(scaleHeight()), CInt(scaleWidth()), backColour(), 0);
    if (s.intLines == Int16(0))
        s.intLines = CountLines(m_strAboutText);
    const Int16 textH = CInt(s.intLines.value() * textHeightOfI());

    // The text rises one pixel a frame; past its end the next pass enters from the bottom.
    s.intY = s.intY - Int16(1);
    if (s.intY.value() < (-textH).value() || !s.blnStarted) {
        s.intY = CInt(scaleHeight());
        s.blnStarted = true;
    }

    if (!s.bmpFade) {
        s.bmpFade = std::make_unique<clsBitmap>();
        s.bmpFade->SetBitmap(CInt(scaleHeight()), CInt(scaleWidth()), foreColour(), 0);
        const double band = textH.value() / static_cast<double>(s.intLines.value()) * 2; // about two lines
        s.bmpFade->Gradient(foreColour(), backColour(), 0, CInt(s.bmpFade->Height().value() - band), s.bmpFade->Width(),
                            CInt(band), 0, 1);
        s.bmpFade->Gradient(backColour(), foreColour(), 0, 0, s.bmpFade->Width(), CInt(band), 0, 1);
        s.bmpBack = std::make_unique<clsBitmap>();
        s.bmpBack->SetBitmap(CInt(scaleHeight()), CInt(scaleWidth()), backColour(), 0);
    }
    if (!s.bmpText) {
        s.bmpText = std::make_unique<clsBitmap>();
        s.bmpText->SetBitmap(CInt(2 * scaleHeight() + textH.value()), CInt(scaleWidth()), 0, 0);
        s.bmpText->DrawString(m_strAboutText, CInt(scaleHeight()), 0, textH, bmpBuffer.Width(), picText->font(), kWhite,
                              2, 0, clsBitmap::Pixels);
    }

    // Where the text is white the fade image's colour shows, elsewhere the background.
    const Int16 omitted = clsBitmap::Omitted;
    bmpBuffer.MergeBitmaps(s.bmpFade->hdc(), s.bmpBack->hdc(), s.bmpText->hdc(), omitted, omitted, omitted, omitted,
                           omitted, omitted, omitted, CInt(std::abs(s.intY.value() - scaleHeight())), omitted, omitted,
                           clsBitmap::Pixels);
    bmpBuffer.Paint(gdi::windowDC(this), 0, 0, -1, -1, 0, 0, static_cast<int32_t>(gdi::SRCCOPY));

    // One frame every 50 ms. The elapsed time is the tick counts' unsigned difference, which
    // stays right when the count passes 2^31 or wraps.
    const uint32_t elapsed = static_cast<uint32_t>(bmpBuffer.GetTick()) - static_cast<uint32_t>(s.lngLastTick);
    bmpBuffer.Pause(static_cast<int32_t>(kFrameMilliseconds - std::min(elapsed, kFrameMilliseconds)), true);
    s.lngLastTick = bmpBuffer.GetTick();
}
