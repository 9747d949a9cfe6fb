#pragma once

#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <vector>

namespace graphics {

// What GetPixel gives over an area of a DC, for the operations that visit it pixel by pixel,
// columns outside and rows inside. It is read in bands of whole columns, up to a million pixels at
// a time, so the screen is read once or a few times a call instead of once a pixel.
class PixelColumns {
public:
    PixelColumns(gdi::HDC dc, int left, int top, int width, int height)
        : dc_(dc), left_(left), top_(top), width_(width), height_(height)
    {
    }

    // The colour at (x, y) of the DC, a point of the area.
    gdi::COLORREF at(int x, int y)
    {
        const int column = x - left_;
        if (column < first_ || column >= first_ + columns_)
            readFrom(column);
        if (colours_.empty())
            return gdi::CLR_INVALID;
        return colours_[size_t(y - top_) * size_t(columns_) + size_t(column - first_)];
    }

private:
    static constexpr int kBandPixels = 1 << 20;

    void readFrom(int column)
    {
        first_ = column;
        columns_ = std::clamp(kBandPixels / std::max(height_, 1), 1, std::max(width_ - column, 1));
        colours_ = gdi::GetPixels(dc_, left_ + column, top_, columns_, height_);
    }

    gdi::HDC dc_;
    int left_, top_, width_, height_;
    int first_ = 0, columns_ = 0;
    std::vector<gdi::COLORREF> colours_;
};

} // namespace graphics
