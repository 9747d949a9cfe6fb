#pragma once

#include "platform/vb/RuntimeError.h"

#include <cstdint>
#include <limits>

namespace vb {

// A 16-bit signed integer whose arithmetic stops with the overflow error instead of wrapping,
// the way the original runtime treated its Integer type.
class Int16 {
public:
    constexpr Int16() = default;
    constexpr Int16(int16_t v) : v_(v) {}

    // Checked narrowing from any wider whole number.
    static Int16 from(long long v)
    {
        if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
            raiseOverflow();
        return Int16(static_cast<int16_t>(v));
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
    int16_t v_ = 0;
};

} // namespace vb
