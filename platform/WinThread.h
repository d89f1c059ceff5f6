#pragma once
// CWinThread: what the layers reach of the application around them, and
// nothing of how it starts. The main window (whose destruction ends the
// program), the commands no window handles (ID_HELP), ending the event loop
// and whether anyone sees the windows. The application object
// (application/WinApp.h) is one; the layers never include that room.

#include "platform/MessageMap.h"

class CWnd;

class CWinThread : public CCmdTarget {
public:
    CWinThread();
    ~CWinThread() override;
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    // Called when the main window has been destroyed: ends the event loop
    // with exit code 0.
    virtual void OnMainWindowDestroyed();

    // The window whose destruction ends the program; null until one is made.
    CWnd* m_pMainWnd = nullptr;
    // FALSE when the process draws off the screen without being asked to
    // (no display could be reached), so no user sees its windows. Set once
    // at start-up.
    BOOL m_bHasDisplay = TRUE;
};

// The framework's help command: F1 in any dialog sends it, and commands no
// dialog handles go on to the thread's message map (the application routes
// it to its OnHelp).
inline constexpr UINT ID_HELP = 57670;

// The application's thread object, or null before it is constructed.
CWinThread* AfxGetThread();

// Ends the event loop with `exitCode` once the current event is handled.
void AfxPostQuitMessage(int exitCode);

// FALSE when the program runs without a display it did not ask for: none
// could be reached, so Qt draws off the screen, where no user sees a
// window. TRUE on a real display, when the user chose the off-screen
// platform himself (QT_QPA_PLATFORM or -platform), and before there is an
// application object.
BOOL AfxHasDisplay();
