// The settings a DC keeps: background, text colour, current position, brush origin, stretch
// mode, polygon fill mode and colour adjustment.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"

#include <utility>

namespace gdi {

using namespace detail;

namespace {

// A DC setting replaced (the old value back) or read; `failure` when the handle names no DC.
template <class T>
T exchangeSetting(HDC hdc, T DeviceContext::*setting, T value, T failure)
{
    DeviceContext* dc = dcOf(hdc);
    return dc ? std::exchange(dc->*setting, value) : failure;
}

template <class T>
T readSetting(HDC hdc, T DeviceContext::*setting, T failure)
{
    const DeviceContext* dc = dcOf(hdc);
    return dc ? dc->*setting : failure;
}

bool movePoint(HDC hdc, POINT DeviceContext::*which, int x, int y, POINT* previous)
{
    DeviceContext* dc = dcOf(hdc);
    if (!dc)
        return false;
    if (previous)
        *previous = dc->*which;
    dc->*which = {x, y};
    return true;
}

bool readPoint(HDC hdc, POINT DeviceContext::*which, POINT* out)
{
    const DeviceContext* dc = dcOf(hdc);
    if (!dc || !out)
        return false;
    *out = dc->*which;
    return true;
}

} // namespace

int SetBkMode(HDC hdc, int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return exchangeSetting(hdc, &DeviceContext::bkMode, mode, 0);
}

int GetBkMode(HDC hdc) { return readSetting(hdc, &DeviceContext::bkMode, 0); }

COLORREF SetBkColor(HDC hdc, COLORREF colour)
{
    return exchangeSetting(hdc, &DeviceContext::bkColor, colour, CLR_INVALID);
}

COLORREF GetBkColor(HDC hdc) { return readSetting(hdc, &DeviceContext::bkColor, CLR_INVALID); }

COLORREF SetTextColor(HDC hdc, COLORREF colour)
{
    return exchangeSetting(hdc, &DeviceContext::textColor, colour, CLR_INVALID);
}

COLORREF GetTextColor(HDC hdc) { return readSetting(hdc, &DeviceContext::textColor, CLR_INVALID); }

bool MoveToEx(HDC hdc, int x, int y, POINT* previous)
{
    return movePoint(hdc, &DeviceContext::position, x, y, previous);
}
bool SetBrushOrgEx(HDC hdc, int x, int y, POINT* previous)
{
    return movePoint(hdc, &DeviceContext::brushOrigin, x, y, previous);
}
bool GetBrushOrgEx(HDC hdc, POINT* origin) { return readPoint(hdc, &DeviceContext::brushOrigin, origin); }

int SetStretchBltMode(HDC hdc, int mode)
{
    if (mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    return exchangeSetting(hdc, &DeviceContext::stretchMode, mode, 0);
}

int GetStretchBltMode(HDC hdc) { return readSetting(hdc, &DeviceContext::stretchMode, 0); }

int SetPolyFillMode(HDC hdc, int mode)
{
    if (mode != ALTERNATE && mode != WINDING)
        return 0;
    return exchangeSetting(hdc, &DeviceContext::polyFillMode, mode, 0);
}

int GetPolyFillMode(HDC hdc) { return readSetting(hdc, &DeviceContext::polyFillMode, 0); }

namespace {
bool isValid(const COLORADJUSTMENT& ca)
{
    const auto within = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    const auto gamma = [&](int g) { return within(g, 2500, 65000); };
    const auto tweak = [&](int t) { return within(t, -100, 100); };
    return ca.caSize == sizeof(COLORADJUSTMENT) && (ca.caFlags & ~(CA_NEGATIVE | CA_LOG_FILTER)) == 0
           && ca.caIlluminantIndex <= ILLUMINANT_MAX_INDEX && gamma(ca.caRedGamma) && gamma(ca.caGreenGamma)
           && gamma(ca.caBlueGamma) && within(ca.caReferenceBlack, 0, 4000) && within(ca.caReferenceWhite, 6000, 10000)
           && tweak(ca.caContrast) && tweak(ca.caBrightness) && tweak(ca.caColorfulness) && tweak(ca.caRedGreenTint);
}
} // namespace

bool SetColorAdjustment(HDC hdc, const COLORADJUSTMENT* adjustment)
{
    DeviceContext* dc = dcOf(hdc);
    if (!dc || !adjustment || !isValid(*adjustment))
        return false;
    dc->adjustment = *adjustment;
    return true;
}

bool GetColorAdjustment(HDC hdc, COLORADJUSTMENT* adjustment)
{
    const DeviceContext* dc = dcOf(hdc);
    if (!dc || !adjustment)
        return false;
    *adjustment = dc->adjustment;
    return true;
}

} // namespace gdi
