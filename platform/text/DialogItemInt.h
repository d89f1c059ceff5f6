#pragma once
// The text-to-integer rule of GetDlgItemInt, without a window. Accepted:
// blanks (spaces and tabs) around, then plain decimal digits, at least one.
// Signed conversion also allows one '-' or '+' straight before the digits.
// Anything else (an empty field, a sign in an unsigned conversion, a point,
// a letter, digits with trailing characters) fails, and so does a value
// outside the result's range: 0 to 4294967295 unsigned, the int range
// signed. A failed conversion gives 0.

#include "platform/WinTypes.h"

#include <optional>

// The value as the caller reinterprets it: unsigned, or an int's bits when
// `bSigned` is TRUE. No value when the text does not convert.
std::optional<UINT> ParseDialogItemInt(const CString& text, BOOL bSigned);
