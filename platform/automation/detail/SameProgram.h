#pragma once
// Whether another process runs this very program: the class factory takes
// requests passed on by another server of this program (CreateInstanceFor)
// from nobody else. Executables are compared as files, by device and inode,
// so another path to the same file counts as this program, while a program
// file replaced or deleted since either process started does not match the
// new one. Whatever cannot be found out counts as another program.

#include <cstdint>

bool RunsThisProgram(std::uint32_t pid);
