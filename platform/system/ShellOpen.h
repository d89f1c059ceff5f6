#pragma once
// ShellExecute's "open" of a web address or a local file: handed to the
// desktop's URL opener, which decides what shows it. The program ignores
// the result, as the design does; it is returned for the callers that care.

#include "platform/WinTypes.h"

// Opens an absolute URL (http://..., file:///...). FALSE when the desktop
// refused it or the text is no URL.
BOOL ShellOpen(const CString& url);

// The URL of a local file, for ShellOpen.
CString FileUrl(const CString& absolutePath);
