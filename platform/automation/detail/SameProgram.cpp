#include "platform/automation/detail/SameProgram.h"

#include <string>

#include <sys/stat.h>

bool RunsThisProgram(std::uint32_t pid)
{
    if (pid == 0)
        return false;
    // /proc/<pid>/exe leads to the file the process runs even when it has
    // been deleted or renamed; only its owner (or root) may follow it.
    struct stat theirs {};
    struct stat ours {};
    const std::string theirPath = "/proc/" + std::to_string(pid) + "/exe";
    if (::stat(theirPath.c_str(), &theirs) != 0 || ::stat("/proc/self/exe", &ours) != 0)
        return false;
    return theirs.st_dev == ours.st_dev && theirs.st_ino == ours.st_ino;
}
