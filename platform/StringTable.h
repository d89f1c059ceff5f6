#pragma once
// The program's string table: texts loaded by number, as LoadString loads
// them from a module's resources. The table itself lives in res/.

#include "platform/WinTypes.h"

#include <span>

struct StringResource {
    UINT id;
    const char* text;
};

// The hook into res/: the string table (res/StringTable.cpp defines it).
std::span<const StringResource> ProgramStringTable();

// The text of string `id`, or an empty string when the table has none.
CString LoadString(UINT id);

// The application name: string 57344, the caption of every message box.
CString AfxGetAppName();
