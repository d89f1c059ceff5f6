#pragma once
// What assistive technology calls a control, worked out from its template
// alone: an input edit or a result field is named by the label that stands
// beside it (on its row, ending left of it, the nearest) or directly above
// it, because a template does not keep a label next to its edit; the
// template's own table of accessible texts names what no label stands by.
// Qt-free: rectangles in dialog units in, names out.

#include "platform/dialog/DialogTemplate.h"

#include <string>

// A static the program writes its results into: it has an id and a frame
// (sunken or bordered). Plain labels have no id; the calculator's focus sink
// has no frame.
bool IsResultField(const ControlTemplate& control);

// The control's accessible name: the template's accessible text when it has
// one, else for an input edit or a result field its label's caption with the
// mnemonic marks taken out (a label that is only a sign, like "$", is led by
// the caption of the group box around the control); empty when none is found
// or the control is of another kind (buttons name themselves).
std::string AccessibleNameOf(const DialogTemplate& dialog, const ControlTemplate& control);

// The template's accessible description of the control, or empty.
std::string AccessibleDescriptionOf(const DialogTemplate& dialog, const ControlTemplate& control);

// A caption as it reads: "&&" is one '&', a lone '&' marks the mnemonic and
// goes; blanks at the ends go too.
std::string WithoutMnemonic(const char* caption);

// The mnemonic of a caption, upper case: the letter or digit after its lone
// '&' ("&Write It!" has W); 0 when it has none.
char MnemonicOf(const char* caption);
