// Dialog template 133: the bolt-hole pattern. The list display shows the
// generated lines; the hidden edit under it holds the same list for Copy.

#include "utilities/engineering/BoltHoleDlg.h"
#include "res/UtilityStyles.h"

namespace {

using namespace utility_styles;

constexpr DWORD kSpacingDisplay = SS_LEFT | WS_BORDER;
constexpr DWORD kListDisplay = SS_LEFT | WS_BORDER | SS_SUNKEN;
constexpr DWORD kHiddenList = WS_HIDDEN_CONTROL | WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL |
                              ES_AUTOHSCROLL;

// clang-format off: one control per row, in columns
const ControlTemplate kControls[] = {
    // id                           kind                        caption                        x    y    cx   cy  style
    {1,                             ControlKind::DefPushButton, "Done",                        144, 7,   50,  14, kButton},
    {-1,                            ControlKind::Static,        "&Enter the number of holes:", 7,   7,   84,  8,  kLabel},
    {CBoltHoleDlg::kHoles,          ControlKind::Edit,          "",                            98,  7,   19,  12, kEdit},
    {-1,                            ControlKind::Static,        "&Bolt Circle Dia:",           7,   31,  47,  8,  kLabel},
    {CBoltHoleDlg::kBoltDia,        ControlKind::Edit,          "",                            17,  41,  34,  13, kEdit},
    {-1,                            ControlKind::Static,        "&Total Angle:",               7,   71,  39,  9,  kLabel},
    {CBoltHoleDlg::kTotalAngle,     ControlKind::Edit,          "",                            7,   80,  35,  13, kEdit},
    {-1,                            ControlKind::Static,        "&Initial Angle:",             144, 75,  39,  8,  kLabel},
    {CBoltHoleDlg::kInitAngle,      ControlKind::Edit,          "",                            145, 87,  34,  12, kEdit},
    {-1,                            ControlKind::Static,        "Center Point:",               7,   110, 42,  8,  kLabel},
    {-1,                            ControlKind::Static,        "&X",                          55,  110, 8,   8,  kLabel},
    {CBoltHoleDlg::kCenterX,        ControlKind::Edit,          "",                            63,  107, 34,  13, kEdit},
    {-1,                            ControlKind::Static,        "&Y",                          105, 110, 8,   8,  kLabel},
    {CBoltHoleDlg::kCenterY,        ControlKind::Edit,          "",                            114, 107, 33,  13, kEdit},
    {-1,                            ControlKind::Static,        "&Z",                          152, 110, 8,   10, kLabel},
    {CBoltHoleDlg::kCenterZ,        ControlKind::Edit,          "",                            160, 107, 34,  13, kEdit},
    {CBoltHoleDlg::kWriteIt,        ControlKind::PushButton,    "&Write It!",                  7,   126, 42,  13, kButton},
    {CBoltHoleDlg::kCopy,           ControlKind::PushButton,    "Copy",                        7,   149, 37,  12, kButton},
    {-1,                            ControlKind::Picture,       "137",                         54,  23,  84,  84, 0},
    {CBoltHoleDlg::kSpacingDisplay, ControlKind::Static,        "90.00",                       149, 60,  28,  12, kSpacingDisplay},
    {-1,                            ControlKind::Static,        "Spacing Angle:",              142, 49,  52,  8,  kLabel},
    {-1,                            ControlKind::Static,        "Full circle=360",             7,   95,  51,  11, kLabel},
    {CBoltHoleDlg::kListDisplay,    ControlKind::Static,        "",                            56,  126, 138, 46, kListDisplay},
    {CBoltHoleDlg::kHiddenList,     ControlKind::Edit,          "",                            7,   175, 187, 12, kHiddenList},
};
// clang-format on

// No label stands by the list Write It! fills: what assistive technology
// calls it instead.
const AccessibleText kAccessibleTexts[] = {
    {CBoltHoleDlg::kListDisplay, "Hole coordinates", nullptr},
};

}  // namespace

extern const DialogTemplate kBoltHoleTemplate = {
    CBoltHoleDlg::kTemplate, "Bolt Hole Dialog", 0, 0, 201, 194, kDialogStyle, kControls, kAccessibleTexts,
};
