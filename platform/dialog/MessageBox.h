#pragma once
// Modal message boxes with the application name as caption.

#include "platform/WinTypes.h"

// Shows `text` with an OK button; the icon follows `type`. Returns IDOK.
int AfxMessageBox(const CString& text, UINT type = MB_OK);

// The same with the text of string `stringId`.
int AfxMessageBox(UINT stringId, UINT type = MB_OK);
