#pragma once

#include <cstddef>
#include <cstdint>

namespace raster {

// Pixels are 0xFFRRGGBB words, as QImage::Format_RGB32 lays them out. The top byte is always
// 0xFF: every writer sets it, so a QImage wrapping the buffer stays valid after any raster code.
constexpr uint32_t kOpaque = 0xFF000000;

// A COLORREF (red in the low byte, top byte ignored) as a pixel, and back.
constexpr uint32_t pixelFromColour(uint32_t colour)
{
    return kOpaque | (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}
constexpr uint32_t colourFromPixel(uint32_t pixel)
{
    return (pixel >> 16 & 0xFF) | (pixel & 0xFF00) | (pixel & 0xFF) << 16;
}

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0; // exclusive
    int bottom = 0; // exclusive

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    Rect intersected(const Rect& o) const;
    bool intersects(const Rect& o) const { return !intersected(o).empty(); }
};

// The part of [left, right) x [top, bottom) inside `bound`. The edges come in 64 bits, so a caller
// adds a far-off corner and a huge extent without wrapping round onto the surface; every edge of
// the result lies within `bound`, so its own arithmetic fits an int.
Rect clipped(int64_t left, int64_t top, int64_t right, int64_t bottom, const Rect& bound);

// A corner and an extent as the drawing calls take them, clipped to `bound`; a negative extent
// runs from x + w up to x - 1.
Rect clippedExtent(int x, int y, int w, int h, const Rect& bound);

// How a brush's hatch crosses its 8 x 8 cell. The values are the platform's hatch style numbers,
// so the device-context layer passes a style through unchanged.
enum class Hatch : uint32_t {
    Horizontal = 0,
    Vertical = 1,
    FallingDiagonal = 2,
    RisingDiagonal = 3,
    Cross = 4,
    DiagonalCross = 5
};

// How a stretch combines the source pixels that fall on one destination pixel; the values are the
// platform's stretch mode numbers.
enum class StretchMode : int { BlackOnWhite = 1, WhiteOnBlack = 2, ColourOnColour = 3, Halftone = 4 };

// A view of pixel rows owned by someone else (a bitmap, a window's client area, a scratch buffer).
struct Surface {
    uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    ptrdiff_t stride = 0; // pixels from one row to the next

    uint32_t* row(ptrdiff_t y) const { return bits + y * stride; }
    Rect bounds() const { return {0, 0, width, height}; }
};

} // namespace raster
