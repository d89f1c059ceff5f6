#pragma once
// The text of the calculator's display as a pure function of the engine's
// registers: the divide-by-zero text in the error state, otherwise the value
// shown ("%1.10f" with trailing zeros trimmed, or "%g" for a function key's
// result), replaced by the invalid-entry text when it holds a letter or one
// of !@#$%^&* (infinities, not-a-numbers and exponent forms).

#include "platform/WinTypes.h"

struct CalcRegisters {
    int errorState;
    BOOL operandAvail;
    double operand;
    double accum;
};

CString CalcDisplayText(const CalcRegisters& registers, BOOL shortFormat);
