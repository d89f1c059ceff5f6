#include "platform/WinApp.h"

#include <QApplication>
#include <QMetaObject>

#include <cstdlib>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

void CWinApp::OnMainWindowDestroyed()
{
    AfxPostQuitMessage(0);
}

CWinApp* AfxGetApp()
{
    return g_app;
}

void AfxPostQuitMessage(int exitCode)
{
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(app, [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
    }
}

int AfxWinMain(int argc, char** argv)
{
    // A widgets program draws nothing with OpenGL: keep Qt from loading the
    // GL stack at start-up, which costs more than the rest of the program.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    // Qt adopts the user's locale for the whole process. Numbers are still
    // written and read with the point: Format and the number readers switch
    // to the C locale object (text/detail/CLocale) for each call themselves.
    QApplication application(argc, argv);

    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return EXIT_FAILURE;
    for (int i = 1; i < argc; ++i)
        app->m_arguments.emplace_back(argv[i]);
    if (!app->InitInstance())
        return EXIT_FAILURE;
    return QApplication::exec();
}
