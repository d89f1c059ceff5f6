// The six finance dialogs as a user works them: typing into the edits,
// clicking the radio buttons, pressing Calc It or Enter, and reading every
// result field back; and the radio buttons each dialog selects whenever it
// opens. Every worked example of the arithmetic is in
// tests/unit/FinanceCalcTest.cpp; opening, closing and refusing at Done are
// the dialogs' rows of the utility dialog contract.

#include "ModalTestSupport.h"

#include "utilities/finance/AccruedDlg.h"
#include "utilities/finance/CreditCardDlg.h"
#include "utilities/finance/GoalDlg.h"
#include "utilities/finance/LoanDlg.h"
#include "utilities/finance/PayoffDlg.h"
#include "utilities/finance/SavingsDlg.h"

#include <QFontMetrics>
#include <QLabel>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using Loan = CLoanDlg;
using Savings = CSavingsDlg;
using Accrued = CAccruedDlg;
using Card = CCreditCardDlg;
using Goal = CGoalDlg;
using Payoff = CPayoffDlg;

// A member of the dialog, read after the dialog has closed.
using MemberReader = std::function<double(const CDialog&)>;

template <class Dialog, class T>
MemberReader Member(T Dialog::*member)
{
    return [member](const CDialog& dlg) { return static_cast<double>(static_cast<const Dialog&>(dlg).*member); };
}

enum class Compute { CalcItButton, EnterKey };

struct Calculation {
    const char* name;
    std::function<std::unique_ptr<CDialog>()> make;
    int calcIt;
    std::vector<UserStep> steps;  // typed and clicked in this order
    Compute compute;          // what computes after the steps
    std::map<int, const char*> results;  // every result field afterwards
    MemberReader stored = nullptr;       // a member Calc It stores back, when it does
    double storedValue = 0.0;
};

// The rows marked "mended" show a fault of the plain formulas mended: a 0 %
// rate, the credit card's stopping rule, savings or deposits with no whole
// period, a loan paid off already, and typed counts that would overflow an
// int when scaled to months (the sanitizer build checks there is no
// overflow).
const Calculation kCalculations[] = {
    // The loan: principal, interest, total, payment; the term is stored in months.
    {"loan over 5 years",
     &Make<Loan>, Loan::kCalcIt,
     {{Loan::kAmount, "10000"}, {Loan::kApr, "6"}, {Loan::kTerm, "5"}},
     Compute::CalcItButton,
     {{Loan::kPrincipal, "10000.00"}, {Loan::kInterest, "1599.68"}, {Loan::kTotal, "11599.68"},
      {Loan::kPayment, "193.33"}},
     Member(&Loan::m_term), 60},
    {"loan over 60 months, by Enter",
     &Make<Loan>, Loan::kCalcIt,
     {{Loan::kAmount, "10000"}, {Loan::kApr, "6"}, {Loan::kTerm, "60"}, {Loan::kMonths}},
     Compute::EnterKey,
     {{Loan::kPrincipal, "10000.00"}, {Loan::kInterest, "1599.68"}, {Loan::kTotal, "11599.68"},
      {Loan::kPayment, "193.33"}},
     Member(&Loan::m_term), 60},
    {"loan: Years again after Months, 2.5 years are 30 months",
     &Make<Loan>, Loan::kCalcIt,
     {{Loan::kAmount, "1000"}, {Loan::kApr, "12"}, {Loan::kTerm, "2.5"}, {Loan::kMonths}, {Loan::kYears}},
     Compute::EnterKey,
     {{Loan::kPrincipal, "1000.00"}, {Loan::kInterest, "162.44"}, {Loan::kTotal, "1162.44"},
      {Loan::kPayment, "38.75"}},
     Member(&Loan::m_term), 30},
    {"loan at 0 % (mended)",
     &Make<Loan>, Loan::kCalcIt,
     {{Loan::kAmount, "1200"}, {Loan::kApr, "0"}, {Loan::kTerm, "12"}, {Loan::kMonths}},
     Compute::CalcItButton,
     {{Loan::kPrincipal, "1200.00"}, {Loan::kInterest, "0.00"}, {Loan::kTotal, "1200.00"},
      {Loan::kPayment, "100.00"}}},

    // Savings interest: interest earned and the end balance.
    {"savings compounded quarterly, as it opens",
     &Make<Savings>, Savings::kCalcIt,
     {{Savings::kBalance, "1000"}, {Savings::kApr, "12"}, {Savings::kMonths, "12"}},
     Compute::CalcItButton,
     {{Savings::kInterestEarned, "125.51"}, {Savings::kEndBalance, "1125.51"}}},
    {"savings compounded monthly, by Enter",
     &Make<Savings>, Savings::kCalcIt,
     {{Savings::kBalance, "1000"}, {Savings::kApr, "12"}, {Savings::kMonths, "12"}, {Savings::kMonthly}},
     Compute::EnterKey,
     {{Savings::kInterestEarned, "126.83"}, {Savings::kEndBalance, "1126.83"}}},
    {"savings every 6 months",
     &Make<Savings>, Savings::kCalcIt,
     {{Savings::kBalance, "1000"}, {Savings::kApr, "12"}, {Savings::kMonths, "12"}, {Savings::kSixMonths}},
     Compute::CalcItButton,
     {{Savings::kInterestEarned, "123.60"}, {Savings::kEndBalance, "1123.60"}}},
    {"savings yearly after monthly: the half year of 18 months earns nothing",
     &Make<Savings>, Savings::kCalcIt,
     {{Savings::kBalance, "1000"}, {Savings::kApr, "12"}, {Savings::kMonths, "18"}, {Savings::kMonthly},
      {Savings::kYearly}},
     Compute::EnterKey,
     {{Savings::kInterestEarned, "120.00"}, {Savings::kEndBalance, "1120.00"}}},
    {"savings: 12.9 months count as 12",
     &Make<Savings>, Savings::kCalcIt,
     {{Savings::kBalance, "1000"}, {Savings::kApr, "12"}, {Savings::kMonths, "12.9"}},
     Compute::EnterKey,
     {{Savings::kInterestEarned, "125.51"}, {Savings::kEndBalance, "1125.51"}}},
    {"savings with no whole quarter (mended)",
     &Make<Savings>, Savings::kCalcIt,
     {{Savings::kBalance, "1000"}, {Savings::kApr, "12"}, {Savings::kMonths, "2"}},
     Compute::CalcItButton,
     {{Savings::kInterestEarned, "0.00"}, {Savings::kEndBalance, "1000.00"}}},

    // Accrued payments: the amount accrued; payment and term stored per month.
    {"accrued: 100 a month for 1 year",
     &Make<Accrued>, Accrued::kCalcIt,
     {{Accrued::kPayment, "100"}, {Accrued::kApr, "12"}, {Accrued::kTerm, "1"}},
     Compute::CalcItButton,
     {{Accrued::kAccrued, "1268.25"}},
     Member(&Accrued::m_term), 12},
    {"accrued: 100 a week are 400 a month, by Enter",
     &Make<Accrued>, Accrued::kCalcIt,
     {{Accrued::kPayment, "100"}, {Accrued::kApr, "12"}, {Accrued::kTerm, "1"}, {Accrued::kWeek}},
     Compute::EnterKey,
     {{Accrued::kAccrued, "5073.00"}},
     Member(&Accrued::m_payment), 400},
    {"accrued: Month again after Week, 1 month",
     &Make<Accrued>, Accrued::kCalcIt,
     {{Accrued::kPayment, "100"}, {Accrued::kApr, "12"}, {Accrued::kTerm, "1"}, {Accrued::kWeek},
      {Accrued::kMonth}, {Accrued::kMonths}},
     Compute::CalcItButton,
     {{Accrued::kAccrued, "100.00"}},
     Member(&Accrued::m_payment), 100},
    {"accrued with no deposit (mended)",
     &Make<Accrued>, Accrued::kCalcIt,
     {{Accrued::kPayment, "100"}, {Accrued::kApr, "12"}, {Accrued::kTerm, "0"}, {Accrued::kMonths}},
     Compute::EnterKey,
     {{Accrued::kAccrued, "0.00"}}},
    {"accrued at 0 % (mended)",
     &Make<Accrued>, Accrued::kCalcIt,
     {{Accrued::kPayment, "100"}, {Accrued::kApr, "0"}, {Accrued::kTerm, "1"}},
     Compute::CalcItButton,
     {{Accrued::kAccrued, "1200.00"}}},
    {"accrued: 999999999 years are the largest int of months (mended)",
     &Make<Accrued>, Accrued::kCalcIt,
     {{Accrued::kPayment, "100"}, {Accrued::kApr, "12"}, {Accrued::kTerm, "999999999"}},
     Compute::EnterKey,
     {{Accrued::kAccrued, "inf"}},
     Member(&Accrued::m_term), 2147483647},

    // The credit card: payoff time, final payment, total payment.
    {"card paid off in 2 years",
     &Make<Card>, Card::kCalcIt,
     {{Card::kBalance, "1000"}, {Card::kApr, "18"}, {Card::kPayment, "50"}},
     Compute::CalcItButton,
     {{Card::kPayoffTime, "2 Years 0 Months"}, {Card::kFinalPayment, "47.12"}, {Card::kTotalPayment, "1197.12"}}},
    {"card paid off in 8 years 11 months, by Enter",
     &Make<Card>, Card::kCalcIt,
     {{Card::kBalance, "5000"}, {Card::kApr, "19.8"}, {Card::kPayment, "100"}},
     Compute::EnterKey,
     {{Card::kPayoffTime, "8 Years 11 Months"}, {Card::kFinalPayment, "49.74"},
      {Card::kTotalPayment, "10649.74"}}},
    {"card never paid off",
     &Make<Card>, Card::kCalcIt,
     {{Card::kBalance, "1000"}, {Card::kApr, "18"}, {Card::kPayment, "15"}},
     Compute::EnterKey,
     {{Card::kPayoffTime, "Never!"}, {Card::kFinalPayment, "you owe 1000.00 after 20 years"},
      {Card::kTotalPayment, "n/a"}}},
    {"card: the last full payment ends it (mended)",
     &Make<Card>, Card::kCalcIt,
     {{Card::kBalance, "1000"}, {Card::kApr, "0"}, {Card::kPayment, "100"}},
     Compute::CalcItButton,
     {{Card::kPayoffTime, "0 Years 10 Months"}, {Card::kFinalPayment, "100.00"}, {Card::kTotalPayment, "1000.00"}}},
    {"card: a balance under one payment is paid at once (mended)",
     &Make<Card>, Card::kCalcIt,
     {{Card::kBalance, "100"}, {Card::kApr, "0"}, {Card::kPayment, "150"}},
     Compute::EnterKey,
     {{Card::kPayoffTime, "0 Years 1 Months"}, {Card::kFinalPayment, "100.00"}, {Card::kTotalPayment, "100.00"}}},
    {"card: nothing owed with every field empty (mended)",
     &Make<Card>, Card::kCalcIt,
     {{Card::kBalance, ""}, {Card::kApr, ""}, {Card::kPayment, ""}},
     Compute::CalcItButton,
     {{Card::kPayoffTime, "0 Years 0 Months"}, {Card::kFinalPayment, "0.00"}, {Card::kTotalPayment, "0.00"}}},

    // The savings goal: the monthly deposit; the term is stored in months.
    {"goal in 5 years, computed twice: years scale once",
     &Make<Goal>, Goal::kCalcIt,
     {{Goal::kGoal, "10000"}, {Goal::kTerm, "5"}, {Goal::kApr, "6"}, {Goal::kCalcIt}},
     Compute::EnterKey,
     {{Goal::kDeposit, "143.33"}},
     Member(&Goal::m_term), 60},
    {"goal in 60 months",
     &Make<Goal>, Goal::kCalcIt,
     {{Goal::kGoal, "10000"}, {Goal::kTerm, "60"}, {Goal::kApr, "6"}, {Goal::kMonths}},
     Compute::CalcItButton,
     {{Goal::kDeposit, "143.33"}},
     Member(&Goal::m_term), 60},
    {"goal: Years again after Months, 2.5 years are 24 months",
     &Make<Goal>, Goal::kCalcIt,
     {{Goal::kGoal, "10000"}, {Goal::kTerm, "2.5"}, {Goal::kApr, "6"}, {Goal::kMonths}, {Goal::kYears}},
     Compute::EnterKey,
     {{Goal::kDeposit, "393.21"}},
     Member(&Goal::m_term), 24},
    {"goal at 0 % (mended)",
     &Make<Goal>, Goal::kCalcIt,
     {{Goal::kGoal, "1200"}, {Goal::kTerm, "12"}, {Goal::kApr, "0"}, {Goal::kMonths}},
     Compute::CalcItButton,
     {{Goal::kDeposit, "100.00"}}},
    {"goal: 999999999 years are the largest int of months (mended)",
     &Make<Goal>, Goal::kCalcIt,
     {{Goal::kGoal, "10000"}, {Goal::kTerm, "999999999"}, {Goal::kApr, "6"}},
     Compute::CalcItButton,
     {{Goal::kDeposit, "0.00"}},
     Member(&Goal::m_term), 2147483647},

    // The early payoff: the payoff amount; the total is stored in months.
    {"payoff with 360 months to go",
     &Make<Payoff>, Payoff::kCalcIt,
     {{Payoff::kPayment, "500"}, {Payoff::kPaymentsMade, "0"}, {Payoff::kTotalPayments, "360"},
      {Payoff::kApr, "7"}},
     Compute::CalcItButton,
     {{Payoff::kPayoff, "75153.78"}},
     Member(&Payoff::m_totalPayments), 360},
    {"payoff: 30 years, 12 payments made, by Enter",
     &Make<Payoff>, Payoff::kCalcIt,
     {{Payoff::kPayment, "500"}, {Payoff::kPaymentsMade, "12"}, {Payoff::kTotalPayments, "30"},
      {Payoff::kApr, "7"}, {Payoff::kYears}},
     Compute::EnterKey,
     {{Payoff::kPayoff, "74390.36"}},
     Member(&Payoff::m_totalPayments), 360},
    {"payoff: Months again after Years",
     &Make<Payoff>, Payoff::kCalcIt,
     {{Payoff::kPayment, "100"}, {Payoff::kPaymentsMade, "0"}, {Payoff::kTotalPayments, "12"},
      {Payoff::kApr, "12"}, {Payoff::kYears}, {Payoff::kMonths}},
     Compute::EnterKey,
     {{Payoff::kPayoff, "1125.51"}},
     Member(&Payoff::m_totalPayments), 12},
    {"payoff with every payment made (mended)",
     &Make<Payoff>, Payoff::kCalcIt,
     {{Payoff::kPayment, "500"}, {Payoff::kPaymentsMade, "360"}, {Payoff::kTotalPayments, "360"},
      {Payoff::kApr, "7"}},
     Compute::CalcItButton,
     {{Payoff::kPayoff, "0.00"}}},
    {"payoff with both counts empty (mended)",
     &Make<Payoff>, Payoff::kCalcIt,
     {{Payoff::kPayment, "500"}, {Payoff::kPaymentsMade, ""}, {Payoff::kTotalPayments, ""},
      {Payoff::kApr, "7"}},
     Compute::EnterKey,
     {{Payoff::kPayoff, "0.00"}}},
    {"payoff at 0 % (mended)",
     &Make<Payoff>, Payoff::kCalcIt,
     {{Payoff::kPayment, "100"}, {Payoff::kPaymentsMade, "2"}, {Payoff::kTotalPayments, "12"},
      {Payoff::kApr, "0"}},
     Compute::CalcItButton,
     {{Payoff::kPayoff, "1000.00"}}},
    {"payoff: 999999999 years are the largest int of months (mended)",
     &Make<Payoff>, Payoff::kCalcIt,
     {{Payoff::kPayment, "500"}, {Payoff::kPaymentsMade, "0"}, {Payoff::kTotalPayments, "999999999"},
      {Payoff::kApr, "6"}, {Payoff::kYears}},
     Compute::EnterKey,
     {{Payoff::kPayoff, "100000.00"}},
     Member(&Payoff::m_totalPayments), 2147483647},
};

void PrintTo(const Calculation& row, std::ostream* os)
{
    *os << row.name;
}

class FinanceCalculations : public ::testing::TestWithParam<Calculation> {};

TEST_P(FinanceCalculations, ShowWhatTheTypedInputsGiveAndStayOpen)
{
    const Calculation& row = GetParam();
    const auto dlg = row.make();
    std::map<int, CString> shown;
    bool open = false;
    RunModal(*dlg, [&] {
        Perform(*dlg, row.steps);
        if (row.compute == Compute::EnterKey)
            Press(*dlg, Qt::Key_Return);
        else
            Click(*dlg, row.calcIt);
        for (const auto& [id, unused] : row.results)
            shown[id] = dlg->GetDlgItemText(id);
        open = IsOpen(*dlg);
    });
    EXPECT_TRUE(open);  // computing never closes the dialog
    EXPECT_EQ(shown, AsTexts(row.results));
    if (row.stored) {
        EXPECT_EQ(row.stored(*dlg), row.storedValue);
    }
}

INSTANTIATE_TEST_SUITE_P(Finance, FinanceCalculations, ::testing::ValuesIn(kCalculations),
                         [](const auto& info) { return "row" + std::to_string(info.index); });

// The radio flags of a dialog, in the order its row lists them.
using FlagReader = std::function<std::vector<int>(const CDialog&)>;

template <class Dialog, class... Flags>
FlagReader FlagsOf(Flags... flags)
{
    return [=](const CDialog& dlg) {
        const auto& d = static_cast<const Dialog&>(dlg);
        return std::vector<int>{(d.*flags)...};
    };
}

struct Opening {
    const char* name;
    std::function<std::unique_ptr<CDialog>()> make;
    std::map<int, const char*> results;  // the result fields as the dialog opens
    std::map<int, bool> checks;          // every radio button as the dialog opens
    FlagReader flags;
    std::vector<int> flagsAtOpening;
    std::vector<int> clicks;             // then the user clicks these
    std::map<int, bool> checksAfterClicks;
    std::vector<int> flagsAfterClicks;
};

const Opening kOpenings[] = {
    {"Loan", &Make<Loan>,
     {{Loan::kPrincipal, "0"}, {Loan::kInterest, "0"}, {Loan::kTotal, "0"}, {Loan::kPayment, "0"}},
     {{Loan::kYears, true}, {Loan::kMonths, false}},
     FlagsOf<Loan>(&Loan::m_years, &Loan::m_months), {1, 0},
     {Loan::kMonths},
     {{Loan::kYears, false}, {Loan::kMonths, true}}, {0, 1}},
    {"Savings", &Make<Savings>,
     {{Savings::kInterestEarned, "0"}, {Savings::kEndBalance, "0"}},
     {{Savings::kQuarterly, true}, {Savings::kMonthly, false}, {Savings::kYearly, false}, {Savings::kSixMonths, false}},
     FlagsOf<Savings>(&Savings::m_quarterly, &Savings::m_monthly, &Savings::m_yearly, &Savings::m_sixMonths),
     {1, 0, 0, 0},
     {Savings::kMonthly, Savings::kSixMonths, Savings::kSixMonths},  // the selected one clicked again stays
     {{Savings::kQuarterly, false}, {Savings::kMonthly, false}, {Savings::kYearly, false}, {Savings::kSixMonths, true}},
     {0, 0, 0, 1}},
    {"Accrued", &Make<Accrued>,
     {{Accrued::kAccrued, "0"}},
     {{Accrued::kWeek, false}, {Accrued::kMonth, true}, {Accrued::kYears, true}, {Accrued::kMonths, false}},
     FlagsOf<Accrued>(&Accrued::m_perWeek, &Accrued::m_perMonth, &Accrued::m_years, &Accrued::m_months),
     {0, 1, 1, 0},
     {Accrued::kWeek, Accrued::kMonths},  // the two pairs are independent
     {{Accrued::kWeek, true}, {Accrued::kMonth, false}, {Accrued::kYears, false}, {Accrued::kMonths, true}},
     {1, 0, 0, 1}},
    {"CreditCard", &Make<Card>,
     {{Card::kPayoffTime, "n/a"}, {Card::kFinalPayment, "n/a"}, {Card::kTotalPayment, "0"}},
     {}, [](const CDialog&) { return std::vector<int>{}; }, {}, {}, {}, {}},
    // The constructor leaves both flags at -1; opening sets them.
    {"Goal", &Make<Goal>,
     {{Goal::kDeposit, "0"}},
     {{Goal::kMonths, false}, {Goal::kYears, true}},
     FlagsOf<Goal>(&Goal::m_months, &Goal::m_years), {0, 1},
     {Goal::kMonths},
     {{Goal::kMonths, true}, {Goal::kYears, false}}, {1, 0}},
    {"Payoff", &Make<Payoff>,
     {{Payoff::kPayoff, "0"}},
     {{Payoff::kMonths, true}, {Payoff::kYears, false}},
     FlagsOf<Payoff>(&Payoff::m_months, &Payoff::m_years), {1, 0},
     {Payoff::kYears},
     {{Payoff::kMonths, false}, {Payoff::kYears, true}}, {0, 1}},
};

void PrintTo(const Opening& row, std::ostream* os)
{
    *os << row.name;
}

class FinanceOpenings : public ::testing::TestWithParam<Opening> {};

// Each opening selects the same buttons, whatever was chosen before Done
// closed the last one; the handlers keep each set exclusive.
TEST_P(FinanceOpenings, SelectTheDefaultRadioButtonsEveryTime)
{
    const Opening& row = GetParam();
    for (const int opening : {1, 2}) {
        SCOPED_TRACE("opening " + std::to_string(opening));
        const auto dlg = row.make();
        std::map<int, CString> results;
        std::map<int, bool> checks;
        std::vector<int> flags;
        std::map<int, bool> checksAfter;
        std::vector<int> flagsAfter;
        const int closed = RunModal(*dlg, [&] {
            for (const auto& [id, unused] : row.results)
                results[id] = dlg->GetDlgItemText(id);
            checks = ChecksOf(*dlg, row.checks);
            flags = row.flags(*dlg);
            for (const int id : row.clicks)
                Click(*dlg, id);
            checksAfter = ChecksOf(*dlg, row.checksAfterClicks);
            flagsAfter = row.flags(*dlg);
            Click(*dlg, IDOK);
        });
        EXPECT_EQ(closed, IDOK);
        EXPECT_EQ(results, AsTexts(row.results));
        EXPECT_EQ(checks, row.checks);
        EXPECT_EQ(flags, row.flagsAtOpening);
        EXPECT_EQ(checksAfter, row.checksAfterClicks);
        EXPECT_EQ(flagsAfter, row.flagsAfterClicks);
    }
}

INSTANTIATE_TEST_SUITE_P(Finance, FinanceOpenings, ::testing::ValuesIn(kOpenings),
                         [](const auto& info) { return std::string(info.param.name); });

// The final payment's field is two lines tall so that "you owe ... after 20
// years" shows whole, wrapped at a blank as a plain static wraps its text
// (176 pixels of text in a field 173 wide, at the offscreen default font).
TEST(FinanceCreditCard, TheFinalPaymentFieldShowsTheWholeOwedText)
{
    CCreditCardDlg dlg;
    CString stored;
    QString shown;
    bool fits = false;
    RunModal(dlg, [&] {
        TypeInto(dlg, Card::kBalance, "1000");
        TypeInto(dlg, Card::kApr, "18");
        TypeInto(dlg, Card::kPayment, "15");
        Press(dlg, Qt::Key_Return);
        stored = dlg.GetDlgItemText(Card::kFinalPayment);
        const auto* label = qobject_cast<QLabel*>(Control(dlg, Card::kFinalPayment));
        ASSERT_NE(label, nullptr);
        shown = label->text();
        int flags = static_cast<int>(label->alignment());
        if (label->wordWrap())
            flags |= Qt::TextWordWrap;
        const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(), flags, shown);
        fits = label->contentsRect().contains(needed);
    });
    EXPECT_EQ(stored, "you owe 1000.00 after 20 years");
    EXPECT_EQ(shown.toStdString(), stored);
    EXPECT_TRUE(fits);
}

}  // namespace
