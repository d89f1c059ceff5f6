// The string table (language 1033): the texts the program loads by number.

#include "platform/StringTable.h"

namespace {

const StringResource kStrings[] = {
    {100, "Failed to initialized the OLE libraries!"},
    {101, "&About Numbrix Calc..."},
    {103, "Unable to create and show the calculator window!"},
    {104, "%lu KB"},
    {105, "%lu KB Free on %c:"},
    {106, "Unavailable"},
    {57344, "Numbrix Calc"},
    {59142, "Warning - Current directory path not found!"},
    {59143, "banner1.avi"},
    {59144, "banner2.avi"},
    {59145, "Can't divide by zero! Press ESC"},
    {59146, "INVALID ENTRY! Press ESC"},
};

}  // namespace

std::span<const StringResource> ProgramStringTable()
{
    return kStrings;
}
