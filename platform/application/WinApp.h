#pragma once
// CWinApp: the one application object. It holds the command line, runs
// InitInstance and the idle work, and opens the user guide for ID_HELP; as
// the layers' CWinThread it holds the main window and ends the event loop
// when that window is destroyed. The program derives from it and overrides
// InitInstance. How the process starts (the platform, the display, the bus
// probe) is AfxWinMain's, in WinMain.cpp.

#include "platform/WinThread.h"

#include <string>
#include <vector>

class CWinApp : public CWinThread {
public:
    // TRUE runs the event loop, FALSE ends the program at once.
    virtual BOOL InitInstance() { return TRUE; }

    // Called once the event loop has handled what InitInstance left for it
    // (the first window is on its way to the screen), with a count from 0;
    // called again at once while it returns TRUE. For the work that need
    // not delay the first window.
    virtual BOOL OnIdle(long count)
    {
        (void)count;
        return FALSE;
    }

    // ID_HELP's default: opens the help file, the user guide, through the
    // desktop's URL opener; a message box says so when there is none.
    void OnHelp();

    // The user guide. When empty, OnHelp looks for it with FindUserGuide.
    CString m_helpFilePath;
    // The command line, without the program name.
    std::vector<std::string> m_arguments;
};

// The application object, or null before it is constructed.
CWinApp* AfxGetApp();

// The program's entry: chooses Qt's platform, builds the Qt application,
// runs InitInstance of the application object and then the event loop.
// Returns the exit code.
int AfxWinMain(int argc, char** argv);
