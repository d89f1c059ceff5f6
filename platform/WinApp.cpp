#include "platform/WinApp.h"

#include "platform/automation/detail/OleExports.h"
#include "platform/automation/detail/SessionBusProbe.h"
#include "platform/dialog/MessageBox.h"
#include "platform/system/ShellOpen.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QTimer>

#include <cstdlib>
#include <cstring>
#include <future>
#include <string>
#include <vector>

namespace {

CWinApp* g_app = nullptr;
bool g_hasDisplay = true;

// Qt's platforms in the order we try them when the user names none: the
// X display first wherever one is reachable (also under a Wayland session's
// X server: placement and the window manager's decorations behave as we
// test them), else the Wayland compositor natively, else drawing off the
// screen, so that a run without a display can still serve automation
// clients instead of aborting inside Qt.
constexpr char kPlatformsWithFallback[] = "xcb;wayland;offscreen";

// What Qt says while it tries the platforms that could not connect (the
// Wayland platform says it without a category of its own).
bool IsPlatformProbeCategory(const char* category)
{
    for (const char* probing : {"qt.qpa.xcb", "qt.qpa.wayland", "qt.qpa.plugin", "default"}) {
        if (std::strcmp(category, probing) == 0)
            return true;
    }
    return false;
}

bool UserChosePlatform(int argc, char** argv)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

// While Qt picks its platform: what it says about the displays it could
// not reach is held back, then dropped when we fell back to drawing off
// the screen (the program says so itself, in its own words) and passed on
// otherwise.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<HeldMessage> g_heldMessages;
QtMessageHandler g_previousHandler = nullptr;

void HoldPlatformMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // A message without a category (qErrnoWarning's) is the default one's.
    const char* category = context.category != nullptr ? context.category : "default";
    if (type != QtFatalMsg && IsPlatformProbeCategory(category)) {
        g_heldMessages.push_back({type, category, text});
        return;
    }
    g_previousHandler(type, context, text);
}

// Whether a held message is about a platform Qt tried before it settled
// on `platform`: on Wayland, the X display it could not reach; off the
// screen, all of them.
bool SaidAboutAnEarlierTry(const std::string& category, const QString& platform)
{
    if (platform == QLatin1String("offscreen"))
        return true;
    if (platform == QLatin1String("wayland"))
        return category == "qt.qpa.xcb" || category == "qt.qpa.plugin";
    return false;
}

// Passes on what Qt said about the platform it settled on, and drops what
// it said about those it tried before.
void ReleaseHeldMessages(const QString& platform)
{
    qInstallMessageHandler(g_previousHandler);
    for (const HeldMessage& held : g_heldMessages) {
        if (SaidAboutAnEarlierTry(held.category, platform))
            continue;
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.c_str());
        g_previousHandler(held.type, context, held.text);
    }
    g_heldMessages.clear();
}

}  // namespace

CString FindUserGuide(const CString& programPath)
{
    const QFileInfo program(QString::fromStdString(programPath));
    const QString name = program.fileName() + QStringLiteral(".html");
    const QDir dir = program.absoluteDir();
    const QString candidates[] = {
        dir.filePath(name),
        dir.filePath(QStringLiteral("../share/%1/%2").arg(program.fileName(), name)),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).canonicalFilePath().toStdString();
    }
    return {};
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

BOOL AfxHasDisplay()
{
    return g_hasDisplay ? TRUE : FALSE;
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

    const bool platformChosen = UserChosePlatform(argc, argv);
    if (!platformChosen) {
        qputenv("QT_QPA_PLATFORM", kPlatformsWithFallback);
        g_previousHandler = qInstallMessageHandler(HoldPlatformMessages);
    }

    // The session bus is probed while Qt starts, and settled before the
    // first window: on the X display Qt's accessibility bridge connects to
    // the bus as the first controls are made, and a daemon that accepts but
    // never answers would hold it (and the window) for ever.
    std::future<BusProbeResult> busProbe =
        std::async(std::launch::async, [address = SessionBusAddress()] {
            return ProbeBusAddress(address, kSessionBusAnswerBound);
        });

    // Qt adopts the user's locale for the whole process. Numbers are still
    // written and read with the point: Format and the number readers switch
    // to the C locale object (text/detail/CLocale) for each call themselves.
    QApplication application(argc, argv);
    // On Wayland the compositor finds the program's name and icon through
    // its desktop entry (the X window manager reads the window's class).
    QGuiApplication::setDesktopFileName(QStringLiteral("numbrix-calc"));
    if (!platformChosen) {
        // The programs we start choose their own platform.
        qunsetenv("QT_QPA_PLATFORM");
        g_hasDisplay = QGuiApplication::platformName() != QLatin1String("offscreen");
        ReleaseHeldMessages(QGuiApplication::platformName());
    }
    SettleSessionBus(busProbe.get());

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
