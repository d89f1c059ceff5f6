// The program's entry point and its one application object. The command
// line is read first: help, the version and a refused option end the run
// before any display or bus is touched.

#include "app/CalcApp.h"
#include "app/CommandLine.h"

#include <cstdio>

CCalcApp theApp;

int main(int argc, char** argv)
{
    const CommandLineVerdict verdict = ReadCommandLine({argv + 1, argv + argc});
    if (verdict.action != CommandLineAction::Run) {
        std::fputs(verdict.standardOutput.c_str(), stdout);
        std::fputs(verdict.standardError.c_str(), stderr);
        return verdict.exitStatus;
    }
    return AfxWinMain(argc, argv);
}
