#include "platform/forms/Picture.h"

#include "platform/forms/Screen.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/Numbers.h"

namespace forms {

namespace {

constexpr double kHimetricPerInch = 2540.0;
constexpr double kTwipsPerInch = 1440.0;

QImage pixelsOf(gdi::HBITMAP bitmap)
{
    gdi::BITMAP record;
    if (gdi::GetObjectA(bitmap, sizeof record, &record) == 0 || !record.bmBits)
        return {};
    return QImage(static_cast<const uchar*>(record.bmBits), record.bmWidth, record.bmHeight, record.bmWidthBytes,
                  QImage::Format_RGB32)
        .copy();
}

// Copies of an icon's colour and mask bitmaps, deleted when this goes.
struct IconBitmaps {
    explicit IconBitmaps(gdi::HICON icon) { ok = gdi::GetIconInfo(icon, &info); }
    ~IconBitmaps()
    {
        if (ok) {
            gdi::DeleteObject(info.hbmColor);
            gdi::DeleteObject(info.hbmMask);
        }
    }
    IconBitmaps(const IconBitmaps&) = delete;
    IconBitmaps& operator=(const IconBitmaps&) = delete;

    gdi::ICONINFO info;
    bool ok = false;
};

// Copies a bitmap into a DC with a raster operation, through a memory DC of its own.
void blitBitmap(gdi::HDC hdc, int x, int y, gdi::HBITMAP bitmap, int width, int height, uint32_t rop)
{
    const gdi::HDC source = gdi::CreateCompatibleDC(hdc);
    const gdi::HGDIOBJ previous = gdi::SelectObject(source, bitmap);
    if (previous != 0) {
        gdi::BitBlt(hdc, x, y, width, height, source, 0, 0, rop);
        gdi::SelectObject(source, previous);
    }
    gdi::DeleteDC(source);
}

} // namespace

struct Picture::Data {
    Data(int16_t t, uint32_t h, gdi::HPALETTE p, bool o, int w, int hh)
        : type(t), handle(h), palette(p), own(o), width(w), height(hh)
    {
    }
    ~Data()
    {
        if (!own)
            return;
        if (type == Icon)
            gdi::DestroyIcon(handle);
        else
            gdi::DeleteObject(handle);
        if (palette)
            gdi::DeleteObject(palette);
    }
    Data(const Data&) = delete;
    Data& operator=(const Data&) = delete;

    int16_t type;
    uint32_t handle;
    gdi::HPALETTE palette;
    bool own;
    int width; // pixels
    int height;
};

int16_t Picture::Type() const { return data_ ? data_->type : int16_t(None); }
uint32_t Picture::Handle() const { return data_ ? data_->handle : 0; }
gdi::HPALETTE Picture::hPal() const { return data_ ? data_->palette : 0; }

int32_t Picture::Width() const
{
    return data_ ? vb::CLng(data_->width * Screen::TwipsPerPixelX() * kHimetricPerInch / kTwipsPerInch) : 0;
}

int32_t Picture::Height() const
{
    return data_ ? vb::CLng(data_->height * Screen::TwipsPerPixelY() * kHimetricPerInch / kTwipsPerInch) : 0;
}

void Picture::Render(gdi::HDC hdc, int x, int y) const
{
    if (!data_)
        return;
    if (data_->type == Bitmap) {
        blitBitmap(hdc, x, y, data_->handle, data_->width, data_->height, gdi::SRCCOPY);
        return;
    }
    // An icon: the mask keeps what lies under its white parts and clears the rest, then the
    // colour goes on where it was cleared.
    if (const IconBitmaps icon(data_->handle); icon.ok) {
        blitBitmap(hdc, x, y, icon.info.hbmMask, data_->width, data_->height, gdi::SRCAND);
        blitBitmap(hdc, x, y, icon.info.hbmColor, data_->width, data_->height, gdi::SRCINVERT);
    }
}

QImage Picture::image() const
{
    if (!data_)
        return {};
    if (data_->type == Bitmap)
        return pixelsOf(data_->handle);
    const IconBitmaps icon(data_->handle);
    if (!icon.ok)
        return {};
    QImage colour = pixelsOf(icon.info.hbmColor).convertToFormat(QImage::Format_ARGB32);
    const QImage mask = pixelsOf(icon.info.hbmMask);
    for (int y = 0; y < colour.height(); ++y)
        for (int x = 0; x < colour.width(); ++x)
            if (qGray(mask.pixel(x, y)) >= 128)
                colour.setPixel(x, y, qRgba(0, 0, 0, 0));
    return colour;
}

Picture OleCreatePictureIndirect(const PICTDESC& description, bool own)
{
    if (description.cbSizeofstruct != 20)
        return {};
    Picture picture;
    if (description.picType == Picture::Bitmap) {
        gdi::BITMAP record;
        if (gdi::GetObjectType(description.handle) != gdi::OBJ_BITMAP
            || (description.hpal != 0 && gdi::GetObjectType(description.hpal) != gdi::OBJ_PAL)
            || gdi::GetObjectA(description.handle, sizeof record, &record) == 0)
            return {};
        picture.data_ = std::make_shared<const Picture::Data>(Picture::Bitmap, description.handle, description.hpal,
                                                              own, record.bmWidth, record.bmHeight);
    } else if (description.picType == Picture::Icon) {
        const IconBitmaps icon(description.handle);
        gdi::BITMAP record;
        if (!icon.ok || gdi::GetObjectA(icon.info.hbmColor, sizeof record, &record) == 0)
            return {};
        picture.data_ = std::make_shared<const Picture::Data>(Picture::Icon, description.handle, 0, own, record.bmWidth,
                                                              record.bmHeight);
    }
    return picture;
}

int himetricToPixelsX(int32_t himetric) { return Screen::toPixelsX(himetric * kTwipsPerInch / kHimetricPerInch); }

int himetricToPixelsY(int32_t himetric) { return Screen::toPixelsY(himetric * kTwipsPerInch / kHimetricPerInch); }

} // namespace forms
