// Dialog template 175: the savings goal ("Reach a Financial Goal"). The
// goal, the term with its Months/Years pair and the rate, then the monthly
// deposit in the framed line below.

#include "utilities/finance/GoalDlg.h"
#include "res/UtilityStyles.h"

namespace {

using namespace utility_styles;

using D = CGoalDlg;

// clang-format off: one control per row, in columns
const ControlTemplate kControls[] = {
    // id         kind                        caption                                x    y   cx   cy  style
    {1,           ControlKind::DefPushButton, "Done",                                150, 5,  35,  14, kButton},
    {-1,          ControlKind::Static,        "Financial Goal: $",                   5,   5,  54,  8,  kLabel},
    {D::kGoal,    ControlKind::Edit,          "",                                    65,  5,  55,  15, kEdit},
    {-1,          ControlKind::Static,        "Reach it in",                         5,   30, 35,  8,  kLabel},
    {D::kTerm,    ControlKind::Edit,          "",                                    45,  30, 40,  15, kEdit},
    {D::kMonths,  ControlKind::RadioButton,   "Months",                              90,  30, 39,  10, kUnit},
    {D::kYears,   ControlKind::RadioButton,   "Years",                               90,  40, 34,  10, kUnit},
    {-1,          ControlKind::Static,        "My Annual Percentage Rate (APR) is:", 5,   60, 120, 8,  kLabel},
    {D::kApr,     ControlKind::Edit,          "",                                    130, 60, 30,  14, kEdit},
    {-1,          ControlKind::Static,        "%",                                   165, 60, 8,   8,  kLabel},
    {-1,          ControlKind::GroupBox,      "Static",                              5,   75, 180, 35, 0},
    {-1,          ControlKind::Static,        "You will need to deposit $",          10,  90, 82,  8,  kLabel},
    {D::kDeposit, ControlKind::Static,        "0",                                   95,  90, 50,  15, kResult},
    {-1,          ControlKind::Static,        "per month",                           150, 90, 32,  8,  kLabel},
    {D::kCalcIt,  ControlKind::PushButton,    "Calc It!",                            135, 25, 50,  30, kButton},
};
// clang-format on

}  // namespace

extern const DialogTemplate kGoalTemplate = {
    CGoalDlg::kTemplate, "Reach a Financial Goal", 0, 0, 192, 111, kDialogStyle, kControls,
};
