#include "platform/application/detail/PlatformChoice.h"

#include <QGuiApplication>
#include <QString>

#include <cstring>
#include <string>
#include <vector>

namespace {

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

bool ChoosePlatformWithFallback(int argc, char** argv)
{
    if (UserChosePlatform(argc, argv))
        return false;
    qputenv("QT_QPA_PLATFORM", kPlatformsWithFallback);
    g_previousHandler = qInstallMessageHandler(HoldPlatformMessages);
    return true;
}

bool SettlePlatformChoice()
{
    // The programs we start choose their own platform.
    qunsetenv("QT_QPA_PLATFORM");
    const QString platform = QGuiApplication::platformName();
    ReleaseHeldMessages(platform);
    return platform != QLatin1String("offscreen");
}
