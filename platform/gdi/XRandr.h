#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct xcb_connection_t;

// The screen's display modes through the X server's RandR extension (version 1.2 or later), on any
// connection: Qt's while the program runs, one of its own when the program ends.
namespace gdi::detail {

struct OutputMode {
    uint32_t id = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint32_t frequency = 0; // whole hertz
};

// What the primary output shows and how the screen around it is sized: enough to put it back.
struct CrtcSetting {
    uint32_t crtc = 0;
    uint32_t mode = 0;
    int16_t x = 0;
    int16_t y = 0;
    uint16_t rotation = 0;
    std::vector<uint32_t> outputs;
    uint16_t width = 0; // what the output covers of the screen, turned as it shows it
    uint16_t height = 0;
    uint16_t screenWidth = 0;
    uint16_t screenHeight = 0;
    uint32_t screenWidthMm = 0;
    uint32_t screenHeightMm = 0;
};

// The primary output (or the first one lit when none is marked primary): its name and its modes
// in the server's order, the preferred first. Nothing without RandR.
struct PrimaryOutput {
    std::string name;
    std::vector<OutputMode> modes;
    std::optional<CrtcSetting> current; // none while the output is off
};
std::optional<PrimaryOutput> primaryOutput(xcb_connection_t* connection);
uint32_t screenBitsPerPixel(xcb_connection_t* connection);

// The setting with another mode of the same CRTC, the screen sized to hold every lit output, the
// dots per inch kept.
CrtcSetting withMode(xcb_connection_t* connection, const CrtcSetting& current, const OutputMode& mode);
// Shows the setting, resizing the screen around it; false when the server refuses.
bool applySetting(xcb_connection_t* connection, const CrtcSetting& setting);

} // namespace gdi::detail
