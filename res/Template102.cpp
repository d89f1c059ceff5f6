// Dialog template 102: the calculator window. The keypad comes first, then
// the rest of the window's furniture, each in template order. The launcher
// buttons join this table together with the dialogs they open.

#include "platform/dialog/DialogTemplate.h"

namespace {

constexpr DWORD kKey = 0;                // plain push button, no tab stop
constexpr DWORD kTabKey = WS_TABSTOP;    // plain push button with a tab stop
constexpr DWORD kDisplay = WS_BORDER | ES_READONLY | ES_RIGHT | ES_MULTILINE | ES_AUTOHSCROLL;
constexpr DWORD kFocusSink = SS_LEFT | WS_GROUP | WS_TABSTOP;

const ControlTemplate kControls[] = {
    // id     kind                      caption       x    y    cx   cy  style
    {1000, ControlKind::PushButton, "0", 150, 105, 15, 15, kKey},
    {1001, ControlKind::PushButton, "1", 150, 86, 15, 15, kKey},
    {1002, ControlKind::PushButton, "2", 170, 86, 15, 15, kKey},
    {1003, ControlKind::PushButton, "3", 190, 86, 15, 15, kKey},
    {1004, ControlKind::PushButton, "4", 150, 67, 15, 15, kKey},
    {1005, ControlKind::PushButton, "5", 170, 67, 15, 15, kKey},
    {1006, ControlKind::PushButton, "6", 190, 67, 15, 15, kKey},
    {1007, ControlKind::PushButton, "7", 150, 48, 15, 15, kKey},
    {1008, ControlKind::PushButton, "8", 170, 48, 15, 15, kKey},
    {1009, ControlKind::PushButton, "9", 190, 48, 15, 15, kKey},
    {1020, ControlKind::PushButton, "=", 190, 125, 66, 20, kKey},
    {1010, ControlKind::PushButton, "+", 210, 48, 15, 15, kKey},
    {1011, ControlKind::PushButton, "-", 230, 48, 15, 15, kKey},
    {1012, ControlKind::PushButton, "*", 210, 67, 15, 15, kKey},
    {1013, ControlKind::PushButton, "/", 230, 67, 15, 15, kKey},
    {1021, ControlKind::PushButton, "Clear All", 191, 105, 44, 15, kKey},
    {1030, ControlKind::Edit, "", 150, 30, 104, 15, kDisplay},
    {1016, ControlKind::Static, "", 265, 145, 19, 8, kFocusSink},
    {32790, ControlKind::PushButton, ".", 170, 105, 16, 15, kTabKey},
    {1019, ControlKind::PushButton, "SIN", 259, 51, 23, 14, kTabKey},
    {1022, ControlKind::PushButton, "COS", 260, 68, 24, 15, kTabKey},
    {1023, ControlKind::PushButton, "TAN", 259, 33, 23, 14, kTabKey},
    {1024, ControlKind::PushButton, "Pi", 210, 85, 16, 16, kTabKey},
    {1029, ControlKind::PushButton, "ASIN", 261, 123, 24, 14, kTabKey},
    {1031, ControlKind::PushButton, "ACOS", 261, 105, 23, 15, kTabKey},
    {1032, ControlKind::PushButton, "ATAN", 260, 87, 24, 14, kTabKey},
    {1150, ControlKind::PushButton, "CE", 230, 86, 17, 15, kTabKey},
    {1025, ControlKind::PushButton, "%", 238, 106, 19, 14, kTabKey},

    {1033, ControlKind::PushButton, "Trig Util.", 35, 105, 40, 14, kTabKey},
    {1052, ControlKind::MonthCalendar, "", 7, 1, 135, 97, WS_TABSTOP | WS_EX_CLIENTEDGE},
    {-1, ControlKind::Static, "Utilities:", 5, 105, 27, 9, SS_LEFT},
    {1085, ControlKind::Animation, "", 145, 1, 139, 27, WS_BORDER | WS_TABSTOP},
    {1080, ControlKind::PushButton, "Photo Sizing", 80, 105, 43, 14, kTabKey},
    {-1, ControlKind::GroupBox, "Financial", 0, 120, 185, 50, 0},
    {1042, ControlKind::PushButton, "Payoff Date", 135, 130, 45, 15, WS_TABSTOP | WS_DISABLED},
    {1140, ControlKind::PushButton, "Extra Paymts", 135, 150, 45, 15, WS_TABSTOP | WS_DISABLED},
};

}  // namespace

extern const DialogTemplate kCalculatorTemplate = {
    102,
    "Tarrow Calculator - v2.5",
    1, 1, 290, 170,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_3DLOOK,
    kControls,
};
