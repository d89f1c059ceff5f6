// The calculator window's utility launchers, one row each: the button (or
// the command alone, which no control sends) opens its dialog modally,
// centred over the window, which takes no input meanwhile; each opening
// starts afresh, and afterwards the window takes input again.

#include "CalcTestSupport.h"

#include <QAbstractButton>
#include <QWindow>

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Launcher {
    int command;
    const char* button;   // the caption of the button that sends it; nullptr: a command only
    const char* caption;  // of the dialog it opens
};

const Launcher kLaunchers[] = {
    {CCalcDlg::kTrigUtil, "Trig Util.", "Trig Calculator Dialog"},
    {CCalcDlg::kBoltHole, nullptr, "Bolt Hole Dialog"},
    {CCalcDlg::kPhotoSizing, "Photo Sizing", "Photo Sizing"},
    {CCalcDlg::kLoans, "Loans", "Loan Calculator"},
    {CCalcDlg::kSavings, "Savings", "Savings Interest Calculator"},
    {CCalcDlg::kInterest, "Interest", "Compounded Interest"},
    {CCalcDlg::kCreditCard, "Credit Card", "Credit Card Payment Planner"},
    {CCalcDlg::kGoals, "Goals", "Reach a Financial Goal"},
    {CCalcDlg::kEarlyPayoff, "Early Payoff", "Payoff a Loan Early"},
};

void PrintTo(const Launcher& launcher, std::ostream* os)
{
    *os << launcher.command << " " << launcher.caption;
}

// Where a control's centre lies in its window.
QPoint CentreOf(const QWidget* widget)
{
    return widget->mapTo(widget->window(), widget->rect().center());
}

std::vector<CString> VisibleEditTexts(QWidget* window)
{
    std::vector<CString> texts;
    for (QWidget* w = window->nextInFocusChain(); w != nullptr && w != window; w = w->nextInFocusChain()) {
        if (auto* edit = qobject_cast<QLineEdit*>(w); edit != nullptr && edit->isVisible())
            texts.push_back(edit->text().toStdString());
    }
    return texts;
}

// What a test saw of the modal dialog that opened.
struct Opened {
    bool seen = false;
    CString caption;
    bool ownedByCalculator = false;
    bool centred = false;
    bool calculatorTookInput = true;
    std::vector<CString> edits;        // the visible edits' texts, in tab order
    std::vector<CString> editsTyped;  // the same after typing into the first
};

class Launchers : public CalculatorFixture, public ::testing::WithParamInterface<Launcher> {
protected:
    // Sends the row's command the way a user does: a click on its button
    // through the window, as the window system delivers it; or the command.
    void Launch() const
    {
        const Launcher& row = GetParam();
        if (row.button != nullptr)
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, CentreOf(Control(row.command)));
        else
            calc->SendCommand(row.command);
    }

    // Launches; inside the dialog records what opened, tries the blocked
    // calculator, types into the first edit and closes with the close box.
    Opened LaunchAndLook() const
    {
        Opened opened;
        QObject context;
        QTimer::singleShot(0, &context, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr)
                return;
            opened.seen = true;
            opened.caption = modal->windowTitle().toStdString();
            opened.ownedByCalculator = modal->parentWidget() == window;
            // Centres compared at twice the scale, so half pixels count.
            const QRect inner = modal->frameGeometry();
            const QRect outer = window->frameGeometry();
            opened.centred = std::abs(2 * inner.left() + inner.width() - 2 * outer.left() - outer.width()) <= 1 &&
                             std::abs(2 * inner.top() + inner.height() - 2 * outer.top() - outer.height()) <= 1;
            // Neither clicks nor keys reach the calculator, nor open a second dialog.
            const CString before = Display();
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              CentreOf(Control(CCalcDlg::kKey0 + 7)));
            if (GetParam().button != nullptr)
                Launch();
            QTest::keyClick(window->windowHandle(), Qt::Key_8);
            opened.calculatorTookInput = Display() != before || QApplication::activeModalWidget() != modal;
            opened.edits = VisibleEditTexts(modal);
            for (QWidget* w = modal->nextInFocusChain(); w != modal; w = w->nextInFocusChain()) {
                if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                    edit->selectAll();
                    QTest::keyClicks(edit, "12");
                    break;
                }
            }
            opened.editsTyped = VisibleEditTexts(modal);
            modal->close();
        });
        Launch();
        return opened;
    }
};

TEST_P(Launchers, OpenTheirDialogModallyOverTheBlockedCalculatorEachTimeAfresh)
{
    const Launcher& row = GetParam();
    window->move(200, 150);  // room all round for the dialog
    if (row.button != nullptr) {
        auto* button = qobject_cast<QAbstractButton*>(Control(row.command));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text().toStdString(), row.button);
    } else {
        EXPECT_EQ(calc->GetDlgItem(row.command), nullptr) << "no control sends it";
    }

    const Opened first = LaunchAndLook();
    ASSERT_TRUE(first.seen);
    EXPECT_EQ(first.caption, row.caption);
    EXPECT_TRUE(first.ownedByCalculator);
    EXPECT_TRUE(first.centred);
    EXPECT_FALSE(first.calculatorTookInput);
    EXPECT_NE(first.editsTyped, first.edits) << "typing changed no edit";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    const Opened second = LaunchAndLook();
    ASSERT_TRUE(second.seen);
    EXPECT_EQ(second.edits, first.edits);
    EXPECT_TRUE(calc->GetVisible());

    // Input reaches the calculator again.
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, CentreOf(Control(CCalcDlg::kKey0 + 7)));
    EXPECT_EQ(Display(), "7.");
}

INSTANTIATE_TEST_SUITE_P(Calculator, Launchers, ::testing::ValuesIn(kLaunchers), [](const auto& info) {
    std::string name = info.param.caption;
    std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
    return name;
});

}  // namespace
