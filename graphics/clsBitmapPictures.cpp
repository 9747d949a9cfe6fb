// The image to and from the platform's picture objects.
#include "graphics/clsBitmap.h"

#include "graphics/WorkBitmap.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>

using vb::Int16;

namespace {

// A copy of the bitmap selected into a DC, made with it.
gdi::HBITMAP copyOfBitmap(gdi::HDC hdc)
{
    gdi::BITMAP record;
    if (gdi::GetObjectA(gdi::GetCurrentObject(hdc, gdi::OBJ_BITMAP), sizeof record, &record) == 0)
        return 0;
    const gdi::HBITMAP copy = gdi::CreateCompatibleBitmap(hdc, record.bmWidth, record.bmHeight);
    const gdi::HDC into = gdi::CreateCompatibleDC(hdc);
    const gdi::HGDIOBJ previous = gdi::SelectObject(into, copy);
    gdi::BitBlt(into, 0, 0, record.bmWidth, record.bmHeight, hdc, 0, 0, gdi::SRCCOPY);
    gdi::SelectObject(into, previous);
    gdi::DeleteDC(into);
    return copy;
}

// An icon showing the whole of a bitmap (its mask lets every pixel through); the bitmap is used up.
gdi::HICON iconOf(gdi::HDC hdc, gdi::HBITMAP colour)
{
    gdi::BITMAP record;
    gdi::GetObjectA(colour, sizeof record, &record);
    gdi::ICONINFO info;
    info.hbmColor = colour;
    info.hbmMask = gdi::CreateCompatibleBitmap(hdc, record.bmWidth, record.bmHeight); // black: opaque
    const gdi::HICON icon = gdi::CreateIconIndirect(&info);
    gdi::DeleteObject(info.hbmMask);
    gdi::DeleteObject(colour);
    return icon;
}

} // namespace

void clsBitmap::PictureTohDc(const forms::Picture& picPicture)
{
    if (!picPicture)
        vb::raiseObjectNotSet();
    SetBitmap(Int16::from(forms::himetricToPixelsY(picPicture.Height())),
              Int16::from(forms::himetricToPixelsX(picPicture.Width())), ButtonFace, 0);
    const gdi::HPALETTE previous = gdi::SelectPalette(m_hDC, picPicture.hPal(), false);
    gdi::RealizePalette(m_hDC);
    if (previous != 0) {
        m_hOldPalette = previous;
        m_picPalette = picPicture;
    }
    picPicture.Render(m_hDC, 0, 0);
}

forms::Picture clsBitmap::Picture()
{
    if (m_hDC == 0)
        return {};
    return MakePicture(m_hDC, m_hBitmap, m_hOldBitmap, forms::Picture::Bitmap);
}

void clsBitmap::setPicture(const forms::Picture& picPicture)
{
    if (picPicture)
        PictureTohDc(picPicture);
}

forms::Picture clsBitmap::HandleToPicture(uint32_t lngHandle, gdi::HPALETTE lngPalette, int32_t lngPicType)
{
    forms::PICTDESC description;
    description.cbSizeofstruct = 20;
    description.picType = static_cast<uint32_t>(lngPicType);
    description.handle = lngHandle;
    description.hpal = lngPalette;
    return forms::OleCreatePictureIndirect(description, true);
}

forms::Picture clsBitmap::MakePicture(gdi::HDC lnghDC, gdi::HBITMAP, gdi::HBITMAP, int32_t lngPicType)
{
    // A palette device gets the system palette's colours in a palette of the picture's own.
    gdi::HPALETTE hPalette = 0;
    gdi::HPALETTE hOldPalette = 0;
    if ((gdi::GetDeviceCaps(lnghDC, gdi::RASTERCAPS) & gdi::RC_PALETTE) != 0
        && gdi::GetDeviceCaps(lnghDC, gdi::SIZEPALETTE) == gdi::kMaxPaletteEntries) {
        gdi::LOGPALETTE palette;
        palette.palVersion = gdi::PALETTE_VERSION;
        palette.palNumEntries = gdi::kMaxPaletteEntries;
        gdi::GetSystemPaletteEntries(lnghDC, 0, gdi::kMaxPaletteEntries, palette.palPalEntry);
        hPalette = gdi::CreatePalette(&palette);
        hOldPalette = gdi::SelectPalette(lnghDC, hPalette, false);
        gdi::RealizePalette(lnghDC);
    }
    // The picture gets a copy that only it owns; the DC keeps its bitmap and can be drawn on.
    const gdi::HBITMAP hCopy = copyOfBitmap(lnghDC);
    if (hPalette != 0)
        gdi::SelectPalette(lnghDC, hOldPalette, false);
    if (lngPicType != forms::Picture::Icon)
        return HandleToPicture(hCopy, hPalette, lngPicType);
    gdi::DeleteObject(hPalette); // an icon carries no palette
    return HandleToPicture(iconOf(lnghDC, hCopy), 0, lngPicType);
}

forms::Picture clsBitmap::MakeNonEmptyPicture(int32_t lngPicType)
{
    gdi::BITMAP record;
    if (gdi::GetObjectA(gdi::GetCurrentObject(m_hDC, gdi::OBJ_BITMAP), sizeof record, &record) == 0
        || (record.bmWidth > 0 && record.bmHeight > 0))
        return MakePicture(m_hDC, m_hBitmap, m_hOldBitmap, lngPicType);
    const WorkBitmap filled(*this, std::max(record.bmWidth, 1), std::max(record.bmHeight, 1), m_hDC);
    return MakePicture(filled.dc(), 0, 0, lngPicType);
}
