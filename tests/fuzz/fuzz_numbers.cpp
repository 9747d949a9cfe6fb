// The number rules under arbitrary input: every call either gives a value that keeps its contract
// or raises the one run-time error its contract names; anything else stops the fuzzer.
#include "platform/vb/Int16.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/RuntimeError.h"

#include <QLocale>

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {

void require(bool ok, const char* what, double value = 0)
{
    if (ok)
        return;
    std::fprintf(stderr, "broken: %s (%.17g)\n", what, value);
    std::abort();
}

// Runs `call`; nothing when it raised `error`. Any other error stops the fuzzer.
template <class Call>
auto raising(int error, Call call) -> std::optional<decltype(call())>
{
    try {
        return call();
    } catch (const vb::RuntimeError& e) {
        require(e.number() == error, "an unexpected run-time error", e.number());
        return std::nullopt;
    }
}

// A value written by CStr reads back to itself up to its 15 significant digits. Above the largest
// 15-digit number a double holds the text rounds up past every double, and reading it back is an
// overflow, as it was in the original runtime.
void requireRoundTrip(double value)
{
    constexpr double kLargest15Digits = 1.79769313486231e308;
    const bool mayOverflow = std::abs(value) > kLargest15Digits;
    const QString text = vb::CStr(value);
    const double tolerance = std::abs(value) * 1e-14 + 2 * std::numeric_limits<double>::denorm_min();
    const std::optional<double> loose = raising(vb::err::Overflow, [&] { return vb::Val(text); });
    require(loose ? std::abs(*loose - value) <= tolerance : mayOverflow, "Val(CStr(v)) differs from v", value);
    const std::optional<double> strict = vb::tryCDbl(text);
    require(strict ? std::abs(*strict - value) <= tolerance : mayOverflow, "CDbl(CStr(v)) differs from v", value);
}

void checkText(const QString& text)
{
    if (const std::optional<double> v = raising(vb::err::Overflow, [&] { return vb::Val(text); })) {
        require(std::isfinite(*v), "Val gave a value that is not finite");
        requireRoundTrip(*v);
    }
    const std::optional<double> tried = vb::tryCDbl(text);
    const std::optional<double> strict = raising(vb::err::TypeMismatch, [&] { return vb::CDbl(text); });
    require(tried == strict, "CDbl and tryCDbl disagree");
    require(!tried || std::isfinite(*tried), "CDbl gave a value that is not finite");
}

void checkDouble(double d)
{
    const double r = vb::roundHalfEven(d);
    if (std::isfinite(d)) {
        require(r == std::floor(r) && std::abs(r - d) <= 0.5, "roundHalfEven is not the nearest whole number", d);
        require(std::abs(r - d) != 0.5 || std::fmod(r, 2.0) == 0, "roundHalfEven broke a tie towards odd", d);
    }
    const bool fitsInt16 = r >= -32768 && r <= 32767; // false for NaN
    const std::optional<vb::Int16> i = raising(vb::err::Overflow, [&] { return vb::CInt(d); });
    require(i.has_value() == fitsInt16, "CInt's overflow does not match the range", d);
    require(!i || i->value() == r, "CInt is not the rounded value", d);
    const std::optional<uint8_t> b = raising(vb::err::Overflow, [&] { return vb::CByte(d); });
    require(b.has_value() == (r >= 0 && r <= 255), "CByte's overflow does not match the range", d);
    const std::optional<int> l = raising(vb::err::Overflow, [&] { return vb::CLng(d); });
    require(l.has_value() == (r >= INT32_MIN && r <= INT32_MAX), "CLng's overflow does not match the range", d);

    const std::optional<QString> text = raising(vb::err::Overflow, [&] { return vb::CStr(d); });
    require(text.has_value() == std::isfinite(d), "CStr refused a finite value or took an infinite one", d);
    if (text)
        requireRoundTrip(d);
}

// The checked 16-bit arithmetic against the same sums done wide.
void checkInt16(int64_t wide, int16_t a, int16_t b)
{
    const auto fits = [](int64_t v) { return v >= INT16_MIN && v <= INT16_MAX; };
    const std::optional<vb::Int16> narrowed = raising(vb::err::Overflow, [&] { return vb::Int16::from(wide); });
    require(narrowed.has_value() == fits(wide) && (!narrowed || narrowed->value() == wide), "Int16::from", wide);

    const vb::Int16 x(a), y(b);
    const auto check = [&](int64_t exact, auto op, const char* what) {
        const std::optional<vb::Int16> got = raising(vb::err::Overflow, op);
        require(got.has_value() == fits(exact) && (!got || got->value() == exact), what, exact);
    };
    check(
        int64_t(a) + b, [&] { return x + y; }, "Int16 +");
    check(
        int64_t(a) - b, [&] { return x - y; }, "Int16 -");
    check(
        int64_t(a) * b, [&] { return x * y; }, "Int16 *");
    check(
        -int64_t(a), [&] { return -x; }, "Int16 negation");
    if (b == 0)
        require(!raising(vb::err::DivisionByZero, [&] { return x / y; }), "Int16 division by zero gave a value");
    else
        check(
            int64_t(a) / b, [&] { return x / y; }, "Int16 /");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::Turkish, QLocale::Turkey),
                                      QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::English, QLocale::UnitedStates)};
    QLocale::setDefault(locales[in.ConsumeIntegralInRange<size_t>(0, std::size(locales) - 1)]);
    const double d = std::bit_cast<double>(in.ConsumeIntegral<uint64_t>());
    const int64_t wide = in.ConsumeIntegral<int64_t>();
    const int16_t a = in.ConsumeIntegral<int16_t>(), b = in.ConsumeIntegral<int16_t>();
    const std::string rest = in.ConsumeRemainingBytesAsString();

    checkText(QString::fromUtf8(rest.data(), static_cast<qsizetype>(rest.size())));
    checkDouble(d);
    checkInt16(wide, a, b);
    return 0;
}
