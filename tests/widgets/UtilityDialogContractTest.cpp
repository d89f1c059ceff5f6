// What every utility dialog does alike, one row per dialog: it opens with
// its caption, starting texts and picture; Done refuses a field the exchange
// rejects (message box, the field focused and selected, the dialog open);
// Esc and Enter do what its accelerator table says (no table: Esc cancels,
// Enter presses Done); Tab and Shift+Tab walk its tab stops in template
// order and every mnemonic of its template reaches its control, so the
// keyboard alone serves; the close box and Alt+F4 close without validation;
// and a second opening starts afresh. What a dialog computes, and its
// special controls, are tested in its own file.

#include "ModalTestSupport.h"

#include "platform/dialog/detail/ControlLabels.h"

#include "utilities/engineering/BoltHoleDlg.h"
#include "utilities/engineering/PhotoSizeDlg.h"
#include "utilities/engineering/TrigDlg.h"
#include "utilities/finance/AccruedDlg.h"
#include "utilities/finance/CreditCardDlg.h"
#include "utilities/finance/GoalDlg.h"
#include "utilities/finance/LoanDlg.h"
#include "utilities/finance/PayoffDlg.h"
#include "utilities/finance/SavingsDlg.h"
#include "calc/AboutDlg.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>

#include <cctype>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// What Esc sends: Done, which validates, where the dialog's accelerator
// table says so; otherwise the ordinary dialog key, cancel.
enum class Esc { Done, Cancel };

// How a refusal is provoked.
enum class By { DoneButton, EscKey, EnterKey };

struct Refusal {
    int field;
    const char* typed;
    const char* message;  // how the message box's text starts
    By by = By::DoneButton;
    std::map<int, const char*> alsoTyped = {};  // typed first, and left as typed
};

// A row. A new utility dialog needs only its row in kDialogs below.
struct UtilityDialog {
    const char* name;  // in the test names
    std::function<std::unique_ptr<CDialog>()> make;
    const char* caption;
    std::map<int, const char*> startingTexts;  // by control id: every field and display
    std::map<int, bool> startingChecks;        // by button id: checked or not
    QSize picture;                             // as shown; QSize() for none
    Esc esc;
    int enterCommand;               // the compute button Enter stands for, or IDOK: Enter is Done
    std::vector<UserStep> use;      // changes what shows and leaves every field fit for Done; none: nothing to use
    std::vector<Refusal> refusals;  // the first also serves Esc and the close box; none: nothing to refuse
};

using Trig = CTrigDlg;
using Bolt = CBoltHoleDlg;
using Photo = CPhotoSizeDlg;
using Loan = CLoanDlg;
using Savings = CSavingsDlg;
using Accrued = CAccruedDlg;
using Card = CCreditCardDlg;
using Goal = CGoalDlg;
using Payoff = CPayoffDlg;
using About = CAboutDlg;

const char* const kNumber = "Please enter a number.";
const char* const kInteger = "Please enter an integer.";

const UtilityDialog kDialogs[] = {
    {
        .name = "Trig",
        .make = &Make<CTrigDlg>,
        .caption = "Trig Calculator Dialog",
        .startingTexts = {{Trig::kSideA, "0"}, {Trig::kSideB, "0"}, {Trig::kSideC, "0"}, {Trig::kAngleA, "0"},
                          {Trig::kAngleB, "0"}, {Trig::kResultLine, ""}, {IDOK, "Done"}},
        .startingChecks = {},
        .picture = QSize(201, 177),
        .esc = Esc::Done,
        .enterCommand = Trig::kCalcIt,
        .use = {{Trig::kSideA, "3"}, {Trig::kSideB, "4"}, {Trig::kCalcIt}},
        .refusals = {
            {Trig::kSideA, "12abc", kNumber, By::EscKey},
            {Trig::kAngleA, "", kNumber},
            {Trig::kAngleB, "360.5", "Please enter a number between -360 and 360."},
            {Trig::kSideB, "-10000", "Please enter a number between -9999.99 and 9999.99.", By::EscKey},
            {Trig::kSideC, "inf", kNumber},
        },
    },
    {
        .name = "BoltHole",
        .make = &Make<CBoltHoleDlg>,
        .caption = "Bolt Hole Dialog",
        .startingTexts = {{Bolt::kHoles, "4"}, {Bolt::kBoltDia, "1"}, {Bolt::kTotalAngle, "360"},
                          {Bolt::kInitAngle, "0"}, {Bolt::kCenterX, "0"}, {Bolt::kCenterY, "0"},
                          {Bolt::kCenterZ, "0"}, {Bolt::kSpacingDisplay, "90.00"}, {Bolt::kListDisplay, ""},
                          {Bolt::kHiddenList, ""}, {IDOK, "Done"}},
        .startingChecks = {},
        .picture = QSize(126, 136),
        .esc = Esc::Done,
        .enterCommand = Bolt::kWriteIt,
        .use = {{Bolt::kHoles, "6"}, {Bolt::kBoltDia, "100"}, {Bolt::kWriteIt}},
        .refusals = {
            {Bolt::kHoles, "2.5", kInteger},
            {Bolt::kHoles, "1000", "Please enter an integer between 0 and 999.", By::EscKey},
            {Bolt::kBoltDia, "", kNumber},
            {Bolt::kTotalAngle, "10000", "Please enter a number between 0 and 9999.99.", By::EscKey},
            {Bolt::kInitAngle, "-1", "Please enter a number between 0 and 9999.99."},
            {Bolt::kCenterX, "12abc", kNumber, By::EscKey},
            {Bolt::kCenterY, "-9999.991", "Please enter a number between -9999.99 and 9999.99."},
            {Bolt::kCenterZ, "nan", kNumber, By::EscKey},
        },
    },
    {
        .name = "PhotoSizing",
        .make = &Make<CPhotoSizeDlg>,
        .caption = "Photo Sizing",
        .startingTexts = {{Photo::kHeightEdit, "0"}, {Photo::kWidthEdit, "0"}, {IDOK, "Done"}},
        .startingChecks = {{Photo::kHeightInches, true}, {Photo::kHeightPixels, false},
                           {Photo::kWidthInches, true}, {Photo::kWidthPixels, false}},
        .picture = QSize(83, 89),
        .esc = Esc::Cancel,
        .enterCommand = IDOK,
        .use = {{Photo::kHeightEdit, "4"}, {Photo::kHeightPixels}, {Photo::kWidthEdit, "7"}},
        .refusals = {
            {Photo::kHeightEdit, "12abc", kNumber, By::DoneButton, {{Photo::kWidthEdit, "1"}}},
            {Photo::kHeightEdit, "", kNumber, By::DoneButton, {{Photo::kWidthEdit, "1"}}},
            {Photo::kWidthEdit, "inf", kNumber, By::DoneButton, {{Photo::kHeightEdit, "1"}}},
            {Photo::kWidthEdit, "nan", kNumber, By::DoneButton, {{Photo::kHeightEdit, "1"}}},
            {Photo::kWidthEdit, "-0.5", "Please enter a number between 0 and 9999.99.", By::DoneButton,
             {{Photo::kHeightEdit, "1"}}},
            {Photo::kHeightEdit, "10000", "Please enter a number between 0 and 9999.99.", By::DoneButton,
             {{Photo::kWidthEdit, "1"}}},
            {Photo::kHeightEdit, "1e400", "Please enter a number between 0 and 9999.99.", By::DoneButton,
             {{Photo::kWidthEdit, "1"}}},
            // The first refused field stops the check.
            {Photo::kHeightEdit, "x", kNumber, By::DoneButton, {{Photo::kWidthEdit, "y"}}},
            {Photo::kWidthEdit, "12abc", kNumber, By::EnterKey},
        },
    },
    {
        .name = "Loan",
        .make = &Make<CLoanDlg>,
        .caption = "Loan Calculator",
        .startingTexts = {{Loan::kAmount, "0"}, {Loan::kApr, "0"}, {Loan::kTerm, "0"}, {Loan::kPrincipal, "0"},
                          {Loan::kInterest, "0"}, {Loan::kTotal, "0"}, {Loan::kPayment, "0"}, {IDOK, "Done"}},
        .startingChecks = {{Loan::kYears, true}, {Loan::kMonths, false}},
        .picture = QSize(),
        .esc = Esc::Done,
        .enterCommand = Loan::kCalcIt,
        .use = {{Loan::kAmount, "10000"}, {Loan::kApr, "6"}, {Loan::kTerm, "5"}, {Loan::kCalcIt}},
        .refusals = {
            {Loan::kApr, "101", "Please enter a number between 0 and 100."},
            {Loan::kAmount, "1000000", "Please enter a number between 0 and 999999.99.", By::EscKey},
            {Loan::kTerm, "", kNumber},
        },
    },
    {
        .name = "Savings",
        .make = &Make<CSavingsDlg>,
        .caption = "Savings Interest Calculator",
        .startingTexts = {{Savings::kBalance, "0"}, {Savings::kApr, "0"}, {Savings::kMonths, "0"},
                          {Savings::kInterestEarned, "0"}, {Savings::kEndBalance, "0"}, {IDOK, "Done"}},
        .startingChecks = {{Savings::kQuarterly, true}, {Savings::kMonthly, false}, {Savings::kYearly, false},
                           {Savings::kSixMonths, false}},
        .picture = QSize(),
        .esc = Esc::Done,
        .enterCommand = Savings::kCalcIt,
        .use = {{Savings::kBalance, "1000"}, {Savings::kApr, "12"}, {Savings::kMonths, "12"}, {Savings::kMonthly},
                {Savings::kCalcIt}},
        .refusals = {
            // A count that Calc It takes (as 12) still blocks closing.
            {Savings::kMonths, "12.5", kInteger, By::EscKey},
            {Savings::kApr, "10000", "Please enter a number between 0 and 9999."},
        },
    },
    {
        .name = "Accrued",
        .make = &Make<CAccruedDlg>,
        .caption = "Compounded Interest",
        .startingTexts = {{Accrued::kPayment, "0"}, {Accrued::kApr, "0"}, {Accrued::kTerm, "0"},
                          {Accrued::kAccrued, "0"}, {IDOK, "Done"}},
        .startingChecks = {{Accrued::kWeek, false}, {Accrued::kMonth, true}, {Accrued::kYears, true},
                           {Accrued::kMonths, false}},
        .picture = QSize(),
        .esc = Esc::Done,
        .enterCommand = Accrued::kCalcIt,
        .use = {{Accrued::kPayment, "100"}, {Accrued::kApr, "12"}, {Accrued::kTerm, "1"}, {Accrued::kWeek},
                {Accrued::kCalcIt}},
        .refusals = {
            {Accrued::kPayment, "10000", "Please enter a number between 0 and 9999.99."},
            {Accrued::kTerm, "100000", "Please enter an integer between 0 and 99999.", By::EscKey},
        },
    },
    {
        .name = "CreditCard",
        .make = &Make<CCreditCardDlg>,
        .caption = "Credit Card Payment Planner",
        .startingTexts = {{Card::kBalance, "0"}, {Card::kApr, "0"}, {Card::kPayment, "0"}, {Card::kPayoffTime, "n/a"},
                          {Card::kFinalPayment, "n/a"}, {Card::kTotalPayment, "0"}, {IDOK, "Done"}},
        .startingChecks = {},
        .picture = QSize(),
        .esc = Esc::Done,
        .enterCommand = Card::kCalcIt,
        .use = {{Card::kBalance, "1000"}, {Card::kApr, "18"}, {Card::kPayment, "50"}, {Card::kCalcIt}},
        .refusals = {
            // Above the limit: Calc It computes with it, Done refuses it.
            {Card::kPayment, "100000", "Please enter a number between 0 and 99999.99.", By::EscKey},
            {Card::kBalance, "abc", kNumber},
        },
    },
    {
        .name = "Goal",
        .make = &Make<CGoalDlg>,
        .caption = "Reach a Financial Goal",
        .startingTexts = {{Goal::kGoal, "0"}, {Goal::kTerm, "0"}, {Goal::kApr, "0"}, {Goal::kDeposit, "0"},
                          {IDOK, "Done"}},
        .startingChecks = {{Goal::kYears, true}, {Goal::kMonths, false}},
        .picture = QSize(),
        .esc = Esc::Done,
        .enterCommand = Goal::kCalcIt,
        .use = {{Goal::kGoal, "10000"}, {Goal::kTerm, "5"}, {Goal::kApr, "6"}, {Goal::kMonths}, {Goal::kCalcIt}},
        .refusals = {
            {Goal::kTerm, "32001", "Please enter an integer between 0 and 32000."},
            {Goal::kTerm, "2.5", kInteger, By::EscKey},
        },
    },
    {
        .name = "Payoff",
        .make = &Make<CPayoffDlg>,
        .caption = "Payoff a Loan Early",
        .startingTexts = {{Payoff::kPayment, "0"}, {Payoff::kPaymentsMade, "0"}, {Payoff::kTotalPayments, "0"},
                          {Payoff::kApr, "0"}, {Payoff::kPayoff, "0"}, {IDOK, "Done"}},
        .startingChecks = {{Payoff::kMonths, true}, {Payoff::kYears, false}},
        .picture = QSize(),
        .esc = Esc::Done,
        .enterCommand = Payoff::kCalcIt,
        .use = {{Payoff::kPayment, "500"}, {Payoff::kTotalPayments, "360"}, {Payoff::kApr, "7"}, {Payoff::kYears},
                {Payoff::kCalcIt}},
        .refusals = {
            {Payoff::kPaymentsMade, "", kInteger},
            {Payoff::kApr, "100000", "Please enter a number between 0 and 99999.99.", By::EscKey},
        },
    },
    {
        // Its two figures are this machine's: tested in the window's own tests.
        .name = "About",
        .make = &Make<CAboutDlg>,
        .caption = "About Orvel Calc",
        .startingTexts = {{IDOK, "OK"}},
        .startingChecks = {},
        .picture = QSize(32, 32),
        .esc = Esc::Cancel,
        .enterCommand = IDOK,
        .use = {},
        .refusals = {},
    },
};

void PrintTo(const UtilityDialog& dialog, std::ostream* os)
{
    *os << dialog.name;
}

// The size of the picture the dialog shows; QSize() for none.
QSize PictureOf(const CDialog& dlg)
{
    QSize size;
    for (const QLabel* label : dlg.Widget()->findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            size = label->pixmap().size();
    }
    return size;
}

// The first edit among the dialog's fields other than `except`, or null.
QLineEdit* AnotherEdit(const CDialog& dlg, const UtilityDialog& row, int except)
{
    for (const auto& [id, unused] : row.startingTexts) {
        if (QLineEdit* edit = Edit(dlg, id); edit != nullptr && id != except)
            return edit;
    }
    return nullptr;
}

void TypeRefused(const CDialog& dlg, const Refusal& refusal)
{
    for (const auto& [id, text] : refusal.alsoTyped)
        TypeInto(dlg, id, text);
    TypeInto(dlg, refusal.field, refusal.typed);
}

// The controls Tab stops at, in template order: tab stops, radio buttons
// and result fields that are enabled and shown.
std::vector<QWidget*> TabStopsOf(const CDialog& dlg)
{
    std::vector<QWidget*> stops;
    const DialogTemplate* t = FindDialogTemplate(dlg.TemplateId());
    for (const ControlTemplate& c : t->controls) {
        const bool stop = (c.style & WS_TABSTOP) || c.kind == ControlKind::RadioButton || IsResultField(c);
        if (stop && !(c.style & (WS_DISABLED | WS_HIDDEN_CONTROL))) {
            EXPECT_GE(c.id, 0) << "a tab stop without an id cannot be checked";
            stops.push_back(Control(dlg, c.id));
        }
    }
    return stops;
}

// Each mnemonic of the template (Alt and the letter after a lone '&') and
// the control it reaches: a label's focuses the control after it, a
// button's presses the button.
std::vector<std::pair<Qt::Key, QWidget*>> MnemonicsOf(const CDialog& dlg)
{
    std::vector<std::pair<Qt::Key, QWidget*>> mnemonics;
    const DialogTemplate* t = FindDialogTemplate(dlg.TemplateId());
    for (size_t i = 0; i < t->controls.size(); ++i) {
        const std::string caption = t->controls[i].caption != nullptr ? t->controls[i].caption : "";
        const size_t mark = caption.find('&');
        if (mark == std::string::npos || mark + 1 >= caption.size() || caption[mark + 1] == '&')
            continue;
        const bool label = t->controls[i].kind == ControlKind::Static;
        const ControlTemplate& target = t->controls[label ? i + 1 : i];
        const auto letter = static_cast<Qt::Key>(std::toupper(static_cast<unsigned char>(caption[mark + 1])));
        mnemonics.emplace_back(letter, Control(dlg, target.id));
    }
    return mnemonics;
}

class UtilityDialogContract : public ::testing::TestWithParam<UtilityDialog> {};

TEST_P(UtilityDialogContract, TabAndShiftTabWalkTheTabStopsInTemplateOrder)
{
    const UtilityDialog& row = GetParam();
    const auto dlg = row.make();
    std::vector<QWidget*> expected;
    std::vector<QWidget*> forward;
    std::vector<QWidget*> backward;
    RunModal(*dlg, [&] {
        expected = TabStopsOf(*dlg);
        ASSERT_FALSE(expected.empty());
        expected.front()->setFocus(Qt::TabFocusReason);
        for (size_t i = 0; i < expected.size(); ++i) {
            forward.push_back(dlg->Widget()->focusWidget());
            Press(*dlg, Qt::Key_Tab);
        }
        // Round once, and back.
        for (size_t i = 0; i < expected.size(); ++i) {
            Press(*dlg, Qt::Key_Backtab, Qt::ShiftModifier);
            backward.insert(backward.begin(), dlg->Widget()->focusWidget());
        }
        dlg->SendCommand(IDCANCEL);
    });
    EXPECT_EQ(forward, expected);
    EXPECT_EQ(backward, expected);
}

TEST_P(UtilityDialogContract, MnemonicsReachTheirControls)
{
    const UtilityDialog& row = GetParam();
    const auto dlg = row.make();
    std::vector<std::pair<Qt::Key, QWidget*>> expected;
    std::vector<std::pair<Qt::Key, QWidget*>> reached;
    RunModal(*dlg, [&] {
        // Shortcuts go to the active window only.
        dlg->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg->Widget()));
        expected = MnemonicsOf(*dlg);
        for (const auto& [letter, control] : expected) {
            auto* button = qobject_cast<QAbstractButton*>(control);
            bool clicked = false;
            QMetaObject::Connection watch;
            if (button != nullptr)
                watch = QObject::connect(button, &QAbstractButton::clicked, [&clicked] { clicked = true; });
            Press(*dlg, letter, Qt::AltModifier);
            // A pressed button shows itself down a moment before its click.
            if (button != nullptr)
                reached.emplace_back(letter, QTest::qWaitFor([&] { return clicked; }, 2000) ? button : nullptr);
            else
                reached.emplace_back(letter, dlg->Widget()->focusWidget());
            QObject::disconnect(watch);
        }
        dlg->SendCommand(IDCANCEL);
    });
    EXPECT_EQ(reached, expected);
}

TEST_P(UtilityDialogContract, OpensWithItsCaptionStartingTextsAndPicture)
{
    const UtilityDialog& row = GetParam();
    const auto dlg = row.make();
    CString caption;
    std::map<int, CString> texts;
    std::map<int, bool> checks;
    QSize picture;
    RunModal(*dlg, [&] {
        caption = dlg->GetWindowText();
        texts = TextsOf(*dlg, row.startingTexts);
        checks = ChecksOf(*dlg, row.startingChecks);
        picture = PictureOf(*dlg);
    });
    EXPECT_EQ(caption, row.caption);
    EXPECT_EQ(texts, AsTexts(row.startingTexts));
    EXPECT_EQ(checks, row.startingChecks);
    EXPECT_EQ(picture, row.picture);
}

TEST_P(UtilityDialogContract, EscIsDoneOrCancelAsItsTableSays)
{
    const UtilityDialog& row = GetParam();
    {
        SCOPED_TRACE("every field as it starts");
        const auto dlg = row.make();
        MessageBoxAnswerer box;
        const int result = RunModal(*dlg, [&] {
            if (QLineEdit* edit = AnotherEdit(*dlg, row, 0))
                edit->setFocus();
            box.Arm();
            Press(*dlg, Qt::Key_Escape);
        });
        EXPECT_EQ(result, row.esc == Esc::Done ? IDOK : IDCANCEL);
        EXPECT_FALSE(box.shown);
        EXPECT_EQ(dlg->GetSafeHwnd(), nullptr);
    }
    if (!row.refusals.empty()) {
        SCOPED_TRACE("with a field Done refuses");
        const auto dlg = row.make();
        MessageBoxAnswerer box;
        bool open = false;
        const int result = RunModal(*dlg, [&] {
            TypeRefused(*dlg, row.refusals.front());
            box.Arm();
            Press(*dlg, Qt::Key_Escape);
            open = IsOpen(*dlg);
            if (open)
                dlg->SendCommand(IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(box.shown, row.esc == Esc::Done) << "only Done validates";
        EXPECT_EQ(open, row.esc == Esc::Done);
    }
}

TEST_P(UtilityDialogContract, EnterComputesOrIsDoneAsItsTableSays)
{
    const UtilityDialog& row = GetParam();
    const auto byEnter = row.make();
    MessageBoxAnswerer box;
    bool open = false;
    std::map<int, CString> afterEnter;
    const int result = RunModal(*byEnter, [&] {
        if (QLineEdit* edit = AnotherEdit(*byEnter, row, 0))
            edit->setFocus();
        box.Arm();
        Press(*byEnter, Qt::Key_Return);
        open = IsOpen(*byEnter);
        afterEnter = TextsOf(*byEnter, row.startingTexts);
    });
    EXPECT_FALSE(box.shown);
    if (row.enterCommand == IDOK) {
        EXPECT_EQ(result, IDOK);
        EXPECT_FALSE(open);
        EXPECT_EQ(byEnter->GetSafeHwnd(), nullptr);
        return;
    }
    // Enter computes: the dialog stays, showing what its button shows.
    const auto byButton = row.make();
    std::map<int, CString> afterButton;
    RunModal(*byButton, [&] {
        Click(*byButton, row.enterCommand);
        afterButton = TextsOf(*byButton, row.startingTexts);
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(afterEnter, afterButton);
    EXPECT_NE(afterEnter, AsTexts(row.startingTexts)) << "the command showed nothing new";
}

TEST_P(UtilityDialogContract, CloseBoxAndAltF4CloseWithoutValidation)
{
    const UtilityDialog& row = GetParam();
    for (const bool altF4 : {false, true}) {
        SCOPED_TRACE(altF4 ? "Alt+F4" : "close box");
        const auto dlg = row.make();
        MessageBoxAnswerer box;
        const int result = RunModal(*dlg, [&] {
            if (!row.refusals.empty())
                TypeRefused(*dlg, row.refusals.front());
            box.Arm();
            if (altF4)
                Press(*dlg, Qt::Key_F4, Qt::AltModifier);
            else
                dlg->Widget()->close();  // the close box and the window manager's close
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_FALSE(box.shown);
    }
}

TEST_P(UtilityDialogContract, SecondOpeningStartsAfresh)
{
    const UtilityDialog& row = GetParam();
    const auto first = row.make();
    std::map<int, CString> used;
    const int firstResult = RunModal(*first, [&] {
        Perform(*first, row.use);
        used = TextsOf(*first, row.startingTexts);
        Click(*first, IDOK);
    });
    ASSERT_EQ(firstResult, IDOK);
    EXPECT_EQ(first->GetSafeHwnd(), nullptr);
    if (!row.use.empty()) {
        EXPECT_NE(used, AsTexts(row.startingTexts)) << "the use changed nothing to see";
    }

    const auto second = row.make();
    std::map<int, CString> opening;
    std::map<int, bool> checks;
    std::map<int, CString> usedAgain;
    RunModal(*second, [&] {
        opening = TextsOf(*second, row.startingTexts);
        checks = ChecksOf(*second, row.startingChecks);
        Perform(*second, row.use);
        usedAgain = TextsOf(*second, row.startingTexts);
    });
    EXPECT_EQ(opening, AsTexts(row.startingTexts));
    EXPECT_EQ(checks, row.startingChecks);
    EXPECT_EQ(usedAgain, used) << "the same use gives the same result again";
}

INSTANTIATE_TEST_SUITE_P(Contract, UtilityDialogContract, ::testing::ValuesIn(kDialogs),
                         [](const auto& info) { return std::string(info.param.name); });

// Each refusal of each row.
struct RefusalCase {
    const UtilityDialog* dialog;
    size_t index;
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    const Refusal& refusal = c.dialog->refusals[c.index];
    *os << c.dialog->name << ": \"" << refusal.typed << "\" in " << refusal.field;
}

std::vector<RefusalCase> AllRefusals()
{
    std::vector<RefusalCase> cases;
    for (const UtilityDialog& dialog : kDialogs) {
        for (size_t i = 0; i < dialog.refusals.size(); ++i)
            cases.push_back({&dialog, i});
    }
    return cases;
}

class UtilityDialogRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(UtilityDialogRefusal, KeepsTheDialogOpenWithTheFieldFocusedAndSelected)
{
    const UtilityDialog& row = *GetParam().dialog;
    const Refusal& refusal = row.refusals[GetParam().index];
    if (refusal.by == By::EscKey) {
        ASSERT_EQ(row.esc, Esc::Done) << "Esc does not validate in this dialog";
    }
    if (refusal.by == By::EnterKey) {
        ASSERT_EQ(row.enterCommand, IDOK) << "Enter does not press Done in this dialog";
    }
    const auto dlg = row.make();
    MessageBoxAnswerer box;
    bool open = false;
    bool focusOnField = false;
    CString selected;
    std::map<int, CString> texts;
    const int result = RunModal(*dlg, [&] {
        TypeRefused(*dlg, refusal);
        // The focus elsewhere, so that the refusal has to move it.
        if (QLineEdit* other = AnotherEdit(*dlg, row, refusal.field))
            other->setFocus();
        box.Arm();
        switch (refusal.by) {
        case By::DoneButton: Click(*dlg, IDOK); break;
        case By::EscKey: Press(*dlg, Qt::Key_Escape); break;
        case By::EnterKey: Press(*dlg, Qt::Key_Return); break;
        }
        open = IsOpen(*dlg);
        focusOnField = dlg->Widget()->focusWidget() == Edit(*dlg, refusal.field);
        selected = Edit(*dlg, refusal.field)->selectedText().toStdString();
        texts = TextsOf(*dlg, refusal.alsoTyped);
        texts[refusal.field] = dlg->GetDlgItemText(refusal.field);
        dlg->SendCommand(IDCANCEL);
    });
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.caption, "Numbrix Calc");
    EXPECT_EQ(box.text.rfind(refusal.message, 0), 0u) << box.text;
    EXPECT_TRUE(open);
    EXPECT_TRUE(focusOnField);
    EXPECT_EQ(selected, refusal.typed);
    std::map<int, CString> typed = AsTexts(refusal.alsoTyped);
    typed[refusal.field] = refusal.typed;
    EXPECT_EQ(texts, typed) << "every field keeps what the user typed";
    EXPECT_EQ(result, IDCANCEL) << "cancel still closes";
}

INSTANTIATE_TEST_SUITE_P(Contract, UtilityDialogRefusal, ::testing::ValuesIn(AllRefusals()),
                         [](const auto& info) {
                             return std::string(info.param.dialog->name) + "_" + std::to_string(info.param.index);
                         });

}  // namespace
