#pragma once

#include "platform/vb/RuntimeError.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace vb {

// An array with bounds of its own, as the runtime's arrays have them: its elements are numbered
// from LBound to UBound, any whole numbers with LBound <= UBound, and a subscript outside them
// raises the subscript-out-of-range error. Bounds the wrong way round raise it too.
template <class T>
class Array {
public:
    // Elements lower to upper, each T's default value.
    Array(int32_t lower, int32_t upper) : lower_(lower)
    {
        if (upper < lower)
            raiseSubscriptOutOfRange();
        elements_.resize(static_cast<size_t>(int64_t(upper) - lower + 1));
    }
    // The values, numbered from `lower`.
    Array(int32_t lower, std::initializer_list<T> values) : lower_(lower), elements_(values)
    {
        if (elements_.empty() || int64_t(lower) + int64_t(elements_.size()) - 1 > INT32_MAX)
            raiseSubscriptOutOfRange();
    }

    int32_t LBound() const { return lower_; }
    int32_t UBound() const { return static_cast<int32_t>(lower_ + int64_t(elements_.size()) - 1); }

    T& operator()(int32_t index) { return elements_[offset(index)]; }
    const T& operator()(int32_t index) const { return elements_[offset(index)]; }

private:
    size_t offset(int32_t index) const
    {
        if (index < lower_ || index > UBound())
            raiseSubscriptOutOfRange();
        return static_cast<size_t>(int64_t(index) - lower_);
    }

    int32_t lower_;
    std::vector<T> elements_;
};

} // namespace vb
