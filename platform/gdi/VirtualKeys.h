#pragma once

#include <cstdint>

// The platform's virtual-key codes, 0 to 255, for the keys and mouse buttons GetAsyncKeyState
// knows. Letters and digits are their ASCII capitals ('A', '7').
namespace gdi {

constexpr int VK_LBUTTON = 0x01;
constexpr int VK_RBUTTON = 0x02;
constexpr int VK_MBUTTON = 0x04;
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12; // Alt
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21; // Page Up
constexpr int VK_NEXT = 0x22; // Page Down
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_NUMPAD0 = 0x60; // to VK_NUMPAD0 + 9
constexpr int VK_MULTIPLY = 0x6A;
constexpr int VK_ADD = 0x6B;
constexpr int VK_SUBTRACT = 0x6D;
constexpr int VK_DECIMAL = 0x6E;
constexpr int VK_DIVIDE = 0x6F;
constexpr int VK_F1 = 0x70; // to VK_F1 + 11

} // namespace gdi

namespace gdi::detail {

// The code a key event of the program's own windows stands for, 0 for a key without one; keypad
// says the key is on the number pad.
int virtualKeyOfQtKey(int qtKey, bool keypad);
// The code a mouse button (Qt::MouseButton) stands for, 0 for a button without one.
int virtualKeyOfButton(int qtButton);
// Whether any keyboard key has the code (the mouse buttons' codes have none).
bool isKeyboardCode(int virtualKey);
// Whether an X keyboard key whose first two symbols are `unshifted` and `shifted` is the key of
// `virtualKey`. The keypad's numbers count whatever Num Lock says.
bool isKeyOf(int virtualKey, uint32_t unshifted, uint32_t shifted);

} // namespace gdi::detail
