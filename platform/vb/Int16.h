#pragma once

#include "platform/vb/RuntimeError.h"

#include <concepts>
#include <cstdint>
#include <utility>

namespace vb {

// A 16-bit signed integer whose arithmetic stops with the overflow error instead of wrapping,
// the way the original runtime treated its Integer type.
//
// Every whole number converts to it checked, whatever its type: a value outside -32768..32767
// raises the overflow error, as passing a wider value where a 16-bit one is taken does, so an
// operation taking Int16 parameters checks its arguments by its signature alone. Characters and
// truth values are not numbers here, and a fractional value must go through CInt, which rounds
// it the runtime's way first.
template <class T>
concept WholeNumber =
    std::integral<T> && !std::same_as<
        T,
        bool> && !std::same_as<T, char> && !std::same_as<T, wchar_t> && !std::same_as<T, char8_t> && !std::same_as<T, char16_t> && !std::same_as<T, char32_t>;

class Int16 {
public:
    constexpr Int16() = default;
    template <WholeNumber T>
    constexpr Int16(T v) : v_(checked(v))
    {
    }
    template <std::floating_point T>
    Int16(T) = delete;

    // The same checked conversion, spelled out where a wider result is brought back to 16 bits.
    template <WholeNumber T>
    static constexpr Int16 from(T v)
    {
        return Int16(v);
    }

    constexpr int16_t value() const { return v_; }
    constexpr explicit operator int() const { return v_; }

    friend Int16 operator+(Int16 a, Int16 b) { return from(static_cast<long long>(a.v_) + b.v_); }
    friend Int16 operator-(Int16 a, Int16 b) { return from(static_cast<long long>(a.v_) - b.v_); }
    friend Int16 operator*(Int16 a, Int16 b) { return from(static_cast<long long>(a.v_) * b.v_); }
    // Integer division (the runtime's "\"): truncates towards zero.
    friend Int16 operator/(Int16 a, Int16 b)
    {
        if (b.v_ == 0)
            raiseDivisionByZero();
        return from(static_cast<long long>(a.v_) / b.v_);
    }
    Int16 operator-() const { return from(-static_cast<long long>(v_)); }
    Int16& operator+=(Int16 o) { return *this = *this + o; }
    Int16& operator-=(Int16 o) { return *this = *this - o; }
    Int16& operator++() { return *this += Int16(1); }
    Int16& operator--() { return *this -= Int16(1); }

    friend constexpr bool operator==(Int16 a, Int16 b) { return a.v_ == b.v_; }

private:
    template <WholeNumber T>
    static constexpr int16_t checked(T v)
    {
        if (!std::in_range<int16_t>(v))
            raiseOverflow();
        return static_cast<int16_t>(v);
    }

    int16_t v_ = 0;
};

} // namespace vb
