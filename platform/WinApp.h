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

    // Called once the event loop has handled what InitInstance left for it
    // (the first window is on its way to the screen), with a count from 0;
    // called again at once while it returns TRUE. For the work that need
    // not delay the first window.
    virtual BOOL OnIdle(long count)
    {
        (void)count;
        return FALSE;
    }

    // Called when the main window has been destroyed: ends the event loop
    // with exit code 0.
    virtual void OnMainWindowDestroyed();

    // ID_HELP's default: opens the help file, the user guide, through the
    // desktop's URL opener; a message box says so when there is none.
    void OnHelp();

    // The window whose destruction ends the program; null until one is made.
    CWnd* m_pMainWnd = nullptr;
    // The user guide. When empty, OnHelp looks for it with FindUserGuide.
    CString m_helpFilePath;
    // The command line, without the program name.
    std::vector<std::string> m_arguments;
};

// The framework's help command: F1 in any dialog sends it, and the
// application's message map routes it to OnHelp.
inline constexpr UINT ID_HELP = 57670;

// The user guide of the program at `programPath` (<program>.html): beside
// the program, as in a build tree, else where an install puts it,
// <prefix>/share/<program>/ for <prefix>/bin/<program> (outside share/doc,
// which a minimal system may leave out). Its real path, or "" when neither
// is there.
CString FindUserGuide(const CString& programPath);

// The application object, or null before it is constructed.
CWinApp* AfxGetApp();

// Ends the event loop with `exitCode` once the current event is handled.
void AfxPostQuitMessage(int exitCode);

// FALSE when the program runs without a display it did not ask for: none
// could be reached, so Qt draws off the screen, where no user sees a
// window. TRUE on a real display, and when the user chose the off-screen
// platform himself (QT_QPA_PLATFORM or -platform).
BOOL AfxHasDisplay();

// The program's entry: builds the Qt application, runs InitInstance of the
// application object and then the event loop. Returns the exit code.
int AfxWinMain(int argc, char** argv);
