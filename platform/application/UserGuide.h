#pragma once
// Where the user guide F1 opens is found; nothing of how it is opened.

#include "platform/WinTypes.h"

// The user guide of the program at `programPath` (<program>.html): beside
// the program, as in a build tree, else where an install puts it,
// <prefix>/share/<program>/ for <prefix>/bin/<program> (outside share/doc,
// which a minimal system may leave out). Its real path, or "" when neither
// is there.
CString FindUserGuide(const CString& programPath);
