#pragma once

#include "graphics/clsBitmap.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/RuntimeError.h"

#include <QImage>

#include <array>
#include <functional>

// The tests' way to the private routines and fields of clsBitmap (a friend of the class).
struct clsBitmapInternals {
    static int32_t background(const clsBitmap& b) { return b.m_lngBackgroundColour; }
    static gdi::RECT& image(clsBitmap& b) { return b.m_rcImage; }
    static gdi::HDC compatibleDC(const clsBitmap& b) { return b.m_lngCompatibleDC; }
    static void release(clsBitmap& b) { b.DestroyMemoryBitmap(b.m_hDC, b.m_hBitmap, b.m_hOldBitmap); }
    static void destroy(clsBitmap& b, gdi::HDC& dc, gdi::HBITMAP& bitmap, gdi::HBITMAP& old)
    {
        b.DestroyMemoryBitmap(dc, bitmap, old);
    }
    static void create(clsBitmap& b, gdi::HDC& dc, gdi::HBITMAP& bitmap, gdi::HBITMAP& old, const gdi::RECT& rc,
                       gdi::HDC compatible, int32_t measurement, int32_t colour)
    {
        b.CreateMemoryBitmap(dc, bitmap, old, rc, compatible, measurement, colour);
    }
    static void rectToPixels(clsBitmap& b, gdi::RECT& rc) { b.RectToPixels(rc); }
    static forms::Picture makePicture(clsBitmap& b, int32_t type)
    {
        return b.MakePicture(b.m_hDC, b.m_hBitmap, b.m_hOldBitmap, type);
    }
    static bool displayChanged(const clsBitmap& b) { return b.m_blnDisplayChanged; }
    static gdi::HFONT createLogFont(clsBitmap& b, const QFont& font, gdi::HFONT& previous, gdi::HDC dc, vb::Int16 angle)
    {
        return b.CreateLogFont(font, previous, dc, angle);
    }
};

namespace testing {

inline QImage pixelsOf(const clsBitmap& b) { return gdi::snapshot(b.hdc()); }

// The handle table's counts of live objects (the table's own size may grow on first use).
inline gdi::HandleStats counts()
{
    gdi::HandleStats s = gdi::handleStats();
    s.tableSize = 0;
    return s;
}

// What a DC holds, to show an operation leaves it as it found it.
inline std::array<gdi::HGDIOBJ, 4> selection(gdi::HDC dc)
{
    return {gdi::GetCurrentObject(dc, gdi::OBJ_BITMAP), gdi::GetCurrentObject(dc, gdi::OBJ_BRUSH),
            gdi::GetCurrentObject(dc, gdi::OBJ_PEN), gdi::GetCurrentObject(dc, gdi::OBJ_FONT)};
}

// The run-time error number a call raises, 0 when it raises none.
inline int errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const vb::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace testing
