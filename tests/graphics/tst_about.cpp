// The about screen as a user meets it: opened in place of the main window, its credits text, the
// question menu and its answers, and the main window's return when it closes.
#include "graphics/frmAboutScreen.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/forms/MsgBox.h"
#include "tests/graphics/AboutTesting.h"
#include "tests/support/Picking.h"
#include "tests/support/TestSupport.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

using testing::openAboutScreen;
using testing::runFrames;
using testing::scrollY;

namespace {

const QString kTitle = QStringLiteral("Brevantu Diyorki:");

QStringList visibleCaptions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* a : menu->actions())
        if (a->isVisible())
            captions << a->text();
    return captions;
}

void moveOver(QWidget* window, double x)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(x, 100), window->mapToGlobal(QPointF(x, 100)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window, &move);
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }

    void opensInPlaceOfTheMainWindowAtItsDesignState()
    {
        testing::Sandbox sandbox;
        testing::CarDatabaseFixture db;
        frmAboutScreen& w = testing::openFromMainWindow<frmAboutScreen>(&ana::lvButtons_H6);
        QVERIFY(!forms::instance<ana>().isVisible());
        QCOMPARE(w.windowTitle(), QStringLiteral("{{ Zenvortali Versiyon 2.0 }} Hakkında   "));
        QCOMPARE(w.size(), QSize(466, 478));
        QVERIFY(w.timText->Enabled());
        QCOMPARE(w.timText->Interval(), 1);
        QVERIFY(w.hasMouseTracking());

        // The scroller's template: never shown; a drawing area of 437 x 229 pixels inside its border.
        QVERIFY(w.picText->isHidden());
        QCOMPARE(w.picText->contentsRect().size(), QSize(437, 229));
        QCOMPARE(w.picText->BackColor(), QColor(Qt::black));
        QCOMPARE(w.picText->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        QCOMPARE(w.picText->font().family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(w.picText->font().pointSizeF(), 11.25);

        QCOMPARE(w.Frame1->title(), QStringLiteral("Açıklama:"));
        QCOMPARE(w.Label1->text(),
                 QStringLiteral("Programda Verilen Değerler Ortalama Değerlerdir bu sebebten ötürü net bir değer "
                                "beklemeyiniz ayrıca verilen bilgilerin çoğu en iyi web sitelerinden alınarak "
                                "derlenmiştir program ücretsiz olduğu için dilediğiniz gibi yararlanın zenvortali "
                                "v2.0'a v1.0 dan kat kat daha fazla emek verdim bunun nedeni ise sadece Modifiyeye "
                                "olan ilgimdir.Son olarak programı bitirmemde yardımcı olan Tolvek Vardula Teşekkür "
                                "Ederim..."));
        // All of it shows inside the label.
        QVERIFY(w.Label1->heightForWidth(w.Label1->width()) <= w.Label1->height());
        QCOMPARE(w.Label2->text(), QStringLiteral("Soru Sormak istersen resime tıkla"));
    }

    void theCreditsText()
    {
        testing::Sandbox sandbox;
        frmAboutScreen& w = forms::instance<frmAboutScreen>();
        const QStringList lines = w.aboutText().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 23);
        const QStringList given = {"{{ Zenvortali }}",
                                   "Version 2.0.0",
                                   "",
                                   "Bu program",
                                   "Brevantu Tarafından yazılmıştır.",
                                   "",
                                   lines[6],
                                   lines[7],
                                   "",
                                   "Bana hertürlü sorun şikayet öneri istek vb. durumlarda",
                                   "mail atabilirsiniz, Mail adresim :",
                                   "",
                                   frmAboutScreen::contactAddress(),
                                   "",
                                   "",
                                   "Yazar belirtmek kaydıyla ",
                                   "dilediğiniz gibi sitenizde yayınlayabilirsiniz...",
                                   "",
                                   "Programa katkılarından dolayı: ",
                                   "Tolvek Vardul'a Teşekkür ederim  ",
                                   "And Special Thanks to Qiv",
                                   "",
                                   "This Program DeSigned By Brevantu"};
        QCOMPARE(lines, given);
        QVERIFY(!lines[6].isEmpty() && !lines[7].isEmpty());
        QVERIFY(frmAboutScreen::contactAddress().endsWith(QLatin1String(".example")));
        QCOMPARE(frmAboutScreen::CountLines(w.aboutText()).value(), 24);
    }

    void countLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("no line break") << QStringLiteral("abcd") << 2;
        QTest::newRow("empty") << QString() << 2;
        QTest::newRow("two lines") << QStringLiteral("ab\r\ncd") << 3;
        QTest::newRow("three lines, one empty") << QStringLiteral("ab\r\n\r\ncd") << 4;
        QTest::newRow("break at the first character") << QStringLiteral("\r\nab") << 2;
        QTest::newRow("break at the second character") << QStringLiteral("a\r\nb") << 2;
        QTest::newRow("break at the end") << QStringLiteral("ab\r\n") << 3;
        QTest::newRow("a lone CR or LF") << QStringLiteral("ab\rcd\nef") << 2;
    }

    void countLines()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        QCOMPARE(frmAboutScreen::CountLines(text).value(), count);
    }

    void theQuestionMenu()
    {
        testing::Sandbox sandbox;
        frmAboutScreen& w = forms::instance<frmAboutScreen>();
        QCOMPARE(w.selam->title(), QStringLiteral("Selam?"));
        QStringList names;
        for (const QAction* a : w.selam->actions())
            names << a->objectName();
        QCOMPARE(names, QStringList({"sa", "nasil", "nereli", "nasill", "zenvortali3", "site", "ne", "tshirt", "tolvek",
                                     "saat", "tarih", "sevdigin", "neyapa", "siteee", "hata"}));
        QCOMPARE(w.ne->text(), QStringLiteral("Senin için Ne Yapabilirim?"));
        QVERIFY(!w.ne->isVisible());
        QCOMPARE(visibleCaptions(w.selam),
                 QStringList({"Selamın Aleyküm", "Nasıl Gidiyor Birader?", "Nerelisin?", "Nasıl Yaptın Bu programı Ya?",
                              "Zenvortali V 3.0 Çıkacakmı?", "Bu Programı Siteme Koyabilirmiyim?",
                              "T-shirt'ün Güzelmiş Nereden Aldın", "Bu Tolvek'de Kim Ya?", "Saat Kaç?", "Peki Ya Tarih",
                              "En Sevdiğin Şey Ne Peki?", "Senin İçin Ne Yapabilirim?", "En Sevdiğin Site?",
                              "Programında Hata Buldum!!!"}));
    }

    void thePictureOpensTheMenuAtThePointerAndTheTimeIsAnswered()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
        testing::AboutStage stage;
        frmAboutScreen& w = stage.about;
        const QPoint pointer = w.Image2->mapToGlobal(QPoint(50, 40));
        QCursor::setPos(pointer);
        QTest::mouseClick(w.Image2, Qt::LeftButton, {}, QPoint(50, 40));
        QTRY_VERIFY(w.selam->isVisible());
        QCOMPARE(w.selam->pos(), QCursor::pos());

        const QTime before = QTime::currentTime();
        QTest::mouseClick(w.selam, Qt::LeftButton, {}, w.selam->actionGeometry(w.saat).center());
        QTRY_COMPARE(stage.sandbox.boxes().size(), 1);
        const forms::MsgBoxCall box = stage.sandbox.boxes().first();
        QCOMPARE(box.title, kTitle);
        QCOMPARE(box.buttons, int(forms::vbInformation));
        // The time alone, as the default conversion writes a time: with seconds, without a zone
        // (the test runs in the Turkish locale, where that is HH:mm:ss).
        const QTime shown = QTime::fromString(box.prompt, QStringLiteral("HH:mm:ss"));
        QVERIFY2(shown.isValid(), qPrintable(box.prompt));
        QVERIFY(std::abs(shown.secsTo(before)) <= 2);
        QVERIFY(!w.selam->isVisible());
    }

    void everyItemAnswers_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("answer");
        QTest::newRow("sa") << "sa"
                            << "Aleyküm Selam Kardeş";
        QTest::newRow("nasil") << "nasil"
                               << "Eyvallah Uğraşıyoruz işte";
        QTest::newRow("nereli") << "nereli"
                                << "Dünyalıyım (bööö iğrenç oldu)";
        QTest::newRow("nasill") << "nasill"
                                << "Ya işte Can sıkıntısı başladık yarımda bırakamadık...";
        QTest::newRow("zenvortali3") << "zenvortali3"
                                     << "Düşünmüyorum Dersem Yalan Olur,Ama Zamanı Var";
        QTest::newRow("site") << "site"
                              << "Elbette Koyabilirsin Tabii isim belirtmek Kaydıyla";
        QTest::newRow("tshirt") << "tshirt"
                                << "Pazardan :)))))))";
        QTest::newRow("tolvek") << "tolvek"
                                << "Ya Üniversiteden Arkadaş Severim kardeşimi az Zamparalık yapmadık hani :))";
        QTest::newRow("tarih") << "tarih" << QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        QTest::newRow("sevdigin") << "sevdigin"
                                  << "En Sevdiğim Şey Araba Kullanmak Tabiki Bilgisayarı Söylemiyorum Bile";
        QTest::newRow("neyapa") << "neyapa"
                                << "Benim İçin Bu programı tanıdıklarına önermen yapabileceğin en iyi şey olur.";
        // Ours to word: one sentence naming a site by its domain, one asking for the fault by mail.
        QTest::newRow("siteee") << "siteee"
                                << "modifiye.example";
        QTest::newRow("hata") << "hata" << frmAboutScreen::contactAddress();
    }

    void everyItemAnswers()
    {
        QFETCH(QString, item);
        QFETCH(QString, answer);
        testing::Sandbox sandbox;
        frmAboutScreen& w = forms::instance<frmAboutScreen>();
        w.selam->findChild<QAction*>(item)->trigger();
        QCOMPARE(sandbox.boxes().size(), 1);
        const forms::MsgBoxCall box = sandbox.boxes().first();
        QCOMPARE(box.title, kTitle);
        QCOMPARE(box.buttons, int(forms::vbInformation));
        if (item == QLatin1String("siteee") || item == QLatin1String("hata")) {
            QVERIFY2(box.prompt.contains(answer), qPrintable(box.prompt));
            QCOMPARE(box.prompt.count(QRegularExpression(QStringLiteral("[.!?](\\s|$)"))), 1);
        } else {
            QCOMPARE(box.prompt, answer);
        }
    }

    void onlyPosition517OpensTheMenuAndNothingElseComplains()
    {
        testing::AboutStage stage;
        frmAboutScreen& w = stage.about;
        // A position that no whole number holds fails inside the handler, which lets it go.
        for (double x : {0.0, 465.0, 516.0, 518.0, 1e12}) {
            moveOver(&w, x);
            QVERIFY(!w.selam->isVisible());
        }
        moveOver(&w, 517);
        QTRY_VERIFY(w.selam->isVisible());
        QVERIFY(stage.sandbox.boxes().isEmpty());
        QVERIFY(!stage.sandbox.endedWith());
    }

    void closingShowsTheMainWindowAsItWasLeft()
    {
        testing::Sandbox sandbox;
        testing::CarDatabaseFixture db({{QStringLiteral("Fiat Palio 1.6 16V"), 100}});
        ana& main = forms::instance<ana>();
        main.Show();
        testing::pickByName(main.cboCourses, QStringLiteral("Fiat Palio 1.6 16V"));
        QTest::mouseClick(main.Command1, Qt::LeftButton);
        const QString power = main.Text1->text();

        frmAboutScreen& w = openAboutScreen();
        QVERIFY(main.isHidden());
        QPointer<frmAboutScreen> about(&w);
        w.close(); // the close box
        QVERIFY(!about || about->isHidden());
        QVERIFY(main.isVisible());
        QCOMPARE(forms::loadedInstance<ana>(), &main);
        QCOMPARE(main.cboCourses->text(), QStringLiteral("Fiat Palio 1.6 16V"));
        QCOMPARE(main.Text1->text(), power);
        QVERIFY(!main.Command1->isEnabled());
        QVERIFY(!sandbox.endedWith());
    }

    void closingMakesAMainWindowWhenThereIsNone()
    {
        testing::AboutStage stage;
        frmAboutScreen& w = stage.about;
        delete forms::loadedInstance<ana>();
        QVERIFY(!forms::loadedInstance<ana>());
        w.close();
        ana* main = forms::loadedInstance<ana>();
        QVERIFY(main && main->isVisible());
        QVERIFY(!stage.sandbox.endedWith());
    }

    void reopeningContinuesWithTheKeptImages()
    {
        testing::AboutStage stage;
        frmAboutScreen& first = stage.about;
        runFrames(first, 100);
        const int y = scrollY();
        QCOMPARE(y, 229 - 99);
        const CreditsScroller& s = frmAboutScreen::scroller();
        const std::array<clsBitmap*, 3> images = {s.bmpFade.get(), s.bmpBack.get(), s.bmpText.get()};
        const std::array<gdi::HDC, 3> dcs = {s.bmpFade->hdc(), s.bmpBack->hdc(), s.bmpText->hdc()};
        first.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        ana& main = forms::instance<ana>();
        QTest::mouseClick(main.lvButtons_H6, Qt::LeftButton);
        frmAboutScreen* again = forms::loadedInstance<frmAboutScreen>();
        QVERIFY(again && again->isVisible());
        again->timText->setEnabled(false);
        QVERIFY(!again->aboutText().isEmpty());
        again->timText_Timer();
        QCOMPARE(scrollY(), y - 1);
        QCOMPARE((std::array<clsBitmap*, 3>{s.bmpFade.get(), s.bmpBack.get(), s.bmpText.get()}), images);
        QCOMPARE((std::array<gdi::HDC, 3>{s.bmpFade->hdc(), s.bmpBack->hdc(), s.bmpText->hdc()}), dcs);
    }

    void theTimerScrollsAndTheWindowStillClosesPromptly()
    {
        testing::Sandbox sandbox;
        testing::CarDatabaseFixture db;
        testing::forgetScroller();
        frmAboutScreen& w = testing::openFromMainWindow<frmAboutScreen>(&ana::lvButtons_H6);
        QTRY_VERIFY(frmAboutScreen::scroller().blnStarted);
        const int y = scrollY();
        QTRY_VERIFY(scrollY() < y - 2); // frames keep coming by themselves

        // Each frame holds the program for up to 50 ms; a close between two of them goes through.
        QPointer<frmAboutScreen> about(&w);
        QElapsedTimer clock;
        clock.start();
        QMetaObject::invokeMethod(&w, &QWidget::close, Qt::QueuedConnection);
        QTRY_VERIFY_WITH_TIMEOUT(!about || about->isHidden(), 1000);
        QVERIFY2(clock.elapsed() < 500, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
        QVERIFY(forms::instance<ana>().isVisible());
        // A closed window draws no more frames.
        const int stopped = scrollY();
        QTest::qWait(150);
        QCOMPARE(scrollY(), stopped);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
