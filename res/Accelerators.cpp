// The accelerator tables, each with the number of its dialog template.

#include "platform/Resources.h"

namespace {

constexpr BYTE kChar = FNOINVERT;                // character entry
constexpr BYTE kVirt = FVIRTKEY | FNOINVERT;     // virtual-key entry
constexpr WORD kNoHandler = 32789;               // a command nothing handles

// Table 102, the calculator window.
const ACCEL kTable102[] = {
    {kChar, '*', 1012},
    {kChar, '+', 1010},
    {kChar, '-', 1011},
    {kChar, '.', 32790},
    {kChar, '/', 1013},
    {kChar, '0', 1000},
    {kChar, '1', 1001},
    {kChar, '2', 1002},
    {kChar, '3', 1003},
    {kChar, '4', 1004},
    {kChar, '5', 1005},
    {kChar, '6', 1006},
    {kChar, '7', 1007},
    {kChar, '8', 1008},
    {kChar, '9', 1009},
    {kChar, '=', 1020},
    {kVirt, VK_DOWN, kNoHandler},
    {kVirt, VK_ESCAPE, 1021},
    {kVirt, VK_LEFT, kNoHandler},
    {kVirt, VK_RETURN, 1020},
    {kVirt, VK_RIGHT, kNoHandler},
    {kVirt, VK_UP, kNoHandler},
    {kChar | FLASTENTRY, 'c', 1021},
};

// The utility dialogs' tables: Esc sends Done (1), Enter the dialog's
// compute button, and the two engineering dialogs one more shortcut each.
const ACCEL kTable133[] = {  // bolt hole
    {kVirt | FCONTROL, 'C', 1049},
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, 1042},
};
const ACCEL kTable134[] = {  // right triangle
    {kVirt | FALT, 'C', 1076},
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, 1075},
};
const ACCEL kTable163[] = {  // loan
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, 1112},
};
const ACCEL kTable164[] = {  // savings interest
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, 1116},
};
const ACCEL kTable173[] = {  // accrued payments
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, 1130},
};
const ACCEL kTable174[] = {  // credit card
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, 1136},
};
const ACCEL kTable175[] = {  // savings goal
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, 1136},
};
const ACCEL kTable176[] = {  // early payoff
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, 1136},
};

const AcceleratorTable kTables[] = {
    {102, kTable102},
    {133, kTable133},
    {134, kTable134},
    {163, kTable163},
    {164, kTable164},
    {173, kTable173},
    {174, kTable174},
    {175, kTable175},
    {176, kTable176},
};

}  // namespace

std::span<const AcceleratorTable> ProgramAcceleratorTables()
{
    return kTables;
}
