// Every usable control is named, has a role and acts for a screen reader; the two clickable
// non-buttons are reached with Tab and pressed from the keyboard.
#include "graphics/frmAboutScreen.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/forms/Timer.h"
#include "reference/TopicPages.h"
#include "reference/aksesuar.h"
#include "reference/browser.h"
#include "reference/nedir.h"
#include "reference/sozluk.h"
#include "reference/surus.h"
#include "tests/support/Focus.h"
#include "tests/support/TestSupport.h"
#include "workbench/Frmsplash.h"
#include "workbench/ana.h"
#include "workbench/drag.h"
#include "workbench/karsilastir.h"
#include "workbench/ozellik.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

#include <functional>

namespace {

// The browser window opens a site as it loads; nothing leaves this machine.
class NoRequests : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override { info.block(true); }
};

using Opener = forms::Form& (*)();

template <class Window>
forms::Form& openWindow()
{
    return forms::instance<Window>();
}

// The splash and about screens' timers would change them while a test looks.
forms::Form& splash()
{
    Frmsplash& w = forms::instance<Frmsplash>();
    w.tmrTimer->setEnabled(false);
    return w;
}

frmAboutScreen& aboutScreen()
{
    frmAboutScreen& w = forms::instance<frmAboutScreen>();
    w.timText->setEnabled(false);
    return w;
}

bool isInteractive(QAccessible::Role role)
{
    using enum QAccessible::Role;
    static const QList<QAccessible::Role> roles{Button,  CheckBox,    ComboBox, EditableText, Link,
                                                PageTab, RadioButton, Slider,   SpinBox};
    return roles.contains(role);
}

QString describe(QAccessibleInterface* a)
{
    return QStringLiteral("%1 (role %2)")
        .arg(a->object() ? a->object()->objectName() : QStringLiteral("?"))
        .arg(int(a->role()));
}

// Collects every fault a screen-reader user would meet below `node`.
void walk(QAccessibleInterface* node, QStringList& faults)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        const QString what = describe(child);
        const QAccessible::Role role = child->role();
        const bool actsOnUse = isInteractive(role) || child->state().focusable;
        if (role == QAccessible::NoRole)
            faults << what + QStringLiteral(": no role");
        if ((actsOnUse || role == QAccessible::Graphic) && child->text(QAccessible::Name).trimmed().isEmpty())
            faults << what + QStringLiteral(": no name");
        if (actsOnUse && !child->state().disabled
            && (!child->actionInterface() || child->actionInterface()->actionNames().isEmpty()))
            faults << what + QStringLiteral(": no action");
        // The pointing hand says "click me": what shows it must say so to a screen reader too.
        auto* widget = qobject_cast<QWidget*>(child->object());
        const bool pointsToClick = widget && widget->isEnabled() && widget->testAttribute(Qt::WA_SetCursor)
                                   && widget->cursor().shape() == Qt::PointingHandCursor;
        if (pointsToClick
            && (!isInteractive(role) || !child->actionInterface()
                || !child->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction())))
            faults << what + QStringLiteral(": clickable but not a button or link");
        if (role != QAccessible::WebDocument && !(widget && widget->inherits("QWebEngineView")))
            walk(child, faults);
    }
}

// The two controls that take a click without being buttons.
enum class Clickable { CreditLink, QuestionPicture };

struct Stage {
    QWidget* window;
    QWidget* control;
    QAccessible::Role role;
    QString name; // the caption the user reads there
    std::function<bool()> clicked; // what the click did
};

Stage openStage(Clickable which, const testing::Sandbox& sandbox)
{
    if (which == Clickable::CreditLink) {
        ana& w = forms::instance<ana>();
        return {&w, w.Label11, QAccessible::Link, w.Label11->text(),
                [&sandbox] { return sandbox.launched() == QStringList{ana::creditAddress()}; }};
    }
    frmAboutScreen& w = aboutScreen();
    return {&w, w.Image2, QAccessible::Button, w.Label2->text(), [&w] { return w.selam->isVisible(); }};
}

} // namespace

Q_DECLARE_METATYPE(Clickable)

class TestAccessibility : public QObject {
    Q_OBJECT
    NoRequests requests_;

private slots:
    void initTestCase()
    {
        testing::initProgramResources();
        QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&requests_);
    }

    void everyControlIsNamedAndActs_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::newRow("ana") << &openWindow<ana>;
        QTest::newRow("Frmsplash") << &splash;
        QTest::newRow("karsilastir") << &openWindow<karsilastir>;
        QTest::newRow("ozellik") << &openWindow<ozellik>;
        QTest::newRow("drag") << &openWindow<drag>;
        QTest::newRow("sozluk") << &openWindow<sozluk>;
        QTest::newRow("nedir") << &openWindow<nedir>;
        QTest::newRow("hava") << &openWindow<hava>;
        QTest::newRow("hava6") << &openWindow<hava6>;
        QTest::newRow("hava10") << &openWindow<hava10>;
        QTest::newRow("surus") << &openWindow<surus>;
        QTest::newRow("aksesuar") << &openWindow<aksesuar>;
        QTest::newRow("browser") << &openWindow<browser>;
        QTest::newRow("frmAboutScreen") << Opener([]() -> forms::Form& { return aboutScreen(); });
    }
    void everyControlIsNamedAndActs()
    {
        QFETCH(Opener, open);
        testing::Sandbox sandbox;
        testing::CarDatabaseFixture db({{QStringLiteral("Fiat Uno"), 45}}, {{QStringLiteral("Fiat Uno"), 45}});
        forms::Form& w = open();
        w.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&w);
        QVERIFY(root);
        QStringList faults;
        walk(root, faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // Tab reaches the control and marks it; the key (0: a screen reader's Press) clicks it.
    void tabReachesAndTheKeyboardClicks_data()
    {
        QTest::addColumn<Clickable>("which");
        QTest::addColumn<int>("key");
        QTest::newRow("credit link, Return") << Clickable::CreditLink << int(Qt::Key_Return);
        QTest::newRow("credit link, Space") << Clickable::CreditLink << int(Qt::Key_Space);
        QTest::newRow("credit link, Press") << Clickable::CreditLink << 0;
        QTest::newRow("question picture, Enter") << Clickable::QuestionPicture << int(Qt::Key_Enter);
        QTest::newRow("question picture, Space") << Clickable::QuestionPicture << int(Qt::Key_Space);
        QTest::newRow("question picture, Press") << Clickable::QuestionPicture << 0;
    }
    void tabReachesAndTheKeyboardClicks()
    {
        QFETCH(Clickable, which);
        QFETCH(int, key);
        testing::Sandbox sandbox;
        testing::CarDatabaseFixture db;
        const Stage stage = openStage(which, sandbox);
        stage.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(stage.window));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(stage.control);
        QCOMPARE(a->role(), stage.role);
        QCOMPARE(a->text(QAccessible::Name), stage.name);

        const QImage unfocused = stage.control->grab().toImage();
        QVERIFY(testing::reachedByTab(stage.window).contains(stage.control));
        while (QApplication::focusWidget() != stage.control)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(stage.control->grab().toImage() != unfocused);

        QVERIFY(!stage.clicked());
        if (key)
            QTest::keyClick(stage.control, Qt::Key(key));
        else
            a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(stage.clicked());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
