// The screen's display modes: the primary output's modes through RandR, and a temporary change
// that the program's end undoes.
#include "platform/gdi/DisplayGuard.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/XConnection.h"
#include "platform/gdi/XRandr.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cstring>

namespace gdi {

namespace {

constexpr uint16_t kSpecVersion = 0x0401;
// How long a change waits for the program's screens to show it.
constexpr int kScreenUpdateMs = 2000;

bool acceptable(const DEVMODEA* mode) { return mode && mode->dmSize >= sizeof(DEVMODEA); }

void fill(DEVMODEA& record, const std::string& device, const detail::OutputMode& mode, uint32_t bitsPerPixel)
{
    std::memset(record.dmDeviceName, 0, sizeof record.dmDeviceName);
    std::memcpy(record.dmDeviceName, device.data(), std::min(device.size(), sizeof record.dmDeviceName - 1));
    record.dmSpecVersion = kSpecVersion;
    record.dmDriverExtra = 0;
    record.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
    record.dmBitsPerPel = bitsPerPixel;
    record.dmPelsWidth = mode.width;
    record.dmPelsHeight = mode.height;
    record.dmDisplayFrequency = mode.frequency;
}

const detail::OutputMode* currentMode(const detail::PrimaryOutput& output)
{
    const auto it = std::find_if(output.modes.begin(), output.modes.end(), [&](const detail::OutputMode& m) {
        return output.current && m.id == output.current->mode;
    });
    return it == output.modes.end() ? nullptr : &*it;
}

// The output's first mode that has what the record gives; the size not given is the current one.
const detail::OutputMode* matching(const detail::PrimaryOutput& output, const DEVMODEA& record, uint32_t bitsPerPixel)
{
    const detail::OutputMode* current = currentMode(output);
    if ((record.dmFields & DM_BITSPERPEL) && record.dmBitsPerPel != bitsPerPixel)
        return nullptr;
    const auto it = std::find_if(output.modes.begin(), output.modes.end(), [&](const detail::OutputMode& m) {
        const bool width =
            (record.dmFields & DM_PELSWIDTH) ? m.width == record.dmPelsWidth : current && m.width == current->width;
        const bool height = (record.dmFields & DM_PELSHEIGHT) ? m.height == record.dmPelsHeight
                                                              : current && m.height == current->height;
        const bool frequency = !(record.dmFields & DM_DISPLAYFREQUENCY) || record.dmDisplayFrequency <= 1
                               || m.frequency == record.dmDisplayFrequency;
        return width && height && frequency;
    });
    return it == output.modes.end() ? nullptr : &*it;
}

// The program's screens learn of the change from the server's notices; the caller reads them
// as soon as the call returns, as it would after the platform's own change.
void waitForScreens(uint16_t width, uint16_t height)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kScreenUpdateMs) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen || screen->geometry().size() == QSize(width, height))
            return;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    }
}

int32_t returnToOriginal()
{
    const detail::CrtcSetting* original = detail::originalSetting();
    if (!original)
        return DISP_CHANGE_SUCCESSFUL;
    xcb_connection_t* c = detail::x11Connection();
    if (!c || !detail::applySetting(c, *original))
        return DISP_CHANGE_FAILED;
    detail::setDisplayChanged(false);
    waitForScreens(original->width, original->height);
    return DISP_CHANGE_SUCCESSFUL;
}

} // namespace

bool EnumDisplaySettingsA(const char* deviceName, uint32_t modeNumber, DEVMODEA* mode)
{
    if (!acceptable(mode) || (deviceName && *deviceName))
        return false;
    xcb_connection_t* c = detail::x11Connection();
    const auto output = detail::primaryOutput(c);
    if (!output)
        return false;
    const detail::OutputMode* chosen = nullptr;
    if (modeNumber == ENUM_CURRENT_SETTINGS)
        chosen = currentMode(*output);
    else if (modeNumber < output->modes.size())
        chosen = &output->modes[modeNumber];
    if (!chosen)
        return false;
    fill(*mode, output->name, *chosen, detail::screenBitsPerPixel(c));
    return true;
}

int32_t ChangeDisplaySettingsA(DEVMODEA* mode, uint32_t flags)
{
    if (!mode)
        return flags == 0 ? returnToOriginal() : DISP_CHANGE_BADFLAGS;
    if (flags != CDS_TEST && flags != CDS_FULLSCREEN)
        return DISP_CHANGE_BADFLAGS;
    if (!acceptable(mode))
        return DISP_CHANGE_BADPARAM;
    xcb_connection_t* c = detail::x11Connection();
    const auto output = detail::primaryOutput(c);
    if (!output)
        return DISP_CHANGE_FAILED;
    const detail::OutputMode* target = matching(*output, *mode, detail::screenBitsPerPixel(c));
    if (!target)
        return DISP_CHANGE_BADMODE;
    if (flags == CDS_TEST)
        return DISP_CHANGE_SUCCESSFUL;
    if (!output->current)
        return DISP_CHANGE_FAILED;
    detail::rememberOriginalSetting(*output->current);
    // Said before it is done: a program that ends half-way through still gets its screen back.
    detail::setDisplayChanged(true);
    const detail::CrtcSetting setting = detail::withMode(c, *output->current, *target);
    if (!detail::applySetting(c, setting))
        return DISP_CHANGE_FAILED;
    waitForScreens(setting.width, setting.height);
    return DISP_CHANGE_SUCCESSFUL;
}

} // namespace gdi
