#include "platform/dialog/detail/KeyMessage.h"

#include <QKeyEvent>

namespace {

WORD VirtualKeyOf(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<WORD>(key);  // same codes as the letters and digits
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_F1: return VK_F1;
    case Qt::Key_F4: return VK_F4;
    case Qt::Key_F10: return VK_F10;
    default: return 0;
    }
}

}  // namespace

MSG KeyMessageFrom(const QKeyEvent& event)
{
    MSG msg;
    const Qt::KeyboardModifiers mods = event.modifiers();
    msg.shift = mods.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab;
    msg.control = mods.testFlag(Qt::ControlModifier);
    msg.alt = mods.testFlag(Qt::AltModifier);
    msg.virtualKey = VirtualKeyOf(event.key());
    // The keypad's decimal key types the point or the comma as the layout
    // says (a German layout gives it the comma); it is one key either way.
    const bool keypad = mods.testFlag(Qt::KeypadModifier);
    if (keypad && (event.key() == Qt::Key_Period || event.key() == Qt::Key_Comma))
        msg.virtualKey = VK_DECIMAL;

    const QString text = event.text();
    if (!text.isEmpty()) {
        const QList<uint> ucs4 = text.toUcs4();
        if (!ucs4.isEmpty())
            msg.character = static_cast<char32_t>(ucs4.first());
    }
    // Ctrl with a letter types a control character, whatever text the event
    // claims, so Ctrl+C never matches an entry for the character c.
    if (msg.control && !msg.alt && msg.virtualKey >= 'A' && msg.virtualKey <= 'Z')
        msg.character = msg.virtualKey & 0x1F;
    return msg;
}
