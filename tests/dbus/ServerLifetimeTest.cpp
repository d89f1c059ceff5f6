// Lifetimes at the edges, with the program's code in this process: the
// user closing the window of an object a client holds, the bus going away
// under a running calculator, and starting with no bus at all. The last two
// run in a child process of their own (death-test style), each with a bus
// daemon nobody else uses.

#include "BusTestSupport.h"

#include "app/CalcApp.h"
#include "calc/CalcDlg.h"
#include "platform/automation/Ole.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// An application object that notes the end of the program instead of
// ending this test process.
class RecordingApp : public CWinApp {
public:
    void OnMainWindowDestroyed() override { ended = true; }
    bool ended = false;
};

TEST(HeldObject, TheUsersCloseKeepsTheObjectAClientHolds)
{
    RecordingApp app;
    ASSERT_TRUE(AfxOleInit());
    ASSERT_TRUE(COleObjectFactory::RegisterAll());
    Client client;
    const QString server = client.CreateInstance();
    ASSERT_EQ(server, QDBusConnection::sessionBus().baseService());  // this very process
    client.SetProperty(server, "Visible", true);
    client.SetProperty(server, "Accum", 42);
    auto* calc = dynamic_cast<CCalcDlg*>(app.m_pMainWnd);
    ASSERT_NE(calc, nullptr);

    calc->Widget()->close();  // the user's close box

    // The window went and, being the main window, ended the program; the
    // object stayed for its client, whose calls still reach it.
    EXPECT_TRUE(app.ended);
    EXPECT_EQ(calc->GetSafeHwnd(), nullptr);
    EXPECT_EQ(PropertyValue(client.GetProperty(server, "Accum")), QVariant(42));
    EXPECT_EQ(PropertyValue(client.GetProperty(server, "Visible")), QVariant(false));
    EXPECT_EQ(ReplyValue(client.CallObject(server, "Button", {QStringLiteral("5")})), QVariant(true));
    EXPECT_EQ(calc->GetOperand(), 5);

    // The client lets go: the object is finally released, and no call
    // reaches it any more.
    Client observer;
    client.Disconnect();
    EXPECT_TRUE(WaitFor([&] {
        return observer.CallObject(server, "Evaluate").type() == QDBusMessage::ErrorMessage;
    }));
}

void BusGoesAway()
{
    if (!AfxOleInit())
        EndChild(false, "no bus at the start");
    auto* calc = new CCalcDlg(nullptr);
    calc->SetVisible(TRUE);
    if (!calc->RegisterActive())
        EndChild(false, "not registered");

    TestBus().Kill();
    if (!WaitFor([] { return !QDBusConnection::sessionBus().isConnected(); }))
        EndChild(false, "the connection did not notice");

    // Still a calculator, for the user's keys and the program's own calls.
    for (UINT command : {1007u, 1010u, 1002u, 1020u})  // 7 + 2 =
        calc->SendCommand(command);
    if (calc->GetDlgItemText(CCalcDlg::kDisplay) != "9.")
        EndChild(false, "keys after the bus went");
    calc->Button("*");
    calc->Button("3");
    if (!calc->Evaluate() || calc->GetDlgItemText(CCalcDlg::kDisplay) != "27.")
        EndChild(false, "automation functions after the bus went");
    // Closing revokes the running object on a dead bus: no hang, no crash.
    calc->SendCommand(IDCANCEL);
    EndChild(true, "");
}

TEST(BusLoss, TheCalculatorKeepsWorkingWhenTheBusGoes)
{
    EXPECT_EXIT(BusGoesAway(), ::testing::ExitedWithCode(0), "");
}

void ServerLosesItsBus()
{
    Client client;
    auto server = StartCalculator({QStringLiteral("-Automation")});
    if (!WaitForOwner(client, kProgId, 15000))
        EndChild(false, "the server did not come up");
    TestBus().Kill();
    // A server with no window and no bus can never be used again: it ends.
    const bool ended = WaitFor([&] { return server->state() == QProcess::NotRunning; }, 10000);
    const bool clean = ended && server->exitStatus() == QProcess::NormalExit && server->exitCode() == 0;
    StopProcess(*server);
    EndChild(clean, "a windowless server must end when its bus goes");
}

TEST(BusLoss, AWindowlessServerEndsWhenTheBusGoes)
{
    EXPECT_EXIT(ServerLosesItsBus(), ::testing::ExitedWithCode(0), "");
}

// Runs InitInstance of the real application object with `arguments` and no
// bus to reach; answers any message box, noting its text.
void StartWithoutBus(const std::vector<std::string>& arguments, bool serverRun)
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/numbrix-test-bus");
    CCalcApp app;
    app.m_arguments = arguments;
    QString shown;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    answer.start(20);
    const BOOL started = app.InitInstance();
    answer.stop();
    if (serverRun)
        EndChild(!started && shown == QStringLiteral("Failed to initialized the OLE libraries!") &&
                     app.m_pMainWnd == nullptr,
                 "a server run without a bus must show string 100 and end");
    auto* calc = dynamic_cast<CCalcDlg*>(app.m_pMainWnd);
    if (!started || !shown.isEmpty() || calc == nullptr || !calc->GetVisible())
        EndChild(false, "a user's run without a bus must show its window, silently");
    calc->SendCommand(1004);
    if (calc->GetDlgItemText(CCalcDlg::kDisplay) != "4.")
        EndChild(false, "keys without a bus");
    calc->SendCommand(IDCANCEL);
    EndChild(true, "");
}

TEST(NoBus, AServerRunShowsString100AndEnds)
{
    EXPECT_EXIT(StartWithoutBus({"-Embedding"}, true), ::testing::ExitedWithCode(0), "");
}

TEST(NoBus, AUsersRunWorksOnWithoutAutomation)
{
    EXPECT_EXIT(StartWithoutBus({}, false), ::testing::ExitedWithCode(0), "");
}

}  // namespace
