// Dialog template 176: the early loan payoff ("Payoff a Loan Early"). The
// payment field comes first in the tab order, so it has the focus at
// opening; the payoff amount sits in the framed line at the bottom.

#include "utilities/finance/PayoffDlg.h"
#include "res/UtilityStyles.h"

namespace {

using namespace utility_styles;

using D = CPayoffDlg;

// clang-format off: one control per row, in columns
const ControlTemplate kControls[] = {
    // id               kind                        caption                                x    y    cx   cy  style
    {D::kPayment,       ControlKind::Edit,          "",                                    95,  5,   55,  15, kEdit},
    {D::kPaymentsMade,  ControlKind::Edit,          "",                                    95,  25,  40,  15, kEdit},
    {D::kTotalPayments, ControlKind::Edit,          "",                                    95,  45,  35,  14, kEdit},
    {D::kMonths,        ControlKind::RadioButton,   "Months",                              50,  55,  39,  10, kUnit},
    {D::kYears,         ControlKind::RadioButton,   "Years",                               50,  65,  34,  10, kUnit},
    {D::kApr,           ControlKind::Edit,          "",                                    125, 80,  30,  14, kEdit},
    {D::kCalcIt,        ControlKind::PushButton,    "Calc It!",                            145, 25,  40,  30, kButton},
    {1,                 ControlKind::DefPushButton, "Done",                                155, 5,   30,  14, kButton},
    {-1,                ControlKind::Static,        "Current Monthly Payment: $",          5,   5,   88,  8,  kLabel},
    {-1,                ControlKind::Static,        "# of Payments already made:",         0,   25,  92,  8,  kLabel},
    {-1,                ControlKind::Static,        "My Annual Percentage Rate (APR) is:", 5,   80,  120, 8,  kLabel},
    {-1,                ControlKind::Static,        "%",                                   160, 80,  8,   8,  kLabel},
    {-1,                ControlKind::GroupBox,      "Static",                              5,   100, 180, 35, 0},
    {-1,                ControlKind::Static,        "The loan payoff amount is: $",        10,  115, 90,  8,  kLabel},
    {D::kPayoff,        ControlKind::Static,        "0",                                   105, 115, 50,  15, kResult},
    {-1,                ControlKind::Static,        "Total # of Payments:",                25,  45,  66,  8,  kLabel},
    {-1,                ControlKind::Static,        "in",                                  40,  60,  8,   8,  kLabel},
};
// clang-format on

}  // namespace

extern const DialogTemplate kPayoffTemplate = {
    CPayoffDlg::kTemplate, "Payoff a Loan Early", 0, 0, 192, 135, kDialogStyle, kControls,
};
