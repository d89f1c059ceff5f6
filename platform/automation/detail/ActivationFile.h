#pragma once
// The registration of an automation class: a D-Bus activation file that
// tells the bus daemon to start this program as a server when a client asks
// for the class's ProgID. It stands for the registry entries of the Windows
// design and is written at every interactive start.

#include <optional>
#include <string>

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

// Writes the file for this program, replacing any earlier one in one step
// so the daemon never reads half a file. TRUE on success.
bool WriteActivationFile(const std::string& progId, const std::string& clsid);
