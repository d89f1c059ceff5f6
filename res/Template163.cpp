// Dialog template 163: the loan calculator. The three inputs stand in a
// column beside their labels, the term's unit buttons under "Number of", and
// the four results in the "Calculations" box below.

#include "utilities/finance/LoanDlg.h"
#include "res/UtilityStyles.h"

namespace {

using namespace utility_styles;

using D = CLoanDlg;

// clang-format off: one control per row, in columns
const ControlTemplate kControls[] = {
    // id           kind                        caption                        x    y    cx   cy  style
    {1,             ControlKind::DefPushButton, "Done",                        170, 5,   50,  14, kButton},
    {-1,            ControlKind::Static,        "Amount Borrowed: $",          30,  10,  65,  8,  kLabel},
    {-1,            ControlKind::Static,        "Annual Interest Rate (APR):", 10,  25,  88,  8,  kLabel},
    {D::kYears,     ControlKind::RadioButton,   "Years",                       10,  50,  34,  10, kUnit},
    {D::kMonths,    ControlKind::RadioButton,   "Months:",                     55,  50,  41,  10, kUnit},
    {D::kAmount,    ControlKind::Edit,          "",                            100, 5,   60,  15, kEdit},
    {D::kApr,       ControlKind::Edit,          "",                            100, 25,  35,  15, kEdit},
    {D::kTerm,      ControlKind::Edit,          "",                            100, 45,  35,  15, kEdit},
    {-1,            ControlKind::Static,        "Principle: $",                10,  80,  36,  8,  kLabel},
    {-1,            ControlKind::Static,        "Interest: $",                 115, 80,  32,  8,  kLabel},
    {-1,            ControlKind::Static,        "Total Amount: $",             10,  100, 51,  8,  kLabel},
    {-1,            ControlKind::GroupBox,      "Calculations",                5,   70,  215, 50, 0},
    {D::kCalcIt,    ControlKind::PushButton,    "Calc It!",                    170, 25,  50,  40, kButton},
    {D::kPrincipal, ControlKind::Static,        "0",                           50,  80,  50,  15, kResult},
    {D::kInterest,  ControlKind::Static,        "0",                           150, 80,  50,  15, kResult},
    {D::kTotal,     ControlKind::Static,        "0",                           65,  100, 50,  15, kResult},
    {-1,            ControlKind::Static,        "or",                          45,  50,  8,   8,  kLabel},
    {-1,            ControlKind::Static,        "Number of",                   30,  40,  34,  8,  kLabel},
    {-1,            ControlKind::Static,        "%",                           140, 25,  15,  10, kLabel},
    {-1,            ControlKind::Static,        "Payment: $",                  120, 100, 36,  8,  kLabel},
    {D::kPayment,   ControlKind::Static,        "0",                           160, 100, 50,  15, kResult},
};
// clang-format on

}  // namespace

extern const DialogTemplate kLoanTemplate = {
    CLoanDlg::kTemplate, "Loan Calculator", 0, 0, 227, 126, kDialogStyle, kControls,
};
