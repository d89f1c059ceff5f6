#include "CalcApp.h"

#include "calc/CalcDlg.h"
#include "platform/dialog/MessageBox.h"
#include "platform/automation/Ole.h"

#include <cstdio>

namespace {
constexpr UINT kCannotStartAutomation = 100;
constexpr UINT kCannotShowWindow = 103;
constexpr char kNoDisplay[] =
    "numbrix-calc: there is no display to show the calculator on (is DISPLAY or WAYLAND_DISPLAY set?); "
    "scripts/run.sh starts a virtual display and the calculator on it\n";
}

const MessageMap& CCalcApp::GetMessageMap() const
{
    static const MessageMap map = {
        ON_COMMAND(ID_HELP, &CWinApp::OnHelp),
    };
    return map;
}

BOOL CCalcApp::InitInstance()
{
    // Qt's widgets draw their own three-dimensional look and host any
    // control, so there is no control container or 3-D drawing to enable.

    // Started by the bus for a client: the session bus stands for OLE and
    // the run is useless without it. Offer the class factory and wait: no
    // window, no registration, no running object; the client decides.
    if (RunEmbedded(m_arguments) || RunAutomated(m_arguments)) {
        if (!AfxOleInit()) {
            AfxMessageBox(kCannotStartAutomation, MB_OK);
            return FALSE;
        }
        COleObjectFactory::RegisterAll();
        return TRUE;
    }

    // A user's run is for a user to see: without a display it says so on
    // the terminal and ends before it makes any window.
    if (!AfxHasDisplay()) {
        std::fputs(kNoDisplay, stderr);
        return FALSE;
    }

    // A user's run: the window first. The object belongs to its window from
    // here on and deletes itself when the window is destroyed.
    auto* calculator = new CCalcDlg(nullptr);
    calculator->SetVisible(TRUE);
    if (!calculator->GetVisible()) {
        AfxMessageBox(kCannotShowWindow, MB_OK);
        return FALSE;
    }
    // The bus work follows in OnIdle, once the window is on its way.
    m_bStartAutomation = TRUE;
    return TRUE;
}

BOOL CCalcApp::OnIdle(long count)
{
    if (count != 0 || !m_bStartAutomation)
        return FALSE;
    m_bStartAutomation = FALSE;
    // Without a bus a user's run works on as a plain calculator. With one,
    // the registration points the bus at this copy of the program (whether
    // it could be written does not matter to the user), and clients attach
    // to the user's calculator through its running name.
    if (!AfxOleInit())
        return FALSE;
    COleObjectFactory::UpdateRegistryAll(TRUE);
    if (auto* calculator = dynamic_cast<CCalcDlg*>(m_pMainWnd))
        calculator->RegisterActive();
    return FALSE;
}
