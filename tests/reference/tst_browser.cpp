// The web-links browser: the progress line, the resize rule, a real page load from a server on
// 127.0.0.1 run by the test itself, the five link buttons, opening from the main window.
//
// Nothing here reaches beyond this machine: host names resolve to nothing but 127.0.0.1, and every
// request for another host is recorded and blocked before it is sent.
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/forms/Screen.h"
#include "platform/web/WebBrowser.h"
#include "reference/BrowserModule.h"
#include "reference/browser.h"
#include "tests/support/TestSupport.h"
#include "workbench/OpenBrowser.h"
#include "workbench/ana.h"

#include <QApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

#include <algorithm>
#include <climits>

namespace {

constexpr int kLoadTimeout = 20000;
const QString kConnected = QStringLiteral("Bağlanıldı...");

// Keeps every address a page asks for, and lets only this machine's own address through.
class LocalOnly : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        requested << info.requestUrl();
        if (info.requestUrl().host() != QLatin1String("127.0.0.1"))
            info.block(true);
    }
    QList<QUrl> requested;
};

// A one-page web server on 127.0.0.1.
class PageServer : public QTcpServer {
public:
    explicit PageServer(QByteArray body) : body_(std::move(body))
    {
        if (!listen(QHostAddress::LocalHost))
            qFatal("cannot listen on 127.0.0.1");
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    s->readAll();
                    s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nConnection: close\r\n"
                             "Content-Length: "
                             + QByteArray::number(body_.size()) + "\r\n\r\n" + body_);
                    s->disconnectFromHost();
                });
        });
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1/").arg(serverPort()); }

private:
    QByteArray body_;
};

QColor backOf(const controls::Label* label) { return label->palette().color(QPalette::Window); }

browser& showBrowser()
{
    browser& w = forms::instance<browser>();
    w.Show();
    if (!QTest::qWaitForWindowExposed(&w))
        qFatal("browser not shown");
    return w;
}

// Shows the window and waits until the load it starts on opening has ended.
browser& openBrowser()
{
    browser& w = showBrowser();
    if (!QTest::qWaitFor([&] { return w.Label1->text() == kConnected; }, kLoadTimeout))
        qFatal("the start page's load never ended");
    return w;
}

QList<controls::lvButtons_H*> linkButtonsOf(browser& w)
{
    return {w.lvButtons_H1, w.lvButtons_H2, w.lvButtons_H3, w.lvButtons_H4, w.lvButtons_H5};
}

} // namespace

class TestBrowser : public QObject {
    Q_OBJECT
    LocalOnly requests_;

private slots:
    void initTestCase()
    {
        testing::initProgramResources();
        // The browser is linked into this program: the main window opens it without the module.
        workbench::setBrowserEntry(&zenvortali_openBrowser);
        QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&requests_);
    }
    void init() { requests_.requested.clear(); }

    void designState()
    {
        testing::Sandbox sandbox;
        browser& w = forms::instance<browser>();
        QCOMPARE(w.windowTitle(), QStringLiteral("{{ Zenvortali Versiyon 2.0 }} Web Browser"));
        QCOMPARE(w.Label1->text(), QStringLiteral("Lütfen Bekleyiniz.."));
        QCOMPARE(backOf(w.Label1), QColor(Qt::white));
        QCOMPARE(w.Image1->size(), QSize(32, 32));
        // The load handler has started the program's own site.
        QCOMPARE(w.WbDictionary->url(), QUrl(browser::startAddress()));
        QVERIFY(QUrl(browser::startAddress()).host().endsWith(QStringLiteral(".example")));
        // A sizable window: no fixed size.
        QVERIFY(w.minimumSize() != w.maximumSize());
    }

    void progressLine_data()
    {
        QTest::addColumn<int>("progress");
        QTest::addColumn<int>("progressMax");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("back"); // invalid: left as the report before left it

        QTest::newRow("no total") << 0 << 0 << kConnected << QColor();
        QTest::newRow("total below zero") << 70 << -1 << kConnected << QColor();
        QTest::newRow("half") << 5000 << 10000 << "50%" << QColor(255, 80, 100);
        QTest::newRow("0.5 rounds to 0") << 1 << 200 << "0%" << QColor(255, 30, 50);
        QTest::newRow("1.5 rounds to 2") << 3 << 200 << "2%" << QColor(255, 32, 52);
        QTest::newRow("2.5 rounds to 2") << 5 << 200 << "2%" << QColor(255, 32, 52);
        QTest::newRow("slightly below zero") << -1 << 10000 << "0%" << QColor(255, 30, 50);
        QTest::newRow("a third") << 1 << 3 << "33%" << QColor(255, 63, 83);
        QTest::newRow("all") << 10000 << 10000 << "100%" << QColor(255, 130, 150);
        // Beyond what a load reports: no overflow, no negative colour component.
        QTest::newRow("green would be negative") << -40 << 100 << "-40%" << QColor(255, 0, 10);
        QTest::newRow("far below zero") << -5000 << 100 << "-5000%" << QColor(0, 0, 0);
        QTest::newRow("red would overflow") << 32000 << 100 << "32000%" << QColor(255, 255, 255);
        QTest::newRow("beyond 16 bits") << INT_MAX << 1 << "32767%" << QColor(255, 255, 255);
        QTest::newRow("beyond 16 bits below") << INT_MIN << 1 << "-32768%" << QColor(0, 0, 0);
    }
    void progressLine()
    {
        QFETCH(int, progress);
        QFETCH(int, progressMax);
        QFETCH(QString, caption);
        QFETCH(QColor, back);
        testing::Sandbox sandbox;
        // The reports of the start page's own load cannot come between: no event is processed here.
        browser& w = forms::instance<browser>();
        // A known colour first, so "unchanged" means something.
        emit w.WbDictionary->ProgressChange(7, 100);
        QCOMPARE(backOf(w.Label1), QColor(255, 37, 57));

        emit w.WbDictionary->ProgressChange(progress, progressMax);
        QCOMPARE(w.Label1->text(), caption);
        QCOMPARE(backOf(w.Label1), back.isValid() ? back : QColor(255, 37, 57));
        QVERIFY(!sandbox.endedWith());
        QVERIFY(sandbox.boxes().isEmpty());
    }

    void resizingFollowsTheOuterSize_data()
    {
        QTest::addColumn<int>("outerWidthTwips");
        QTest::addColumn<int>("outerHeightTwips");
        QTest::newRow("9000 wide") << 9000 << 6000;
        QTest::newRow("larger") << 15000 << 9000;
    }
    void resizingFollowsTheOuterSize()
    {
        QFETCH(int, outerWidthTwips);
        QFETCH(int, outerHeightTwips);
        testing::Sandbox sandbox;
        browser& w = showBrowser();
        const QSize frame = w.frameGeometry().size() - w.size();
        w.resize(forms::Screen::toPixelsX(outerWidthTwips) - frame.width(),
                 forms::Screen::toPixelsY(outerHeightTwips) - frame.height());
        QTRY_COMPARE(w.Width(), double(outerWidthTwips));
        QTRY_COMPARE(w.WbDictionary->Width(), float(outerWidthTwips - 100));
        QCOMPARE(w.WbDictionary->Height(), float(w.Height()));
        QCOMPARE(w.WbDictionary->width(), forms::Screen::toPixelsX(outerWidthTwips - 100));
        QCOMPARE(w.WbDictionary->height(), forms::Screen::toPixelsY(w.Height()));
        QCOMPARE(w.Label1->width(), forms::Screen::toPixelsX(outerWidthTwips - 300));
    }

    void theControlReportsRisingProgressThenTheEnd()
    {
        controls::WebBrowser view(nullptr);
        QList<QPair<int, int>> reports;
        connect(&view, &controls::WebBrowser::ProgressChange, this,
                [&](int progress, int progressMax) { reports << qMakePair(progress, progressMax); });
        // What the engine may say about one load: a repeat, a step back, a late word after the end.
        emit view.loadStarted();
        emit view.loadProgress(0);
        emit view.loadProgress(30);
        emit view.loadProgress(30);
        emit view.loadProgress(20);
        emit view.loadProgress(100);
        emit view.loadFinished(true);
        emit view.loadProgress(100);
        emit view.loadFinished(true);
        // A new load starts counting again, and a failed one ends the same way.
        emit view.loadStarted();
        emit view.loadProgress(10);
        emit view.loadFinished(false);
        const QList<QPair<int, int>> expected = {{0, 10000}, {3000, 10000}, {10000, 10000},
                                                 {0, 0},     {1000, 10000}, {0, 0}};
        QCOMPARE(reports, expected);
    }

    void aRealLoadReportsPercentagesThenTheEnd()
    {
        testing::Sandbox sandbox;
        PageServer server("<html><head><title>Yerel sayfa</title></head><body><h1>Merhaba</h1>"
                          + QByteArray("<p>Zenvortali deneme sayfası.</p>").repeated(2000) + "</body></html>");
        browser& w = openBrowser();
        QStringList captions;
        connect(w.WbDictionary, &controls::WebBrowser::ProgressChange, this, [&] { captions << w.Label1->text(); });

        w.WbDictionary->Navigate(server.address());
        QTRY_VERIFY_WITH_TIMEOUT(!captions.isEmpty() && captions.last() == kConnected, kLoadTimeout);
        QTRY_COMPARE(w.WbDictionary->title(), QStringLiteral("Yerel sayfa"));

        // Rising percentages, then the end, and nothing after it.
        QVERIFY2(captions.size() >= 2, qPrintable(captions.join(u' ')));
        QCOMPARE(captions.count(kConnected), 1);
        int previous = -1;
        for (qsizetype i = 0; i + 1 < captions.size(); ++i) {
            QVERIFY2(captions[i].endsWith(u'%'), qPrintable(captions.join(u' ')));
            const int pct = captions[i].chopped(1).toInt();
            QVERIFY(pct > previous && pct <= 100);
            previous = pct;
        }
        QVERIFY(requests_.requested.contains(QUrl(server.address())));
    }

    void eachLinkButtonLoadsItsOwnSite()
    {
        testing::Sandbox sandbox;
        browser& w = openBrowser();
        QSet<QString> addresses;
        for (controls::lvButtons_H* button : linkButtonsOf(w)) {
            requests_.requested.clear();
            const QString site = button->text().remove(u' ').toLower();
            QTest::mouseClick(button, Qt::LeftButton);
            // The caption names the site the engine is asked for. A request of the previous
            // site's load may still come in after the click: it is not this button's.
            const auto askedForSite = [&] {
                const auto it = std::find_if(requests_.requested.cbegin(), requests_.requested.cend(),
                                             [&](const QUrl& url) { return url.host().contains(site); });
                return it == requests_.requested.cend() ? QUrl() : *it;
            };
            QTRY_VERIFY2_WITH_TIMEOUT(!askedForSite().isEmpty(), qPrintable(button->text()), kLoadTimeout);
            const QUrl asked = askedForSite();
            QCOMPARE(asked.path(), QStringLiteral("/")); // the site's root
            // The view takes the new address once the engine reports the navigation, which can
            // come after the request under load.
            QTRY_COMPARE_WITH_TIMEOUT(w.WbDictionary->url(), asked, kLoadTimeout);
            addresses << asked.toString();
            // The blocked load still ends, and says so.
            QTRY_COMPARE_WITH_TIMEOUT(w.Label1->text(), kConnected, kLoadTimeout);
        }
        QCOMPARE(addresses.size(), 5);
    }

    void theMainWindowOpensIt()
    {
        testing::Sandbox sandbox;
        testing::CarDatabaseFixture db;
        ana& main = forms::instance<ana>();
        main.Show();
        QTest::mouseClick(main.lvButtons_H5, Qt::LeftButton);
        browser* first = forms::loadedInstance<browser>();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QTest::mouseClick(main.lvButtons_H5, Qt::LeftButton);
        QCOMPARE(forms::loadedInstance<browser>(), first);
        QTRY_COMPARE_WITH_TIMEOUT(first->Label1->text(), kConnected, kLoadTimeout);
        QVERIFY(requests_.requested.contains(QUrl(browser::startAddress())));

        first->Unload();
        QVERIFY(!forms::loadedInstance<browser>());
        QTest::mouseClick(main.lvButtons_H5, Qt::LeftButton);
        browser* second = forms::loadedInstance<browser>();
        QVERIFY(second);
        QCOMPARE(second->Label1->text(), QStringLiteral("Lütfen Bekleyiniz.."));
        QCOMPARE(second->WbDictionary->url(), QUrl(browser::startAddress()));
    }
};

int main(int argc, char* argv[])
{
    // Host names resolve to nothing but 127.0.0.1. The web engine takes its switches from the
    // program's own arguments; the test framework is given the original ones.
    std::vector<char*> engineArgs(argv, argv + argc);
    char localOnly[] = "--host-resolver-rules=MAP * ~NOTFOUND , EXCLUDE 127.0.0.1";
    engineArgs.push_back(localOnly);
    int engineArgc = static_cast<int>(engineArgs.size());
    engineArgs.push_back(nullptr);
    QApplication app(engineArgc, engineArgs.data());
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestBrowser test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browser.moc"
