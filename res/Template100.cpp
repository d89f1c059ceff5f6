// Dialog template 100: the About box. Placed at 34, 22 relative to the
// calculator window rather than centred over it.

#include "calc/AboutDlg.h"
#include "res/UtilityStyles.h"

namespace {

using C = CAboutDlg;
using utility_styles::kDialogStyle;

constexpr DWORD kLabel = SS_LEFT;
constexpr DWORD kFigure = utility_styles::kResult;

// clang-format off: one control per row, in columns
const ControlTemplate kControls[] = {
    // id              kind                        caption                             x    y   cx   cy  style
    {-1,               ControlKind::Icon,          "128",                              8,   4,  20,  20, 0},
    {-1,               ControlKind::Static,        "Tarrow Calc Version 2.5",          55,  10, 100, 8,  kLabel},
    {-1,               ControlKind::Static,        "Copyright (C) 2026 Numbrix",       55,  25, 104, 8,  kLabel},
    {IDOK,             ControlKind::DefPushButton, "OK",                               176, 6,  32,  14, WS_TABSTOP},
    {-1,               ControlKind::Static,        "Free software",                    73,  37, 67,  8,  kLabel},
    {-1,               ControlKind::GroupBox,      "System Resources",                 4,   49, 209, 39, 0},
    {-1,               ControlKind::Static,        "Physical memory free to Windows:", 17,  60, 110, 10, kLabel},
    {-1,               ControlKind::Static,        "Hard drive space:",                17,  74, 58,  10, kLabel},
    {C::kMemoryFigure, ControlKind::Static,        "Static",                           128, 59, 83,  12, kFigure},
    {C::kDiskFigure,   ControlKind::Static,        "Static",                           87,  74, 124, 11, kFigure},
};
// clang-format on

}  // namespace

extern const DialogTemplate kAboutTemplate = {
    C::kTemplate, "About Orvel Calc", 34, 22, 217, 95, kDialogStyle, kControls,
};
