#pragma once
// CDialog: a dialog built from a template of res/, modeless (Create) or
// modal (DoModal), with controls found by id, commands dispatched through the
// message map and keys offered to PreTranslateMessage before the ordinary
// dialog keys. It owns its window; the window never owns it.

#include "Accelerator.h"
#include "DialogTemplate.h"
#include "Wnd.h"

#include <map>
#include <memory>

class DialogWindow;

class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    int TemplateId() const { return m_templateId; }

    // Creates the window from the template, modeless. FALSE when the template
    // is missing or the window could not be built.
    BOOL Create(int templateId, CWnd* parent = nullptr);

    // Destroys the window (not the object); the last step is PostNcDestroy,
    // which may delete the object. Destroying the application's main window
    // ends the program.
    BOOL DestroyWindow();

    CWnd* GetDlgItem(int id) const;
    void SetDlgItemText(int id, const CString& text);
    CString GetDlgItemText(int id) const;

    // Sends a command to this dialog as a click or an accelerator would.
    void SendCommand(UINT id, UINT notification = BN_CLICKED);

    // Dispatch of one command: the message map first, then IDOK to OnOK and
    // IDCANCEL to OnCancel. TRUE when something handled it.
    BOOL OnCommand(UINT id, UINT notification);

    // Offered every key press for this dialog or any of its controls before
    // the dialog handles it; TRUE consumes the key.
    virtual BOOL PreTranslateMessage(const MSG& msg);

protected:
    // Runs after the controls exist and before the window is shown. TRUE lets
    // the first tab stop take the focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // The last thing that happens when the window is destroyed.
    virtual void PostNcDestroy() {}

    void EndDialog(int result);

    // The ordinary dialog keys: Enter presses the focused or the default push
    // button, Esc cancels, Alt+F4 closes; Tab, arrows and mnemonics are left
    // to the widgets. TRUE when the key was used.
    BOOL HandleDialogKey(const MSG& msg);

private:
    friend class DialogWindow;
    BOOL BuildWindow(const DialogTemplate& dialogTemplate, CWnd* owner);
    void ForgetWindow();

    int m_templateId;
    CWnd* m_pParent;
    std::map<int, std::unique_ptr<CWnd>> m_controls;
};

// Translates a key through an accelerator table: on a match the command is
// sent to `window` and the result is TRUE.
BOOL TranslateAccelerator(CDialog* window, HACCEL table, const MSG& msg);
