#include "DisplayText.h"

#include "platform/text/Format.h"
#include "platform/StringTable.h"

namespace {

constexpr int kErrDivideByZero = 1;
constexpr UINT kDivideByZeroText = 59145;
constexpr UINT kInvalidEntryText = 59146;

// Any of these in the formatted number means it is no plain number.
constexpr const char* kInvalidCharacters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ!@#$%^&*";

}  // namespace

CString CalcDisplayText(const CalcRegisters& r, BOOL shortFormat)
{
    if (r.errorState == kErrDivideByZero)
        return LoadString(kDivideByZeroText);

    const double shown = r.operandAvail ? r.operand : r.accum;
    CString text;
    if (shortFormat) {
        text = Format("%g", shown);
    } else {
        text = Format("%1.10f", shown);
        const size_t last = text.find_last_not_of('0');
        text.erase(last == CString::npos ? 0 : last + 1);
    }
    if (text.find_first_of(kInvalidCharacters) != CString::npos)
        return LoadString(kInvalidEntryText);
    return text;
}
