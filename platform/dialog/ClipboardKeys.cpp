#include "platform/dialog/ClipboardKeys.h"

namespace {

bool Is(const MSG& msg, WORD key, bool shift, bool control)
{
    return msg.virtualKey == key && msg.shift == shift && msg.control == control && !msg.alt;
}

}  // namespace

BOOL IsCopyKey(const MSG& msg)
{
    return Is(msg, 'C', false, true) || Is(msg, VK_INSERT, false, true);
}

BOOL IsPasteKey(const MSG& msg)
{
    return Is(msg, 'V', false, true) || Is(msg, VK_INSERT, true, false);
}
