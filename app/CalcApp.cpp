#include "CalcApp.h"

#include "calc/CalcDlg.h"
#include "platform/dialog/MessageBox.h"
#include "platform/automation/Ole.h"

namespace {
constexpr UINT kCannotStartAutomation = 100;
constexpr UINT kCannotShowWindow = 103;
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

    // The session bus stands for OLE. A server run is useless without it;
    // a user's run works on as a plain calculator, without automation.
    const BOOL serverRun = RunEmbedded(m_arguments) || RunAutomated(m_arguments);
    const BOOL automation = AfxOleInit();
    if (!automation && serverRun) {
        AfxMessageBox(kCannotStartAutomation, MB_OK);
        return FALSE;
    }

    // Started by the bus for a client: offer the class factory and wait. No
    // window, no registration, no running object; the client decides.
    if (serverRun) {
        COleObjectFactory::RegisterAll();
        return TRUE;
    }

    // The registration points the bus at this copy of the program; whether
    // it could be written does not matter to the user.
    COleObjectFactory::UpdateRegistryAll(TRUE);

    // The object belongs to its window from here on and deletes itself when
    // the window is destroyed.
    auto* calculator = new CCalcDlg(nullptr);
    calculator->SetVisible(TRUE);
    if (!calculator->GetVisible()) {
        AfxMessageBox(kCannotShowWindow, MB_OK);
        return FALSE;
    }
    // Clients attach to the user's calculator through its running name.
    if (automation)
        calculator->RegisterActive();
    return TRUE;
}
