// The dictionary: its letter buttons and stacked pages, driven as a reader does, and the stored
// format of all 23 page texts.
#include "platform/controls/Frame.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "reference/sozluk.h"
#include "tests/reference/DictionaryPages.h"
#include "tests/reference/PageTesting.h"
#include "tests/support/TestSupport.h"
#include "workbench/ana.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

using testing::click;
using testing::isSeen;

namespace {

controls::lvButtons_H* letterButton(const sozluk& w, int k)
{
    return w.findChild<controls::lvButtons_H*>(QStringLiteral("lvButtons_H%1").arg(k));
}

controls::TextBox* page(const sozluk& w, int number)
{
    return w.findChild<controls::TextBox*>(QStringLiteral("Text%1").arg(number));
}

QList<controls::TextBox*> visiblePages(const sozluk& w)
{
    QList<controls::TextBox*> shown;
    for (int n = 1; n <= sozluk::kLetters; ++n)
        if (!page(w, n)->isHidden())
            shown << page(w, n);
    return shown;
}

QString resourceOf(const DictionaryPageDesign& design)
{
    return QStringLiteral(":/texts/sozluk/%1.txt").arg(QLatin1String(design.file));
}

// The entry lines of a stored page: what follows its header, separator and (V, W) empty line.
QStringList entryLines(const DictionaryPageDesign& design, const QStringList& lines)
{
    const int start = (design.emptyFirstLine ? 1 : 0) + 2 + (design.emptyAfterSeparator ? 1 : 0);
    return lines.mid(start);
}

} // namespace

class TestSozluk : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }

    void opensFromTheMainWindowOnTheAPage()
    {
        testing::Sandbox sandbox;
        testing::CarDatabaseFixture db({{QStringLiteral("Fiat Palio 1.6 16V"), 100}});
        ana& main = testing::openShown<ana>();
        click(main.lvButtons_H3);
        sozluk* w = forms::loadedInstance<sozluk>();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral(" {{ Zenvortali Versiyon 2.0 }}     Modifiye Sözlük"));
        QCOMPARE(w->Frame1->title(), QStringLiteral("  ..:: Sözlük ::.. "));
        QVERIFY(QTest::qWaitForWindowExposed(w));

        // Every page is visible, all lie at one place, and the A page is the one on top.
        QCOMPARE(visiblePages(*w).size(), sozluk::kLetters);
        for (int n = 1; n < sozluk::kLetters; ++n)
            QCOMPARE(page(*w, n)->pos(), w->Text23->pos());
        QVERIFY(isSeen(w->Text23));
        const QStringList shown = w->Text23->toPlainText().split(u'\n');
        QCOMPARE(shown.first(), QStringLiteral("A "));
        QCOMPARE(shown.mid(2).filter(QRegularExpression(QStringLiteral("^[A-Z]"))).size(), 36);

        click(main.lvButtons_H3);
        QCOMPARE(forms::loadedInstance<sozluk>(), w);
    }

    void eachLetterShowsItsOwnPage_data()
    {
        testing::addNumberedRows(kDictionaryPages, [](const auto& row) { return row.caption; });
    }

    void eachLetterShowsItsOwnPage()
    {
        QFETCH(int, k);
        const DictionaryPageDesign& design = kDictionaryPages[k - 1];
        testing::Sandbox sandbox;
        sozluk& w = testing::openShown<sozluk>();
        controls::lvButtons_H* button = letterButton(w, k);
        QCOMPARE(button->text(), QString::fromUtf8(design.caption));

        // Button k shows the page numbered 24 - k, which holds its letter's text, and hides the rest.
        controls::TextBox* expected = page(w, 24 - k);
        for (int round = 0; round < 2; ++round) { // the letter already shown changes nothing
            click(button);
            QCOMPARE(visiblePages(w), QList<controls::TextBox*>{expected});
            QVERIFY(isSeen(expected));
        }
        QCOMPARE(expected->toPlainText(), testing::shownText(testing::storedBytes(resourceOf(design))));
        // Long entries wrap at the page width; nothing scrolls sideways.
        QCOMPARE(expected->horizontalScrollBar()->maximum(), 0);

        // Another letter afterwards hides this page again.
        click(letterButton(w, k == 1 ? sozluk::kLetters : 1));
        QVERIFY(expected->isHidden());
    }

    void theLettersRunFromAToW()
    {
        testing::Sandbox sandbox;
        sozluk& w = testing::openShown<sozluk>();
        QString captions;
        for (controls::lvButtons_H* b : w.findChildren<controls::lvButtons_H*>())
            captions += b->text();
        std::sort(captions.begin(), captions.end());
        QCOMPARE(captions, QStringLiteral("abcdefghjklmnopqrstuvwı")); // no x, y or z; "ı" sorts last
        QCOMPARE(w.findChildren<controls::TextBox*>().size(), sozluk::kLetters);
        // Neighbouring buttons overlap by one twips column of 15; the first lies on top of its neighbour.
        QVERIFY(letterButton(w, 1)->geometry().right() >= letterButton(w, 2)->geometry().left());
        QCOMPARE(w.childAt(letterButton(w, 2)->geometry().topLeft()), letterButton(w, 1));
    }

    void aPageScrolledDownStaysScrolledDown()
    {
        testing::Sandbox sandbox;
        sozluk& w = testing::openShown<sozluk>();
        click(w.lvButtons_H3); // C, the longest page
        const int scrolled = testing::scrollDown(w.Text21);
        QVERIFY(scrolled > 0);
        click(w.lvButtons_H23);
        click(w.lvButtons_H1);
        click(w.lvButtons_H3);
        QCOMPARE(w.Text21->verticalScrollBar()->value(), scrolled);
        QVERIFY(isSeen(w.Text21));
    }

    void typingChangesNothing()
    {
        testing::Sandbox sandbox;
        sozluk& w = testing::openShown<sozluk>();
        const QString before = w.Text23->toPlainText();
        testing::tryToChange(w.Text23);
        QCOMPARE(w.Text23->toPlainText(), before);
        // The reader can still select and copy.
        QTest::keyClick(w.Text23, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(w.Text23->textCursor().selectedText().size(), before.size());
    }

    void closingAndReopeningStartsAgainOnTheAPage()
    {
        testing::Sandbox sandbox;
        sozluk* first = &testing::openShown<sozluk>();
        click(first->lvButtons_H5);
        first->close();
        sozluk& w = testing::openShown<sozluk>();
        QCOMPARE(visiblePages(w).size(), sozluk::kLetters);
        QVERIFY(isSeen(w.Text23));
        QCOMPARE(w.Text19->verticalScrollBar()->value(), 0);
    }

    // The stored format of each page text, as compiled into the program.
    void pageTextsAsStored_data()
    {
        testing::addNumberedRows(kDictionaryPages, [](const auto& row) { return row.file; });
    }

    void pageTextsAsStored()
    {
        QFETCH(int, k);
        const DictionaryPageDesign& design = kDictionaryPages[k - 1];
        QString fault;
        const QStringList lines = testing::crlfLines(testing::storedBytes(resourceOf(design)), &fault);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));

        int at = 0;
        if (design.emptyFirstLine)
            QCOMPARE(lines.value(at++), QString());
        QCOMPARE(lines.value(at++), QString::fromUtf8(design.header));
        QCOMPARE(lines.value(at++), QString(design.hyphens, u'-'));
        if (design.emptyAfterSeparator)
            QCOMPARE(lines.value(at++), QString());

        // One entry per line, in the stored order; a continued entry takes the next line too.
        const QStringList terms = QString::fromUtf8(design.terms).split(u'|');
        const QStringList continued = QString::fromUtf8(design.continued).split(u'|', Qt::SkipEmptyParts);
        QCOMPARE(terms.size(), design.entries);
        const QStringList entries = entryLines(design, lines);
        int line = 0;
        for (const QString& term : terms) {
            const QString entry = entries.value(line);
            // The term, then a blank; five terms are followed by a colon instead, and CALIPERS by
            // a blank and a colon, as stored.
            static const QStringList colonTerms = {
                QStringLiteral("LEAK"), QStringLiteral("EXHAUST CATBACK"), QStringLiteral("EXHAUST TURBOBACK"),
                QStringLiteral("OPERATION TEMPRETURE"), QStringLiteral("VISCOUS COUPLING")};
            const QString after = term == QLatin1String("CALIPERS") ? QStringLiteral(" :")
                                  : colonTerms.contains(term)       ? QStringLiteral(":")
                                                                    : QStringLiteral(" ");
            const bool blankThenColon = entry.mid(term.size()).startsWith(QStringLiteral(" :"));
            QVERIFY2(entry.startsWith(term + after) && blankThenColon == (after == QLatin1String(" :")),
                     qPrintable(
                         QStringLiteral("line %1 \"%2\" is not the entry of %3").arg(at + line + 1).arg(entry, term)));
            const bool goesOn = continued.contains(term);
            if (goesOn) {
                const QString next = entries.value(line + 1);
                QVERIFY2(!next.isEmpty() && next.at(0).isLower(),
                         qPrintable(QStringLiteral("%1 does not go on in a second line").arg(term)));
            }
            line += goesOn ? 2 : 1;
        }
        QCOMPARE(entries.size(), line); // nothing after the last entry
        QVERIFY(!entries.contains(QString()));
    }

    // Across the whole dictionary: the entry count and the trailing blanks of the entry lines as stored.
    void theWholeDictionaryAsStored()
    {
        int entries = 0, lines = 0, oneBlank = 0, twoBlanks = 0;
        for (const DictionaryPageDesign& design : kDictionaryPages) {
            entries += design.entries;
            for (const QString& entry :
                 entryLines(design, testing::crlfLines(testing::storedBytes(resourceOf(design))))) {
                ++lines;
                if (entry.endsWith(QLatin1String("  ")))
                    ++twoBlanks;
                else if (entry.endsWith(u' '))
                    ++oneBlank;
            }
        }
        QCOMPARE(entries, 384);
        QCOMPARE(lines, 389);
        QCOMPARE(oneBlank + twoBlanks, 381);
        QCOMPARE(twoBlanks, 1);
    }
};

QTEST_MAIN(TestSozluk)
#include "tst_sozluk.moc"
