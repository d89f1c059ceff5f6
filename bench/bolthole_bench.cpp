// The bolt-hole dialog's largest list: 100000 holes on a circle whose
// coordinates are near 1e308, so that every line is about 620 characters
// (some 62 MB of text). Times Write It! and Copy through the real dialog on
// the offscreen platform, twice each (the second Write It! replaces the
// first list), and reports the process's peak resident memory (ru_maxrss)
// after each step and its resident memory now. One run per process, so the
// peak is this list's and nothing else's. It reports numbers and asserts
// nothing.

#include "platform/dialog/Clipboard.h"
#include "utilities/engineering/BoltHoleDlg.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

namespace {

long PeakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;  // kilobytes on Linux
}

long CurrentRssMb()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb / 1024;
        }
    }
    return -1;
}

void Step(const char* name, const std::function<void()>& action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%-14s %8.3f s   peak RSS %5ld MB   RSS now %5ld MB\n", name, took.count(), PeakRssMb(),
                CurrentRssMb());
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    CBoltHoleDlg dlg;
    size_t listBytes = 0;
    size_t clipboardBytes = 0;
    QTimer::singleShot(0, [&] {
        dlg.SetDlgItemText(CBoltHoleDlg::kHoles, "100000");
        dlg.SetDlgItemText(CBoltHoleDlg::kBoltDia, "1e308");
        dlg.SetDlgItemText(CBoltHoleDlg::kCenterX, "1e308");
        dlg.SetDlgItemText(CBoltHoleDlg::kCenterY, "-1e308");
        std::printf("%-14s %8s     peak RSS %5ld MB   RSS now %5ld MB\n", "dialog open", "", PeakRssMb(),
                    CurrentRssMb());
        Step("Write It!", [&] { dlg.SendCommand(CBoltHoleDlg::kWriteIt); });
        Step("Copy", [&] { dlg.SendCommand(CBoltHoleDlg::kCopy); });
        Step("Write It! again", [&] { dlg.SendCommand(CBoltHoleDlg::kWriteIt); });
        Step("Copy again", [&] { dlg.SendCommand(CBoltHoleDlg::kCopy); });
        // Read back only after the measurements: reading costs copies too.
        listBytes = dlg.GetDlgItemText(CBoltHoleDlg::kListDisplay).size();
        clipboardBytes = GetClipboardText().size();
        qobject_cast<QDialog*>(dlg.Widget())->done(IDCANCEL);
    });
    dlg.DoModal();
    std::printf("list %zu bytes, clipboard %zu bytes\n", listBytes, clipboardBytes);
    return 0;
}
