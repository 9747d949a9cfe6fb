// The desktop's key and mouse-button state, as GetAsyncKeyState reports it.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/VirtualKeys.h"
#include "platform/gdi/XConnection.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <xcb/xcb.h>

#include <array>
#include <bitset>
#include <cstdlib>
#include <memory>
#include <vector>

namespace gdi {

using namespace detail;

namespace {

constexpr int kCodes = 256;
constexpr int16_t kDown = INT16_MIN; // 0x8000
constexpr int16_t kPressedSince = 1;

// What the previous query of each code saw, and, without an X server, what the program's own
// windows saw of each key and button.
struct KeyBook {
    std::bitset<kCodes> seenDown;
    std::bitset<kCodes> down;
    std::bitset<kCodes> pressed; // went down since the code's previous query
};

KeyBook& book()
{
    static KeyBook b;
    return b;
}

// Keeps the book of the keys and buttons the program's own windows receive. A window may see an
// event more than once on its way up to its parents; the book takes it the same each time.
class WindowInput : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat())
                note(virtualKeyOfQtKey(key->key(), key->modifiers() & Qt::KeypadModifier),
                     event->type() == QEvent::KeyPress);
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            note(virtualKeyOfButton(static_cast<QMouseEvent*>(event)->button()),
                 event->type() != QEvent::MouseButtonRelease);
            break;
        case QEvent::ApplicationDeactivate:
            // What is let go of in another program's window never reaches ours.
            book().down.reset();
            break;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void note(int code, bool down)
    {
        if (code == 0)
            return;
        if (down && !book().down[code])
            book().pressed[code] = true;
        book().down[code] = down;
    }
};

void watchWindowInput()
{
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new WindowInput(app));
}

// Whether the X server has the key or button of `code` down.
bool downOnX(xcb_connection_t* c, int code)
{
    const int buttonMask = code == VK_LBUTTON   ? XCB_BUTTON_MASK_1
                           : code == VK_MBUTTON ? XCB_BUTTON_MASK_2
                           : code == VK_RBUTTON ? XCB_BUTTON_MASK_3
                                                : 0;
    if (buttonMask) {
        const Reply<xcb_query_pointer_reply_t> pointer{
            xcb_query_pointer_reply(c, xcb_query_pointer(c, x11Root(c)), nullptr)};
        return pointer && (pointer->mask & buttonMask);
    }
    if (!isKeyboardCode(code))
        return false;
    const Reply<xcb_query_keymap_reply_t> keymap{xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr)};
    if (!keymap)
        return false;
    // The symbols of the keys that are down, asked all at once; few keys are down at a time.
    std::vector<xcb_get_keyboard_mapping_cookie_t> asked;
    for (int keycode = 8; keycode < kCodes; ++keycode)
        if (keymap->keys[keycode / 8] & (1 << keycode % 8))
            asked.push_back(xcb_get_keyboard_mapping(c, static_cast<xcb_keycode_t>(keycode), 1));
    bool down = false;
    for (const xcb_get_keyboard_mapping_cookie_t cookie : asked) {
        const Reply<xcb_get_keyboard_mapping_reply_t> mapping{xcb_get_keyboard_mapping_reply(c, cookie, nullptr)};
        if (!mapping || mapping->keysyms_per_keycode == 0)
            continue;
        const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping.get());
        const uint32_t shifted = mapping->keysyms_per_keycode > 1 ? symbols[1] : 0;
        down = down || isKeyOf(code, symbols[0], shifted);
    }
    return down;
}

} // namespace

// The book must be kept from the start, before the first query.
Q_COREAPP_STARTUP_FUNCTION(watchWindowInput)

int16_t GetAsyncKeyState(int virtualKey)
{
    if (virtualKey < 0 || virtualKey >= kCodes)
        return 0;
    KeyBook& b = book();
    xcb_connection_t* x11 = x11Connection();
    const bool down = x11 ? downOnX(x11, virtualKey) : b.down[virtualKey];
    // Polling the X server cannot see a press let go of between two queries; our windows' events can.
    const bool pressed = (down && !b.seenDown[virtualKey]) || (!x11 && b.pressed[virtualKey]);
    b.seenDown[virtualKey] = down;
    b.pressed[virtualKey] = false;
    return static_cast<int16_t>((down ? kDown : 0) | (pressed ? kPressedSince : 0));
}

} // namespace gdi
