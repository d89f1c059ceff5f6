#pragma once
// CWinApp: the one application object. It holds the main window and the
// command line, runs the event loop and ends it when the main window is
// destroyed. The program derives from it and overrides InitInstance.

#include "platform/dialog/Wnd.h"

#include <string>
#include <vector>

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // TRUE runs the event loop, FALSE ends the program at once.
    virtual BOOL InitInstance() { return TRUE; }

    // Called when the main window has been destroyed: ends the event loop
    // with exit code 0.
    virtual void OnMainWindowDestroyed();

    // The window whose destruction ends the program; null until one is made.
    CWnd* m_pMainWnd = nullptr;
    // The command line, without the program name.
    std::vector<std::string> m_arguments;
};

// The application object, or null before it is constructed.
CWinApp* AfxGetApp();

// Ends the event loop with `exitCode` once the current event is handled.
void AfxPostQuitMessage(int exitCode);

// The program's entry: builds the Qt application, runs InitInstance of the
// application object and then the event loop. Returns the exit code.
int AfxWinMain(int argc, char** argv);
