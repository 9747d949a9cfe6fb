#pragma once

#include "platform/gdi/HandleTable.h"
#include "platform/gdi/Types.h"
#include "platform/raster/Pattern.h"
#include "platform/raster/PixelBuffer.h"
#include "platform/raster/Surface.h"

#include <QFont>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

// The objects behind the handles, for the layer's own use.
namespace gdi::detail {

class ClientSurface;

struct Bitmap : Object {
    static constexpr Kind kKind = Kind::Bitmap;
    Bitmap(int w, int h) : Object(kKind), width(w), height(h), pixels(static_cast<size_t>(w) * h, raster::kOpaque) {}

    raster::Surface surface() { return {pixels.data(), width, height, width}; }

    int width;
    int height;
    raster::PixelBuffer pixels; // Format_RGB32, rows of `width` pixels, black when created
    HDC selectedInto = 0; // a bitmap lives in one memory DC at a time (except the stock one)
};

struct Brush : Object {
    static constexpr Kind kKind = Kind::Brush;
    explicit Brush(const LOGBRUSH& r) : Object(kKind), record(r) {}
    LOGBRUSH record;
};

struct Pen : Object {
    static constexpr Kind kKind = Kind::Pen;
    explicit Pen(const LOGPEN& r) : Object(kKind), record(r) {}
    LOGPEN record;
};

struct Font : Object {
    static constexpr Kind kKind = Kind::Font;
    explicit Font(const LOGFONTA& r) : Object(kKind), record(r) {}
    LOGFONTA record;
    std::optional<QFont> qfont; // made on first use, when a GUI application surely exists
};

struct Palette : Object {
    static constexpr Kind kKind = Kind::Palette;
    explicit Palette(std::vector<PALETTEENTRY> e) : Object(kKind), entries(std::move(e)) {}
    std::vector<PALETTEENTRY> entries;
};

// An icon keeps its own copies of the colour and mask pixels.
struct Icon : Object {
    static constexpr Kind kKind = Kind::Icon;
    Icon(const Bitmap& c, const Bitmap& m, const ICONINFO& i)
        : Object(kKind), width(c.width), height(c.height), colour(c.pixels), mask(m.pixels), info(i)
    {
    }
    int width;
    int height;
    raster::PixelBuffer colour;
    raster::PixelBuffer mask;
    ICONINFO info; // the bitmap handles in it are the creator's, not ours
};

// A program window known to the layer: its client area can be drawn on through a DC.
struct Window : Object {
    static constexpr Kind kKind = Kind::Window;
    Window() : Object(kKind) {}
    QPointer<QWidget> widget;
    // A window of the desktop rather than ours (the taskbar and its notification area): the X
    // window it stands for and the class name it answers with.
    uint32_t desktopWindow = 0;
    const char* desktopClass = nullptr;
    QPointer<ClientSurface> surface; // made by the first DC of the window
    HDC ownDC = 0;
    bool flashed = false; // in the attention look FlashWindow gives
};

// A window's menu bar (its top-level menus) or one menu of it.
struct Menu : Object {
    static constexpr Kind kKind = Kind::Menu;
    Menu() : Object(kKind) {}
    QPointer<QWidget> bar; // the window whose menu bar this is
    QPointer<QMenu> menu; // or the menu itself
};

struct DeviceContext : Object {
    static constexpr Kind kKind = Kind::DC;
    enum class Type { Memory, Screen, Window };
    explicit DeviceContext(Type t) : Object(kKind), type(t) {}

    Type type;
    HWND window = 0; // Window type: whose client area; Screen type: whose frame, 0 for the whole screen
    bool own = false; // the window's own DC: released with the window, not by ReleaseDC

    HBITMAP bitmap = 0; // Memory type only
    Bitmap* bitmapObject = nullptr;
    HBRUSH brush = 0;
    HPEN pen = 0;
    HFONT font = 0;
    HPALETTE palette = 0;

    int bkMode = OPAQUE;
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF textColor = RGB(0, 0, 0);
    POINT position;
    POINT brushOrigin;
    int stretchMode = BLACKONWHITE;
    int polyFillMode = ALTERNATE;
    COLORADJUSTMENT adjustment;
};

DeviceContext* dcOf(HDC hdc);
// The pixels a DC draws on: the selected bitmap, or the window's client area; none for the screen.
std::optional<raster::Surface> targetOf(const DeviceContext& dc);
// Tells a window that part of its client area was drawn on, so it shows it.
void markChanged(const DeviceContext& dc, const raster::Rect& area);
// The selected brush as a pattern, with the DC's background mode, colour and brush origin.
raster::Pattern patternOf(const DeviceContext& dc);

// Reads width x height pixels from (x, y) of a screen or window-frame DC into a buffer of that size;
// what lies beyond the screen or the window is black, and `onScreen`, where given, is told the part
// of the buffer that was read. Nullopt without an X server to read from.
std::optional<raster::PixelBuffer> readScreen(const DeviceContext& dc, int64_t x, int64_t y, int width, int height,
                                              raster::Rect* onScreen = nullptr);

// Deletes any kind of DC, letting go of what is selected into it.
void destroyDC(HDC hdc);

// Stock objects by the platform's numbers, plus the 1 x 1 bitmap every new memory DC holds.
HGDIOBJ stockObject(int id);
HBITMAP stockBitmap();

// Takes an object into a DC's slot, letting go of the one it held; returns that one.
HGDIOBJ swapInto(HGDIOBJ& slot, HGDIOBJ object, HDC hdc);

} // namespace gdi::detail
