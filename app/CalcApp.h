#pragma once
// CCalcApp: decides how the program starts and nothing else. Started by a
// user, it creates the one calculator object and shows its window, which
// becomes the main window: the program ends when that window is destroyed.

#include "platform/WinApp.h"

class CCalcApp : public CWinApp {
public:
    BOOL InitInstance() override;

protected:
    // One entry: ID_HELP to CWinApp::OnHelp, the user guide.
    const MessageMap& GetMessageMap() const override;
};
