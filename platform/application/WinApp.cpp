#include "platform/application/WinApp.h"

#include "platform/application/UserGuide.h"
#include "platform/dialog/MessageBox.h"
#include "platform/system/ShellOpen.h"

#include <QCoreApplication>
#include <QFileInfo>

CWinApp* AfxGetApp()
{
    // The application is the thread object, when there is one.
    return dynamic_cast<CWinApp*>(AfxGetThread());
}

void CWinApp::OnHelp()
{
    // Looked for at the first F1, not at start-up.
    if (m_helpFilePath.empty())
        m_helpFilePath = FindUserGuide(QCoreApplication::applicationFilePath().toStdString());
    if (m_helpFilePath.empty() || !QFileInfo(QString::fromStdString(m_helpFilePath)).isFile()) {
        AfxMessageBox("The user guide could not be found. It is installed with the program as " +
                          QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString() + ".html.",
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ShellOpen(FileUrl(m_helpFilePath));
}
