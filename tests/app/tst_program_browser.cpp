// The installed program as a user meets it, on a real X server: it starts without the web engine,
// and the main window's browser button loads the browser module, which shows a real page.
//
// The page comes over HTTPS from a server on 127.0.0.1 run by the test itself: the program's web
// engine is told to resolve every host name to it and to take its self-made certificate, so nothing
// reaches beyond this machine.
#include "platform/controls/lvButtons_H.h"
#include "tests/support/TestSupport.h"
#include "workbench/ana.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kTimeout = 30000;
const QColor kPageColour(0x1e, 0x9e, 0x4a);

// A one-page HTTPS server on 127.0.0.1 that keeps each request's first line and host.
class PageServer : public QSslServer {
public:
    PageServer(const QString& certificate, const QString& key)
    {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificate(QSslCertificate::fromPath(certificate).value(0));
        QFile keyFile(key);
        keyFile.open(QIODevice::ReadOnly);
        tls.setPrivateKey(QSslKey(&keyFile, QSsl::Rsa));
        setSslConfiguration(tls);
        if (!listen(QHostAddress::LocalHost))
            qFatal("cannot listen on 127.0.0.1");
        connect(this, &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket* s = nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, s, [this, s] { answer(s); });
        });
    }
    QStringList requests;

private:
    void answer(QTcpSocket* s)
    {
        const QList<QByteArray> lines = s->readAll().split('\n');
        QString host;
        for (const QByteArray& line : lines)
            if (line.toLower().startsWith("host:"))
                host = QString::fromLatin1(line.mid(5).trimmed());
        requests << host + u' ' + QString::fromLatin1(lines.value(0).trimmed());
        const QByteArray body = "<html><body style='margin:0;background:" + kPageColour.name().toLatin1()
                                + "'><h1>Zenvortali</h1></body></html>";
        s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: "
                 + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        s->disconnectFromHost();
    }
};

QString run(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(kTimeout);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// The first visible window whose title matches the pattern (xdotool's), or empty.
QString findWindow(const QString& titlePattern)
{
    return run(QStringLiteral("xdotool"),
               {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), titlePattern})
        .section(u'\n', 0, 0);
}

QRect geometryOf(const QString& window)
{
    QMap<QString, int> values;
    const QString shell =
        run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    for (const QString& line : shell.split(u'\n'))
        values[line.section(u'=', 0, 0)] = line.section(u'=', 1).toInt();
    return {values[QStringLiteral("X")], values[QStringLiteral("Y")], values[QStringLiteral("WIDTH")],
            values[QStringLiteral("HEIGHT")]};
}

bool mapsLibrary(qint64 pid, const QByteArray& name)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

int pixelsOf(const QImage& image, const QColor& colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

} // namespace

class TestProgramBrowser : public QObject {
    Q_OBJECT

private slots:
    void theBrowserModuleOpensOnTheFirstClickAndShowsAPage()
    {
        QTemporaryDir dir;
        QProcess openssl;
        openssl.setStandardErrorFile(QProcess::nullDevice());
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                       QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                       QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=localhost"),
                       QStringLiteral("-keyout"), dir.filePath(QStringLiteral("key.pem")), QStringLiteral("-out"),
                       dir.filePath(QStringLiteral("cert.pem"))});
        QVERIFY(openssl.waitForFinished(kTimeout));
        QCOMPARE(openssl.exitCode(), 0);
        PageServer server(dir.filePath(QStringLiteral("cert.pem")), dir.filePath(QStringLiteral("key.pem")));

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"),
                   QStringLiteral("--host-resolver-rules=\"MAP * 127.0.0.1:%1\" --ignore-certificate-errors")
                       .arg(server.serverPort()));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ZV_PROGRAM));
        QVERIFY(program.waitForStarted());
        auto stop = qScopeGuard([&] {
            program.terminate();
            if (!program.waitForFinished(5000))
                program.kill();
        });

        QString main;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(main = findWindow(QStringLiteral("^ \\{\\{ Zenvortali Versiyon 2.0 \\}\\}$"))).isEmpty(), kTimeout);
        // Up and waiting for the user, and nothing of the web engine or the OpenGL driver is loaded.
        QVERIFY(!mapsLibrary(program.processId(), "libQt6WebEngineCore"));
        QVERIFY(!mapsLibrary(program.processId(), "_dri.so"));

        // The browser button where the main window's design puts it, at this display's resolution.
        const QPoint button = ana().lvButtons_H5->geometry().center();
        run(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QStringLiteral("--window"), main, QString::number(button.x()),
             QString::number(button.y()), QStringLiteral("click"), QStringLiteral("1")});

        QString browserWindow;
        QTRY_VERIFY_WITH_TIMEOUT(!(browserWindow = findWindow(QStringLiteral("Web Browser$"))).isEmpty(), kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(server.requests.contains(QStringLiteral("www.zenvortali.example GET / HTTP/1.1")),
                                 kTimeout);
        // The page on the screen: most of the browser control is the page's colour.
        const QRect area = geometryOf(browserWindow);
        // The engine repaints while it settles, so a later grab may catch a frame between two of
        // its paints: what counts is that the page reached the screen.
        const auto pageShown = [&] {
            const QImage grab =
                QApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
            return pixelsOf(grab, kPageColour) > area.width() * area.height() / 3;
        };
        bool shown = false;
        QTRY_VERIFY_WITH_TIMEOUT(shown || (shown = pageShown()), kTimeout);

        // The engine came in as the web engine expects to: no complaint about how it was started.
        stop.dismiss();
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(!errors.contains(QStringLiteral("AA_ShareOpenGLContexts")), qPrintable(errors));
        QVERIFY2(!errors.contains(QStringLiteral("OpenGL context creation failed")), qPrintable(errors));
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    testing::initProgramResources();
    TestProgramBrowser test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_program_browser.moc"
