// The program's start and end: the application object creates the
// calculator and its window; closing the window ends the event loop with
// exit code 0 and the object goes with its window.

#include "app/CalcApp.h"
#include "calc/CalcDlg.h"
#include "ModalTestSupport.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Runs the event loop until the program ends (or a safety timeout) and
// returns the exit code.
int RunUntilQuit(const std::function<void()>& action)
{
    QTimer::singleShot(0, action);
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    safety.start(10000);
    return QApplication::exec();
}

class Lifetime : public ::testing::TestWithParam<const char*> {};

TEST_P(Lifetime, ClosingTheWindowEndsTheProgramWithExitCode0)
{
    CCalcApp app;
    ASSERT_TRUE(app.InitInstance());
    auto* calc = dynamic_cast<CCalcDlg*>(app.m_pMainWnd);
    ASSERT_NE(calc, nullptr);
    ASSERT_TRUE(calc->GetVisible());
    QWidget* window = calc->Widget();
    const std::string how = GetParam();

    const int exitCode = RunUntilQuit([window, how] {
        window->activateWindow();
        if (how == "close box") {
            window->close();
        } else if (how == "Alt+F4") {
            QTest::keyClick(window, Qt::Key_F4, Qt::AltModifier);
        } else {
            // Esc and Enter first, which must not close it; then the close box.
            QTest::keyClick(window, Qt::Key_Escape);
            QTest::keyClick(window, Qt::Key_Return);
            QTest::keyClick(window, Qt::Key_Enter, Qt::KeypadModifier);
            if (!window->isVisible())
                QCoreApplication::exit(98);
            else
                window->close();
        }
    });
    EXPECT_EQ(exitCode, 0);
    // The window was destroyed and the object deleted itself with it.
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Ways, Lifetime, ::testing::Values("close box", "Alt+F4", "Esc and Enter first"),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(Lifetime, WindowIsNotVisibleUntilShown)
{
    CCalcDlg calc;
    ASSERT_TRUE(calc.Create(CCalcDlg::kTemplate));
    EXPECT_NE(calc.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(calc.GetVisible());
    calc.SetVisible(FALSE);  // already hidden: nothing to do
    EXPECT_FALSE(calc.GetVisible());
}

// A client's Close and then Visible, before the event loop has deleted
// the closed window: the new window gets its banner, and no message box
// stops the call.
TEST(Lifetime, AWindowShownAgainRightAfterCloseHasItsBanner)
{
    CWinApp app;
    auto* calc = new CCalcDlg(nullptr);
    calc->SetVisible(TRUE);
    calc->Close();
    MessageBoxAnswerer boxes;
    boxes.Arm();
    calc->SetVisible(TRUE);
    QApplication::processEvents();
    EXPECT_FALSE(boxes.shown) << boxes.text;
    ASSERT_TRUE(calc->GetVisible());
    const QWidget* banner = calc->GetDlgItem(CCalcDlg::kAnimation)->Widget();
    EXPECT_EQ(banner->findChildren<QWidget*>().size(), 1);
    calc->SendCommand(IDCANCEL);
    QApplication::processEvents();
}

TEST(Lifetime, OKDoesNothing)
{
    CWinApp app;
    auto* calc = new CCalcDlg(nullptr);
    calc->SetVisible(TRUE);
    calc->SendCommand(IDOK);
    EXPECT_TRUE(calc->GetVisible());
    calc->SendCommand(IDCANCEL);  // the close path: window and object go
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    QApplication::processEvents();
}

}  // namespace
