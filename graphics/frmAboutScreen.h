#pragma once

#include "graphics/CreditsScroller.h"
#include "platform/forms/Form.h"
#include "platform/vb/Int16.h"

#include <functional>

class QAction;
class QMenu;

namespace controls {
class Frame;
class Image;
class Label;
class PictureBox;
} // namespace controls
namespace forms {
class Timer;
}

// The about screen: a banner, the description frame whose picture opens a menu of questions to
// the author, and above the frame the program's credits rising in yellow on black, fading in at
// the bottom and out at the top. The main window hides while it is open and comes back when it
// closes.
class frmAboutScreen : public forms::Form {
    Q_OBJECT
public:
    frmAboutScreen();
    ~frmAboutScreen() override;

    // The main window, which closing the about screen shows again (creating it if it is gone).
    // The workbench names it here: it sits above the graphics layer, which cannot name it.
    using MainWindow = std::function<forms::Form&()>;
    static void setMainWindow(MainWindow mainWindow);

    // The scroller's kept values and images, shared by every about screen of the run.
    static CreditsScroller& scroller();

    // The author's address, in the credits and in the answer to a reported fault.
    static QString contactAddress() { return QStringLiteral("brevantu@zenvortali.example"); }

    static vb::Int16 CountLines(const QString& text);
    void BuildAboutText();
    const QString& aboutText() const { return m_strAboutText; }

    void timText_Timer();
    void Image2_Click();
    void Form_MouseMove(int Button, int Shift, double X, double Y);

    // The question menu's items, in menu order (`ne` is never shown and has no handler).
    void sa_Click();
    void nasil_Click();
    void nereli_Click();
    void nasill_Click();
    void zenvortali3_Click();
    void site_Click();
    void tshirt_Click();
    void tolvek_Click();
    void saat_Click();
    void tarih_Click();
    void sevdigin_Click();
    void neyapa_Click();
    void siteee_Click();
    void hata_Click();

    controls::PictureBox* Picture3 = nullptr;
    controls::Image* Image1 = nullptr;
    controls::PictureBox* picText = nullptr;
    controls::Frame* Frame1 = nullptr;
    controls::Image* Image2 = nullptr;
    controls::Label* Label1 = nullptr;
    controls::Label* Label2 = nullptr;
    forms::Timer* timText = nullptr;
    QMenu* selam = nullptr;
    QAction* sa = nullptr;
    QAction* nasil = nullptr;
    QAction* nereli = nullptr;
    QAction* nasill = nullptr;
    QAction* zenvortali3 = nullptr;
    QAction* site = nullptr;
    QAction* ne = nullptr;
    QAction* tshirt = nullptr;
    QAction* tolvek = nullptr;
    QAction* saat = nullptr;
    QAction* tarih = nullptr;
    QAction* sevdigin = nullptr;
    QAction* neyapa = nullptr;
    QAction* siteee = nullptr;
    QAction* hata = nullptr;

protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void buildDescriptionFrame();
    void buildQuestionMenu();
    void answer(QAction* item);
    void say(const QString& answer);

    // What the scroller reads from its template picture box, afresh each time.
    double scaleWidth() const;
    double scaleHeight() const;
    int32_t backColour() const;
    int32_t foreColour() const;
    double textHeightOfI() const;

    QString m_strAboutText;
};
