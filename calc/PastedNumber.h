#pragma once
// A number pasted into the calculator, and the entry it stands for: its
// value, read by the program's strict number reader (blanks around it are
// fine; anything else that is not a number gives nothing), and the state
// keying its digits would leave, so that digits keyed next go on from it:
// decimal entry on, with the place value of the next decimal, when it has
// decimals ("12.5" as the keys 1 2 . 5), integer entry when it has none
// ("1e3" as 1 0 0 0). Pure, no window.

#include "platform/WinTypes.h"

#include <optional>

struct PastedNumber {
    double value;
    BOOL decimal;         // decimal entry on afterwards
    double decimalPlace;  // the next decimal's place value when it is
};

std::optional<PastedNumber> ReadPastedNumber(const CString& text);
