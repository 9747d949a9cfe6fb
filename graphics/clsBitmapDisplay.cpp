// The screen's resolution: read, changed for as long as the program runs, and put back.
#include "graphics/clsBitmap.h"

#include "platform/forms/Screen.h"
#include "platform/gdi/Gdi.h"
#include "platform/vb/Numbers.h"

void clsBitmap::GetScreenRes(vb::Int16& intWidth, vb::Int16& intHeight)
{
    intWidth = vb::CInt(forms::Screen::Width() / forms::Screen::TwipsPerPixelX());
    intHeight = vb::CInt(forms::Screen::Height() / forms::Screen::TwipsPerPixelY());
}

void clsBitmap::SetDisplay(vb::Int16 intWidth, vb::Int16 intHeight)
{
    gdi::DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    gdi::EnumDisplaySettingsA(nullptr, 0, &mode);
    // The record's fields are 32-bit, so a negative size reaches the test as a size no screen has.
    mode.dmPelsWidth = static_cast<uint32_t>(static_cast<int32_t>(intWidth.value()));
    mode.dmPelsHeight = static_cast<uint32_t>(static_cast<int32_t>(intHeight.value()));
    mode.dmBitsPerPel = 32;
    mode.dmFields = gdi::DM_BITSPERPEL | gdi::DM_PELSWIDTH | gdi::DM_PELSHEIGHT;
    if (gdi::ChangeDisplaySettingsA(&mode, gdi::CDS_TEST) == gdi::DISP_CHANGE_SUCCESSFUL)
        gdi::ChangeDisplaySettingsA(&mode, gdi::CDS_FULLSCREEN);
    m_blnDisplayChanged = true;
}

void clsBitmap::ReturnOldDisplay()
{
    if (!m_blnDisplayChanged)
        return;
    gdi::ChangeDisplaySettingsA(nullptr, 0);
    m_blnDisplayChanged = false;
}
