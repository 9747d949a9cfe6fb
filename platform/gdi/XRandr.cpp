#include "platform/gdi/XRandr.h"

#include "platform/gdi/XConnection.h"

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace gdi::detail {

namespace {

bool hasRandr12(xcb_connection_t* c)
{
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(c, &xcb_randr_id);
    if (!extension || !extension->present)
        return false;
    const Reply<xcb_randr_query_version_reply_t> version{
        xcb_randr_query_version_reply(c, xcb_randr_query_version(c, 1, 2), nullptr)};
    return version && (version->major_version > 1 || version->minor_version >= 2);
}

Reply<xcb_randr_get_screen_resources_current_reply_t> resources(xcb_connection_t* c)
{
    return Reply<xcb_randr_get_screen_resources_current_reply_t>{xcb_randr_get_screen_resources_current_reply(
        c, xcb_randr_get_screen_resources_current(c, x11Root(c)), nullptr)};
}

uint32_t frequencyOf(const xcb_randr_mode_info_t& m)
{
    double lines = m.vtotal;
    if (m.mode_flags & XCB_RANDR_MODE_FLAG_DOUBLE_SCAN)
        lines *= 2;
    if (m.mode_flags & XCB_RANDR_MODE_FLAG_INTERLACE)
        lines /= 2;
    const double dots = static_cast<double>(m.htotal) * lines;
    return dots > 0 ? static_cast<uint32_t>(std::lround(m.dot_clock / dots)) : 0;
}

bool sideways(uint16_t rotation) { return rotation & (XCB_RANDR_ROTATION_ROTATE_90 | XCB_RANDR_ROTATION_ROTATE_270); }

struct ScreenSize {
    uint16_t width = 0;
    uint16_t height = 0;
    uint32_t widthMm = 0;
    uint32_t heightMm = 0;
};

ScreenSize screenSize(xcb_connection_t* c)
{
    ScreenSize size;
    const Reply<xcb_get_geometry_reply_t> root{xcb_get_geometry_reply(c, xcb_get_geometry(c, x11Root(c)), nullptr)};
    if (root) {
        size.width = root->width;
        size.height = root->height;
    }
    const Reply<xcb_randr_get_screen_info_reply_t> info{
        xcb_randr_get_screen_info_reply(c, xcb_randr_get_screen_info(c, x11Root(c)), nullptr)};
    if (info && info->sizeID < xcb_randr_get_screen_info_sizes_length(info.get())) {
        const xcb_randr_screen_size_t& s = xcb_randr_get_screen_info_sizes(info.get())[info->sizeID];
        size.widthMm = s.mwidth;
        size.heightMm = s.mheight;
    }
    return size;
}

// Millimetres for a new pixel size at the old size's dots per inch (96 when the server gives none).
uint32_t millimetres(uint32_t pixels, uint32_t oldPixels, uint32_t oldMm)
{
    if (oldPixels == 0 || oldMm == 0)
        return static_cast<uint32_t>(std::lround(pixels * 25.4 / 96));
    return static_cast<uint32_t>(std::lround(static_cast<double>(pixels) * oldMm / oldPixels));
}

void setScreenSize(xcb_connection_t* c, uint16_t width, uint16_t height, uint32_t widthMm, uint32_t heightMm)
{
    xcb_randr_set_screen_size(c, x11Root(c), width, height, widthMm, heightMm);
}

} // namespace

uint32_t screenBitsPerPixel(xcb_connection_t* c)
{
    const xcb_setup_t* setup = xcb_get_setup(c);
    const uint8_t depth = xcb_setup_roots_iterator(setup).data->root_depth;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == depth)
            return f.data->bits_per_pixel;
    return depth;
}

std::optional<PrimaryOutput> primaryOutput(xcb_connection_t* c)
{
    if (!c || !hasRandr12(c))
        return std::nullopt;
    const auto screen = resources(c);
    if (!screen)
        return std::nullopt;
    const Reply<xcb_randr_get_output_primary_reply_t> primary{
        xcb_randr_get_output_primary_reply(c, xcb_randr_get_output_primary(c, x11Root(c)), nullptr)};
    const auto outputInfo = [&](xcb_randr_output_t output) {
        return Reply<xcb_randr_get_output_info_reply_t>{xcb_randr_get_output_info_reply(
            c, xcb_randr_get_output_info(c, output, screen->config_timestamp), nullptr)};
    };
    Reply<xcb_randr_get_output_info_reply_t> output{nullptr};
    if (primary && primary->output != XCB_NONE)
        output = outputInfo(primary->output);
    const xcb_randr_output_t* outputs = xcb_randr_get_screen_resources_current_outputs(screen.get());
    for (int i = 0; !output && i < screen->num_outputs; ++i) {
        auto candidate = outputInfo(outputs[i]);
        if (candidate && candidate->connection == XCB_RANDR_CONNECTION_CONNECTED && candidate->crtc != XCB_NONE)
            output = std::move(candidate);
    }
    if (!output)
        return std::nullopt;

    PrimaryOutput result;
    result.name.assign(reinterpret_cast<const char*>(xcb_randr_get_output_info_name(output.get())),
                       xcb_randr_get_output_info_name_length(output.get()));
    const xcb_randr_mode_info_t* infos = xcb_randr_get_screen_resources_current_modes(screen.get());
    const xcb_randr_mode_t* modes = xcb_randr_get_output_info_modes(output.get());
    for (int i = 0; i < xcb_randr_get_output_info_modes_length(output.get()); ++i)
        for (int j = 0; j < screen->num_modes; ++j)
            if (infos[j].id == modes[i])
                result.modes.push_back({infos[j].id, infos[j].width, infos[j].height, frequencyOf(infos[j])});

    if (output->crtc == XCB_NONE)
        return result;
    const Reply<xcb_randr_get_crtc_info_reply_t> crtc{
        xcb_randr_get_crtc_info_reply(c, xcb_randr_get_crtc_info(c, output->crtc, screen->config_timestamp), nullptr)};
    if (!crtc || crtc->mode == XCB_NONE)
        return result;
    const ScreenSize size = screenSize(c);
    const xcb_randr_output_t* shown = xcb_randr_get_crtc_info_outputs(crtc.get());
    result.current = CrtcSetting{
        output->crtc, crtc->mode,   crtc->x,    crtc->y,     crtc->rotation, {shown, shown + crtc->num_outputs},
        crtc->width,  crtc->height, size.width, size.height, size.widthMm,   size.heightMm};
    return result;
}

CrtcSetting withMode(xcb_connection_t* c, const CrtcSetting& current, const OutputMode& mode)
{
    CrtcSetting setting = current;
    setting.mode = mode.id;
    const bool turned = sideways(current.rotation);
    setting.width = turned ? mode.height : mode.width;
    setting.height = turned ? mode.width : mode.height;
    int right = current.x + setting.width;
    int bottom = current.y + setting.height;
    // Every other lit output stays where it is, so the screen must still reach round it.
    if (const auto screen = resources(c)) {
        const xcb_randr_crtc_t* crtcs = xcb_randr_get_screen_resources_current_crtcs(screen.get());
        for (int i = 0; i < screen->num_crtcs; ++i) {
            if (crtcs[i] == current.crtc)
                continue;
            const Reply<xcb_randr_get_crtc_info_reply_t> other{xcb_randr_get_crtc_info_reply(
                c, xcb_randr_get_crtc_info(c, crtcs[i], screen->config_timestamp), nullptr)};
            if (other && other->mode != XCB_NONE) {
                right = std::max(right, other->x + other->width);
                bottom = std::max(bottom, other->y + other->height);
            }
        }
    }
    setting.screenWidth = static_cast<uint16_t>(right);
    setting.screenHeight = static_cast<uint16_t>(bottom);
    setting.screenWidthMm = millimetres(setting.screenWidth, current.screenWidth, current.screenWidthMm);
    setting.screenHeightMm = millimetres(setting.screenHeight, current.screenHeight, current.screenHeightMm);
    return setting;
}

bool applySetting(xcb_connection_t* c, const CrtcSetting& setting)
{
    if (!hasRandr12(c))
        return false;
    xcb_grab_server(c);
    bool applied = false;
    if (const auto screen = resources(c)) {
        // The screen first grows to hold both the old and the new picture, and shrinks to the new
        // one only once the output shows it: a screen smaller than a lit output is refused.
        const ScreenSize now = screenSize(c);
        const uint16_t width = std::max(now.width, setting.screenWidth);
        const uint16_t height = std::max(now.height, setting.screenHeight);
        if (width != now.width || height != now.height)
            setScreenSize(c, width, height, millimetres(width, now.width, now.widthMm),
                          millimetres(height, now.height, now.heightMm));
        const Reply<xcb_randr_set_crtc_config_reply_t> reply{xcb_randr_set_crtc_config_reply(
            c,
            xcb_randr_set_crtc_config(c, setting.crtc, XCB_CURRENT_TIME, screen->config_timestamp, setting.x, setting.y,
                                      setting.mode, setting.rotation, static_cast<uint32_t>(setting.outputs.size()),
                                      setting.outputs.data()),
            nullptr)};
        applied = reply && reply->status == XCB_RANDR_SET_CONFIG_SUCCESS;
        if (applied && (width != setting.screenWidth || height != setting.screenHeight))
            setScreenSize(c, setting.screenWidth, setting.screenHeight, setting.screenWidthMm, setting.screenHeightMm);
        else if (!applied && (width != now.width || height != now.height))
            setScreenSize(c, now.width, now.height, now.widthMm, now.heightMm);
    }
    xcb_ungrab_server(c);
    xcb_flush(c);
    return applied;
}

} // namespace gdi::detail
