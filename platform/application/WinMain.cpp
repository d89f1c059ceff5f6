#include "platform/application/WinApp.h"

#include "platform/application/detail/FontWarmUp.h"
#include "platform/application/detail/PlatformChoice.h"
#include "platform/automation/SessionBusCheck.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>

int AfxWinMain(int argc, char** argv)
{
    // A widgets program draws nothing with OpenGL: keep Qt from loading the
    // GL stack at start-up, which costs more than the rest of the program.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    const bool fallbackChosen = ChoosePlatformWithFallback(argc, argv);

    // The fonts' configuration is read while Qt starts, to be ready when the
    // first window is measured.
    FontWarmUp fonts;

    // The session bus is probed while Qt starts, and settled before the
    // first window: on the X display Qt's accessibility bridge connects to
    // the bus as the first controls are made, and a daemon that accepts but
    // never answers would hold it (and the window) for ever.
    CSessionBusCheck busCheck;

    // Qt adopts the user's locale for the whole process. Numbers are still
    // written and read with the point: Format and the number readers switch
    // to the C locale object (text/detail/CLocale) for each call themselves.
    QApplication application(argc, argv);
    // On Wayland the compositor finds the program's name and icon through
    // its desktop entry (the X window manager reads the window's class).
    QGuiApplication::setDesktopFileName(QStringLiteral("numbrix-calc"));
    const bool hasDisplay = !fallbackChosen || SettlePlatformChoice();
    busCheck.Settle();
    fonts.Finish();

    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return EXIT_FAILURE;
    app->m_bHasDisplay = hasDisplay ? TRUE : FALSE;
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
