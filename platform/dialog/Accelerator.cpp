#include "platform/dialog/Accelerator.h"

HACCEL LoadAccelerators(int id)
{
    for (const AcceleratorTable& table : ProgramAcceleratorTables()) {
        if (table.id == id)
            return &table;
    }
    return nullptr;
}

namespace {

bool MatchesVirtualKey(const ACCEL& entry, const MSG& msg)
{
    return msg.virtualKey != 0 && entry.key == msg.virtualKey &&
           msg.shift == ((entry.fVirt & FSHIFT) != 0) &&
           msg.control == ((entry.fVirt & FCONTROL) != 0) &&
           msg.alt == ((entry.fVirt & FALT) != 0);
}

// A character entry matches the typed character; Alt turns the character
// into a system character, which only entries flagged with Alt match.
bool MatchesCharacter(const ACCEL& entry, const MSG& msg)
{
    return msg.character != 0 && entry.key == msg.character &&
           msg.alt == ((entry.fVirt & FALT) != 0);
}

}  // namespace

std::optional<WORD> MatchAccelerator(HACCEL table, const MSG& msg)
{
    if (table == nullptr)
        return std::nullopt;
    for (const ACCEL& entry : table->entries) {
        if ((entry.fVirt & FVIRTKEY) && MatchesVirtualKey(entry, msg))
            return entry.cmd;
    }
    for (const ACCEL& entry : table->entries) {
        if (!(entry.fVirt & FVIRTKEY) && MatchesCharacter(entry, msg))
            return entry.cmd;
    }
    return std::nullopt;
}
