// Switches the display to 800 x 600 with SetDisplay, says so on its output, and then ends the way
// its argument names: "return" from main, "quit" of the event loop, "exit" through std::exit,
// "wait" for a signal from the test. At a normal end it says the screen's size again, as the last
// thing it does, to show that the screen was given back before the program was gone.
#include "graphics/clsBitmap.h"

#include <QApplication>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Runs after everything registered later, the display's own handler included; Qt's connection
// may be gone by then, so it asks the server over one of its own.
void sayScreenSizeAtEnd()
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    if (xcb_get_geometry_reply_t* g =
            xcb_connection_has_error(c) ? nullptr : xcb_get_geometry_reply(c, xcb_get_geometry(c, root), nullptr)) {
        std::printf("%dx%d\n", g->width, g->height);
        std::free(g);
    }
    std::fflush(stdout);
    xcb_disconnect(c);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString how = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    std::atexit(sayScreenSizeAtEnd);
    clsBitmap bitmap;
    bitmap.SetDisplay(800, 600);
    vb::Int16 width;
    vb::Int16 height;
    bitmap.GetScreenRes(width, height);
    std::printf("%dx%d\n", width.value(), height.value());
    std::fflush(stdout);
    if (how == QLatin1String("exit"))
        std::exit(0);
    if (how == QLatin1String("quit"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    if (how == QLatin1String("quit") || how == QLatin1String("wait"))
        return app.exec();
    return 0;
}
