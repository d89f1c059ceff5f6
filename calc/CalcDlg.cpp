// The calculator window's life: construction, showing and hiding, and the
// close path (the window goes, the object deletes itself with it).

#include "CalcDlg.h"

#include "platform/application/WinApp.h"

CCalcDlg::CCalcDlg(CWnd* parent) : CDialog(kTemplate, parent)
{
    m_hAccel = LoadAccelerators(kTemplate);
    m_hIcon = LoadIcon(kIcon);
    OnClickedClear();  // no window yet, so this only clears the registers
    EnableAutomation();
}

CCalcDlg::~CCalcDlg()
{
    if (m_dwRegister != 0)
        RevokeActiveObject(m_dwRegister, nullptr);
}

BOOL CCalcDlg::GetVisible() const
{
    return GetSafeHwnd() != nullptr && (GetStyle() & WS_VISIBLE) != 0;
}

void CCalcDlg::SetVisible(BOOL value)
{
    const bool wanted = value != FALSE;
    if (wanted == (GetVisible() != FALSE))
        return;
    if (!wanted) {
        if (GetSafeHwnd() != nullptr)
            ShowWindow(SW_HIDE);
        return;
    }
    // A server started where no display can be reached works windowless;
    // the client asking for the window is told why it gets none.
    if (!AfxHasDisplay())
        AfxThrowOleDispatchException(0, "There is no display to show the calculator on");
    if (GetSafeHwnd() == nullptr && !Create(kTemplate, nullptr))
        return;
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == nullptr)
        app->m_pMainWnd = this;
    ShowWindow(SW_SHOWNORMAL);
}

void CCalcDlg::OnOK()
{
    // Enter is the "=" key; nothing closes the window through OK.
}

void CCalcDlg::OnCancel()
{
    // A client that created this object still refers to it: the user's close
    // takes the window away as Close does and keeps the object, which the
    // client's final release deletes, never the window.
    if (IsHeldByClient()) {
        Close();
        return;
    }
    DestroyWindow();
}

void CCalcDlg::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}
