// Dialog template 134: the right-triangle solver. The picture sits among the
// edits so that each edit lies next to the part of the triangle it measures.

#include "utilities/engineering/TrigDlg.h"
#include "res/UtilityStyles.h"

namespace {

using namespace utility_styles;

// The result line shows text and takes no input.
constexpr DWORD kResultLine = WS_BORDER | WS_DISABLED | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL;

// clang-format off: one control per row, in columns
const ControlTemplate kControls[] = {
    // id                   kind                        caption                                         x    y    cx   cy   style
    {1,                     ControlKind::DefPushButton, "Done",                                         195, 200, 50,  14,  kButton},
    {-1,                    ControlKind::Static,        "Side (c):",                                    38,  7,   27,  8,   kLabel},
    {CTrigDlg::kSideC,      ControlKind::Edit,          "",                                             67,  7,   34,  13,  kEdit},
    {-1,                    ControlKind::Static,        "Angle (A):",                                   16,  61,  33,  9,   kLabel},
    {CTrigDlg::kAngleA,     ControlKind::Edit,          "",                                             13,  71,  35,  13,  kEdit},
    {-1,                    ControlKind::Picture,       "154",                                          53,  22,  134, 109, 0},
    {-1,                    ControlKind::Static,        "Angle (B):",                                   194, 16,  38,  8,   kLabel},
    {CTrigDlg::kAngleB,     ControlKind::Edit,          "",                                             189, 26,  40,  14,  kEdit},
    {-1,                    ControlKind::Static,        "Side (a):",                                    71,  136, 27,  8,   kLabel},
    {CTrigDlg::kSideA,      ControlKind::Edit,          "",                                             100, 133, 40,  14,  kEdit},
    {CTrigDlg::kSideB,      ControlKind::Edit,          "",                                             191, 68,  40,  14,  kEdit},
    {-1,                    ControlKind::Static,        "Side (b):",                                    195, 58,  27,  8,   kLabel},
    {CTrigDlg::kCalcIt,     ControlKind::PushButton,    "Calc It!",                                     42,  161, 63,  19,  kButton},
    {-1,                    ControlKind::Static,        "Enter the known values",                       38,  183, 76,  8,   kLabel},
    {-1,                    ControlKind::Static,        "then press Calc It! to calculate the rest!",   14,  191, 124, 8,   kLabel},
    {-1,                    ControlKind::Static,        "Result:",                                      105, 151, 23,  8,   kLabel},
    {-1,                    ControlKind::Static,        "'Result' displays successful or error status", 13,  199, 130, 8,   kLabel},
    {CTrigDlg::kClearAll,   ControlKind::PushButton,    "Clear All",                                    199, 102, 48,  14,  kButton},
    {CTrigDlg::kResultLine, ControlKind::Edit,          "",                                             112, 161, 135, 17,  kResultLine},
};
// clang-format on

}  // namespace

extern const DialogTemplate kTrigTemplate = {
    CTrigDlg::kTemplate, "Trig Calculator Dialog", 0, 0, 254, 220, kDialogStyle, kControls,
};
