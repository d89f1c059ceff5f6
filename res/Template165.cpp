// Dialog template 165: Photo Sizing. The height edit stands beside the
// picture's vertical dimension line, the width edit below the picture, each
// with its pair of unit buttons.

#include "utilities/engineering/PhotoSizeDlg.h"
#include "res/UtilityStyles.h"

namespace {

using namespace utility_styles;

// clang-format off: one control per row, in columns
const ControlTemplate kControls[] = {
    // id                          kind                        caption   x    y   cx  cy  style
    {1,                            ControlKind::DefPushButton, "Done",   100, 75, 50, 14, kButton},
    {-1,                           ControlKind::Picture,       "168",    10,  10, 55, 55, 0},
    {CPhotoSizeDlg::kHeightEdit,   ControlKind::Edit,          "",       65,  20, 45, 15, kEdit},
    {CPhotoSizeDlg::kWidthEdit,    ControlKind::Edit,          "",       15,  55, 40, 15, kEdit},
    {CPhotoSizeDlg::kHeightInches, ControlKind::RadioButton,   "inches", 115, 20, 37, 10, kUnit},
    {CPhotoSizeDlg::kHeightPixels, ControlKind::RadioButton,   "pixels", 115, 31, 33, 10, kUnit},
    {CPhotoSizeDlg::kWidthInches,  ControlKind::RadioButton,   "inches", 60,  55, 37, 10, kUnit},
    {CPhotoSizeDlg::kWidthPixels,  ControlKind::RadioButton,   "pixels", 60,  65, 33, 10, kUnit},
};
// clang-format on

// The edits have the picture for a label, and the two pairs of unit
// buttons read alike: what assistive technology is told instead.
const AccessibleText kAccessibleTexts[] = {
    {CPhotoSizeDlg::kHeightEdit, "Height", nullptr},
    {CPhotoSizeDlg::kWidthEdit, "Width", nullptr},
    {CPhotoSizeDlg::kHeightInches, nullptr, "Height in inches"},
    {CPhotoSizeDlg::kHeightPixels, nullptr, "Height in pixels"},
    {CPhotoSizeDlg::kWidthInches, nullptr, "Width in inches"},
    {CPhotoSizeDlg::kWidthPixels, nullptr, "Width in pixels"},
};

}  // namespace

extern const DialogTemplate kPhotoSizeTemplate = {
    CPhotoSizeDlg::kTemplate, "Photo Sizing", 0, 0, 157, 95, kDialogStyle, kControls, kAccessibleTexts,
};
