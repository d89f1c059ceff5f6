// Dialog template 173: the accrued payments calculator ("Compounded
// Interest"). The payment with its Week/Month pair, the rate, the term with
// its Years/Months pair, and the result in the "Accrued Amount" box.

#include "utilities/finance/AccruedDlg.h"
#include "res/UtilityStyles.h"

namespace {

using namespace utility_styles;

using D = CAccruedDlg;

// Every radio button is a group of one; the dialog keeps each pair
// exclusive itself. The payment's pair are tab stops, the term's are not.
constexpr DWORD kPeriod = WS_GROUP | WS_TABSTOP;

// clang-format off: one control per row, in columns
const ControlTemplate kControls[] = {
    // id         kind                        caption           x    y   cx   cy  style
    {D::kPayment, ControlKind::Edit,          "",               45,  5,  50,  15, kEdit},
    {D::kWeek,    ControlKind::RadioButton,   "Week",           115, 0,  35,  10, kPeriod},
    {D::kMonth,   ControlKind::RadioButton,   "Month",          115, 10, 36,  10, kPeriod},
    {D::kApr,     ControlKind::Edit,          "",               25,  25, 40,  14, kEdit},
    {D::kTerm,    ControlKind::Edit,          "",               50,  45, 40,  15, kEdit},
    {D::kYears,   ControlKind::RadioButton,   "Years",          95,  40, 34,  10, kUnit},
    {D::kMonths,  ControlKind::RadioButton,   "Months",         95,  50, 39,  10, kUnit},
    {D::kCalcIt,  ControlKind::PushButton,    "Calc It",        135, 40, 45,  35, kButton},
    {1,           ControlKind::DefPushButton, "Done",           130, 85, 50,  14, kButton},
    {-1,          ControlKind::Static,        "Payment: $",     5,   5,  36,  8,  kLabel},
    {-1,          ControlKind::Static,        "APR:",           5,   25, 18,  8,  kLabel},
    {-1,          ControlKind::Static,        "Calculate for:", 5,   45, 42,  8,  kLabel},
    {-1,          ControlKind::Static,        "Per",            100, 5,  12,  8,  kLabel},
    {-1,          ControlKind::GroupBox,      "Accrued Amount", 5,   65, 120, 35, 0},
    {-1,          ControlKind::Static,        "$",              40,  80, 8,   8,  kLabel},
    {D::kAccrued, ControlKind::Static,        "0",              55,  80, 50,  15, kResult},
};
// clang-format on

}  // namespace

extern const DialogTemplate kAccruedTemplate = {
    CAccruedDlg::kTemplate, "Compounded Interest", 0, 0, 186, 106, kDialogStyle, kControls,
};
