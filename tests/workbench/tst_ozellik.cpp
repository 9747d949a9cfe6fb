// The factory-figures comparison: two columns of stored figures, each filled by its own list from
// its own table, opened from the main window and driven through the real lists.
#include "platform/controls/ComboBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "tests/support/Navigating.h"
#include "tests/support/Picking.h"
#include "tests/support/TestSupport.h"
#include "workbench/ana.h"
#include "workbench/ozellik.h"

#include <QLocale>
#include <QTest>

using testing::Car;
using testing::CarDatabaseFixture;

namespace {

const QStringList kColumns = {"beygir", "silindirhacim", "silindirsayi", "hizlanma", "agirlik", "yakit"};

// A column's six boxes, top to bottom, in the order of kColumns.
QList<controls::TextBox*> boxes(ozellik& w, int car)
{
    if (car == 1)
        return {w.txtAGE, w.Text1, w.Text3, w.Text4, w.Text5, w.Text6};
    return {w.Text2, w.Text7, w.Text8, w.Text9, w.Text10, w.Text11};
}

controls::ComboBox* list(ozellik& w, int car) { return car == 1 ? w.cboCourses : w.Combo1; }

QStringList shown(ozellik& w, int car)
{
    QStringList texts;
    for (controls::TextBox* box : boxes(w, car))
        texts << box->text();
    return texts;
}

using testing::pickByName;

// The factory-figures window as a user reaches it: the main window's "Araç Özellikleri".
ozellik& openFromMainWindow() { return testing::openFromMainWindow<ozellik>(&ana::lvButtons_H11); }

const QStringList blank(6, QString());

const Car fiat{QStringLiteral("Fiat Uno Turbo"), 118, 1372, 4, 7.8, 910, 7.6};
const Car toyota{QStringLiteral("Toyota Supra"), 330, 2997, 6, 5.1, 1570, 11.6};
const Car renault{QStringLiteral("Renault 12 Toros"), 68, 1397, 4, 17.5, 930, 8.2};

} // namespace

class TestOzellik : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testing::initProgramResources(); }

    void openingShowsBlankColumnsUnderTheirCaptions()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({fiat, toyota}, {renault, fiat, toyota});
        ozellik& w = openFromMainWindow();
        QCOMPARE(w.windowTitle(), QStringLiteral("{{ Zenvortali Versiyon 2.0 }} Oto Özellik"));
        QCOMPARE(w.size(), QSize(630, 430)); // 9450 x 6450 twips
        QCOMPARE(w.cboCourses->count(), 2);
        QCOMPARE(w.Combo1->count(), 3);
        QCOMPARE(w.Combo1->itemText(0), renault.arac);
        const QStringList captions = {"Aracın  Beygir Gücü:", "Silindir Hacimi:", "Silindir Sayısı:",
                                      "0-100 Km Hızlanma",    "Ağırlık:",         "90km ortalam hızda Yakıt durumu:"};
        const std::size_t captionIndex[2][6] = {{1, 2, 3, 4, 5, 6}, {0, 7, 8, 9, 10, 11}};
        for (int car : {1, 2}) {
            QCOMPARE(list(w, car)->text(), QStringLiteral("Lütfen Bir Araç Seçiniz..."));
            QCOMPARE(shown(w, car), blank);
            for (int row = 0; row < 6; ++row) {
                const controls::Label* caption = w.Label4[captionIndex[car - 1][row]];
                const controls::TextBox* box = boxes(w, car)[row];
                QCOMPARE(caption->text(), captions[row]);
                // Each caption sits 240 twips above its box, at the same Left.
                QCOMPARE(caption->x(), box->x());
                QCOMPARE(caption->y() + 16, box->y());
                QVERIFY(box->isReadOnly());
            }
        }
        QVERIFY(sandbox.boxes().isEmpty());
    }

    void aPickChangesOnlyItsOwnColumn()
    {
        testing::Sandbox sandbox;
        Car tamed = toyota;
        tamed.beygir = 280;
        CarDatabaseFixture db({fiat, toyota}, {renault, tamed});
        ozellik& w = openFromMainWindow();
        const QStringList fiatShown = {"118", "1372", "4", "7.8", "910", "7.6"};
        const QStringList toyotaShown = {"330", "2997", "6", "5.1", "1570", "11.6"};
        const QStringList renaultShown = {"68", "1397", "4", "17.5", "930", "8.2"};

        pickByName(w.cboCourses, fiat.arac);
        QCOMPARE(shown(w, 1), fiatShown);
        QCOMPARE(shown(w, 2), blank);
        pickByName(w.Combo1, renault.arac);
        QCOMPARE(shown(w, 1), fiatShown);
        QCOMPARE(shown(w, 2), renaultShown);
        pickByName(w.cboCourses, toyota.arac);
        QCOMPARE(shown(w, 1), toyotaShown);
        QCOMPARE(shown(w, 2), renaultShown);
        // The same name on the right reads the right-hand table's row.
        pickByName(w.Combo1, toyota.arac);
        QCOMPARE(shown(w, 2), (QStringList{"280", "2997", "6", "5.1", "1570", "11.6"}));
        QCOMPARE(shown(w, 1), toyotaShown);
    }

    // NULL, and the numbers SQLite stores but the program's numbers cannot hold (NaN is stored as
    // NULL), have no text form: the box keeps what it had.
    void aFieldWithoutATextFormKeepsWhatItsBoxHad_data()
    {
        QTest::addColumn<int>("car");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("value");
        for (int car : {1, 2})
            for (int column = 0; column < kColumns.size(); ++column)
                for (const char* value : {"NULL", "1e400", "-1e400", "(9e999 - 9e999)"})
                    QTest::addRow("car %d, %s = %s", car, qPrintable(kColumns[column]), value)
                        << car << column << QString::fromLatin1(value);
    }
    void aFieldWithoutATextFormKeepsWhatItsBoxHad()
    {
        QFETCH(int, car);
        QFETCH(int, column);
        QFETCH(QString, value);
        testing::Sandbox sandbox;
        CarDatabaseFixture db({fiat, toyota}, {fiat, toyota});
        db.exec(QStringLiteral("UPDATE %1 SET %2 = %3 WHERE arac = 'Toyota Supra'")
                    .arg(car == 1 ? "kayitlar" : "kayitlar2", kColumns[column], value));
        ozellik& w = openFromMainWindow();
        pickByName(list(w, car), fiat.arac);
        pickByName(list(w, car), toyota.arac);
        QStringList expected = {"330", "2997", "6", "5.1", "1570", "11.6"};
        expected[column] = QStringList{"118", "1372", "4", "7.8", "910", "7.6"}[column];
        QCOMPARE(shown(w, car), expected);
        QCOMPARE(shown(w, 3 - car), blank);
        QVERIFY(sandbox.boxes().isEmpty());
        QVERIFY(!sandbox.endedWith());
    }

    void numbersInTheUsersDecimalForm_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("point") << QLocale(QLocale::English, QLocale::UnitedStates)
                               << QStringList{"118", "1372", "4", "7.8", "1570.5", "7.6"};
        QTest::newRow("comma") << QLocale(QLocale::Turkish, QLocale::Turkey)
                               << QStringList{"118", "1372", "4", "7,8", "1570,5", "7,6"};
    }
    void numbersInTheUsersDecimalForm()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, expected);
        const QLocale previous;
        QLocale::setDefault(locale);
        {
            testing::Sandbox sandbox;
            Car heavy = fiat;
            heavy.agirlik = 1570.5;
            CarDatabaseFixture db({heavy}, {heavy});
            ozellik& w = openFromMainWindow();
            pickByName(w.cboCourses, fiat.arac);
            pickByName(w.Combo1, fiat.arac);
            QCOMPARE(shown(w, 1), expected);
            QCOMPARE(shown(w, 2), expected);
        }
        QLocale::setDefault(previous);
    }

    void severalRowsOfOneNameEndOnTheFirst()
    {
        testing::Sandbox sandbox;
        Car second = toyota;
        second.arac = fiat.arac;
        CarDatabaseFixture db({renault, fiat, second}, {second, fiat});
        ozellik& w = openFromMainWindow();
        // The name is listed twice; either entry shows the first row of that name.
        QCOMPARE(w.cboCourses->itemText(2), fiat.arac);
        testing::pickFromList(w.cboCourses, 2);
        QCOMPARE(shown(w, 1), (QStringList{"118", "1372", "4", "7.8", "910", "7.6"}));
        testing::pickFromList(w.Combo1, 1);
        QCOMPARE(shown(w, 2), (QStringList{"330", "2997", "6", "5.1", "1570", "11.6"}));
    }

    void theMainWindowOpensOneFiguresWindowAtATime()
    {
        testing::Sandbox sandbox;
        CarDatabaseFixture db({fiat}, {toyota});
        ozellik& first = openFromMainWindow();
        pickByName(first.cboCourses, fiat.arac);
        QCOMPARE(&openFromMainWindow(), &first);
        QCOMPARE(first.txtAGE->text(), QStringLiteral("118"));

        QVERIFY(first.close());
        QTRY_VERIFY(!forms::loadedInstance<ozellik>());
        ozellik& again = openFromMainWindow();
        QCOMPARE(again.cboCourses->text(), QStringLiteral("Lütfen Bir Araç Seçiniz..."));
        QCOMPARE(shown(again, 1), blank);
        QVERIFY(!sandbox.endedWith());
    }
};

QTEST_MAIN(TestOzellik)
#include "tst_ozellik.moc"
