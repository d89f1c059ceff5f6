#pragma once
// CAboutDlg: the About box (template 100). The product line, the maker's
// notice and two figures of this machine, measured once when the box
// opens: the total physical memory and the space free on the current
// directory's file system. It has no data to exchange and no accelerator
// table: Enter, OK, Esc and the close box all close it.

#include "platform/dialog/Dialog.h"

#include <optional>

class CAboutDlg : public CDialog {
public:
    // Template 100 and the two figures' controls.
    static constexpr int kTemplate = 100;
    static constexpr int kMemoryFigure = 1083;
    static constexpr int kDiskFigure = 1084;

    CAboutDlg();

protected:
    BOOL OnInitDialog() override;
};

// The figures' texts, from the string table's formats: "%lu KB" of the
// memory in bytes, and "%lu KB Free on %c:" of the free bytes and the
// drive character, or "Unavailable" when there is no figure. Kilobytes are
// 1024 bytes, truncated.
CString MemoryFigureText(ULONGLONG totalBytes);
CString DiskFigureText(std::optional<ULONGLONG> availableBytes, char drive);
