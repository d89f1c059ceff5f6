#pragma once
// Keyboard messages as the dialog layer hands them to accelerator matching:
// a key pressed with its modifier state, or a character typed.

#include "platform/dialog/Accelerator.h"

inline MSG Key(WORD virtualKey, bool shift = false, bool control = false, bool alt = false)
{
    MSG msg;
    msg.virtualKey = virtualKey;
    msg.shift = shift;
    msg.control = control;
    msg.alt = alt;
    return msg;
}

inline MSG Typed(char32_t character, WORD virtualKey = 0)
{
    MSG msg;
    msg.character = character;
    msg.virtualKey = virtualKey;
    return msg;
}
