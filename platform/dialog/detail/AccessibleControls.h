#pragma once
// What assistive technology may do with the dialogs' controls where Qt's own
// interfaces would mislead it. A read-only text control (the calculator's
// display, a result field, an edit the user cannot type into) can be read,
// selected and have its cursor asked through the Text interface, but offers
// no EditableText to change it with (Qt's line edit and text box offer it
// even when read-only or disabled). A radio button that is a group of one is
// a radio button, not the check box Qt takes it for. Naming is left to the
// dialog builder.

class QWidget;

// Each marks a control, right after it is made and before anything asks
// for its interface (setting a text already does when assistive technology
// listens). The interface factory is installed on first use.
void MarkReadOnlyForAssistiveTech(QWidget* control);
void MarkRadioButtonForAssistiveTech(QWidget* radioButton);
