#pragma once

#include "platform/gdi/Types.h"

#include <QImage>

#include <vector>

class QWidget;

// Our own software implementation of the graphics calls the bitmap class makes, over plain pixel
// buffers. Every call names its objects by handle; a call with a handle that names nothing, or
// the wrong kind of object, fails quietly and changes nothing, and reports failure the way the
// platform does (0, false or CLR_INVALID).
namespace gdi {

// Device contexts. A memory DC draws on the bitmap selected into it; a new one holds a 1 x 1
// stock bitmap, which is nothing to draw on. GetDC(0) is the screen: it has the screen's
// capabilities and nothing to draw on.
// GetDC(window) draws on the window's client area, which shows it.
// On X11 the screen's DC and a window's frame DC (GetWindowDC) can be read: a copy from them takes
// the pixels the screen shows; without an X server (Wayland, offscreen) copying from them fails.
HDC CreateCompatibleDC(HDC hdc);
bool DeleteDC(HDC hdc);
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);
// Puts a bitmap, brush, pen or font into a DC; returns what it displaced, 0 on failure.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC hdc, uint32_t objectType);

int SetBkMode(HDC hdc, int mode); // previous mode, 0 on failure
int GetBkMode(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF colour); // previous colour, CLR_INVALID on failure
COLORREF GetBkColor(HDC hdc);
COLORREF SetTextColor(HDC hdc, COLORREF colour);
COLORREF GetTextColor(HDC hdc);
bool MoveToEx(HDC hdc, int x, int y, POINT* previous);
bool SetBrushOrgEx(HDC hdc, int x, int y, POINT* previous);
bool GetBrushOrgEx(HDC hdc, POINT* origin);
int SetStretchBltMode(HDC hdc, int mode); // previous mode, 0 on failure
int GetStretchBltMode(HDC hdc);
bool SetColorAdjustment(HDC hdc, const COLORADJUSTMENT* adjustment);
bool GetColorAdjustment(HDC hdc, COLORADJUSTMENT* adjustment);
int GetDeviceCaps(HDC hdc, int index);

// Objects.
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height); // 32-bit, black
HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);
HPEN CreatePenIndirect(const LOGPEN* pen);
HFONT CreateFontIndirectA(const LOGFONTA* font);
HGDIOBJ GetStockObject(int id);
bool DeleteObject(HGDIOBJ object);
int GetObjectA(HGDIOBJ object, int size, void* record); // bytes written, 0 on failure
uint32_t GetObjectType(HGDIOBJ object); // 0 when the handle names nothing

// Raster operations: any of the 256 ternary codes (raster/Rop3.h), with the DC's brush as the
// pattern. StretchBlt samples by the destination DC's stretch mode.
bool PatBlt(HDC hdc, int x, int y, int width, int height, uint32_t rop);
bool BitBlt(HDC hdc, int x, int y, int width, int height, HDC source, int sx, int sy, uint32_t rop);
bool StretchBlt(HDC hdc, int x, int y, int width, int height, HDC source, int sx, int sy, int sourceWidth,
                int sourceHeight, uint32_t rop);
COLORREF GetPixel(HDC hdc, int x, int y);
// What GetPixel gives at each of width x height pixels from (x, y), row by row, read at once: a pixel
// of the screen read alone is a round trip to the X server. Empty for an area that is empty or
// larger than 16 Mi pixels.
std::vector<COLORREF> GetPixels(HDC hdc, int x, int y, int width, int height);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF colour);

// Lines and text.
bool Polyline(HDC hdc, const POINT* points, int count);
int DrawTextA(HDC hdc, const char* text, int count, RECT* rect, uint32_t format);

// Blending, filled shapes and text measures.
// AlphaBlend mixes the source rectangle over the destination with the blend function's constant
// alpha (blendFunction() in Types.h packs it): each channel becomes the nearest whole number to
// source * alpha / 255 + destination * (255 - alpha) / 255. It blends unscaled only and without
// per-pixel alpha; it fails, drawing nothing, for another operation, flags or alpha format, a
// negative size, two sizes that differ, a source rectangle reaching outside the source bitmap, or
// a source overlapping the destination in the same bitmap.
bool AlphaBlend(HDC hdc, int x, int y, int width, int height, HDC source, int sx, int sy, int sourceWidth,
                int sourceHeight, uint32_t blend);
// Fills the closed polygon with the DC's brush by its fill mode, then outlines it with its pen.
// Pixel (x, y) is inside when the point (x, y) is; a point exactly on an edge belongs to the
// shape on the edge's right (below a horizontal one), so polygons that share an edge never fill
// a pixel twice and the outline meets the fill without a gap.
bool Polygon(HDC hdc, const POINT* points, int count);
int SetPolyFillMode(HDC hdc, int mode); // previous mode, 0 on failure
int GetPolyFillMode(HDC hdc);
// Width and height of the text in the DC's font, as one line (no line breaks or prefixes); the
// height is the font's ascent plus descent.
bool GetTextExtentPoint32A(HDC hdc, const char* text, int count, SIZE* size);
// The measures of the DC's font, the height being the same as GetTextExtentPoint32A's.
bool GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics);

// Palettes. The screen shows true colour: it has no palette of its own (no RC_PALETTE), so a
// palette selected into a DC changes none of its colours and realizing one maps nothing, but
// palettes are objects like any other and a DC holds the one selected last (a new DC holds the
// stock DEFAULT_PALETTE).
HPALETTE CreatePalette(const LOGPALETTE* palette); // 0 without entries or with more than 256
// Returns the palette it replaces, 0 on failure. A palette selected into a DC cannot be deleted.
HPALETTE SelectPalette(HDC hdc, HPALETTE palette, bool forceBackground);
uint32_t RealizePalette(HDC hdc); // entries mapped into the system palette, GDI_ERROR on failure
// Entries of the device's system palette; 0 on a device without one, as every device here is.
uint32_t GetSystemPaletteEntries(HDC hdc, uint32_t start, uint32_t count, PALETTEENTRY* entries);
uint32_t GetPaletteEntries(HPALETTE palette, uint32_t start, uint32_t count, PALETTEENTRY* entries);

// Icons: made from copies of a colour and a mask bitmap, which stay the caller's. GetIconInfo
// gives new copies of both, which become the caller's to delete. DeleteObject does not take icons.
HICON CreateIconIndirect(const ICONINFO* info);
bool DestroyIcon(HICON icon);
bool GetIconInfo(HICON icon, ICONINFO* info);

// Rounded rectangles and inverted areas.
// RoundRect outlines the rectangle with the DC's pen and fills it with its brush, as Polygon does,
// each corner cut along a quarter of an ellipse `width` x `height` pixels (held to the rectangle's
// size). As with every rectangle the platform draws, the right and bottom edges are left out: the
// shape covers columns left to right - 1 and rows top to bottom - 1, and the pen its edge pixels,
// those touching a pixel outside, corners included. A pixel of a corner belongs to the shape when
// its centre lies within the ellipse, so a corner under 2 x 2 pixels is square. An empty
// rectangle draws nothing.
bool RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height);
// Inverts every bit of each pixel's colour from (left, top) up to, not including, (right, bottom),
// a rectangle given the wrong way round turned the right way first; an empty one inverts nothing.
bool InvertRect(HDC hdc, const RECT* rect);

// Picture files: with LR_LOADFROMFILE and no module, a BMP file as a new bitmap (IMAGE_BITMAP), an
// ICO or CUR file as a new icon (IMAGE_ICON, IMAGE_CURSOR; a cursor keeps its hot spot), the
// file's first picture at its own size (width and height 0; no other size is made). A pixel less
// than half opaque is transparent in an icon. Returns 0 when the file cannot be read as that type;
// a header claiming more pixels than Qt's image reader allows by default (64 Mi) is refused before
// anything is allocated for it.
uint32_t LoadImageA(uint32_t instance, const char* name, uint32_t type, int width, int height, uint32_t flags);

// The system.
COLORREF GetSysColor(int index);
uint32_t GetTickCount();
void Sleep(uint32_t milliseconds);
void DoEvents(); // handles the window events that are waiting, then returns

// Program windows. The handle of a widget (made on first use, gone with the widget), and the
// widget's own DC, which lives as long as the widget and needs no release.
HWND windowHandle(QWidget* widget);
HDC windowDC(QWidget* widget);

// The user's input devices and the program's windows on the desktop.
// invert true toggles a window between its normal and its attention-seeking look (on X11 the
// urgency hint that panels show); false returns it to normal. True when it showed the attention
// look before the call.
bool FlashWindow(HWND hwnd, bool invert);
HWND GetActiveWindow(); // the program's active window, 0 when none of ours is active
// The whole desktop's state of a key or mouse button by its virtual-key code (VirtualKeys.h):
// 0x8000 while it is down, plus 1 when it went down since the previous query of the same code.
// Without an X server it knows what the program's own windows receive.
int16_t GetAsyncKeyState(int virtualKey);
bool GetCursorPos(POINT* point); // screen pixels
// Raises or lowers the display count; the cursor is hidden over every program window while the
// count is below 0. Returns the new count.
int ShowCursor(bool show);

// The desktop's window tree. The system tray of the desktop (on X11 the owner of the
// _NET_SYSTEM_TRAY_S0 selection) stands as the taskbar, class "Shell_TrayWnd", whose one child, class
// "TrayNotifyWnd", is the tray's notification area; without a tray there is no taskbar. Program
// windows answer with a class name of our own, "Zenvortali:" and the kind of window, and their
// children are the widgets within them.
HWND FindWindowA(const char* className, const char* windowName); // a null name matches any
HWND GetWindow(HWND hwnd, uint32_t relation); // GW_CHILD, GW_HWNDNEXT or GW_HWNDPREV; 0 when none
// Copies the class name, cut to maxCount - 1 bytes and zero-terminated; returns the bytes copied.
int GetClassNameA(HWND hwnd, char* className, int maxCount);
bool GetWindowRect(HWND hwnd, RECT* rect); // the outer rectangle, screen pixels
// The whole window, frame included, as the screen shows it: a DC to copy from (drawing on it draws
// nothing), its origin at the frame's top-left corner; 0 without an X server to read from. Given
// back with ReleaseDC.
HDC GetWindowDC(HWND hwnd);
// Fills the DC with the desktop's wallpaper as seen from the screen's top-left corner: the pixmap a
// desktop published on the root window (_XROOTPMAP_ID), tiled, else the desktop colour
// (COLOR_BACKGROUND). False, painting nothing, without an X server.
bool PaintDesktop(HDC hdc);
// SPI_GETWORKAREA only: the screen without the desktop's panels, as the window manager publishes it
// (_NET_WORKAREA), else as Qt knows it. False for any other action or without a screen.
bool SystemParametersInfoA(uint32_t action, uint32_t param, void* value, uint32_t winIni);

// Menus. A window's menu bar holds the menus the window owns directly (QMenu children, in the
// order made), shown or only popped up; a menu's items are its visible actions, separators
// included (a hidden item is not in the menu and takes no position).
// Handles live as long as their window or menu.
HMENU GetMenu(HWND hwnd); // 0 when the window has no menu
HMENU GetSubMenu(HMENU menu, int position); // 0 when the item opens no menu
// The item's command identifier (given to each item when first asked), 0 for a separator,
// 0xFFFFFFFF for an item that opens a menu or a position with no item.
uint32_t GetMenuItemID(HMENU menu, int position);
// The pictures shown beside the item, unchecked and checked: copies of the bitmaps' pixels now.
// Both 0 take them away. flags MF_BYCOMMAND names the item by identifier, searched in the menu and
// the menus it opens, or MF_BYPOSITION by position.
bool SetMenuItemBitmaps(HMENU menu, uint32_t item, uint32_t flags, HBITMAP unchecked, HBITMAP checked);
// The caption animation (IDANI_CAPTION): an outline that moves and shrinks from one rectangle
// to the other over about a quarter of a second above every window, then goes. The caller waits
// for it; no window event is handled meanwhile. The window argument is not used.
bool DrawAnimatedRects(HWND hwnd, int animation, const RECT* from, const RECT* to);
// Stops a window (with its children) from repainting until LockWindowUpdate(0), which repaints
// it. One window at a time: locking another while one is locked fails and the first stays locked.
bool LockWindowUpdate(HWND hwnd);

// Display modes of the screen's primary output (on X11 through RandR; without an X server there
// are none). EnumDisplaySettingsA, for the default device only (a null or empty name), fills the
// record with mode modeNumber of the output's list, or with the mode in use for
// ENUM_CURRENT_SETTINGS; false past the list's end or when the record's dmSize is too short.
// ChangeDisplaySettingsA takes a record with the size (and the bits per pixel and frequency where
// dmFields names them) of one of those modes:
// - CDS_TEST: DISP_CHANGE_SUCCESSFUL when the output has such a mode, an error code otherwise;
// - CDS_FULLSCREEN: switches to it until the program ends, however it ends (a crash and a kill
//   included), or until a call with no record and flags 0, which returns the screen to the mode it
//   had before the program first changed it (and does nothing when the program never did).
// Other flags give DISP_CHANGE_BADFLAGS. The program's screens show the new size when it returns.
bool EnumDisplaySettingsA(const char* deviceName, uint32_t modeNumber, DEVMODEA* mode);
int32_t ChangeDisplaySettingsA(DEVMODEA* mode, uint32_t flags);

// For tests and diagnostics: how many objects of each kind are alive, and a DC's pixels.
struct HandleStats {
    int live = 0;
    int dcs = 0;
    int bitmaps = 0;
    int brushes = 0;
    int pens = 0;
    int fonts = 0;
    int windows = 0;
    int palettes = 0;
    int icons = 0;
    int tableSize = 0; // slots in the table, used or not

    bool operator==(const HandleStats&) const = default;
};
HandleStats handleStats();
QImage snapshot(HDC hdc); // a copy; null when the DC has nothing to draw on
bool isFlashed(HWND hwnd); // whether FlashWindow left the window in its attention look

} // namespace gdi
