#pragma once

#include "platform/gdi/Gdi.h"

#include <QImage>
#include <QRect>
#include <QSet>
#include <QStringList>

#include <cmath>
#include <random>

namespace testing {

// A small memory DC with a bitmap of its own, every pixel set one by one (so a test of the raster
// code does not lean on it to set up), released when the test is done.
class Canvas {
public:
    Canvas(int width, int height, gdi::COLORREF fill = 0) : width_(width), height_(height)
    {
        dc_ = gdi::CreateCompatibleDC(0);
        bitmap_ = gdi::CreateCompatibleBitmap(dc_, width, height);
        old_ = gdi::SelectObject(dc_, bitmap_);
        paint([fill](int, int) { return fill; });
    }
    ~Canvas()
    {
        gdi::SelectObject(dc_, old_);
        gdi::DeleteObject(bitmap_);
        gdi::DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    gdi::HDC dc() const { return dc_; }
    gdi::HBITMAP bitmap() const { return bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }
    gdi::COLORREF at(int x, int y) const { return gdi::GetPixel(dc_, x, y); }

    template <class ColourAt>
    void paint(ColourAt colourAt)
    {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                gdi::SetPixel(dc_, x, y, colourAt(x, y));
    }
    void randomise(std::mt19937& random)
    {
        paint([&](int, int) { return static_cast<gdi::COLORREF>(random() & 0xFFFFFF); });
    }

private:
    int width_;
    int height_;
    gdi::HDC dc_;
    gdi::HBITMAP bitmap_;
    gdi::HGDIOBJ old_;
};

// Selects a new object into a DC for one scope, then puts the displaced one back and deletes it.
class Selected {
public:
    Selected(gdi::HDC dc, gdi::HGDIOBJ object) : dc_(dc), object_(object) { previous_ = gdi::SelectObject(dc, object); }
    ~Selected()
    {
        gdi::SelectObject(dc_, previous_);
        gdi::DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    gdi::HDC dc_;
    gdi::HGDIOBJ object_;
    gdi::HGDIOBJ previous_;
};

// `over` blended onto `under` with `alpha`, each channel worked out exactly and rounded.
inline gdi::COLORREF blended(gdi::COLORREF under, gdi::COLORREF over, int alpha)
{
    gdi::COLORREF result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const double exact = ((over >> shift & 0xFF) * alpha + (under >> shift & 0xFF) * (255.0 - alpha)) / 255.0;
        result |= static_cast<gdi::COLORREF>(std::lround(exact)) << shift;
    }
    return result;
}

inline QRgb qrgbOf(gdi::COLORREF c) { return qRgb(c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF); }

// The pixels as rows of characters: '#' for `ink`, 'o' for `outline`, '.' for anything else.
inline QStringList rowsOf(const QImage& image, gdi::COLORREF ink, gdi::COLORREF outline)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            row += p == qrgbOf(ink) ? u'#' : p == qrgbOf(outline) ? u'o' : u'.';
        }
        rows << row;
    }
    return rows;
}
inline QStringList rowsOf(const Canvas& canvas, gdi::COLORREF ink, gdi::COLORREF outline)
{
    return rowsOf(gdi::snapshot(canvas.dc()), ink, outline);
}

// The smallest rectangle holding every pixel of `area` that is not `background` (null when none).
inline QRect inkBounds(const QImage& image, QRgb background, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

inline QSet<QRgb> coloursIn(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

} // namespace testing
