#pragma once
// What the program asks of the machine: its total physical memory, the
// current directory, and the space free on the file system that holds it.
// Linux has no drive letters: the current "drive" is the file system of the
// current directory, and its character is '/'. Each call measures afresh;
// nothing is cached.

#include "platform/WinTypes.h"

#include <optional>

// GlobalMemoryStatus's total physical memory, in bytes, in 64 bits (a
// 32-bit figure would wrap on any machine with 4 GB or more).
ULONGLONG GetTotalPhysicalMemory();

// _getcwd: the current working directory, or nothing when it cannot be read
// (removed under the program, or not searchable).
std::optional<CString> GetCurrentDirectory();

// _getdrive and _getdiskfree for the current directory: the bytes free to
// this user on its file system, and the drive character that names it.
struct DiskFreeSpace {
    ULONGLONG availableBytes;
    char drive;
};
std::optional<DiskFreeSpace> GetCurrentDiskFreeSpace();
