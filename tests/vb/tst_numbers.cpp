// Numbers held as text: reading, writing, rounding and checked 16-bit arithmetic; arrays with bounds.
#include "platform/vb/Array.h"
#include "platform/vb/DateText.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/RuntimeError.h"

#include <QLocale>
#include <QTest>

#include <functional>
#include <limits>
#include <type_traits>

using namespace vb;

namespace {
int errorNumberOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// Converts a whole number of any type to the 16-bit type the way an argument is passed: implicitly.
template <class T>
std::function<int()> passed(T value)
{
    return [value] {
        const Int16 converted = value;
        return int(converted);
    };
}

// A fraction, a truth value or a character is not taken where a 16-bit number is: CInt says how.
static_assert(!std::is_convertible_v<double, Int16> && !std::is_convertible_v<float, Int16>);
static_assert(!std::is_convertible_v<bool, Int16> && !std::is_convertible_v<char, Int16>);

// Runs with the given locale as the user's, then puts the previous one back.
struct LocaleScope {
    QLocale previous;
    explicit LocaleScope(QLocale::Language language, QLocale::Territory territory)
    {
        QLocale::setDefault(QLocale(language, territory));
    }
    ~LocaleScope() { QLocale::setDefault(previous); }
};
} // namespace

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("point");
        QTest::addColumn<double>("comma");
        // text, read where the user's separator is the point, read where it is the comma
        QTest::newRow("whole") << "100" << 100.0 << 100.0;
        QTest::newRow("fraction with point") << "75.5" << 75.5 << 75.5;
        QTest::newRow("fraction with comma") << "77,5" << 77.0 << 77.5;
        QTest::newRow("blanks anywhere") << "  1 2 3 " << 123.0 << 123.0;
        QTest::newRow("leading number only") << "12abc" << 12.0 << 12.0;
        QTest::newRow("empty") << "" << 0.0 << 0.0;
        QTest::newRow("not a number") << "Lütfen" << 0.0 << 0.0;
        QTest::newRow("negative") << "-4" << -4.0 << -4.0;
        QTest::newRow("exponent") << "1.5E3" << 1500.0 << 1500.0;
        QTest::newRow("leading point") << ".25" << 0.25 << 0.25;
        QTest::newRow("hex") << "&HFF" << 255.0 << 255.0;
        QTest::newRow("hex 16-bit negative") << "&HFFFF" << -1.0 << -1.0;
        QTest::newRow("octal") << "&O17" << 15.0 << 15.0;
        QTest::newRow("second separator stops") << "1.2.3" << 1.2 << 1.2;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, point);
        QFETCH(double, comma);
        {
            LocaleScope l(QLocale::English, QLocale::UnitedStates);
            QCOMPARE(Val(text), point);
        }
        {
            LocaleScope l(QLocale::Turkish, QLocale::Turkey);
            QCOMPARE(Val(text), comma);
        }
    }

    void defaultTextForm_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("point");
        QTest::addColumn<QString>("comma");
        QTest::newRow("zero") << 0.0 << "0"
                              << "0";
        QTest::newRow("whole") << 137.0 << "137"
                               << "137";
        QTest::newRow("negative") << -37.0 << "-37"
                                  << "-37";
        QTest::newRow("fraction") << 77.5 << "77.5"
                                  << "77,5";
        QTest::newRow("no grouping") << 1714018000.0 << "1714018000"
                                     << "1714018000";
        QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0.3"
                                             << "0,3";
        QTest::newRow("small fixed") << 0.0001 << "0.0001"
                                     << "0,0001";
        QTest::newRow("small scientific") << 0.00001 << "1E-05"
                                          << "1E-05";
        QTest::newRow("15 digits fixed") << 999999999999999.0 << "999999999999999"
                                         << "999999999999999";
        QTest::newRow("large scientific") << 1e15 << "1E+15"
                                          << "1E+15";
        QTest::newRow("large mantissa") << 1.5e20 << "1.5E+20"
                                        << "1,5E+20";
    }
    void defaultTextForm()
    {
        QFETCH(double, value);
        QFETCH(QString, point);
        QFETCH(QString, comma);
        {
            LocaleScope l(QLocale::English, QLocale::UnitedStates);
            QCOMPARE(CStr(value), point);
        }
        {
            LocaleScope l(QLocale::Turkish, QLocale::Turkey);
            QCOMPARE(CStr(value), comma);
        }
    }

    // What one locale writes, the same locale reads back whole: the calculator's round trip.
    void textRoundTripKeepsFractions()
    {
        for (auto [language, territory] :
             {std::pair{QLocale::English, QLocale::UnitedStates}, std::pair{QLocale::Turkish, QLocale::Turkey},
              std::pair{QLocale::German, QLocale::Germany}}) {
            LocaleScope l(language, territory);
            double v = 75.5;
            QString text = CStr(v);
            for (int i = 0; i < 5; ++i) {
                text = CStr(Val(text) + 2);
                v += 2;
            }
            QCOMPARE(Val(text), v);
        }
    }

    // A time of day in the long form without a zone, a date in the short form.
    void dateAndTimeText()
    {
        const QTime time(14, 5, 33);
        const QDate date(2026, 12, 7);
        {
            LocaleScope l(QLocale::Turkish, QLocale::Turkey);
            QCOMPARE(CStr(time), QStringLiteral("14:05:33"));
            QCOMPARE(CStr(date), QStringLiteral("7.12.2026"));
        }
        {
            LocaleScope l(QLocale::English, QLocale::UnitedStates);
            QCOMPARE(CStr(time), QStringLiteral("2:05:33 PM"));
        }
    }

    void strictConversion()
    {
        {
            LocaleScope l(QLocale::English, QLocale::UnitedStates);
            QCOMPARE(CDbl(QStringLiteral("112")), 112.0);
            QCOMPARE(CDbl(QStringLiteral(" 75.5 ")), 75.5);
            QCOMPARE(errorNumberOf([] { CDbl(QStringLiteral("75,5")); }), err::TypeMismatch);
        }
        {
            LocaleScope l(QLocale::Turkish, QLocale::Turkey);
            QCOMPARE(CDbl(QStringLiteral("75,5")), 75.5);
        }
        QCOMPARE(errorNumberOf([] { CDbl(QString()); }), err::TypeMismatch);
        QCOMPARE(errorNumberOf([] { CDbl(QStringLiteral("12abc")); }), err::TypeMismatch);
        QCOMPARE(errorNumberOf([] { CDbl(QStringLiteral("Lütfen Bir Araç Seçiniz...")); }), err::TypeMismatch);
    }

    void halfToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("1.5") << 1.5 << 2.0;
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("3.5") << 3.5 << 4.0;
        QTest::newRow("-0.5") << -0.5 << 0.0;
        QTest::newRow("-1.5") << -1.5 << -2.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("2.4999") << 2.4999 << 2.0;
        QTest::newRow("2.5001") << 2.5001 << 3.0;
        QTest::newRow("-2.6") << -2.6 << -3.0;
    }
    void halfToEven()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(roundHalfEven(value), rounded);
        QCOMPARE(int(CInt(value)), int(rounded));
    }

    void sixteenBitsFromAnyWholeNumber_data()
    {
        QTest::addColumn<std::function<int()>>("convert");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("error");
        QTest::newRow("int 32767") << passed(32767) << 32767 << 0;
        QTest::newRow("int 32768") << passed(32768) << 0 << err::Overflow;
        QTest::newRow("int -32768") << passed(-32768) << -32768 << 0;
        QTest::newRow("int -32769") << passed(-32769) << 0 << err::Overflow;
        QTest::newRow("int 40000") << passed(40000) << 0 << err::Overflow; // not -25536
        QTest::newRow("long 2^31") << passed(2147483648L) << 0 << err::Overflow;
        QTest::newRow("long long 2^16 - 1") << passed(65535LL) << 0 << err::Overflow;
        QTest::newRow("long long -2^63") << passed(std::numeric_limits<long long>::min()) << 0 << err::Overflow;
        QTest::newRow("unsigned 32767") << passed(32767u) << 32767 << 0;
        QTest::newRow("unsigned 32768") << passed(32768u) << 0 << err::Overflow;
        QTest::newRow("unsigned 2^32 - 1") << passed(4294967295u) << 0 << err::Overflow; // not -1
        QTest::newRow("unsigned long long 2^64 - 1") << passed(~0ULL) << 0 << err::Overflow;
        QTest::newRow("uint16_t 32767") << passed(uint16_t{32767}) << 32767 << 0;
        QTest::newRow("uint16_t 32768") << passed(uint16_t{32768}) << 0 << err::Overflow;
        QTest::newRow("uint16_t 65535") << passed(uint16_t{65535}) << 0 << err::Overflow;
        QTest::newRow("int16_t -32768") << passed(int16_t{-32768}) << -32768 << 0;
        QTest::newRow("int8_t -128") << passed(int8_t{-128}) << -128 << 0;
        QTest::newRow("uint8_t 255") << passed(uint8_t{255}) << 255 << 0;
    }
    void sixteenBitsFromAnyWholeNumber()
    {
        QFETCH(std::function<int()>, convert);
        QFETCH(int, value);
        QFETCH(int, error);
        int converted = 0;
        QCOMPARE(errorNumberOf([&] { converted = convert(); }), error);
        QCOMPARE(converted, value);
    }

    void sixteenBitOverflow()
    {
        QCOMPARE(int(Int16::from(32767)), 32767);
        QCOMPARE(int(Int16::from(-32768)), -32768);
        QCOMPARE(errorNumberOf([] { Int16::from(32768); }), err::Overflow);
        QCOMPARE(errorNumberOf([] { Int16::from(-32769); }), err::Overflow);
        QCOMPARE(errorNumberOf([] {
                     Int16 a(32767);
                     ++a;
                 }),
                 err::Overflow);
        QCOMPARE(errorNumberOf([] {
                     Int16 a(-32768);
                     --a;
                 }),
                 err::Overflow);
        QCOMPARE(errorNumberOf([] { (void)(Int16(200) * Int16(200)); }), err::Overflow);
        QCOMPARE(errorNumberOf([] { (void)-Int16(-32768); }), err::Overflow);
        QCOMPARE(errorNumberOf([] { (void)(Int16(1) / Int16(0)); }), err::DivisionByZero);
        QCOMPARE(int(Int16(-7) / Int16(2)), -3);
        QCOMPARE(errorNumberOf([] { CInt(32767.5); }), err::Overflow); // rounds to 32768
        QCOMPARE(int(CInt(32766.5)), 32766);
        QCOMPARE(errorNumberOf([] { CLng(3e9); }), err::Overflow);
    }

    // Each row reads one subscript of an array numbered `lower` to `upper` whose element i holds i * 10.
    void arrayBounds_data()
    {
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("error");
        QTest::newRow("from 0, the first") << 0 << 2 << 0 << 0;
        QTest::newRow("from 0, the last") << 0 << 2 << 2 << 0;
        QTest::newRow("from 0, past the last") << 0 << 2 << 3 << err::SubscriptOutOfRange;
        QTest::newRow("from 1, below the first") << 1 << 3 << 0 << err::SubscriptOutOfRange;
        QTest::newRow("negative bounds") << -3 << -1 << -3 << 0;
        QTest::newRow("one element") << 5 << 5 << 5 << 0;
        QTest::newRow("at the top of the range") << INT32_MAX - 1 << INT32_MAX << INT32_MAX << 0;
        QTest::newRow("at the bottom, below it") << INT32_MIN << INT32_MIN + 1 << INT32_MAX << err::SubscriptOutOfRange;
        QTest::newRow("bounds the wrong way round") << 2 << 1 << 2 << err::SubscriptOutOfRange;
    }
    void arrayBounds()
    {
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, index);
        QFETCH(int, error);
        int read = -1;
        QCOMPARE(errorNumberOf([&] {
                     Array<long long> a(lower, upper);
                     QCOMPARE(a.LBound(), lower);
                     QCOMPARE(a.UBound(), upper);
                     for (long long i = lower; i <= upper; ++i)
                         a(static_cast<int32_t>(i)) = i * 10;
                     read = static_cast<int>(a(index) / 10);
                 }),
                 error);
        QCOMPARE(read, error ? -1 : index);
        const Array<Int16> listed(lower, {Int16(7), Int16(8)}); // numbered from the lower bound
        QCOMPARE(listed.UBound(), lower + 1);
        QCOMPARE(listed(lower + 1).value(), 8);
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
