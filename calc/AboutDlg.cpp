#include "AboutDlg.h"

#include "platform/StringTable.h"
#include "platform/system/SystemInfo.h"
#include "platform/text/Format.h"

namespace {

constexpr UINT kMemoryFormat = 104;
constexpr UINT kDiskFormat = 105;
constexpr UINT kDiskUnavailable = 106;
constexpr ULONGLONG kBytesPerKilobyte = 1024;

// The formats read "%lu": an unsigned long is 64 bits here, so the figures
// never wrap, whatever the machine has.
static_assert(sizeof(unsigned long) == sizeof(ULONGLONG));

}  // namespace

CString MemoryFigureText(ULONGLONG totalBytes)
{
    return Format(LoadString(kMemoryFormat), static_cast<unsigned long>(totalBytes / kBytesPerKilobyte));
}

CString DiskFigureText(std::optional<ULONGLONG> availableBytes, char drive)
{
    if (!availableBytes)
        return LoadString(kDiskUnavailable);
    return Format(LoadString(kDiskFormat), static_cast<unsigned long>(*availableBytes / kBytesPerKilobyte), drive);
}

CAboutDlg::CAboutDlg() : CDialog(kTemplate, nullptr) {}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(kMemoryFigure, MemoryFigureText(GetTotalPhysicalMemory()));
    const std::optional<DiskFreeSpace> disk = GetCurrentDiskFreeSpace();
    SetDlgItemText(kDiskFigure, disk ? DiskFigureText(disk->availableBytes, disk->drive) : DiskFigureText(std::nullopt, 0));
    return TRUE;
}
