#include "platform/gdi/DisplayGuard.h"

#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace gdi::detail {

namespace {

struct Guard {
    std::optional<CrtcSetting> original;
    std::string display; // the X display the program showed on when it first changed the mode
    int watcher = -1; // the program's end of the socket to the watching process
    bool changed = false;
};

// Never destroyed, so that it is still there for the handler that runs at the program's end.
Guard& guard()
{
    static Guard* g = new Guard;
    return *g;
}

void restoreOver(const std::string& display, const CrtcSetting& setting)
{
    xcb_connection_t* c = xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr);
    if (!xcb_connection_has_error(c))
        applySetting(c, setting);
    xcb_disconnect(c);
}

void tellWatcher(bool changed)
{
    const char state = changed ? 1 : 0;
    if (guard().watcher >= 0)
        send(guard().watcher, &state, 1, MSG_NOSIGNAL);
}

void restoreAtExit()
{
    Guard& g = guard();
    if (!g.changed || !g.original)
        return;
    restoreOver(g.display, *g.original);
    g.changed = false;
    tellWatcher(false);
}

// The watching process: it keeps nothing of the program's open but its end of the socket (the
// program's X connection would otherwise outlive the program), lets the signals that end a whole
// process group or session pass by, and restores the mode once the socket closes while the last
// word it read was "changed".
[[noreturn]] void watch(int socket, const Guard& g)
{
    for (const int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE})
        std::signal(s, SIG_IGN);
    if (socket > 3)
        close_range(3, static_cast<unsigned>(socket) - 1, 0);
    close_range(static_cast<unsigned>(socket) + 1, ~0u, 0);
    if (const int null = open("/dev/null", O_RDWR); null >= 0) {
        for (const int fd : {0, 1, 2})
            dup2(null, fd);
        if (null > 2)
            close(null);
    }
    char state = 0;
    for (;;) {
        char word = 0;
        const ssize_t n = read(socket, &word, 1);
        if (n == 1)
            state = word;
        else if (n == 0 || errno != EINTR)
            break;
    }
    if (state == 1 && g.original)
        restoreOver(g.display, *g.original);
    _exit(0);
}

void startWatcher(Guard& g)
{
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    const pid_t pid = fork();
    if (pid == 0)
        watch(ends[1], g);
    close(ends[1]);
    if (pid < 0) {
        close(ends[0]);
        return;
    }
    g.watcher = ends[0];
}

} // namespace

void rememberOriginalSetting(const CrtcSetting& setting)
{
    Guard& g = guard();
    if (g.original)
        return;
    g.original = setting;
    if (const char* display = std::getenv("DISPLAY"))
        g.display = display;
    startWatcher(g);
    std::atexit(restoreAtExit);
}

const CrtcSetting* originalSetting() { return guard().original ? &*guard().original : nullptr; }

void setDisplayChanged(bool changed)
{
    guard().changed = changed;
    tellWatcher(changed);
}

} // namespace gdi::detail
