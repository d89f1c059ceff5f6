#pragma once
// CCalcApp: decides how the program starts and nothing else. Started by a
// user, it creates the one calculator object and shows its window, which
// becomes the main window (the program ends when that window is destroyed),
// and then offers it on the session bus. Started by the bus, it offers the
// class factory and waits for a client.

#include "platform/application/WinApp.h"

class CCalcApp : public CWinApp {
public:
    BOOL InitInstance() override;
    // A user's run connects to the bus, writes its registration and
    // publishes the calculator here, after the window is shown.
    BOOL OnIdle(long count) override;

protected:
    // One entry: ID_HELP to CWinApp::OnHelp, the user guide.
    const MessageMap& GetMessageMap() const override;

private:
    BOOL m_bStartAutomation = FALSE;
};
