#include "platform/system/SystemInfo.h"

#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace {
// A directory path longer than this is not read (getcwd fails for it).
constexpr size_t kMaxDirectoryLength = 1 << 16;
constexpr char kDriveCharacter = '/';
}  // namespace

ULONGLONG GetTotalPhysicalMemory()
{
    struct sysinfo info = {};
    if (sysinfo(&info) != 0)
        return 0;
    return static_cast<ULONGLONG>(info.totalram) * static_cast<ULONGLONG>(info.mem_unit);
}

std::optional<CString> GetCurrentDirectory()
{
    std::vector<char> buffer(256);
    while (buffer.size() <= kMaxDirectoryLength) {
        if (getcwd(buffer.data(), buffer.size()) != nullptr)
            return CString(buffer.data());
        if (errno != ERANGE)
            return std::nullopt;
        buffer.resize(buffer.size() * 2);
    }
    return std::nullopt;
}

std::optional<DiskFreeSpace> GetCurrentDiskFreeSpace()
{
    struct statvfs fs = {};
    if (statvfs(".", &fs) != 0)
        return std::nullopt;
    // f_bavail: the blocks an unprivileged user may still fill, in units of
    // the fundamental block size.
    return DiskFreeSpace{static_cast<ULONGLONG>(fs.f_bavail) * static_cast<ULONGLONG>(fs.f_frsize), kDriveCharacter};
}
