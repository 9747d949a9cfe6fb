// The main window's browser button when the browser module cannot be loaded: the user is told why,
// nothing opens, and the program goes on.
#include "platform/controls/lvButtons_H.h"
#include "platform/web/ModuleLoader.h"
#include "tests/support/TestSupport.h"
#include "workbench/ana.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTest>

class TestBrowserModule : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }
    void cleanup() { web::setModuleFolder({}); }

    void anUnusableModuleIsReported_data()
    {
        QTest::addColumn<QString>("module"); // copied in as the browser module; empty: none there
        QTest::newRow("missing") << QString();
        QTest::newRow("not a library") << QStringLiteral(":/pictures/icon.svg");
        // A real library without the browser's entry point.
        QTest::newRow("no entry point") << QLibraryInfo::path(QLibraryInfo::PluginsPath)
                                               + QStringLiteral("/platforms/libqoffscreen.so");
        // The real module needs the program's own code exported by the executable; this test program
        // does not export it, so the module cannot be bound here.
        QTest::newRow("built for another program") << QStringLiteral(ZV_BROWSER_MODULE);
    }
    void anUnusableModuleIsReported()
    {
        QFETCH(QString, module);
        testing::Sandbox sandbox;
        testing::CarDatabaseFixture db;
        QTemporaryDir folder;
        if (!module.isEmpty())
            QVERIFY(QFile::copy(module, folder.filePath(QStringLiteral("zenvortali-browser.so"))));
        web::setModuleFolder(folder.path());
        ana& main = forms::instance<ana>();
        main.Show();

        // Each click tries again and says so again.
        for (int click = 1; click <= 2; ++click) {
            QTest::mouseClick(main.lvButtons_H5, Qt::LeftButton);
            QCOMPARE(sandbox.boxes().size(), click);
            const forms::MsgBoxCall box = sandbox.boxes().last();
            QCOMPARE(box.title, QStringLiteral("Hata"));
            QCOMPARE(box.buttons, int(forms::vbCritical));
            QVERIFY2(box.prompt.startsWith(QStringLiteral("Web tarayıcısı açılamadı.\n\n")), qPrintable(box.prompt));
            QVERIFY2(box.prompt.contains(QStringLiteral("zenvortali-browser")), qPrintable(box.prompt));
        }
        QVERIFY(!sandbox.endedWith());
        QVERIFY(main.isVisible());
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(window == &main || !window->isVisible(), qPrintable(window->windowTitle()));
    }
};

QTEST_MAIN(TestBrowserModule)
#include "tst_browser_module.moc"
