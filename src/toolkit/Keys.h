#pragma once
// Qt key events in the classic terms: virtual-key codes for KeyDown/KeyUp, character codes for KeyPress.

#include <QKeyEvent>

namespace tk::vk {

constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Pause = 19,
              Capital = 20, Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35, Home = 36,
              Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46,
              Digit0 = 48, A = 65, Numpad0 = 96, Multiply = 106, Add = 107, Subtract = 109,
              Decimal = 110, Divide = 111, F1 = 112, NumLock = 144, Scroll = 145;

// The virtual-key code of a key event; 0 for a key with no code.
int fromEvent(const QKeyEvent& event);

// The character code of a key event, or 0 when the key types no character.
int charFromEvent(const QKeyEvent& event);

} // namespace tk::vk
