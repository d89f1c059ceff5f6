#include "CalcApp.h"

#include "calc/CalcDlg.h"
#include "platform/MessageBox.h"

namespace {
constexpr UINT kCannotShowWindow = 103;
}

BOOL CCalcApp::InitInstance()
{
    // Qt's widgets draw their own three-dimensional look and host any
    // control, so there is no control container or 3-D drawing to enable.
    //
    // The automation start (bus connection, server run, registration) comes
    // before the window is made; the running-object entry after it is shown.

    // The object belongs to its window from here on and deletes itself when
    // the window is destroyed.
    auto* calculator = new CCalcDlg(nullptr);
    calculator->SetVisible(TRUE);
    if (!calculator->GetVisible()) {
        AfxMessageBox(kCannotShowWindow, MB_OK);
        return FALSE;
    }
    return TRUE;
}
