#pragma once

#include "graphics/clsBitmap.h"

// The work bitmap of the blending, mirroring, turning and measuring operations: made and released
// by the class's own routines, in pixels and in the image's background colour.
class clsBitmap::WorkBitmap {
public:
    WorkBitmap(clsBitmap& owner, int width, int height, gdi::HDC compatibleDC) : owner_(owner)
    {
        owner_.CreateMemoryBitmap(dc_, bitmap_, old_, {0, 0, width, height}, compatibleDC, Pixels,
                                  BackgroundColourMarker);
    }
    ~WorkBitmap() { owner_.DestroyMemoryBitmap(dc_, bitmap_, old_); }
    WorkBitmap(const WorkBitmap&) = delete;
    WorkBitmap& operator=(const WorkBitmap&) = delete;

    gdi::HDC dc() const { return dc_; }

private:
    clsBitmap& owner_;
    gdi::HDC dc_ = 0;
    gdi::HBITMAP bitmap_ = 0;
    gdi::HBITMAP old_ = 0;
};
