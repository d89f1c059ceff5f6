#include "platform/WinThread.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace {
CWinThread* g_thread = nullptr;
}

CWinThread::CWinThread()
{
    g_thread = this;
}

CWinThread::~CWinThread()
{
    if (g_thread == this)
        g_thread = nullptr;
}

void CWinThread::OnMainWindowDestroyed()
{
    AfxPostQuitMessage(0);
}

CWinThread* AfxGetThread()
{
    return g_thread;
}

void AfxPostQuitMessage(int exitCode)
{
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(app, [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
    }
}

BOOL AfxHasDisplay()
{
    return g_thread == nullptr || g_thread->m_bHasDisplay ? TRUE : FALSE;
}
