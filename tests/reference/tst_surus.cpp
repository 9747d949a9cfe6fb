// The driving techniques: the frame caption and the stacked texts each button chooses, kept
// scroll positions, locked texts, and the texts' stored format.
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "reference/surus.h"
#include "tests/reference/PageTesting.h"
#include "tests/support/TestSupport.h"
#include "workbench/ana.h"

#include <QPointer>
#include <QScrollBar>
#include <QTest>

using testing::click;
using testing::isSeen;

namespace {

const QString kFirstSentence =
    QStringLiteral("Not: Bu bilgiler sizi daha kanlı bir trafik canavarı haline getirmek amacıyla verilmemiştir.");

struct Technique {
    const char* caption;
    const char* frameCaption;
    const char* resource;
    const char* title;
};

// Button k - 1 and the text box Text<k> it shows.
const Technique kTechniques[] = {
    {"El Freni ile viraj", " El Freni İle Viraj Alma", ":/texts/surus/el_freni_viraj.txt",
     "El Freni İle Viraj Dönmek  "},
    {"Heel and Toe", "Heel And Toe", ":/texts/surus/heel_and_toe.txt", "Heel and Toe Tekniği  "},
    {"Limit Fren", " Limit Frenaj", ":/texts/surus/limit_frenaj.txt", "Limited Frenaj  "},
    {"Sol Ayak", " Sol Ayak ", ":/texts/surus/sol_ayak_freni.txt", "Sol Ayak Freni  "},
};

QList<controls::TextBox*> texts(const surus& w) { return {w.Text1, w.Text2, w.Text3, w.Text4}; }
QList<controls::lvButtons_H*> buttons(const surus& w)
{
    return {w.lvButtons_H1, w.lvButtons_H2, w.lvButtons_H3, w.lvButtons_H4};
}

QList<controls::TextBox*> visibleTexts(const surus& w)
{
    QList<controls::TextBox*> shown;
    for (controls::TextBox* t : texts(w))
        if (!t->isHidden())
            shown << t;
    return shown;
}

} // namespace

class TestSurus : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }

    void opensFromTheMainWindowOnLeftFootBraking()
    {
        testing::Sandbox sandbox;
        testing::CarDatabaseFixture db({{QStringLiteral("Fiat Palio 1.6 16V"), 100}});
        ana& main = testing::openShown<ana>();
        click(main.lvButtons_H7);
        surus* w = forms::loadedInstance<surus>();
        QVERIFY(w && w->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->windowTitle(), QStringLiteral("{{ Zenvortali Versiyon 2.0 }} Sürüş Taktikleri"));
        QCOMPARE(w->Frame1->title(), QStringLiteral(" Sol Ayak Freni"));
        QCOMPARE(visibleTexts(*w).size(), 4);
        QVERIFY(isSeen(w->Text4));
        QVERIFY(w->Text4->toPlainText().startsWith(QLatin1String("Sol Ayak Freni  \n")));
        QCOMPARE(w->Label1->text().size(), 296);
        QVERIFY(w->Label1->text().startsWith(kFirstSentence));
        // The disclaimer wraps inside its label.
        QVERIFY(w->Label1->heightForWidth(w->Label1->width()) <= w->Label1->height());
        click(main.lvButtons_H7);
        QCOMPARE(forms::loadedInstance<surus>(), w);
    }

    void eachButtonSetsItsCaptionAndText_data()
    {
        testing::addNumberedRows(kTechniques, [](const auto& row) { return row.caption; });
    }

    void eachButtonSetsItsCaptionAndText()
    {
        QFETCH(int, k);
        const Technique& technique = kTechniques[k - 1];
        testing::Sandbox sandbox;
        surus& w = testing::openShown<surus>();
        controls::lvButtons_H* button = buttons(w).at(k - 1);
        controls::TextBox* text = texts(w).at(k - 1);
        QCOMPARE(button->text(), QString::fromUtf8(technique.caption));
        for (int round = 0; round < 2; ++round) { // a second press changes nothing more
            click(button);
            QCOMPARE(w.Frame1->title(), QString::fromUtf8(technique.frameCaption));
            QCOMPARE(visibleTexts(w), QList<controls::TextBox*>{text});
            QVERIFY(isSeen(text));
        }
        QCOMPARE(text->toPlainText(), testing::shownText(testing::storedBytes(QLatin1String(technique.resource))));
        QCOMPARE(text->horizontalScrollBar()->maximum(), 0);
    }

    void theFullLeftFootCaptionReturnsOnlyOnReopening()
    {
        testing::Sandbox sandbox;
        surus* w = &testing::openShown<surus>();
        click(w->lvButtons_H4);
        QCOMPARE(w->Frame1->title(), QStringLiteral(" Sol Ayak "));
        click(w->lvButtons_H1);
        click(w->lvButtons_H4);
        QCOMPARE(w->Frame1->title(), QStringLiteral(" Sol Ayak "));

        QPointer<surus> closed(w);
        w->close();
        QTRY_VERIFY(closed.isNull());
        w = &testing::openShown<surus>();
        QCOMPARE(w->Frame1->title(), QStringLiteral(" Sol Ayak Freni"));
        QCOMPARE(visibleTexts(*w).size(), 4);
    }

    void scrollPositionsAreKept()
    {
        testing::Sandbox sandbox;
        surus& w = testing::openShown<surus>();
        click(w.lvButtons_H1);
        const int handBrake = testing::scrollDown(w.Text1, 2);
        click(w.lvButtons_H3);
        const int limit = testing::scrollDown(w.Text3, 1);
        QVERIFY(handBrake > 0 && limit > 0 && handBrake != limit);
        click(w.lvButtons_H1);
        QCOMPARE(w.Text1->verticalScrollBar()->value(), handBrake);
        click(w.lvButtons_H3);
        QCOMPARE(w.Text3->verticalScrollBar()->value(), limit);
        QCOMPARE(w.Text2->verticalScrollBar()->value(), 0);
    }

    void typingChangesNothing()
    {
        testing::Sandbox sandbox;
        surus& w = testing::openShown<surus>();
        for (controls::TextBox* text : texts(w)) {
            showOnly(w, text);
            const QString before = text->toPlainText();
            testing::tryToChange(text);
            QCOMPARE(text->toPlainText(), before);
        }
    }

    // Each text: a title line ending in two blanks, an empty line, paragraphs, and a closing note.
    void textsAsStored_data()
    {
        testing::addNumberedRows(kTechniques, [](const auto& row) { return row.resource; });
    }

    void textsAsStored()
    {
        QFETCH(int, k);
        const Technique& technique = kTechniques[k - 1];
        QString fault;
        const QStringList lines = testing::crlfLines(testing::storedBytes(QLatin1String(technique.resource)), &fault);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY(lines.size() > 4);
        QCOMPARE(lines.at(0), QString::fromUtf8(technique.title));
        QCOMPARE(lines.at(1), QString());
        QVERIFY(!lines.at(2).trimmed().isEmpty());

        QStringList filled = lines;
        filled.removeAll(QString());
        const QString note = k == 4 ? filled.at(filled.size() - 2) : filled.last();
        QVERIFY2(note.startsWith(QLatin1String("Not: ")), qPrintable(note));
        QVERIFY2(note.contains(QLatin1String("pist")), qPrintable(note)); // race tracks are the place
        if (k == 4)
            QVERIFY2(filled.last().startsWith(QLatin1String("Kaynak: ")), qPrintable(filled.last()));
        else
            QVERIFY(note.startsWith(kFirstSentence));
    }

private:
    static void showOnly(surus& w, controls::TextBox* text) { click(buttons(w).at(texts(w).indexOf(text))); }
};

QTEST_MAIN(TestSurus)
#include "tst_surus.moc"
