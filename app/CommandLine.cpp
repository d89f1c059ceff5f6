#include "app/CommandLine.h"

#include "platform/automation/Ole.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view kProgram = "numbrix-calc";

constexpr char kUsage[] =
    "Usage: numbrix-calc [OPTION]...\n"
    "A four-function calculator with engineering and finance utilities.\n"
    "\n"
    "  -h, --help          print this help and exit\n"
    "      --version       print the version and exit\n"
    "  -Automation, -Embedding\n"
    "                      run as the automation server the session bus starts\n"
    "                      for a client (also /Automation, /Embedding, in any\n"
    "                      case): no window until the client shows it\n"
    "\n"
    "Qt's own options are taken as well, among them:\n"
    "  -platform NAME      the display platform: xcb, wayland or offscreen\n"
    "  -display DISPLAY    the X display to show the calculator on\n"
    "  -style NAME         the widget style\n"
    "  -session ID         the session the session manager restores\n"
    "  -reverse            lay the windows out from right to left\n"
    "\n"
    "The calculator shows on the X display of DISPLAY where one is reachable,\n"
    "else on the Wayland compositor of WAYLAND_DISPLAY.\n";

// The options Qt's application objects take out of the command line,
// without their leading dash; Qt accepts each with two dashes as well.
// The X platform's geometry, title and icon are Qt's too.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "geometry", "title", "icon", "style", "stylesheet", "session", "display", "name",
    "visual", "qmljsdebugger",
};
constexpr std::string_view kQtFlags[] = {"reverse", "testability", "widgetcount", "nograb", "dograb"};
// Taken as one word, "-style=NAME".
constexpr std::string_view kQtOptionsWithJoinedValue[] = {"style=", "stylesheet=", "qmljsdebugger="};

// The option's name as Qt reads it: one leading dash, a second one dropped.
std::string_view QtOptionName(std::string_view argument)
{
    if (argument.size() < 2 || argument[0] != '-')
        return {};
    argument.remove_prefix(argument[1] == '-' ? 2 : 1);
    return argument;
}

template <std::size_t N>
bool IsOneOf(std::string_view name, const std::string_view (&names)[N])
{
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

bool HasJoinedValue(std::string_view name)
{
    return std::any_of(std::begin(kQtOptionsWithJoinedValue), std::end(kQtOptionsWithJoinedValue),
                       [name](std::string_view prefix) { return name.substr(0, prefix.size()) == prefix; });
}

CommandLineVerdict Refused(std::string complaint)
{
    CommandLineVerdict verdict;
    verdict.action = CommandLineAction::Refuse;
    verdict.standardError = std::string(kProgram) + ": " + complaint + "\nTry '" + std::string(kProgram) +
                            " --help' for more information.\n";
    verdict.exitStatus = 2;
    return verdict;
}

}  // namespace

CommandLineVerdict ReadCommandLine(const std::vector<std::string>& arguments)
{
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            CommandLineVerdict verdict;
            verdict.action = CommandLineAction::ShowUsage;
            verdict.standardOutput = kUsage;
            return verdict;
        }
        if (argument == "--version") {
            CommandLineVerdict verdict;
            verdict.action = CommandLineAction::ShowVersion;
            verdict.standardOutput = std::string(kProgram) + " " NUMBRIX_VERSION "\n";
            return verdict;
        }
        // The server start switches, as the activation file passes them.
        if (RunEmbedded({argument}) || RunAutomated({argument}))
            continue;
        const std::string_view name = QtOptionName(argument);
        if (IsOneOf(name, kQtFlags) || HasJoinedValue(name))
            continue;
        if (IsOneOf(name, kQtOptionsWithValue)) {
            if (++i == arguments.size())
                return Refused("option '" + argument + "' needs a value");
            continue;
        }
        if (argument.size() > 1 && argument[0] == '-')
            return Refused("unknown option '" + argument + "'");
        return Refused("unexpected argument '" + argument + "'");
    }
    return {};
}
