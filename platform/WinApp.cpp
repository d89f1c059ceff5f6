#include "platform/WinApp.h"

#include "platform/dialog/MessageBox.h"
#include "platform/system/ShellOpen.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QTimer>

#include <cstdlib>

namespace {

CWinApp* g_app = nullptr;

// The user guide beside the program (a build tree), else where an install
// puts it: <prefix>/bin/<program> and <prefix>/share/doc/<program>/.
CString FindHelpFile()
{
    const QFileInfo program(QCoreApplication::applicationFilePath());
    const QString name = program.fileName() + QStringLiteral(".html");
    const QDir dir = program.absoluteDir();
    const QString candidates[] = {
        dir.filePath(name),
        dir.filePath(QStringLiteral("../share/doc/%1/%2").arg(program.fileName(), name)),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).canonicalFilePath().toStdString();
    }
    return {};
}

}  // namespace

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

void CWinApp::OnHelp()
{
    // Looked for at the first F1, not at start-up.
    if (m_helpFilePath.empty())
        m_helpFilePath = FindHelpFile();
    if (m_helpFilePath.empty() || !QFileInfo(QString::fromStdString(m_helpFilePath)).isFile()) {
        AfxMessageBox("The user guide could not be found. It is installed with the program as " +
                          QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString() + ".html.",
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ShellOpen(FileUrl(m_helpFilePath));
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
    QTimer::singleShot(0, &application, [app] {
        long count = 0;
        while (app->OnIdle(count))
            ++count;
    });
    return QApplication::exec();
}
