// Copy and paste in the calculator window, by the desktop's keys (Ctrl+C and
// Ctrl+V, Ctrl+Insert and Shift+Insert), which PreTranslateMessage hands
// here before accelerator table 102: copy takes the display's number exactly
// as shown, paste makes a number on the clipboard the operand as if it had
// been keyed.

#include "CalcDlg.h"
#include "PastedNumber.h"

#include "platform/dialog/Clipboard.h"
#include "platform/text/NumberText.h"

void CCalcDlg::OnEditCopy()
{
    // Only a number: an error text (or the display's empty text before the
    // first update) leaves the clipboard as it was.
    const CString shown = GetDlgItemText(kDisplay);
    if (ParseDoubleStrict(shown))
        SetClipboardText(shown);
}

void CCalcDlg::OnEditPaste()
{
    // Digits do nothing in the error state; neither does a pasted number.
    if (m_errorState != ERR_NONE)
        return;
    const std::optional<PastedNumber> pasted = ReadPastedNumber(GetClipboardText());
    if (!pasted)
        return;
    StoreOperand(pasted->value);
    m_bDecimal = pasted->decimal;
    if (pasted->decimal)
        m_decimalPlace = pasted->decimalPlace;
    UpdateDisplay();
}
