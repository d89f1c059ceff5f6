// Dialog template 174: the credit card payment planner. The three inputs at
// the top, Calc It! beside them, and the three results in the box below;
// the final payment's field is two lines tall for the "you owe" text.

#include "utilities/finance/CreditCardDlg.h"
#include "res/UtilityStyles.h"

namespace {

using namespace utility_styles;

using D = CCreditCardDlg;

// clang-format off: one control per row, in columns
const ControlTemplate kControls[] = {
    // id              kind                        caption                                             x    y    cx   cy  style
    {1,                ControlKind::DefPushButton, "Done",                                             145, 5,   35,  14, kButton},
    {-1,               ControlKind::Static,        "Credit Card Balance: $",                           5,   5,   72,  8,  kLabel},
    {-1,               ControlKind::Static,        "APR:",                                             5,   20,  18,  8,  kLabel},
    {-1,               ControlKind::Static,        "Monthly Payment: $",                               5,   40,  63,  8,  kLabel},
    {-1,               ControlKind::GroupBox,      "Calculation - assuming there are no new charges!", 0,   60,  180, 75, 0},
    {D::kCalcIt,       ControlKind::PushButton,    "Calc It!",                                         125, 25,  55,  30, kButton},
    {D::kBalance,      ControlKind::Edit,          "",                                                 80,  5,   60,  15, kEdit},
    {D::kApr,          ControlKind::Edit,          "",                                                 25,  20,  45,  15, kEdit},
    {D::kPayment,      ControlKind::Edit,          "",                                                 70,  40,  45,  15, kEdit},
    {-1,               ControlKind::Static,        "Credit card will be paid off in ",                 5,   75,  91,  8,  kLabel},
    {D::kPayoffTime,   ControlKind::Static,        "n/a",                                              100, 70,  75,  15, kResult},
    {-1,               ControlKind::Static,        "Final Payment: $",                                 15,  110, 53,  8,  kLabel},
    {D::kFinalPayment, ControlKind::Static,        "n/a",                                              75,  110, 100, 20, kResult},
    {-1,               ControlKind::Static,        "%",                                                75,  20,  8,   8,  kLabel},
    {-1,               ControlKind::Static,        "Total Payment: $",                                 40,  90,  54,  8,  kLabel},
    {D::kTotalPayment, ControlKind::Static,        "0",                                                100, 90,  65,  15, kResult},
};
// clang-format on

}  // namespace

extern const DialogTemplate kCreditCardTemplate = {
    CCreditCardDlg::kTemplate, "Credit Card Payment Planner", 0, 0, 186, 141, kDialogStyle, kControls,
};
