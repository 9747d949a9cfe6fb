// The topic index and its twelve pages: which button opens which page, one window per page,
// edits that live as long as the page, and the stored format of the page texts.
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "reference/TopicPages.h"
#include "reference/nedir.h"
#include "tests/reference/PageTesting.h"
#include "tests/support/TestSupport.h"
#include "workbench/ana.h"

#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

using testing::click;

namespace {

// The index's buttons in order and the pages they open (the pairing follows this, not the numbers).
struct Pairing {
    const char* caption;
    const char* page;
    TopicPage* (*loaded)();
    const char* pageCaption;
    const char* heading;
    const char* textName;
    const char* title; // the first line as stored; nullptr where the page has no title line
};

template <class Page>
TopicPage* loaded()
{
    return forms::loadedInstance<Page>();
}

const Pairing kPairings[] = {
    {"Araç Alçaltma", "hava1", &loaded<hava1>, "{{ Zenvortali Versiyon 2.0 }} Alçaltma", "Alçaltma:", "Text1",
     "Alçatma"},
    {"Amörtisör", "hava2", &loaded<hava2>, "{{ Zenvortali Versiyon 2.0 }} Amortisör", "Amortisör:", "Text2", nullptr},
    {"Egzantrik", "hava3", &loaded<hava3>, "{{ Zenvortali Versiyon 2.0 }} Egzantirik", "Egzantrik Mili:", "Text2",
     "Yüksek Dereceli Egzantrik Mili"},
    {"Hava Filtresi", "hava", &loaded<hava>, "{{ Zenvortali Versiyon 2.0 }} Hava Filtresi", "Hava Filtresi:", "Text2",
     "Performans Hava Filtreleri"},
    {"Kule Gergisi", "hava4", &loaded<hava4>, "{{ Zenvortali Versiyon 2.0 }} Kule Gergisi",
     "Amortisör Kule Gergileri:", "Text2", "Amortisör Kule Gergileri (Ön-Arka) Ne İşe Yarar?"},
    {"Lastik Bakımı", "hava5", &loaded<hava5>, "{{ Zenvortali Versiyon 2.0 }}  Lastikler", "Lastikler:", "Text2",
     "Genel Olarak Lastikler "},
    {"Müzik Sistemleri", "hava7", &loaded<hava7>, "{{ Zenvortali Versiyon 2.0 }} Müzik Sistemleri",
     "Müzik Sistemleri:", "Text2", "Müzik Sistemi Ana Ünite Seçimi"},
    {"NOS", "hava8", &loaded<hava8>, "{{ Zenvortali Versiyon 2.0 }} NoSssss", "Nos:", "Text1",
     "NOS (Nitrous Oxide System) "},
    {"Teknik Sözlük", "hava10", &loaded<hava10>, "{{ Zenvortali Versiyon 2.0 }} Teknik Terimler",
     "Teknik Terimler:", "Text1", "TEKNİK TERİMLER  "},
    {"Susturucu", "hava9", &loaded<hava9>, "{{ Zenvortali Versiyon 2.0 }} Susturucu", "Susturucu:", "Text1",
     "Susturucu & Headers (Egzoz Manifoldu)"},
    {"Yaylar", "hava11", &loaded<hava11>, "{{ Zenvortali Versiyon 2.0 }} Yaylar", "Yaylar:", "Text1",
     "SPRING RATE (YAY ORANI) NEDİR, YAYLAR ve YAY ÇEŞİTLERİ "},
    {"Modifiye Malzeme Mağaza", "hava6", &loaded<hava6>, "{{ Zenvortali Versiyon 2.0 }} Malzeme Satan Yerler",
     "Türkiye Modifiye Mzlzeme Satış Yerleri", "Text2", nullptr},
};

controls::lvButtons_H* topicButton(const nedir& w, int k)
{
    return w.findChild<controls::lvButtons_H*>(QStringLiteral("lvButtons_H%1").arg(k));
}

QString resourceOf(const char* page) { return QStringLiteral(":/texts/topics/%1.txt").arg(QLatin1String(page)); }

// The open windows of one page class (a closed one may linger until the event loop deletes it).
int openWindowsNamed(const char* name)
{
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            ++count;
    return count;
}

// Closes a window with its close box and lets the event loop delete it.
void closeByUser(QWidget* window)
{
    QPointer<QWidget> guard(window);
    window->close();
    QTRY_VERIFY(guard.isNull());
}

// The stored text's blocks of lines, cut at empty lines.
QList<QStringList> blocksOf(const QStringList& lines)
{
    QList<QStringList> blocks;
    QStringList block;
    for (const QString& line : lines) {
        if (!line.trimmed().isEmpty()) {
            block << line;
        } else if (!block.isEmpty()) {
            blocks << block;
            block.clear();
        }
    }
    if (!block.isEmpty())
        blocks << block;
    return blocks;
}

} // namespace

class TestTopics : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }

    void opensFromTheMainWindow()
    {
        testing::Sandbox sandbox;
        testing::CarDatabaseFixture db({{QStringLiteral("Fiat Palio 1.6 16V"), 100}});
        ana& main = testing::openShown<ana>();
        click(main.lvButtons_H4);
        nedir* w = forms::loadedInstance<nedir>();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("{{ Zenvortali Versiyon 2.0 }} Ne Nedir?"));
        click(main.lvButtons_H4);
        QCOMPARE(forms::loadedInstance<nedir>(), w);
        QCOMPARE(openWindowsNamed("nedir"), 1);
        QVERIFY(main.isVisible());
    }

    void eachButtonOpensItsPage_data()
    {
        testing::addNumberedRows(kPairings, [](const auto& row) { return row.page; });
    }

    void eachButtonOpensItsPage()
    {
        QFETCH(int, k);
        const Pairing& pairing = kPairings[k - 1];
        testing::Sandbox sandbox;
        nedir& index = testing::openShown<nedir>();
        controls::lvButtons_H* button = topicButton(index, k);
        QCOMPARE(button->text(), QString::fromUtf8(pairing.caption));
        QVERIFY(!pairing.loaded());

        click(button);
        TopicPage* page = pairing.loaded();
        QVERIFY(page && page->isVisible());
        QCOMPARE(page->objectName(), QLatin1String(pairing.page));
        QCOMPARE(page->windowTitle(), QString::fromUtf8(pairing.pageCaption));
        QCOMPARE(page->Label1->text(), QString::fromUtf8(pairing.heading));
        QCOMPARE(page->Text->objectName(), QLatin1String(pairing.textName));
        QCOMPARE(page->Text->toPlainText(), testing::shownText(testing::storedBytes(resourceOf(pairing.page))));
        QVERIFY(!page->Text->isReadOnly());
        // Of the twelve, only the air-filter page carries the program's own mouse pointer.
        QCOMPARE(page->cursor().shape() == Qt::BitmapCursor, qstrcmp(pairing.page, "hava") == 0);
        QVERIFY(index.isVisible());

        // A second press shows that same window; there is never a second one.
        click(button);
        QCOMPARE(pairing.loaded(), page);
        QCOMPARE(openWindowsNamed(pairing.page), 1);
        // The heading fits its label, and the text wraps at the box width rather than scrolling sideways.
        QVERIFY(page->Label1->sizeHint().width() <= page->Label1->width());
        QCOMPARE(page->Text->horizontalScrollBar()->maximum(), 0);
    }

    void anEditLastsAsLongAsThePage()
    {
        testing::Sandbox sandbox;
        nedir& index = testing::openShown<nedir>();
        click(index.lvButtons_H9); // "Teknik Sözlük"
        TopicPage* page = forms::loadedInstance<hava10>();
        QVERIFY(page);
        const QString designed = page->Text->toPlainText();
        QTest::keyClicks(page->Text, QStringLiteral("Notum: "));
        const QString edited = page->Text->toPlainText();
        QCOMPARE(edited, QStringLiteral("Notum: ") + designed);

        click(index.lvButtons_H9);
        QCOMPARE(forms::loadedInstance<hava10>(), page);
        QCOMPARE(page->Text->toPlainText(), edited);

        testing::scrollDown(page->Text);
        closeByUser(page);
        click(index.lvButtons_H9);
        TopicPage* again = forms::loadedInstance<hava10>();
        QVERIFY(again && again->isVisible());
        QCOMPARE(again->Text->toPlainText(), designed);
        QCOMPARE(again->Text->verticalScrollBar()->value(), 0);
    }

    void closingTheIndexLeavesPagesOpen()
    {
        testing::Sandbox sandbox;
        nedir& index = testing::openShown<nedir>();
        click(index.lvButtons_H4);
        click(index.lvButtons_H10);
        click(index.lvButtons_H12);
        closeByUser(&index);
        for (TopicPage* page : {loaded<hava>(), loaded<hava9>(), loaded<hava6>()})
            QVERIFY(page && page->isVisible());
        // The next index is a new one; it opens the pages already open, not new ones.
        nedir& next = testing::openShown<nedir>();
        TopicPage* shops = forms::loadedInstance<hava6>();
        click(next.lvButtons_H12);
        QCOMPARE(forms::loadedInstance<hava6>(), shops);
    }

    void theShopDirectoryScrollsDown()
    {
        testing::Sandbox sandbox;
        click(testing::openShown<nedir>().lvButtons_H12);
        TopicPage* shops = forms::loadedInstance<hava6>();
        QVERIFY(QTest::qWaitForWindowExposed(shops));
        QVERIFY(shops->Text->verticalScrollBar()->maximum() > 0);
        QTest::keyClick(shops->Text, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(shops->Text->verticalScrollBar()->value() > 0);
        QVERIFY(shops->Text->viewport()->rect().contains(shops->Text->cursorRect()));
    }

    // Every page: CR LF line ends, the final one too, and the title line as stored.
    void pageTextsAsStored_data()
    {
        testing::addNumberedRows(kPairings, [](const auto& row) { return row.page; });
    }

    void pageTextsAsStored()
    {
        QFETCH(int, k);
        const Pairing& pairing = kPairings[k - 1];
        QString fault;
        const QStringList lines = testing::crlfLines(testing::storedBytes(resourceOf(pairing.page)), &fault);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY(lines.size() > 2);
        if (pairing.title) {
            QCOMPARE(lines.at(0), QString::fromUtf8(pairing.title));
            QCOMPARE(lines.at(1), QString());
        } else {
            QVERIFY(!lines.at(0).trimmed().isEmpty()); // straight into the text
        }
        QVERIFY(!lines.last().trimmed().isEmpty());
    }

    void theGlossaryHolds70Entries()
    {
        const QStringList lines = testing::crlfLines(testing::storedBytes(resourceOf("hava10")));
        QVERIFY(!lines.isEmpty());
        // After the title and an empty line: entries of one line each, an empty line between two.
        const QStringList body = lines.mid(2);
        QCOMPARE(body.size(), 2 * 70 - 1);
        const QRegularExpression entry(QStringLiteral("^[^:\\s][^:]*: \\S"));
        for (int i = 0; i < body.size(); ++i) {
            if (i % 2 == 1)
                QVERIFY2(body.at(i).isEmpty(), qPrintable(QStringLiteral("line %1 is not empty").arg(i + 3)));
            else
                QVERIFY2(entry.match(body.at(i)).hasMatch(), qPrintable(body.at(i)));
        }
        QVERIFY(body.first().startsWith(QLatin1String("16V: ")));
    }

    void theShopDirectoryHolds96Blocks()
    {
        const QStringList lines = testing::crlfLines(testing::storedBytes(resourceOf("hava6")));
        const QList<QStringList> blocks = blocksOf(lines);
        QCOMPARE(blocks.size(), 96);

        // Fictional numbers: an area code, then 000 so that no real subscriber can be reached.
        const QString number = QStringLiteral("0\\d{3} 000 \\d{2} \\d{2}");
        const QRegularExpression tel(QStringLiteral("^Tel: %1( - %1| Fax: %1)?$").arg(number));
        const QRegularExpression fax(QStringLiteral("^Fax: %1$").arg(number));
        const QRegularExpression gsm(QStringLiteral("^GSM: 05\\d{2} 000 \\d{2} \\d{2}$"));
        const QRegularExpression web(QStringLiteral("^(https?://)?(www\\.)?[a-z0-9.-]+\\.example(/\\S*)?$"));
        const QRegularExpression mail(QStringLiteral("[A-Za-z0-9._-]+@[a-z0-9.-]+\\.example\\b"));
        int mails = 0;
        for (const QStringList& block : blocks) {
            const QString where = block.first();
            QVERIFY2(!block.first().startsWith(QLatin1String("Tel")), qPrintable(where));
            int tels = 0;
            for (const QString& line : block) {
                const QString what = where + QStringLiteral(": ") + line;
                if (line.startsWith(QLatin1String("Tel"))) {
                    QVERIFY2(tel.match(line).hasMatch(), qPrintable(what));
                    ++tels;
                }
                if (line.startsWith(QLatin1String("Fax")))
                    QVERIFY2(fax.match(line).hasMatch(), qPrintable(what));
                if (line.startsWith(QLatin1String("GSM")))
                    QVERIFY2(gsm.match(line).hasMatch(), qPrintable(what));
                if (line.startsWith(QLatin1String("www")) || line.startsWith(QLatin1String("http")))
                    QVERIFY2(web.match(line).hasMatch(), qPrintable(what));
                if (line.contains(u'@')) {
                    QVERIFY2(mail.match(line).hasMatch(), qPrintable(what));
                    ++mails;
                }
            }
            QVERIFY2(tels > 0, qPrintable(where + QStringLiteral(" has no telephone line")));
            // A block ends with its last site's telephone, fax or mobile line, or its e-mail address.
            QVERIFY2(QRegularExpression(QStringLiteral("^(Tel|Fax|GSM): |@")).match(block.last()).hasMatch(),
                     qPrintable(where + QStringLiteral(" ends with ") + block.last()));
        }
        QCOMPARE(mails, 2);
    }
};

QTEST_MAIN(TestTopics)
#include "tst_topics.moc"
