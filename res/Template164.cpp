// Dialog template 164: the savings interest calculator. The balance comes
// first in the tab order, then the four compounding buttons in two columns,
// the rate and the months; the two results sit in the "Interest Earned" box.

#include "utilities/finance/SavingsDlg.h"
#include "res/UtilityStyles.h"

namespace {

using namespace utility_styles;

using D = CSavingsDlg;

// clang-format off: one control per row, in columns
const ControlTemplate kControls[] = {
    // id                kind                        caption                      x    y    cx   cy  style
    {D::kBalance,        ControlKind::Edit,          "",                          70,  5,   65,  15, kEdit},
    {D::kQuarterly,      ControlKind::RadioButton,   "Quarterly",                 50,  20,  44,  10, kUnit},
    {D::kMonthly,        ControlKind::RadioButton,   "Monthly",                   50,  30,  41,  10, kUnit},
    {D::kYearly,         ControlKind::RadioButton,   "Yearly",                    95,  20,  35,  10, kUnit},
    {D::kSixMonths,      ControlKind::RadioButton,   "6 Months",                  95,  30,  45,  10, kUnit},
    {D::kApr,            ControlKind::Edit,          "",                          75,  45,  45,  15, kEdit},
    {D::kMonths,         ControlKind::Edit,          "",                          50,  65,  45,  15, kEdit},
    {D::kInterestEarned, ControlKind::Static,        "0",                         95,  95,  80,  15, kResult},
    {D::kEndBalance,     ControlKind::Static,        "0",                         95,  115, 80,  15, kResult},
    {D::kCalcIt,         ControlKind::PushButton,    "Calc It!",                  140, 45,  45,  35, kButton},
    {1,                  ControlKind::DefPushButton, "Done",                      145, 5,   40,  14, kButton},
    {-1,                 ControlKind::Static,        "Yearly Interest Rate:",     5,   45,  65,  8,  kLabel},
    {-1,                 ControlKind::Static,        "Compounded",                5,   25,  43,  8,  kLabel},
    {-1,                 ControlKind::Static,        "Beginning Balance:",        5,   5,   62,  8,  kLabel},
    {-1,                 ControlKind::GroupBox,      "Interest Earned",           5,   80,  175, 55, 0},
    {-1,                 ControlKind::Static,        "Interest earned: $",        35,  95,  56,  8,  kLabel},
    {-1,                 ControlKind::Static,        "Balance at end of term: $", 10,  115, 80,  8,  kLabel},
    {-1,                 ControlKind::Static,        "Calculate for",             5,   65,  40,  8,  kLabel},
    {-1,                 ControlKind::Static,        "Months",                    100, 65,  24,  8,  kLabel},
};
// clang-format on

}  // namespace

extern const DialogTemplate kSavingsTemplate = {
    CSavingsDlg::kTemplate, "Savings Interest Calculator", 0, 0, 192, 135, kDialogStyle, kControls,
};
