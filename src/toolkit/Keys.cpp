#include "Keys.h"

namespace tk::vk {

namespace {
// The digit row by its physical keys, the XKB keycodes of X11 and Wayland: 1 to 9, then 0.
constexpr quint32 digitRowFirst = 10, digitRowLast = 19;
} // namespace

int fromEvent(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    // Virtual-key codes name keys, not characters: the digit row gives its digits with Shift held
    // and on layouts where the digits themselves need Shift.
    if (const quint32 scan = event.nativeScanCode(); !keypad && scan >= digitRowFirst && scan <= digitRowLast)
        return scan == digitRowLast ? Digit0 : Digit0 + static_cast<int>(scan - digitRowFirst) + 1;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (keypad ? Numpad0 : Digit0) + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return A + (key - Qt::Key_A);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Return;
    case Qt::Key_Space: return Space;
    case Qt::Key_Backspace: return Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return Tab;
    case Qt::Key_Shift: return Shift;
    case Qt::Key_Control: return Control;
    case Qt::Key_Alt: return Menu;
    case Qt::Key_Pause: return Pause;
    case Qt::Key_CapsLock: return Capital;
    case Qt::Key_Escape: return Escape;
    case Qt::Key_PageUp: return Prior;
    case Qt::Key_PageDown: return Next;
    case Qt::Key_End: return End;
    case Qt::Key_Home: return Home;
    case Qt::Key_Left: return Left;
    case Qt::Key_Up: return Up;
    case Qt::Key_Right: return Right;
    case Qt::Key_Down: return Down;
    case Qt::Key_Insert: return Insert;
    case Qt::Key_Delete: return Delete;
    case Qt::Key_NumLock: return NumLock;
    case Qt::Key_ScrollLock: return Scroll;
    case Qt::Key_Asterisk: return keypad ? Multiply : 0xBB;
    case Qt::Key_Plus: return keypad ? Add : 0xBB;
    case Qt::Key_Minus: return keypad ? Subtract : 0xBD;
    case Qt::Key_Slash: return keypad ? Divide : 0xBF;
    case Qt::Key_Period: return keypad ? Decimal : 0xBE;
    case Qt::Key_Comma: return 0xBC;
    default: return 0;
    }
}

int charFromEvent(const QKeyEvent& event)
{
    const int key = event.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return Return;
    const QString text = event.text();
    if (text.size() != 1)
        return 0;
    const char16_t c = text.at(0).unicode();
    // Tab stays the toolkit's focus navigation, Delete types nothing.
    if (c == u'\t' || c == 0x7f)
        return 0;
    return c < 256 ? c : 0;
}

} // namespace tk::vk
