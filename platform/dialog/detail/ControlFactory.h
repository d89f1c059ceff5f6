#pragma once
// Turns one control of a template into its widget, placed in dialog units
// and wired so that its clicks, changes and focus reach the dialog as
// notifications.

#include "platform/dialog/DialogTemplate.h"

class DialogWindow;
class QWidget;

QWidget* CreateControl(const ControlTemplate& control, DialogWindow* host);
