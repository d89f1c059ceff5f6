#pragma once
// The command line read before anything else runs: what the program should
// do with it (run, print its usage or version, or refuse it) and the text
// it then prints. Knows the program's own options, the server start
// switches the bus's activation file passes, and the options Qt takes for
// itself (with their argument). It only reads: nothing here touches a
// display, the bus or the terminal, and what the switches mean to a run is
// decided later by the application object.

#include <string>
#include <vector>

enum class CommandLineAction {
    Run,          // start the calculator (or the automation server)
    ShowUsage,    // --help, -h
    ShowVersion,  // --version
    Refuse,       // an unknown option, a stray argument, a missing value
};

struct CommandLineVerdict {
    CommandLineAction action = CommandLineAction::Run;
    std::string standardOutput;  // what to print on stdout before ending
    std::string standardError;   // what to print on stderr before ending
    int exitStatus = 0;          // the status to end with, unless Run
};

// Reads `arguments` (without the program name) in order; the first that
// decides (help, version, or one refused) wins.
CommandLineVerdict ReadCommandLine(const std::vector<std::string>& arguments);
