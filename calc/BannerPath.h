#pragma once
// Where the calculator window looks for its banner files: in the current
// directory, joined to the file name with a slash unless the directory
// already ends in one (the root, "/", is the only directory that does).
// Without a directory (it could not be read) the path is empty and opens
// nothing.

#include "platform/WinTypes.h"

#include <optional>

CString BannerPath(const std::optional<CString>& directory, const CString& fileName);
