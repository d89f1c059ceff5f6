#pragma once
// CEdit: an edit control reached through its selection, as EM_SETSEL,
// EM_REPLACESEL and WM_COPY reach it: select a range, replace the selection
// (or insert at the caret when nothing is selected), copy the selection to
// the desktop clipboard as plain text. Bound to a dialog's edit with
// DDX_Control; it does not own the edit. Undo is not kept.

#include "platform/dialog/Wnd.h"

class CEdit : public CWnd {
public:
    CEdit() = default;

    // Selects characters start..end (end excluded); end -1 selects to the
    // end of the text; start -1 removes the selection and leaves the caret.
    void SetSel(int start, int end);

    // Replaces the selection with `text`; the caret then stands after it.
    // `canUndo` is accepted for the caller's sake.
    void ReplaceSel(const CString& text, BOOL canUndo = FALSE);

    // The selected text, line ends as "\n".
    CString GetSelText() const;

    // Puts the selected text on the clipboard. With nothing selected the
    // clipboard keeps what it had.
    void Copy();
};
