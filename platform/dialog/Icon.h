#pragma once
// Icons of the program's resources: icon N is res/IconN-S.png in each size
// S a desktop asks for, loaded once and never freed, as resources are. A
// window shows its icon where the window manager puts window icons (title
// bar, task bar, the minimised window); static icon controls draw it too.

#include "platform/WinTypes.h"

struct IconResource;
using HICON = const IconResource*;

// LoadIcon: null when the program has no icon of that number.
HICON LoadIcon(UINT id);
