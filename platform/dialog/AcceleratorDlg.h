#pragma once
// CAcceleratorDlg: a utility dialog that has its own accelerator table, the
// one with its template's number. Its keys are translated first, whichever
// control has the focus (Enter computes, Esc sends Done, and so on); keys
// the table does not name get the ordinary dialog handling. Dialogs without
// a table derive from CDialog directly.

#include "platform/dialog/Dialog.h"

class CAcceleratorDlg : public CDialog {
public:
    BOOL PreTranslateMessage(const MSG& msg) override;

protected:
    // Loads table `templateId`; m_hAccel is null only when that fails, and
    // then only the ordinary dialog keys work.
    CAcceleratorDlg(int templateId, CWnd* parent);

    // Loaded from the program's resources: valid for the life of the
    // process and never freed.
    HACCEL m_hAccel = nullptr;
};
