// Dialog template 102: the calculator window. The keypad comes first, then
// the rest of the window's furniture: the calendar, the banner, the utility
// launchers, the two buttons that stay disabled and the link, each in
// template order, which is the tab order.

#include "calc/CalcDlg.h"

namespace {

using C = CCalcDlg;

constexpr DWORD kKey = 0;                // plain push button, no tab stop
constexpr DWORD kTabKey = WS_TABSTOP;    // plain push button with a tab stop
constexpr DWORD kDisplay = WS_BORDER | ES_READONLY | ES_RIGHT | ES_MULTILINE | ES_AUTOHSCROLL;
constexpr DWORD kFocusSinkStyle = SS_LEFT | WS_GROUP | WS_TABSTOP;
// The banner's placeholder: the animation control itself is made inside it.
constexpr DWORD kBanner = WS_BORDER | WS_TABSTOP | ACS_CENTER | ACS_TRANSPARENT | ACS_AUTOPLAY;

// clang-format off: one control per row, in columns
const ControlTemplate kControls[] = {
    // id               kind                        caption                x    y    cx   cy  style
    {C::kKey0,          ControlKind::PushButton,    "0",                   150, 105, 15,  15, kKey},
    {C::kKey0 + 1,      ControlKind::PushButton,    "1",                   150, 86,  15,  15, kKey},
    {C::kKey0 + 2,      ControlKind::PushButton,    "2",                   170, 86,  15,  15, kKey},
    {C::kKey0 + 3,      ControlKind::PushButton,    "3",                   190, 86,  15,  15, kKey},
    {C::kKey0 + 4,      ControlKind::PushButton,    "4",                   150, 67,  15,  15, kKey},
    {C::kKey0 + 5,      ControlKind::PushButton,    "5",                   170, 67,  15,  15, kKey},
    {C::kKey0 + 6,      ControlKind::PushButton,    "6",                   190, 67,  15,  15, kKey},
    {C::kKey0 + 7,      ControlKind::PushButton,    "7",                   150, 48,  15,  15, kKey},
    {C::kKey0 + 8,      ControlKind::PushButton,    "8",                   170, 48,  15,  15, kKey},
    {C::kKey9,          ControlKind::PushButton,    "9",                   190, 48,  15,  15, kKey},
    {C::kKeyEqual,      ControlKind::PushButton,    "=",                   190, 125, 66,  20, kKey},
    {C::kKeyPlus,       ControlKind::PushButton,    "+",                   210, 48,  15,  15, kKey},
    {C::kKeyMinus,      ControlKind::PushButton,    "-",                   230, 48,  15,  15, kKey},
    {C::kKeyMultiply,   ControlKind::PushButton,    "*",                   210, 67,  15,  15, kKey},
    {C::kKeyDivide,     ControlKind::PushButton,    "/",                   230, 67,  15,  15, kKey},
    {C::kKeyClearAll,   ControlKind::PushButton,    "Clear All",           191, 105, 44,  15, kKey},
    {C::kDisplay,       ControlKind::Edit,          "",                    150, 30,  104, 15, kDisplay},
    {C::kFocusSink,     ControlKind::Static,        "",                    265, 145, 19,  8,  kFocusSinkStyle},
    {C::kKeyPoint,      ControlKind::PushButton,    ".",                   170, 105, 16,  15, kTabKey},
    {C::kKeySin,        ControlKind::PushButton,    "SIN",                 259, 51,  23,  14, kTabKey},
    {C::kKeyCos,        ControlKind::PushButton,    "COS",                 260, 68,  24,  15, kTabKey},
    {C::kKeyTan,        ControlKind::PushButton,    "TAN",                 259, 33,  23,  14, kTabKey},
    {C::kKeyPi,         ControlKind::PushButton,    "Pi",                  210, 85,  16,  16, kTabKey},
    {C::kKeyAsin,       ControlKind::PushButton,    "ASIN",                261, 123, 24,  14, kTabKey},
    {C::kKeyAcos,       ControlKind::PushButton,    "ACOS",                261, 105, 23,  15, kTabKey},
    {C::kKeyAtan,       ControlKind::PushButton,    "ATAN",                260, 87,  24,  14, kTabKey},
    {C::kKeyClearEntry, ControlKind::PushButton,    "CE",                  230, 86,  17,  15, kTabKey},
    {C::kKeyPercent,    ControlKind::PushButton,    "%",                   238, 106, 19,  14, kTabKey},

    {C::kTrigUtil,      ControlKind::PushButton,    "Trig Util.",          35,  105, 40,  14, kTabKey},
    {C::kCalendar,      ControlKind::MonthCalendar, "",                    7,   1,   135, 97, WS_TABSTOP | WS_EX_CLIENTEDGE},
    {-1,                ControlKind::Static,        "Utilities:",          5,   105, 27,  9,  SS_LEFT},
    {C::kAnimation,     ControlKind::Animation,     "",                    145, 1,   139, 27, kBanner},
    {C::kLoans,         ControlKind::PushButton,    "Loans",               5,   130, 35,  15, kTabKey},
    {C::kSavings,       ControlKind::PushButton,    "Savings",             45,  130, 35,  15, kTabKey},
    {C::kPhotoSizing,   ControlKind::PushButton,    "Photo Sizing",        80,  105, 43,  14, kTabKey},
    {C::kEarlyPayoff,   ControlKind::PushButton,    "Early Payoff",        85,  130, 45,  15, kTabKey},
    {-1,                ControlKind::GroupBox,      "Financial",           0,   120, 185, 50, 0},
    {C::kSys,           ControlKind::PushButton,    "Sys",                 130, 105, 15,  15, kTabKey},
    {C::kPayoffDate,    ControlKind::PushButton,    "Payoff Date",         135, 130, 45,  15, WS_TABSTOP | WS_DISABLED},
    {C::kInterest,      ControlKind::PushButton,    "Interest",            5,   150, 35,  15, kTabKey},
    {C::kCreditCard,    ControlKind::PushButton,    "Credit Card",         85,  150, 45,  15, kTabKey},
    {C::kLink,          ControlKind::PushButton,    "www.numbrix.example", 190, 155, 90,  10, kTabKey},
    {C::kExtraPaymts,   ControlKind::PushButton,    "Extra Paymts",        135, 150, 45,  15, WS_TABSTOP | WS_DISABLED},
    {C::kGoals,         ControlKind::PushButton,    "Goals",               45,  150, 35,  15, kTabKey},
};
// clang-format on

// No label stands by these: their names for assistive technology. The focus
// sink holds the focus while the keypad is worked, so it is what a screen
// reader follows: it speaks the display's text.
const AccessibleText kAccessibleTexts[] = {
    {C::kDisplay, "Display", nullptr},
    {C::kFocusSink, nullptr, nullptr, C::kDisplay},
    {C::kCalendar, "Calendar", nullptr},
    {C::kAnimation, "Banner", nullptr},
};

}  // namespace

extern const DialogTemplate kCalculatorTemplate = {
    CCalcDlg::kTemplate,
    "Tarrow Calculator - v2.5",
    1, 1, 290, 170,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_3DLOOK,
    kControls,
    kAccessibleTexts,
};
