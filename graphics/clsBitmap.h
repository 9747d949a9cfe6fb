#pragma once

#include "platform/forms/Picture.h"
#include "platform/gdi/Types.h"
#include "platform/vb/Array.h"
#include "platform/vb/Int16.h"

#include <QFont>
#include <QString>

#include <array>
#include <cstdint>

class QWidget;
namespace forms {
class Form;
}

// An off-screen image: a memory DC with a bitmap compatible with the screen (or with a DC the
// caller names) selected into it, the image's rectangle in pixels and a background colour.
// Drawing operations draw into its DC; Paint copies it to any other DC.
//
// Units, shared by every operation: coordinates and sizes are 16-bit and so are their sums (the
// overflow run-time error outside -32768..32767); a measurement of 0 means twips, converted with
// the screen's twips per pixel to the nearest whole number (halves to even), any other value
// pixels; a negative width or height means the whole image. Colours are red + green * 256 +
// blue * 65536; a value with the top bit set, &H80000000 + n, names system colour n.
//
// The platform's drawing calls report nothing back: a failed copy, fill or creation leaves the
// image as it was and the operation returns normally.
class clsBitmap {
public:
    enum Measurement : int32_t { Twips = 0, Pixels = 1 };
    // In DrawRect and CreateMemoryBitmap this one value stands for the background colour.
    static constexpr int32_t BackgroundColourMarker = INT32_MIN; // &H80000000
    static constexpr int32_t ButtonFace = INT32_MIN + 15; // &H8000000F
    // MergeBitmaps' and Invert's marker for a value left out.
    static constexpr int16_t Omitted = INT16_MIN;

    clsBitmap(); // an empty image in the button-face colour
    ~clsBitmap();
    clsBitmap(const clsBitmap&) = delete;
    clsBitmap& operator=(const clsBitmap&) = delete;

    // Public operations, in the order of the class's slots.
    void AdjustColour(int32_t enmNegative = 0, int32_t enmIlluminant = 6, int32_t lngRedGamma = 10000,
                      int32_t lngGreenGamma = 10000, int32_t lngBlueGamma = 10000, vb::Int16 intRoundToBlackAt = 0,
                      vb::Int16 intRoundToWhiteFrom = 10000, vb::Int16 intContrast = 0, vb::Int16 intBrightness = 0,
                      vb::Int16 intColourfulness = 0, vb::Int16 intRedGreenTint = 0);
    void DrawRect(int32_t lngColour = BackgroundColourMarker, vb::Int16 intTop = 0, vb::Int16 intLeft = 0,
                  vb::Int16 intHeight = -1, vb::Int16 intWidth = -1, int32_t udtMeasurement = Pixels,
                  int32_t lngStyle = 0, int32_t lngPattern = 8, gdi::HDC lnghDC = 0);
    void DrawLine(vb::Int16 intX1, vb::Int16 intY1, vb::Int16 intX2, vb::Int16 intY2, int32_t lngColour = 0,
                  vb::Int16 intWidth = 1, int32_t udtMeasurement = Pixels);
    void MergeBitmaps(gdi::HDC hDcTextureBack, gdi::HDC hDcTextureFore, gdi::HDC hDcMask, vb::Int16 intDestX = Omitted,
                      vb::Int16 intDestY = Omitted, vb::Int16 intTextureBackX = Omitted,
                      vb::Int16 intTextureBackY = Omitted, vb::Int16 intTextureForeX = Omitted,
                      vb::Int16 intTextureForeY = Omitted, vb::Int16 intMaskX = Omitted, vb::Int16 intMaskY = Omitted,
                      vb::Int16 intMaskWidth = Omitted, vb::Int16 intMaskHeight = Omitted,
                      int32_t udtMeasurement = Pixels);
    int32_t GetTick();
    void Gradient(int32_t lngStartCol, int32_t lngFinishCol, vb::Int16 intLeft, vb::Int16 intTop, vb::Int16 intWidth,
                  vb::Int16 intHeight, int32_t Direction = 0, uint8_t bytLineWidth = 1);
    // The outputs are optional and written only when the colour is accepted.
    void GetRGB(int32_t lngColour, vb::Int16* intRed = nullptr, vb::Int16* intGreen = nullptr,
                vb::Int16* intBlue = nullptr);
    void Pause(int32_t lngTicks, bool blnSleep = false);
    void DrawString(const QString& strText, vb::Int16 intTop, vb::Int16 intLeft, vb::Int16 intHeight,
                    vb::Int16 intWidth, const QFont& fntFormat, int32_t lngColour = 0, int32_t enmAlignment = 2,
                    vb::Int16 intAngle = 0, int32_t udtMeasurement = Pixels);
    void SetBitmap(vb::Int16 intHeight, vb::Int16 intWidth, int32_t lngColour = ButtonFace,
                   gdi::HDC lngCompatableWithhDc = 0);
    void Paint(gdi::HDC lngDestDc, vb::Int16 intDestX = 0, vb::Int16 intDestY = 0, vb::Int16 intHeight = -1,
               vb::Int16 intWidth = -1, vb::Int16 intSourceX = 0, vb::Int16 intSourceY = 0,
               int32_t lngPaintMode = static_cast<int32_t>(gdi::SRCCOPY));
    void SetStretchMode(int32_t lngMode = gdi::COLORONCOLOR);
    int32_t GetSystemColour(int32_t lngIndex);

    // Properties.
    gdi::HDC hdc() const { return m_hDC; }
    vb::Int16 Width() const;
    vb::Int16 Height() const;

    // Input devices and windows: the desktop's keys, mouse buttons and cursor, the active window.
    // Flashes a window's caption intTimes times, lngIntervalTicks apart, the event loop running
    // between flashes; blnInvert False returns it to normal each time instead.
    void FlashWindow(gdi::HWND hWnd, vb::Int16 intTimes = 6, int32_t lngIntervalTicks = 400, bool blnInvert = true);
    bool IsFormActive(QWidget& frmName);
    // The first virtual-key code held down since before its previous query, -1 when none or when
    // enmKeyState is not 1.
    vb::Int16 GetKeyCode(int32_t enmKeyState = 1);
    gdi::HWND GetActivehWnd();
    // Each HideMouse needs a ShowMouse before the cursor shows again.
    void HideMouse();
    void ShowMouse();
    // True while the key or button is held, from the second query after it went down on.
    bool MouseKeyPressed(int32_t udtKey);
    // The cursor's screen position in pixels; both left as they are when it cannot be read.
    void MousePosition(vb::Int16& intX, vb::Int16& intY);

    // Blending, mirroring and turning rectangles of pixels; ellipses, angles, slopes, font sizes
    // and colours. Omitted sizes of WinBlend are the image's; the blend amounts are 0 to 1.
    void WinBlend(gdi::HDC lngPic1hDc, gdi::HDC lngPic2hDc, vb::Int16 intDestX = 0, vb::Int16 intDestY = 0,
                  vb::Int16 intWidth = -1, vb::Int16 intHeight = -1, vb::Int16 lngPic1X = 0, vb::Int16 lngPic1Y = 0,
                  vb::Int16 lngPic2X = 0, vb::Int16 lngPic2Y = 0, float sngBlendAmount = 0.5f,
                  int32_t enmMeasurement = Pixels);
    void BFAlphaBlend(gdi::HDC lngDesthDc, gdi::HDC lngSrc1hDc, gdi::HDC lngSrc2hDc, vb::Int16 intDestX,
                      vb::Int16 intDestY, vb::Int16 intWidth, vb::Int16 intHeight, vb::Int16 lngSrc1X,
                      vb::Int16 lngSrc1Y, vb::Int16 lngSrc2X, vb::Int16 lngSrc2Y, float sngBlendAmount = 0.5f,
                      gdi::HDC lngMaskhDc = 0, int32_t intMeasurement = Pixels);
    // Orientation 0 mirrors left to right, 1 top to bottom; any other value copies the top row alone.
    void FlipBitmap(vb::Int16 intDestX, vb::Int16 intDestY, vb::Int16 intWidth, vb::Int16 intHeight,
                    gdi::HDC lngSourcehDc, vb::Int16 intSourceX, vb::Int16 intSourceY, int32_t Orientation = 0,
                    int32_t udtMeasurement = Pixels);
    // Rotate 0 turns a quarter clockwise, 1 a quarter counter-clockwise, 2 a half turn; any other
    // value paints the turned area in the background colour.
    void RotateBitmap(gdi::HDC lngSourcehDc, int32_t Rotate, vb::Int16 intDestX, vb::Int16 intDestY,
                      vb::Int16 intSourceX, vb::Int16 intSourceY, vb::Int16 intWidth, vb::Int16 intHeight,
                      int32_t udtMeasurement = Pixels);
    int32_t FromRGB(uint8_t bytRed, uint8_t bytGreen, uint8_t bytBlue);
    // The point size at which strText fits the height, the width, or both; 0 without a font. With a
    // size to fit, the font is left at 8 points.
    vb::Int16 GetFontPointSize(QFont* fntDetails, const QString& strText = QStringLiteral("W"), vb::Int16 intHeight = 0,
                               vb::Int16 intWidth = 0, int32_t enmMeasurement = Pixels);
    // A hollow ellipse is only its outline; one whose half axes add up to 0 or less draws nothing.
    void DrawEllipse(vb::Int16 intCenterX, vb::Int16 intCenterY, vb::Int16 intHeight, vb::Int16 intWidth,
                     vb::Int16 intTiltAngle = 90, int32_t lngColour = 0, vb::Int16 intThickness = 1,
                     bool blnIsHollow = true, int32_t udtMesurement = Pixels);
    // Degrees from point 1 to point 2, clockwise on the screen from the right: 0 to 359.
    vb::Int16 GetAngle(vb::Int16 intX1, vb::Int16 intY1, vb::Int16 intX2, vb::Int16 intY2);
    // 0 for a horizontal or vertical segment.
    float Slope(vb::Int16 intX1, vb::Int16 intY1, vb::Int16 intX2, vb::Int16 intY2);

    // Shapes: a rounded rectangle, an inverted area, a polygon. DrawRoundRect fills in lngColour,
    // its corners quarters of an ellipse intEdgeRadius wide and high, into lnghDC or, when it is 0,
    // the image; the right and bottom edges are left out. Invert works in pixels, an omitted edge or a negative size
    // being the image's. DrawPoly joins the points (intX(i), intY(i)) and draws nothing unless both arrays have the
    // same bounds; in twips it drops the remainder of each division.
    void DrawRoundRect(int32_t lngColour, vb::Int16 intLeft, vb::Int16 intTop, vb::Int16 intRight, vb::Int16 intBottom,
                       vb::Int16 intEdgeRadius, int32_t udtMeasurement = Pixels, int32_t lngStyle = 0,
                       int32_t lngPattern = 8, gdi::HDC lnghDC = 0);
    void Invert(vb::Int16 intX = Omitted, vb::Int16 intY = Omitted, vb::Int16 intWidth = -1, vb::Int16 intHeight = -1);
    void DrawPoly(const vb::Array<vb::Int16>& intX, const vb::Array<vb::Int16>& intY, int32_t lngFillColour = 0,
                  int32_t lngBorderColour = 0, vb::Int16 intBorderWidth = 1, int32_t udtMeasurement = Pixels);

    // Pictures and window effects: the image to and from the platform's picture objects, a
    // window's caption animated into and out of the taskbar's notification area, a window kept
    // from repainting.
    // Re-creates the image at the picture's size in the button-face colour and draws the picture
    // into it. A palette the picture carries stays selected in the image's DC, and the picture
    // stays referenced with it, until the image is re-created or destroyed.
    void PictureTohDc(const forms::Picture& picPicture);
    // Hides the window; first, when the desktop has a notification area, a caption shrinks from
    // the window into it while the caller waits.
    void TitleToTray(forms::Form& frm);
    // Shows the window modeless; first, when the desktop has a notification area, a caption grows
    // from it to the window.
    void TrayToTitle(forms::Form& frm);
    // Only one window at a time: locking a second one leaves the first locked.
    void LockWindow(QWidget& FormName);
    void UnLockWindow(); // repaints the locked window
    // A bitmap picture of a copy of the image's pixels, which only the picture owns; no object
    // when the image has no DC. The image keeps its own bitmap and stays drawable.
    forms::Picture Picture();
    void setPicture(const forms::Picture& picPicture); // no object changes nothing

    // The screen's resolution. SetDisplay switches to a mode of that size, 32 bits per pixel, for
    // as long as the program runs (its end, however it comes, puts the old mode back); a size the
    // screen has no mode for changes nothing. ReturnOldDisplay puts back the mode the screen had
    // before the program first changed it, and does nothing unless SetDisplay was called since
    // the last return. Destroying the object leaves the screen as it is.
    void GetScreenRes(vb::Int16& intWidth, vb::Int16& intHeight);
    void SetDisplay(vb::Int16 intWidth, vb::Int16 intHeight);
    void ReturnOldDisplay();

    // Files, sizes and properties: the image loaded from and saved to picture files, resized,
    // cleared and painted from another DC; its background colour, position and icon.
    // The height of the font's text in pixels.
    vb::Int16 GetTextHeight(const QFont& fntFormat);
    // Replaces the image with a bitmap, icon or cursor file (by the name's ending, else
    // enmImageType 0, 1 or 2); an icon or cursor shows over the background colour. A file that
    // cannot be loaded leaves the image as it was. With enmMeasurement 0 the image's rectangle is
    // held in twips while the bitmap keeps its pixel size.
    void LoadBitmap(const QString& strFileName, int32_t enmImageType = 0, int32_t enmMeasurement = Pixels);
    // Resizes the image to the bitmap's size (its pixels are not copied); not a bitmap, nothing.
    void SizeToBitmap(gdi::HBITMAP hBitmap = 0, const bool& blnStretch = false);
    // Negative sizes keep the image's own. Without blnStretch the old pixels stay at the top left,
    // cropped or with the background colour beyond them; with it they are stretched to the new size.
    void ReSize(vb::Int16 intWidth = -1, vb::Int16 intHeight = -1, bool blnStretch = false);
    // Writes the image as a bitmap file, ".bmp" added unless the name ends so; a path that cannot
    // be written raises the runtime's error and leaves the image as it was. enmType is not used.
    void Save(const QString& strFileName, int32_t enmType = 1);
    void Cls(); // the whole image in the background colour
    // Copies an area of another DC into the image, stretched when the sizes differ. Negative
    // destination sizes are the image's, and so are negative source sizes; a size of 0 copies nothing.
    void PaintFrom(gdi::HDC lngSourceDC, vb::Int16 intSrcWidth = -1, vb::Int16 intSrcHeight = -1,
                   vb::Int16 intSrcLeft = 0, vb::Int16 intSrcTop = 0, vb::Int16 intDestLeft = 0,
                   vb::Int16 intDestTop = 0, vb::Int16 intDestWidth = -1, vb::Int16 intDestHeight = -1,
                   int32_t enmPaintMode = static_cast<int32_t>(gdi::SRCCOPY));
    QString SupportedFormats(); // "*.bmp"
    int32_t BackgroundColour() const { return m_lngBackgroundColour; }
    // A system colour is resolved now; the image is not repainted.
    void setBackgroundColour(int32_t lngNew);
    void setWidth(vb::Int16 intWidth); // resizes, keeping the height
    void setHeight(vb::Int16 intHeight); // resizes, keeping the width
    vb::Int16 Left() const;
    vb::Int16 Top() const;
    // Moves the edge; the opposite edge moves as far the other way, so the rectangle keeps its
    // centre. The bitmap does not change.
    void setLeft(vb::Int16 intLeft);
    void setTop(vb::Int16 intTop);
    // An icon of a copy of the image's pixels, every pixel showing; no object without a DC.
    forms::Picture Icon();

    // The screen, the desktop's wallpaper and a window copied into the image; the image shown
    // beside a menu item. Reading the screen needs an X server: elsewhere the copies take nothing.
    // Copies intDestWidth x intDestHeight (the image's size when negative) from (intScreenX,
    // intScreenY) of the screen to (intDestX, intDestY) of the image.
    void GetScreenShot(vb::Int16 intScreenX = 0, vb::Int16 intScreenY = 0, vb::Int16 intDestWidth = -1,
                       vb::Int16 intDestHeight = -1, vb::Int16 intDestX = 0, vb::Int16 intDestY = 0,
                       int32_t udtMeasurement = Pixels);
    // The same from the desktop as its wallpaper paints it, without the windows on it; without an X
    // server the area copied shows the background colour.
    void GetWallpaper(vb::Int16 intScreenX = 0, vb::Int16 intScreenY = 0, vb::Int16 intDestWidth = -1,
                      vb::Int16 intDestHeight = -1, vb::Int16 intDestX = 0, vb::Int16 intDestY = 0,
                      int32_t udtMeasurement = Pixels);
    // Re-creates the image as the whole window, frame included, at the window's size, its
    // rectangle keeping the window's screen position; unchanged when the window cannot be read.
    void GetWindowSnapShot(gdi::HWND hWnd);
    // Shows a bitmap beside the item at position lngSubPos1 of the menu reached from the window's
    // menu bar through lngTopPos, then lngSubPos2 and lngSubPos3 where they are not negative: the
    // bitmap selected into lnghDC, or the image's own when lnghDC is 0. A path that leads nowhere
    // changes nothing.
    void SetBmpToMenu(gdi::HWND hWnd, int32_t lngTopPos, int32_t lngSubPos1, int32_t lngSubPos2 = -1,
                      int32_t lngSubPos3 = -1, gdi::HDC lnghDC = 0);

private:
    // A work bitmap for the length of one of the calls above: a memory DC with a bitmap, filled
    // with the background colour, released however the call ends (a 16-bit overflow included).
    class WorkBitmap;

    friend struct clsBitmapInternals; // the tests reach the private routines through it

    gdi::HFONT CreateLogFont(const QFont& fntFormat, gdi::HFONT& lngPreviousFont, gdi::HDC lnghDC, vb::Int16 intAngle);
    void CreateMemoryBitmap(gdi::HDC& hDC, gdi::HBITMAP& hBitmap, gdi::HBITMAP& hOldBitmap, const gdi::RECT& rcSize,
                            gdi::HDC lngCompatibleDC, int32_t udtMeasurement, int32_t lngColour);
    void DestroyMemoryBitmap(gdi::HDC& hDC, gdi::HBITMAP& hBitmap, gdi::HBITMAP& hOldBitmap);
    void RectToPixels(gdi::RECT& rc);
    void RectToTwips(gdi::RECT& rc); // the inverse, to the nearest 32-bit whole number
    // A picture that owns the handle (and the palette, 0 for none) from now on.
    forms::Picture HandleToPicture(uint32_t lngHandle, gdi::HPALETTE lngPalette, int32_t lngPicType);
    // A picture of a copy of the bitmap in the DC. Neither bitmap handle is used: the DC keeps its
    // bitmap, so that each bitmap has one owner.
    forms::Picture MakePicture(gdi::HDC lnghDC, gdi::HBITMAP lnghBitmap, gdi::HBITMAP lnghBitmapSelect,
                               int32_t lngPicType);
    // The same of the image, for what cannot be empty (a bitmap file, an icon): an image without
    // pixels gives one pixel of its background colour on each side it lacks.
    forms::Picture MakeNonEmptyPicture(int32_t lngPicType);
    // The screen without the desktop's panels, in pixels.
    gdi::RECT GetWorkArea();
    // Finds the taskbar's notification area and reads its rectangle and the window's; false when
    // the desktop has none.
    bool FindNotificationArea(QWidget& frm);

    // Working values of the caption animation into and out of the notification area; they
    // persist between calls and nothing else reads them.
    gdi::RECT m_rcWindow{};
    gdi::RECT m_rcNotify{};
    gdi::HWND m_hTrayWnd = 0;
    gdi::HWND m_hChildWnd = 0;
    gdi::HWND m_hNotifyWnd = 0;
    std::array<char, 255> m_strClassName{};
    int32_t m_lngClassNameLength = 0;
    int32_t m_lngResult = 0;
    // Set while the display mode is changed.
    bool m_blnDisplayChanged = false;

    gdi::HDC m_hDC = 0; // the image DC; 0 when no image exists
    gdi::HBITMAP m_hBitmap = 0; // selected into m_hDC
    gdi::HBITMAP m_hOldBitmap = 0; // what m_hDC held before; put back before the DC goes
    gdi::RECT m_rcImage{}; // the image's extent in pixels
    int32_t m_lngBackgroundColour = 0; // resolved, never a system-colour code
    gdi::HDC m_lngCompatibleDC = 0; // what the last SetBitmap was compatible with (0 = the screen)
    // The picture whose palette PictureTohDc selected into m_hDC, and the palette it replaced,
    // selected back before the picture can go.
    forms::Picture m_picPalette;
    gdi::HPALETTE m_hOldPalette = 0;
};
