// Dialog template 165: Photo Sizing. The height edit stands beside the
// picture's vertical dimension line, the width edit below the picture, each
// with its pair of unit buttons.

#include "utilities/engineering/PhotoSizeDlg.h"

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kButton = WS_TABSTOP;
constexpr DWORD kEdit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
// Every unit button is a group of one and no tab stop; the dialog keeps each
// pair exclusive itself.
constexpr DWORD kUnit = WS_GROUP;

const ControlTemplate kControls[] = {
    // id    kind                        caption    x    y    cx  cy  style
    {1, ControlKind::DefPushButton, "Done", 100, 75, 50, 14, kButton},
    {-1, ControlKind::Picture, "168", 10, 10, 55, 55, 0},
    {CPhotoSizeDlg::kHeightEdit, ControlKind::Edit, "", 65, 20, 45, 15, kEdit},
    {CPhotoSizeDlg::kWidthEdit, ControlKind::Edit, "", 15, 55, 40, 15, kEdit},
    {CPhotoSizeDlg::kHeightInches, ControlKind::RadioButton, "inches", 115, 20, 37, 10, kUnit},
    {CPhotoSizeDlg::kHeightPixels, ControlKind::RadioButton, "pixels", 115, 31, 33, 10, kUnit},
    {CPhotoSizeDlg::kWidthInches, ControlKind::RadioButton, "inches", 60, 55, 37, 10, kUnit},
    {CPhotoSizeDlg::kWidthPixels, ControlKind::RadioButton, "pixels", 60, 65, 33, 10, kUnit},
};

}  // namespace

extern const DialogTemplate kPhotoSizeTemplate = {
    CPhotoSizeDlg::kTemplate, "Photo Sizing", 0, 0, 157, 95, kDialogStyle, kControls,
};
