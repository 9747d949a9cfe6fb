// Picture files: the image loaded from a bitmap, icon or cursor file and saved as a bitmap file.
#include "graphics/clsBitmap.h"

#include "platform/forms/Screen.h"
#include "platform/gdi/AnsiText.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/Numbers.h"

namespace {

// The size a loaded handle gets when it has no bitmap record to read.
constexpr int kUnknownWidth = 600;
constexpr int kUnknownHeight = 480;

uint32_t imageTypeOf(const QString& strFileName, int32_t enmImageType)
{
    const QString ending = strFileName.right(3).toLower();
    if (ending == QLatin1String("bmp"))
        return gdi::IMAGE_BITMAP;
    if (ending == QLatin1String("ico"))
        return gdi::IMAGE_ICON;
    if (ending == QLatin1String("cur"))
        return gdi::IMAGE_CURSOR;
    return static_cast<uint32_t>(enmImageType);
}

// Draws an icon as the platform does: the mask keeps the target where the icon is transparent and
// blacks it out elsewhere, then the colour is laid over it.
void drawIcon(gdi::HDC target, const gdi::ICONINFO& info, int width, int height)
{
    const gdi::HDC source = gdi::CreateCompatibleDC(target);
    const gdi::HGDIOBJ previous = gdi::SelectObject(source, info.hbmMask);
    gdi::BitBlt(target, 0, 0, width, height, source, 0, 0, gdi::SRCAND);
    gdi::SelectObject(source, info.hbmColor);
    gdi::BitBlt(target, 0, 0, width, height, source, 0, 0, gdi::SRCINVERT);
    gdi::SelectObject(source, previous);
    gdi::DeleteDC(source);
}

} // namespace

void clsBitmap::LoadBitmap(const QString& strFileName, int32_t enmImageType, int32_t enmMeasurement)
{
    const QByteArray name = gdi::toAnsi(strFileName);
    const uint32_t handle =
        gdi::LoadImageA(0, name.constData(), imageTypeOf(strFileName, enmImageType), 0, 0, gdi::LR_LOADFROMFILE);
    if (handle == 0)
        return;

    gdi::HDC hDC = 0;
    gdi::HBITMAP hBitmap = 0;
    gdi::HBITMAP hOldBitmap = 0;
    gdi::RECT rc;
    gdi::ICONINFO icon;
    gdi::BITMAP record;
    if (gdi::GetIconInfo(handle, &icon)) {
        // An icon or cursor cannot be selected into a DC: the image becomes a bitmap of the icon's
        // size in the background colour with the icon drawn on it.
        gdi::GetObjectA(icon.hbmColor, sizeof record, &record);
        rc = {0, 0, record.bmWidth, record.bmHeight};
        CreateMemoryBitmap(hDC, hBitmap, hOldBitmap, rc, m_hDC, Pixels, BackgroundColourMarker);
        drawIcon(hDC, icon, record.bmWidth, record.bmHeight);
        gdi::DeleteObject(icon.hbmColor);
        gdi::DeleteObject(icon.hbmMask);
        gdi::DestroyIcon(handle);
    } else {
        hDC = gdi::CreateCompatibleDC(m_hDC);
        if (hDC == 0) {
            gdi::DeleteObject(handle);
            return;
        }
        hBitmap = handle;
        hOldBitmap = gdi::SelectObject(hDC, hBitmap);
        if (gdi::GetObjectA(hBitmap, sizeof record, &record) != 0)
            rc = {0, 0, record.bmWidth, record.bmHeight};
        else
            rc = {0, 0, kUnknownWidth, kUnknownHeight};
    }
    if (enmMeasurement == Twips)
        RectToTwips(rc);
    DestroyMemoryBitmap(m_hDC, m_hBitmap, m_hOldBitmap);
    m_hDC = hDC;
    m_hBitmap = hBitmap;
    m_hOldBitmap = hOldBitmap;
    m_rcImage = rc;
}

void clsBitmap::Save(const QString& strFileName, int32_t)
{
    if (m_hDC == 0)
        return;
    QString fileName = strFileName;
    if (fileName.right(4).toUpper() != QLatin1String(".BMP"))
        fileName += QLatin1String(".bmp");
    // The picture holds a copy of the pixels, so the image is the same however the writing ends.
    forms::SavePicture(MakeNonEmptyPicture(forms::Picture::Bitmap), fileName);
}

QString clsBitmap::SupportedFormats() { return QStringLiteral("*.bmp"); }

void clsBitmap::RectToTwips(gdi::RECT& rc)
{
    const double x = forms::Screen::TwipsPerPixelX();
    const double y = forms::Screen::TwipsPerPixelY();
    rc.left = vb::CLng(rc.left * x);
    rc.right = vb::CLng(rc.right * x);
    rc.top = vb::CLng(rc.top * y);
    rc.bottom = vb::CLng(rc.bottom * y);
}
