#pragma once
// The styles the utility dialogs' templates share: the dialog frame, and
// the kinds of control every utility uses alike. A template names its own
// special controls' styles itself.

#include "platform/dialog/DialogTemplate.h"

namespace utility_styles {

// Pop-up with caption, close box and modal frame; origin (0, 0), so the
// dialog is centred over the calculator window.
inline constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
inline constexpr DWORD kButton = WS_TABSTOP;
inline constexpr DWORD kEdit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
inline constexpr DWORD kLabel = SS_LEFT | WS_GROUP;
// Radio buttons are each a group of one and no tab stop; the dialog keeps
// each set exclusive itself.
inline constexpr DWORD kUnit = WS_GROUP;
// A result field: static text with a sunken border, never edited.
inline constexpr DWORD kResult = SS_LEFT | SS_SUNKEN;

}  // namespace utility_styles
