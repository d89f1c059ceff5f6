// Opening and closing the utility dialogs, and what it leaves behind: the
// real calculator window opens each of its nine utilities and its About box
// by the command its button or menu item sends, and each dialog, once drawn,
// is closed by its close box; ROUNDS rounds of all ten (200 by
// default). Reports VmRSS and RssAnon after the window settled, after the
// first round (the first closing of every dialog) and every 20 rounds, and
// the growth from the first round to the last (target: within 1 MB). It
// reports numbers and asserts nothing.
//
// Usage: dialog-memory [ROUNDS]   (on the display Qt finds; bench/dialog_memory.sh
//        runs it on a virtual X display)

#include "app/CalcApp.h"
#include "calc/CalcDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// The launchers: the window's buttons and the system menu's bolt-hole item.
constexpr int kUtilities[] = {
    CCalcDlg::kTrigUtil, CCalcDlg::kBoltHole, CCalcDlg::kPhotoSizing, CCalcDlg::kLoans,     CCalcDlg::kSavings,
    CCalcDlg::kInterest, CCalcDlg::kCreditCard, CCalcDlg::kGoals,   CCalcDlg::kEarlyPayoff, CCalcDlg::kSys,
};

long StatusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<int>(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void Report(const char* when)
{
    std::printf("%-26s VmRSS %6ld kB   RssAnon %6ld kB\n", when, StatusKb("VmRSS:"), StatusKb("RssAnon:"));
    std::fflush(stdout);
}

void Settle(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The dialog the command opens is drawn, then closed by its close box. The closer
// looks for it until it is up (the modal loop starts after the command).
void OpenAndClose(CCalcDlg& calc, int command)
{
    QTimer closer;
    closer.setInterval(1);
    QObject::connect(&closer, &QTimer::timeout, [&closer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        closer.stop();
        modal->repaint();
        modal->close();
    });
    closer.start();
    calc.SendCommand(command);
    if (closer.isActive())
        std::printf("command %d opened no dialog\n", command);
}

class BenchApp : public CCalcApp {
public:
    void OnMainWindowDestroyed() override {}
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? QByteArray(argv[1]).toInt() : 200;
    BenchApp app;
    auto* calc = new CCalcDlg(nullptr);
    calc->SetVisible(TRUE);
    Settle(1000);
    Report("window settled");
    long afterFirst = 0;
    for (int round = 1; round <= rounds; ++round) {
        for (const int command : kUtilities)
            OpenAndClose(*calc, command);
        Settle(20);
        if (round == 1) {
            Settle(1000);
            Report("after round 1");
            afterFirst = StatusKb("VmRSS:");
        } else if (round % 20 == 0) {
            char when[32];
            std::snprintf(when, sizeof when, "after round %d", round);
            Report(when);
        }
    }
    Settle(1000);
    Report("1 s after the last round");
    std::printf("growth from round 1 to the end: %ld kB VmRSS (target <= 1024)\n", StatusKb("VmRSS:") - afterFirst);
    calc->DestroyWindow();
    QApplication::processEvents();
    return 0;
}
