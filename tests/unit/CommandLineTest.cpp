// The command line as read before the program starts: what runs, what
// prints its usage or version, and what is refused with which complaint.

#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CommandLineCase {
    const char* name;
    std::vector<std::string> arguments;
    CommandLineAction action;
    // For a refusal, the first line on stderr; else unused.
    const char* complaint;
};

void PrintTo(const CommandLineCase& c, std::ostream* os)
{
    *os << c.name;
}

constexpr auto Run = CommandLineAction::Run;
constexpr auto Usage = CommandLineAction::ShowUsage;
constexpr auto Version = CommandLineAction::ShowVersion;
constexpr auto Refuse = CommandLineAction::Refuse;

const CommandLineCase kCommandLineCases[] = {
    {"NothingRuns", {}, Run, ""},
    {"LongHelp", {"--help"}, Usage, ""},
    {"ShortHelp", {"-h"}, Usage, ""},
    {"Version", {"--version"}, Version, ""},
    {"HelpAfterQtOptions", {"-style", "Fusion", "--help"}, Usage, ""},
    {"FirstDecidingArgumentWins", {"--version", "--help"}, Version, ""},
    {"UnknownBeforeHelpIsRefused", {"--frob", "--help"}, Refuse, "numbrix-calc: unknown option '--frob'"},
    {"UnknownLongOption", {"--frob"}, Refuse, "numbrix-calc: unknown option '--frob'"},
    {"UnknownShortOption", {"-x"}, Refuse, "numbrix-calc: unknown option '-x'"},
    {"HelpIsNotAbbreviated", {"--hel"}, Refuse, "numbrix-calc: unknown option '--hel'"},
    {"SingleDashVersionIsNotOurs", {"-version"}, Refuse, "numbrix-calc: unknown option '-version'"},
    {"StrayWord", {"foo"}, Refuse, "numbrix-calc: unexpected argument 'foo'"},
    {"LoneDash", {"-"}, Refuse, "numbrix-calc: unexpected argument '-'"},
    {"EmptyArgument", {""}, Refuse, "numbrix-calc: unexpected argument ''"},
    // The activation file's switches, in any case and with either prefix.
    {"AutomationSwitch", {"-Automation"}, Run, ""},
    {"EmbeddingSwitchWithSlash", {"/Embedding"}, Run, ""},
    {"SwitchInAnyCase", {"-aUtOmAtIoN"}, Run, ""},
    {"SlashAutomationLowerCase", {"/automation"}, Run, ""},
    {"SwitchWithTwoDashesIsNotOne", {"--Automation"}, Refuse, "numbrix-calc: unknown option '--Automation'"},
    {"OtherSlashWordIsNoSwitch", {"/Automate"}, Refuse, "numbrix-calc: unexpected argument '/Automate'"},
    // Qt's options, their values taken with them (a value is never read as
    // an option of ours).
    {"PlatformWithValue", {"-platform", "offscreen"}, Run, ""},
    {"QtOptionWithTwoDashes", {"--platform", "wayland"}, Run, ""},
    {"ValueLooksLikeAnOption", {"-title", "--help"}, Run, ""},
    {"StyleJoined", {"-style=Fusion", "-stylesheet=a.qss"}, Run, ""},
    {"QtFlags", {"-reverse", "-widgetcount", "-testability", "-nograb", "-dograb"}, Run, ""},
    {"SessionDisplayAndTheRest",
     {"-session", "1234_5", "-display", ":1", "-geometry", "300x200", "-name", "calc", "-visual", "TrueColor",
      "-platformtheme", "gtk3", "-platformpluginpath", "/p", "-plugin", "evdevtouch", "-qwindowgeometry",
      "1x1", "-qwindowtitle", "t", "-qwindowicon", "i", "-icon", "i", "-stylesheet", "s", "-qmljsdebugger",
      "port:1"},
     Run, ""},
    {"ServerSwitchAmongQtOptions", {"-style", "Fusion", "-Embedding", "-reverse"}, Run, ""},
    {"QtOptionMissingItsValue", {"-platform"}, Refuse, "numbrix-calc: option '-platform' needs a value"},
    {"SessionMissingItsValue", {"-reverse", "-session"}, Refuse, "numbrix-calc: option '-session' needs a value"},
    {"QtFlagTakesNoValue", {"-reverse", "x"}, Refuse, "numbrix-calc: unexpected argument 'x'"},
};

class CommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLine, DecidesWhatTheRunDoesAndSaysWhy)
{
    const CommandLineCase& c = GetParam();
    const CommandLineVerdict verdict = ReadCommandLine(c.arguments);
    EXPECT_EQ(verdict.action, c.action);
    switch (c.action) {
    case CommandLineAction::Run:
        EXPECT_EQ(verdict.standardOutput + verdict.standardError, "");
        break;
    case CommandLineAction::ShowUsage:
        EXPECT_EQ(verdict.exitStatus, 0);
        EXPECT_EQ(verdict.standardOutput.rfind("Usage: numbrix-calc [OPTION]...\n", 0), 0u) << verdict.standardOutput;
        for (const char* option : {"--help", "--version", "-Automation", "-platform"})
            EXPECT_NE(verdict.standardOutput.find(option), std::string::npos) << option;
        EXPECT_EQ(verdict.standardError, "");
        break;
    case CommandLineAction::ShowVersion:
        // The number itself is the project's; the real program's test
        // checks it against the build's.
        EXPECT_EQ(verdict.exitStatus, 0);
        EXPECT_EQ(verdict.standardOutput.rfind("numbrix-calc ", 0), 0u);
        EXPECT_EQ(verdict.standardOutput.find('\n'), verdict.standardOutput.size() - 1);
        EXPECT_EQ(verdict.standardError, "");
        break;
    case CommandLineAction::Refuse:
        EXPECT_EQ(verdict.exitStatus, 2);
        EXPECT_EQ(verdict.standardOutput, "");
        EXPECT_EQ(verdict.standardError,
                  std::string(c.complaint) + "\nTry 'numbrix-calc --help' for more information.\n");
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLine, ::testing::ValuesIn(kCommandLineCases),
                         [](const ::testing::TestParamInfo<CommandLineCase>& info) { return info.param.name; });

}  // namespace
