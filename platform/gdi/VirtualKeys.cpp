#include "platform/gdi/VirtualKeys.h"

#include <Qt>

#include <algorithm>
#include <vector>

namespace gdi::detail {

namespace {

// One key: its code, the Qt key its events carry, and the X keyboard symbols that stand for it.
struct Key {
    int virtualKey;
    int qtKey;
    bool keypad = false;
    uint32_t keysym = 0;
    uint32_t otherKeysym = 0; // the same key's twin (right Shift, the keypad's Enter)
};

// X keyboard symbols of the keypad, on the first or the shifted level of their keys.
constexpr uint32_t kKeypadFirst = 0xFF80; // KP_Space
constexpr uint32_t kKeypadLast = 0xFFBD; // KP_Equal
constexpr uint32_t kKeypad0 = 0xFFB0;
constexpr uint32_t kF1 = 0xFFBE;

std::vector<Key> buildKeys()
{
    std::vector<Key> keys = {
        {VK_BACK, Qt::Key_Backspace, false, 0xFF08},
        {VK_TAB, Qt::Key_Tab, false, 0xFF09, 0xFE20}, // Tab, and Tab with Shift (ISO_Left_Tab)
        {VK_TAB, Qt::Key_Backtab},
        {VK_RETURN, Qt::Key_Return, false, 0xFF0D, 0xFF8D}, // Return, KP_Enter
        {VK_RETURN, Qt::Key_Enter},
        {VK_SHIFT, Qt::Key_Shift, false, 0xFFE1, 0xFFE2},
        {VK_CONTROL, Qt::Key_Control, false, 0xFFE3, 0xFFE4},
        {VK_MENU, Qt::Key_Alt, false, 0xFFE9, 0xFFEA},
        {VK_ESCAPE, Qt::Key_Escape, false, 0xFF1B},
        {VK_SPACE, Qt::Key_Space, false, 0x20},
        {VK_PRIOR, Qt::Key_PageUp, false, 0xFF55},
        {VK_NEXT, Qt::Key_PageDown, false, 0xFF56},
        {VK_END, Qt::Key_End, false, 0xFF57},
        {VK_HOME, Qt::Key_Home, false, 0xFF50},
        {VK_LEFT, Qt::Key_Left, false, 0xFF51},
        {VK_UP, Qt::Key_Up, false, 0xFF52},
        {VK_RIGHT, Qt::Key_Right, false, 0xFF53},
        {VK_DOWN, Qt::Key_Down, false, 0xFF54},
        {VK_INSERT, Qt::Key_Insert, false, 0xFF63},
        {VK_DELETE, Qt::Key_Delete, false, 0xFFFF},
        {VK_MULTIPLY, Qt::Key_Asterisk, true, 0xFFAA},
        {VK_ADD, Qt::Key_Plus, true, 0xFFAB},
        {VK_SUBTRACT, Qt::Key_Minus, true, 0xFFAD},
        {VK_DECIMAL, Qt::Key_Period, true, 0xFFAE},
        {VK_DIVIDE, Qt::Key_Slash, true, 0xFFAF},
    };
    for (int i = 0; i < 10; ++i) {
        keys.push_back({'0' + i, Qt::Key_0 + i, false, static_cast<uint32_t>('0' + i)});
        keys.push_back({VK_NUMPAD0 + i, Qt::Key_0 + i, true, kKeypad0 + i});
    }
    // A letter's key shows the small letter unshifted.
    for (int i = 0; i < 26; ++i)
        keys.push_back({'A' + i, Qt::Key_A + i, false, static_cast<uint32_t>('a' + i)});
    for (int i = 0; i < 12; ++i)
        keys.push_back({VK_F1 + i, Qt::Key_F1 + i, false, kF1 + i});
    return keys;
}

const std::vector<Key>& keys()
{
    static const std::vector<Key> table = buildKeys();
    return table;
}

bool stands(const Key& key, uint32_t keysym)
{
    return keysym != 0 && (key.keysym == keysym || key.otherKeysym == keysym);
}

} // namespace

int virtualKeyOfQtKey(int qtKey, bool keypad)
{
    // A key of the keypad without a code of its own there (Home with Num Lock off) is the main key.
    for (const bool lookOnKeypad : {keypad, false})
        for (const Key& key : keys())
            if (key.qtKey == qtKey && key.keypad == lookOnKeypad)
                return key.virtualKey;
    return 0;
}

int virtualKeyOfButton(int qtButton)
{
    switch (qtButton) {
    case Qt::LeftButton: return VK_LBUTTON;
    case Qt::RightButton: return VK_RBUTTON;
    case Qt::MiddleButton: return VK_MBUTTON;
    default: return 0;
    }
}

bool isKeyboardCode(int virtualKey)
{
    return std::ranges::any_of(keys(), [virtualKey](const Key& key) { return key.virtualKey == virtualKey; });
}

bool isKeyOf(int virtualKey, uint32_t unshifted, uint32_t shifted)
{
    // Only the keypad's keys are known by their shifted symbol (KP_7 above KP_Home); elsewhere the
    // shifted symbol belongs to another key's code ('=' over '0' on some layouts).
    const bool keypad = shifted >= kKeypadFirst && shifted <= kKeypadLast;
    for (const Key& key : keys())
        if (key.virtualKey == virtualKey && (stands(key, unshifted) || (keypad && stands(key, shifted))))
            return true;
    return false;
}

} // namespace gdi::detail
