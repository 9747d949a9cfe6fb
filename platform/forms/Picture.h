#pragma once

#include "platform/gdi/Types.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <memory>

namespace forms {

// The description of a picture to be made around a handle: a bitmap with an optional palette, or
// an icon. The record's size field must be 20, as the platform's callers fill it.
struct PICTDESC {
    uint32_t cbSizeofstruct = 20;
    uint32_t picType = 0;
    uint32_t handle = 0; // HBITMAP or HICON
    gdi::HPALETTE hpal = 0; // bitmaps only; 0 for none
};

// A picture object of the platform: a bitmap (type 1) or an icon (type 3), shared by every
// reference to it like the runtime's object references. A default-made Picture is no object
// (Nothing). A picture that owns its handles releases the bitmap or icon and the palette when its
// last reference goes.
class Picture {
public:
    enum PictureType : int16_t { None = 0, Bitmap = 1, Icon = 3 };

    Picture() = default;
    explicit operator bool() const { return data_ != nullptr; }

    int16_t Type() const; // None for no object
    uint32_t Handle() const;
    gdi::HPALETTE hPal() const;
    // The size in hundredths of a millimetre, from the pixels at the screen's resolution.
    int32_t Width() const;
    int32_t Height() const;

    // Draws the picture's pixels into a DC at its own size; an icon shows only where its mask lets it.
    void Render(gdi::HDC hdc, int x, int y) const;
    // The picture's pixels; an icon's transparent parts have alpha 0. Null for no object.
    QImage image() const;

private:
    struct Data;
    friend Picture OleCreatePictureIndirect(const PICTDESC& description, bool own);
    std::shared_ptr<const Data> data_;
};

// Makes a picture around a handle; with own true the picture releases the handle (and the
// palette) when its last reference goes. No object when the description or the handle is wrong.
Picture OleCreatePictureIndirect(const PICTDESC& description, bool own);

// Pixels from hundredths of a millimetre at the screen's resolution, to the nearest whole pixel.
int himetricToPixelsX(int32_t himetric);
int himetricToPixelsY(int32_t himetric);

// Writes a picture to a file: a bitmap as a BMP file, an icon as an ICO file. A path that cannot be
// written raises the runtime's error: path not found (76) when a folder of it does not exist,
// path/file access (75) when it cannot be opened, disk full (61), or device I/O (57) for any
// other failed write; no object raises "object variable not set" (91).
void SavePicture(const Picture& picture, const QString& fileName);

} // namespace forms
