// The controls the windows are built from: the push button and the car list's combo box.
#include "platform/controls/ComboBox.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "tests/support/TestSupport.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEnterEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

class TestControls : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }

    void buttonClicksOnlyWhenEnabledAndVisible()
    {
        QWidget window;
        auto* button = new controls::lvButtons_H(&window, QStringLiteral("-KALDIR"));
        button->setGeometry(10, 10, 65, 33);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(button, &controls::lvButtons_H::Click);

        button->setEnabled(false);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(clicks.count(), 0);

        button->setEnabled(true);
        button->setEnabled(true); // the same value again changes nothing
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);

        button->setVisible(false);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(button->isHidden());
    }

    void buttonLooksAsItsStateSays()
    {
        QWidget window;
        auto* button = new controls::lvButtons_H(&window, QStringLiteral("Sanal Drag"));
        button->setColors(Qt::black, QColor(0xD4, 0xD6, 0xDC), Qt::red, QColor(0xEC, 0xEE, 0xF2));
        button->setGeometry(0, 0, 137, 41);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave); // wherever the pointer started
        QCOMPARE(button->currentForeColor(), QColor(Qt::black));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(button, &enter);
        QCOMPARE(button->currentForeColor(), QColor(Qt::red));
        QCOMPARE(button->currentBackColor(), QColor(0xEC, 0xEE, 0xF2));
        QApplication::sendEvent(button, &leave);
        QCOMPARE(button->currentForeColor(), QColor(Qt::black));

        // Disabled: a grey caption on a grey face, whatever the design colours.
        button->setEnabled(false);
        const QColor fore = button->currentForeColor();
        QCOMPARE(fore.saturation(), 0);
        QCOMPARE(button->currentBackColor().saturation(), 0);
        const QImage picture = button->grab().toImage();
        QCOMPARE(picture.pixelColor(button->width() / 2, 3).saturation(), 0);

        // Screen readers see a push button named by its caption.
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::Button);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Sanal Drag"));
    }

    void comboRaisesClickOnlyOnAPick()
    {
        QWidget window;
        auto* list = new controls::ComboBox(&window, QStringLiteral("Lütfen Bir Araç Seçiniz..."));
        list->addItems({QStringLiteral("Tofaş Şahin"), QStringLiteral("Renault Clio")});
        list->setText(QStringLiteral("Lütfen Bir Araç Seçiniz..."));
        list->setGeometry(0, 0, 300, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(list, &controls::ComboBox::Click);

        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), QStringLiteral("Renault Clio"));
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(list->count(), 2); // nothing inserted
        QCOMPARE(list->text(), QStringLiteral("Renault Clio"));

        // A pick from the drop-down part.
        list->showPopup();
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        const QRect item = view->visualRect(view->model()->index(0, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_COMPARE(clicks.count(), 1);
        QCOMPARE(list->text(), QStringLiteral("Tofaş Şahin"));
    }

    void textBoxHoldsItsText()
    {
        QWidget window;
        controls::TextBox box(&window, QStringLiteral("2"));
        QCOMPARE(box.text(), QStringLiteral("2"));
        box.setCentered(true);
        box.setText(QStringLiteral("Honda Civic Type R"));
        QCOMPARE(box.text(), QStringLiteral("Honda Civic Type R"));
        QCOMPARE(box.document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
