#pragma once
// CDialog: a dialog built from a template of res/, modeless (Create) or
// modal (DoModal), with controls found by id, commands dispatched through the
// message map and keys offered to PreTranslateMessage before the ordinary
// dialog keys. It owns its window; the window never owns it.

#include "platform/dialog/Accelerator.h"
#include "platform/dialog/DialogTemplate.h"
#include "platform/dialog/Icon.h"
#include "platform/dialog/Menu.h"
#include "platform/dialog/Wnd.h"

#include <map>
#include <memory>
#include <vector>

class CDataExchange;
class DialogWindow;

class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    int TemplateId() const { return m_templateId; }

    // Creates the window from the template, modeless. FALSE when the template
    // is missing or the window could not be built.
    BOOL Create(int templateId, CWnd* parent = nullptr);

    // Runs the dialog modally: the window is built from the template with
    // the parent, else the application's main window, as owner; the owner
    // takes no input until the dialog ends. The window is centred over the
    // owner when the template's origin is (0, 0), otherwise placed at the
    // template's position relative to the owner's client area. Returns the
    // result given to EndDialog (-1 when the window could not be made, or
    // was destroyed from outside); the window is gone afterwards.
    virtual int DoModal();

    // Runs DoDataExchange in one direction. FALSE when a field failed (the
    // user has been told and the field has the focus).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Destroys the window (not the object); the last step is PostNcDestroy,
    // which may delete the object. Destroying the application's main window
    // ends the program.
    BOOL DestroyWindow();

    CWnd* GetDlgItem(int id) const;
    void SetDlgItemText(int id, CString text);
    CString GetDlgItemText(int id) const;
    // The control's text as an integer, by the rule of ParseDialogItemInt
    // (text/DialogItemInt.h): 0, with *translated FALSE, when it does not convert.
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL bSigned = TRUE) const;

    // Checks `checked` and clears every other radio button whose id lies in
    // first..last; other kinds of control in the range are left alone.
    void CheckRadioButton(int first, int last, int checked);
    // BST_CHECKED or BST_UNCHECKED; unchecked for a control that is no
    // button.
    UINT IsDlgButtonChecked(int id) const;
    void CheckDlgButton(int id, UINT check);

    // Lets `control` stand for control `id` until the window is destroyed
    // (DDX_Control's work).
    void AttachControl(int id, CWnd& control);

    // Sends a command to this dialog as a click or an accelerator would.
    void SendCommand(UINT id, UINT notification = BN_CLICKED);

    // Dispatch of one command: the message map first, then IDOK to OnOK and
    // IDCANCEL to OnCancel. TRUE when something handled it.
    BOOL OnCommand(UINT id, UINT notification);

    // Offered every key press for this dialog or any of its controls before
    // the dialog handles it; TRUE consumes the key.
    virtual BOOL PreTranslateMessage(const MSG& msg);

    // The window's system menu (null without WS_SYSMENU or a window): it
    // starts as Size, Minimize, Maximize and Close, the ones the window's
    // style does not allow grayed. `revert` is accepted and ignored: the menu
    // is the window's own from the start.
    CMenu* GetSystemMenu(BOOL revert);
    // Pops the system menu up at the window's top-left corner (Alt+Space),
    // or at a point of the window (a right click on its background).
    void ShowSystemMenu();
    void ShowSystemMenuAt(int x, int y);
    // The window's icon, for the window manager (both sizes are one icon).
    void SetIcon(HICON icon, BOOL bigIcon);

    // An item of the system menu was chosen. The default minimises for
    // SC_MINIMIZE and takes the close box's path for SC_CLOSE; other commands
    // do nothing.
    virtual void OnSysCommand(UINT nID, LPARAM lParam);

protected:
    // Runs after the controls exist and before the window is shown. TRUE lets
    // the first tab stop take the focus.
    // The default runs the exchange in the load direction.
    virtual BOOL OnInitDialog();
    // The default saves and validates the fields and ends the dialog with
    // IDOK only when every field passes.
    virtual void OnOK();
    // The default ends the dialog with IDCANCEL, without validation.
    virtual void OnCancel();
    // The dialog's fields: DDX_ and DDV_ calls (DataExchange.h). None here.
    virtual void DoDataExchange(CDataExchange* pDX);
    // The last thing that happens when the window is destroyed.
    virtual void PostNcDestroy() {}

    void EndDialog(int result);

    // The ordinary dialog keys: Enter presses the focused or the default push
    // button, Esc cancels, Alt+F4 closes, Alt+Space opens the system menu;
    // mnemonics, Shift+F10 and the keypad's decimal key in an edit; Tab and
    // arrows are left to the widgets. TRUE when the key was used.
    BOOL HandleDialogKey(const MSG& msg);

private:
    friend class DialogWindow;
    BOOL BuildWindow(const DialogTemplate& dialogTemplate, CWnd* owner);
    void ForgetWindow();
    void PlaceModal(const DialogTemplate& dialogTemplate, CWnd* owner);
    // OnInitDialog, then the focus to the first tab stop when it asks so.
    void RunInitDialog();
    // The system menu a template with WS_SYSMENU gets (SystemMenu.cpp).
    void MakeSystemMenu(DWORD style);

    int m_templateId;
    CWnd* m_pParent;
    std::map<int, std::unique_ptr<CWnd>> m_controls;
    std::vector<CWnd*> m_boundControls;  // DDX_Control's objects, detached with the window
    std::unique_ptr<CMenu> m_systemMenu;
};

// Translates a key through an accelerator table: on a match the command is
// sent to `window` and the result is TRUE.
BOOL TranslateAccelerator(CDialog* window, HACCEL table, const MSG& msg);
