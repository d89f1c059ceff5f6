#pragma once
// Dialog data exchange: the DDX_ and DDV_ functions a dialog's
// DoDataExchange calls, in one direction at a time. Loading writes members
// into controls (numbers in the general form, "0", "360", "9999.99");
// saving reads controls into members strictly and checks each value's
// range. The first field that fails stops the exchange: a message box names
// the problem (and the limits), the focus goes to the field with its text
// selected, and UpdateData returns FALSE with every control as it was.
// Computing from the fields is not done here; compute handlers read them
// loosely with StrToD and AToI (NumberText.h).

#include "platform/WinTypes.h"

class CDialog;
class CWnd;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate);

    // TRUE: controls to members, with validation. FALSE: members to controls.
    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;

    // The control `id`, remembered as the one a failure focuses. Null when
    // the dialog has no such control.
    CWnd* PrepareCtrl(int id);
    // The same for an edit: a failure also selects its whole text.
    CWnd* PrepareEditCtrl(int id);

    // Focuses (and for an edit selects) the last prepared control and stops
    // the exchange. The caller has already shown its message.
    [[noreturn]] void Fail();

    // The control the last Prepare named, and whether it is an edit.
    int m_idLastControl = -1;
    BOOL m_bEditLastControl = FALSE;
};

// Thrown by Fail and caught by UpdateData: the exchange stops at the first
// failing field, and nothing after it in DoDataExchange runs.
struct DataExchangeFailure {};

// Edits and their members. Saving refuses empty text, trailing characters,
// "inf"/"nan" and hexadecimal spellings, a fraction or an out-of-range
// value in an int field; blanks around a plain number are allowed.
void DDX_Text(CDataExchange* pDX, int id, double& value);
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, CString& value);

// Range checks of the value the preceding DDX_Text saved; they do nothing
// when loading (DDV_MaxChars then limits what the edit accepts). A
// not-a-number is outside every range.
void DDV_MinMaxDouble(CDataExchange* pDX, double value, double minValue, double maxValue);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars);

// A radio group: the button `id` and the radio buttons that follow it in
// template order, up to the next one that starts a group. The value is the
// index of the checked button in the group, -1 for none. Loading checks the
// button at the value's index and clears the others; in a group of one
// that means value 0 checks it and any other value clears it.
void DDX_Radio(CDataExchange* pDX, int id, int& value);

// Binds a control object (a CWnd or a class derived from it) to control
// `id`; the binding ends when the dialog's window is destroyed.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
