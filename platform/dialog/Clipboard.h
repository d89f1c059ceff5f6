#pragma once
// The desktop clipboard, plain text only: what an edit control's copy puts
// there and what a paste would find.

#include "platform/WinTypes.h"

// Replaces the clipboard's contents with `text`. FALSE when there is no
// clipboard (no application yet).
BOOL SetClipboardText(const CString& text);

// The clipboard's plain text, empty when it holds none.
CString GetClipboardText();
