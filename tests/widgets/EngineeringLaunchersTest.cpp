// The calculator window opens the triangle solver from its "Trig Util."
// button and the bolt-hole dialog on command 1034 (which no control sends):
// each modally, over the window, and each time from its starting values.

#include "ModalTestSupport.h"

#include "calc/CalcDlg.h"
#include "platform/WinApp.h"

#include <QAbstractButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Records the main window and never asks the test run to quit.
class QuietApp : public CWinApp {
public:
    void OnMainWindowDestroyed() override {}
};

// What a test saw of the modal dialog that opened.
struct Opened {
    bool seen = false;
    CString caption;
    bool ownedByCalculator = false;
    std::vector<CString> edits;  // the visible edits' texts, in tab order
};

std::vector<CString> VisibleEditTexts(QWidget* window)
{
    std::vector<CString> texts;
    for (QWidget* w = window->nextInFocusChain(); w != nullptr && w != window; w = w->nextInFocusChain()) {
        if (auto* edit = qobject_cast<QLineEdit*>(w); edit != nullptr && edit->isVisible())
            texts.push_back(edit->text().toStdString());
    }
    return texts;
}

class EngineeringLaunchers : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStaleQuitRequest();
        calc = new CCalcDlg(nullptr);
        calc->SetVisible(TRUE);
        ASSERT_TRUE(calc->GetVisible());
    }

    void TearDown() override
    {
        if (app.m_pMainWnd == calc)
            calc->DestroyWindow();
        QApplication::processEvents();
    }

    // Runs `launch`, which should open a modal dialog; inside it records
    // what opened, types `typed` into its first edit and closes it with the
    // close box.
    Opened Launch(const std::function<void()>& launch, const char* typed = nullptr)
    {
        Opened opened;
        QObject context;
        QTimer::singleShot(0, &context, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr)
                return;
            opened.seen = true;
            opened.caption = modal->windowTitle().toStdString();
            opened.ownedByCalculator = modal->parentWidget() == calc->Widget();
            opened.edits = VisibleEditTexts(modal);
            if (typed != nullptr) {
                for (QWidget* w = modal->nextInFocusChain(); w != modal; w = w->nextInFocusChain()) {
                    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                        edit->selectAll();
                        QTest::keyClicks(edit, QString::fromUtf8(typed));
                        break;
                    }
                }
            }
            modal->close();
        });
        launch();
        return opened;
    }

    QuietApp app;
    CCalcDlg* calc = nullptr;
};

TEST_F(EngineeringLaunchers, TrigUtilButtonOpensTheTriangleSolverEachTimeAfresh)
{
    QWidget* button = calc->GetDlgItem(1033)->Widget();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(qobject_cast<QAbstractButton*>(button)->text(), "Trig Util.");

    const Opened first = Launch([&] { QTest::mouseClick(button, Qt::LeftButton); }, "3");
    ASSERT_TRUE(first.seen);
    EXPECT_EQ(first.caption, "Trig Calculator Dialog");
    EXPECT_TRUE(first.ownedByCalculator);
    EXPECT_EQ(first.edits, (std::vector<CString>{"0", "0", "0", "0", "0"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    const Opened second = Launch([&] { QTest::mouseClick(button, Qt::LeftButton); });
    ASSERT_TRUE(second.seen);
    EXPECT_EQ(second.edits, first.edits);
}

TEST_F(EngineeringLaunchers, Command1034OpensTheBoltHoleDialogEachTimeAfresh)
{
    EXPECT_EQ(calc->GetDlgItem(1034), nullptr);  // no control sends it

    const Opened first = Launch([&] { calc->SendCommand(1034); }, "6");
    ASSERT_TRUE(first.seen);
    EXPECT_EQ(first.caption, "Bolt Hole Dialog");
    EXPECT_TRUE(first.ownedByCalculator);
    EXPECT_EQ(first.edits, (std::vector<CString>{"4", "1", "360", "0", "0", "0", "0"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    const Opened second = Launch([&] { calc->SendCommand(1034); });
    ASSERT_TRUE(second.seen);
    EXPECT_EQ(second.edits, first.edits);
    EXPECT_TRUE(calc->GetVisible());  // the calculator stays
}

}  // namespace
