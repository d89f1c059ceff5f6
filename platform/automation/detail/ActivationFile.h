#pragma once
// The registration of an automation class: a D-Bus activation file that
// tells the bus daemon to start this program as a server when a client asks
// for the class's ProgID. It stands for the registry entries of the Windows
// design and is looked after at every interactive start: written for a
// program run from a build tree or a prefix no system-wide file names,
// taken away when the run is the installed program a system-wide file
// (an install's, in $XDG_DATA_DIRS) already registers.

#include <optional>
#include <string>
#include <vector>

// The Exec= value: the program's path, quoted as service files need when it
// holds anything but plain path characters, then " -Automation".
// nullopt for a path no service file can carry (a line break or a
// backslash in it, or a single quote together with one of " $ `).
std::optional<std::string> ActivationExecLine(const std::string& programPath);

// The whole file for `progId`, with the class id in a comment.
std::optional<std::string> ActivationFileText(const std::string& progId, const std::string& clsid,
                                              const std::string& programPath);

// Where the file of `progId` goes: $XDG_DATA_HOME (else ~/.local/share)
// /dbus-1/services/<progId>.service. nullopt when neither is known.
std::optional<std::string> ActivationFilePath(const std::string& progId);

// The program a service file's text starts, read back from its Exec= line
// as ActivationExecLine spells it (plain, or in single or double quotes).
// nullopt when there is no Exec= line or its program cannot be read.
std::optional<std::string> ActivationFileProgram(const std::string& fileText);

// What an interactive run finds: every path here is a real path (symbolic
// links resolved), and a program that no longer exists is "".
struct ActivationFileState {
    // This program.
    std::string program;
    // The programs the system-wide files of the ProgID name.
    std::vector<std::string> systemPrograms;
    // The program the per-user file names; nullopt when there is no file.
    std::optional<std::string> userProgram;
};

// What the run does with the per-user file. The bus prefers it to any
// system-wide file and never falls back when its program is gone, so:
// the installed program (named by a system-wide file) takes the per-user
// file away; any other run writes it naming itself, which also replaces one
// naming a program that is gone; a program no service file can name takes
// away only such a stale file. Leave: nothing to change.
enum class ActivationFileStep { Write, Remove, Leave };
ActivationFileStep DecideActivationFile(const ActivationFileState& state);

// The system-wide files the bus reads for `progId`: <dir>/dbus-1/services/
// <progId>.service for each absolute dir of $XDG_DATA_DIRS (by default
// /usr/local/share and /usr/share), in that order.
std::vector<std::string> SystemActivationFilePaths(const std::string& progId);

// An interactive run's registration: looks at the system-wide files and
// the per-user one, then writes or removes the per-user file as
// DecideActivationFile says. TRUE when the file is as it should be.
bool UpdateActivationFile(const std::string& progId, const std::string& clsid);

// Writes the file for this program, replacing any earlier one in one step
// so the daemon never reads half a file. TRUE on success.
bool WriteActivationFile(const std::string& progId, const std::string& clsid);
