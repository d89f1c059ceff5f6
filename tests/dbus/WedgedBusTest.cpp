// A session bus daemon that accepts connections but answers nothing (stopped
// with SIGSTOP): the probe that recognises it, the user's window that shows
// regardless, and a close that does not wait on it. The program's runs go in
// child processes of their own (death-test style): the first answer about
// the session bus stays with a process.

#include "BusTestSupport.h"

#include "app/CalcApp.h"
#include "calc/CalcDlg.h"
#include "platform/automation/Ole.h"
#include "platform/automation/detail/SessionBusProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

constexpr int kDisplay = 1030;
// What the user may wait for the window, whatever the bus does.
constexpr qint64 kWindowWithinMs = 2000;
// A child still running after this is hung on the bus: its alarm ends it.
constexpr unsigned kHungAfterSeconds = 30;

TEST(SessionBusProbe, ReadsTheEntriesOfAnAddressInOrder)
{
    struct Case {
        const char* address;
        std::vector<BusSocketEntry> expected;
    };
    const Case cases[] = {
        {"unix:path=/run/user/1000/bus", {{true, false, "/run/user/1000/bus"}}},
        {"unix:abstract=/tmp/dbus-x,guid=0f", {{true, true, "/tmp/dbus-x"}}},
        {"unix:path=/tmp/a%20b%3bc,guid=1", {{true, false, "/tmp/a b;c"}}},
        {"tcp:host=localhost,port=1;unix:path=/b", {{}, {true, false, "/b"}}},
        {"unix:tmpdir=/tmp;unix:path=/b", {{}, {true, false, "/b"}}},
        {";;nonsense;unix:path=/b%zz;unix:path=/c", {{true, false, "/c"}}},
        {"", {}},
    };
    const auto same = [](const BusSocketEntry& a, const BusSocketEntry& b) {
        return a.probeable == b.probeable && a.abstract == b.abstract && a.path == b.path;
    };
    for (const Case& c : cases) {
        const std::vector<BusSocketEntry> found = BusSocketEntriesOf(c.address);
        EXPECT_TRUE(std::equal(found.begin(), found.end(), c.expected.begin(), c.expected.end(), same)) << c.address;
    }
}

TEST(SessionBusProbe, TellsASilentDaemonFromAnAnsweringOne)
{
    PrivateBus session;
    ASSERT_TRUE(session.Started());
    const std::string address = session.Address().toStdString();
    EXPECT_EQ(ProbeBusAddress(address, 5000ms), BusProbeResult::Answers);
    EXPECT_EQ(ProbeBusAddress("unix:path=/nonexistent/bus;" + address, 5000ms), BusProbeResult::Answers);
    EXPECT_EQ(ProbeBusAddress("unix:path=/nonexistent/bus", 5000ms), BusProbeResult::Unreachable);
    EXPECT_EQ(ProbeBusAddress("tcp:host=localhost,port=1;" + address, 5000ms), BusProbeResult::CannotTell);
    session.Stop();
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(ProbeBusAddress(address, 300ms), BusProbeResult::Silent);
    EXPECT_LT(timer.elapsed(), 2000);
    session.Continue();
}

void UsersRunOnAStoppedBus()
{
    ::alarm(kHungAfterSeconds);
    PrivateBus wedged;
    // The child's end must take this daemon with it: it holds what the
    // parent waits on.
    const auto end = [&wedged](bool ok, const char* why) {
        wedged.Kill();
        EndChild(ok, why);
    };
    wedged.Stop();
    qputenv("DBUS_SESSION_BUS_ADDRESS", wedged.Address().toUtf8());
    CCalcApp app;
    QElapsedTimer timer;
    timer.start();
    const BOOL started = app.InitInstance();
    auto* calc = dynamic_cast<CCalcDlg*>(app.m_pMainWnd);
    if (!started || calc == nullptr || !calc->GetVisible() || timer.elapsed() > kWindowWithinMs)
        end(false, "the window must show at once");
    // The bus work finds no bus it can use, within the same bound, and the
    // calculator works on without automation.
    timer.restart();
    app.OnIdle(0);
    if (timer.elapsed() > kWindowWithinMs || AfxOleInit())
        end(false, "the bus work must give up on a silent daemon at once");
    calc->SendCommand(1004);
    if (calc->GetDlgItemText(kDisplay) != "4.")
        end(false, "keys with a silent bus");
    timer.restart();
    calc->SendCommand(IDCANCEL);
    end(timer.elapsed() < kWindowWithinMs, "closing must not wait on the bus");
}

TEST(WedgedBus, TheUsersWindowShowsAndTheBusWorkGivesUpAtOnce)
{
    EXPECT_EXIT(UsersRunOnAStoppedBus(), ::testing::ExitedWithCode(0), "");
}

void DaemonStopsUnderARegisteredCalculator()
{
    ::alarm(kHungAfterSeconds);
    if (!AfxOleInit())
        EndChild(false, "no bus at the start");
    auto* calc = new CCalcDlg(nullptr);
    calc->SetVisible(TRUE);
    Client client;
    if (!calc->RegisterActive() || !WaitForOwner(client, kRunningName))
        EndChild(false, "not registered");
    TestBus().Stop();
    // The window's close gives up the running name and takes the object off
    // the bus; the program's end releases what is left.
    QElapsedTimer timer;
    timer.start();
    calc->SendCommand(IDCANCEL);
    QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit", Qt::DirectConnection);
    const bool quick = timer.elapsed() < kWindowWithinMs;
    TestBus().Continue();
    EndChild(quick, "closing and ending must not wait on a stopped daemon");
}

TEST(WedgedBus, ADaemonStoppedUnderTheCalculatorHoldsNeitherCloseNorEnd)
{
    EXPECT_EXIT(DaemonStopsUnderARegisteredCalculator(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
