// The accelerator tables, each with the number of its dialog template.

#include "platform/dialog/Accelerator.h"

#include "calc/CalcDlg.h"
#include "utilities/engineering/BoltHoleDlg.h"
#include "utilities/engineering/TrigDlg.h"
#include "utilities/finance/AccruedDlg.h"
#include "utilities/finance/CreditCardDlg.h"
#include "utilities/finance/GoalDlg.h"
#include "utilities/finance/LoanDlg.h"
#include "utilities/finance/PayoffDlg.h"
#include "utilities/finance/SavingsDlg.h"

namespace {

using C = CCalcDlg;

constexpr BYTE kChar = FNOINVERT;                // character entry
constexpr BYTE kVirt = FVIRTKEY | FNOINVERT;     // virtual-key entry

// Table 102, the calculator window.
const ACCEL kTable102[] = {
    {kChar, '*', C::kKeyMultiply},
    {kChar, '+', C::kKeyPlus},
    {kChar, '-', C::kKeyMinus},
    {kChar, '.', C::kKeyPoint},
    {kChar, '/', C::kKeyDivide},
    {kChar, '0', C::kKey0},
    {kChar, '1', C::kKey0 + 1},
    {kChar, '2', C::kKey0 + 2},
    {kChar, '3', C::kKey0 + 3},
    {kChar, '4', C::kKey0 + 4},
    {kChar, '5', C::kKey0 + 5},
    {kChar, '6', C::kKey0 + 6},
    {kChar, '7', C::kKey0 + 7},
    {kChar, '8', C::kKey0 + 8},
    {kChar, '9', C::kKey0 + 9},
    {kChar, '=', C::kKeyEqual},
    {kVirt, VK_DOWN, C::kCmdNoHandler},
    {kVirt, VK_ESCAPE, C::kKeyClearAll},
    {kVirt, VK_LEFT, C::kCmdNoHandler},
    {kVirt, VK_RETURN, C::kKeyEqual},
    {kVirt, VK_RIGHT, C::kCmdNoHandler},
    {kVirt, VK_UP, C::kCmdNoHandler},
    {kChar | FLASTENTRY, 'c', C::kKeyClearAll},
};

// The utility dialogs' tables: Esc sends Done (1), Enter the dialog's
// compute button, and the two engineering dialogs one more shortcut each.
const ACCEL kTable133[] = {  // bolt hole
    {kVirt | FCONTROL, 'C', CBoltHoleDlg::kCopy},
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, CBoltHoleDlg::kWriteIt},
};
const ACCEL kTable134[] = {  // right triangle
    {kVirt | FALT, 'C', CTrigDlg::kClearAll},
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, CTrigDlg::kCalcIt},
};
const ACCEL kTable163[] = {  // loan
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, CLoanDlg::kCalcIt},
};
const ACCEL kTable164[] = {  // savings interest
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, CSavingsDlg::kCalcIt},
};
const ACCEL kTable173[] = {  // accrued payments
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, CAccruedDlg::kCalcIt},
};
const ACCEL kTable174[] = {  // credit card
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, CCreditCardDlg::kCalcIt},
};
const ACCEL kTable175[] = {  // savings goal
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, CGoalDlg::kCalcIt},
};
const ACCEL kTable176[] = {  // early payoff
    {kVirt, VK_ESCAPE, 1},
    {kVirt | FLASTENTRY, VK_RETURN, CPayoffDlg::kCalcIt},
};

const AcceleratorTable kTables[] = {
    {C::kTemplate, kTable102},
    {CBoltHoleDlg::kTemplate, kTable133},
    {CTrigDlg::kTemplate, kTable134},
    {CLoanDlg::kTemplate, kTable163},
    {CSavingsDlg::kTemplate, kTable164},
    {CAccruedDlg::kTemplate, kTable173},
    {CCreditCardDlg::kTemplate, kTable174},
    {CGoalDlg::kTemplate, kTable175},
    {CPayoffDlg::kTemplate, kTable176},
};

}  // namespace

std::span<const AcceleratorTable> ProgramAcceleratorTables()
{
    return kTables;
}
