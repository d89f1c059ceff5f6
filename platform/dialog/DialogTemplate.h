#pragma once
// A dialog template as plain data: the dialog's caption, size and style and
// its controls in template order (which is also the tab order). CDialog
// builds the widgets from it (with detail/ControlFactory); nothing here
// knows about widgets.

#include "platform/WinTypes.h"

#include <span>

enum class ControlKind {
    PushButton,     // plain push button
    DefPushButton,  // the dialog's default push button
    RadioButton,    // a group of one: no automatic exclusion
    Edit,
    Static,         // static text
    Picture,        // static bitmap, the caption names the bitmap resource
    Icon,           // static icon, the caption names the icon resource
    GroupBox,
    MonthCalendar,
    Animation,
};

struct ControlTemplate {
    int id;  // -1 for controls the program never addresses
    ControlKind kind;
    const char* caption;
    int x, y, cx, cy;  // dialog units
    DWORD style;
};

// Whether every bit of `flag` is in the control's style.
inline bool HasStyle(const ControlTemplate& control, DWORD flag)
{
    return (control.style & flag) == flag;
}

// What assistive technology is told of a control beyond what the
// template's layout says: a name for a control no label stands beside (the
// calculator's display), a description that tells look-alike controls apart
// (two "inches" buttons).
// A control that only holds the focus for another (the calculator's focus
// sink, for the display) speaks for it: its name is that control's text, kept
// so, and a screen reader reads it out as it changes.
struct AccessibleText {
    int id;
    const char* name;         // null: the label beside it, or its caption
    const char* description;  // null: none
    int speaksFor = 0;        // the control whose text is this one's name; 0 none
};

struct DialogTemplate {
    int id;
    const char* caption;
    int x, y, cx, cy;  // dialog units
    DWORD style;
    std::span<const ControlTemplate> controls;
    std::span<const AccessibleText> accessibleTexts = {};
};

// Looks a template up among the program's resources; null when there is none.
const DialogTemplate* FindDialogTemplate(int id);

// The hook into res/: every dialog template of the program (res/Templates.cpp
// lists them). res/ defines it, the layer searches it by number.
std::span<const DialogTemplate* const> ProgramDialogTemplates();
