// The six finance dialogs' arithmetic, one table each, checked as the
// dialogs print it with "%1.2f". Counts such as 999999999 years saturate at
// the int range; the sanitizer build would report an overflow.

#include "utilities/finance/AccruedPayments.h"
#include "utilities/finance/CreditCardPlan.h"
#include "utilities/finance/EarlyPayoff.h"
#include "utilities/finance/LoanCalc.h"
#include "utilities/finance/SavingsGoal.h"
#include "utilities/finance/SavingsInterest.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

// The dialogs print every not-a-number as "nan", whatever its sign bit.
std::string Money(double value)
{
    char text[400];
    std::snprintf(text, sizeof text, "%1.2f", std::isnan(value) ? std::fabs(value) : value);
    return text;
}

template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info)
{
    return "case" + std::to_string(info.index);
}

const double kNotANumber = std::numeric_limits<double>::quiet_NaN();

struct LoanCase {
    const char* name;
    LoanInput in;  // amount, APR, term, term in years
    const char* termMonths;
    const char* principal;
    const char* interest;
    const char* total;
    const char* payment;
};

const LoanCase kLoans[] = {
    {"10000 at 6 % over 5 years", {10000, 6, 5, true}, "60.00", "10000.00", "1599.68", "11599.68", "193.33"},
    {"the same over 60 months", {10000, 6, 60, false}, "60.00", "10000.00", "1599.68", "11599.68", "193.33"},
    {"200000 at 7.5 % over 30 years", {200000, 7.5, 30, true}, "360.00", "200000.00", "303434.45", "503434.45",
     "1398.43"},
    {"12.5 months: 12 set the payment", {1000, 12, 12.5, false}, "12.50", "1000.00", "110.61", "1110.61", "88.85"},
    {"2.5 years are 30 months", {1000, 12, 2.5, true}, "30.00", "1000.00", "162.44", "1162.44", "38.75"},
    {"nothing borrowed", {0, 6, 5, true}, "60.00", "0.00", "0.00", "0.00", "0.00"},
    {"no interest", {1200, 0, 12, false}, "12.00", "1200.00", "0.00", "1200.00", "100.00"},
    {"a rate that does not move 1 + r", {1200, 1e-15, 1, true}, "12.00", "1200.00", "0.00", "1200.00", "100.00"},
    {"no interest under one month divides by 0", {1000, 0, 0.5, false}, "0.50", "1000.00", "inf", "inf", "inf"},
    {"no interest, no term: 0 / 0", {1000, 0, 0, false}, "0.00", "1000.00", "nan", "nan", "nan"},
    {"half a month at 12 %", {1000, 12, 0.5, false}, "0.50", "1000.00", "inf", "inf", "inf"},
    {"a negative term: the power gives x itself", {1000, 12, -5, false}, "-5.00", "1000.00", "4000.00",
     "5000.00", "-1000.00"},
    {"beyond the int range the whole months saturate: the month's interest", {1, 12, 1e10, false},
     "10000000000.00", "1.00", "99999999.00", "100000000.00", "0.01"},
    {"below the int range, no interest: -2^31 months", {1200, 0, -1e12, false}, "-1000000000000.00", "1200.00",
     "557593.54", "558793.54", "-0.00"},
    {"a not-a-number term counts no whole months", {1000, 12, kNotANumber, false}, "nan", "1000.00", "nan", "nan", "nan"},
};

class LoanTable : public ::testing::TestWithParam<LoanCase> {};

TEST_P(LoanTable, PrintsTheDialogsFields)
{
    const LoanCase& t = GetParam();
    SCOPED_TRACE(t.name);
    const LoanResult r = CalculateLoan(t.in);
    EXPECT_EQ(Money(r.termMonths), t.termMonths);
    EXPECT_EQ(Money(r.principal), t.principal);
    EXPECT_EQ(Money(r.interest), t.interest);
    EXPECT_EQ(Money(r.total), t.total);
    EXPECT_EQ(Money(r.payment), t.payment);
}

INSTANTIATE_TEST_SUITE_P(Loan, LoanTable, ::testing::ValuesIn(kLoans), CaseName<LoanCase>);

struct SavingsCase {
    const char* name;
    SavingsInput in;  // balance, APR, months, compounding
    int wholePeriods;
    const char* interest;
    const char* endBalance;
};

const SavingsCase kSavings[] = {
    {"a year quarterly", {1000, 12, 12, Compounding::Quarterly}, 4, "125.51", "1125.51"},
    {"a year monthly", {1000, 12, 12, Compounding::Monthly}, 12, "126.83", "1126.83"},
    {"a year every six months", {1000, 12, 12, Compounding::SixMonths}, 2, "123.60", "1123.60"},
    {"a year yearly", {1000, 12, 12, Compounding::Yearly}, 1, "120.00", "1120.00"},
    {"18 months yearly: the half year does not count", {1000, 12, 18, Compounding::Yearly}, 1, "120.00",
     "1120.00"},
    {"13 months every six months", {1000, 12, 13, Compounding::SixMonths}, 2, "123.60", "1123.60"},
    {"2 months quarterly: no whole period", {1000, 12, 2, Compounding::Quarterly}, 0, "0.00", "1000.00"},
    {"-7 months cut toward zero", {1000, 12, -7, Compounding::Quarterly}, -2, "0.00", "1000.00"},
    {"5 % over two years yearly", {1000, 5, 24, Compounding::Yearly}, 2, "102.50", "1102.50"},
    {"no interest", {1000, 0, 12, Compounding::Monthly}, 12, "0.00", "1000.00"},
    {"the largest count overflows", {1000, 12, INT_MAX, Compounding::Monthly}, INT_MAX, "inf", "inf"},
    {"overflow on a zero balance", {0, 12, INT_MAX, Compounding::Monthly}, INT_MAX, "nan", "nan"},
};

class SavingsTable : public ::testing::TestWithParam<SavingsCase> {};

TEST_P(SavingsTable, PrintsTheDialogsFields)
{
    const SavingsCase& t = GetParam();
    SCOPED_TRACE(t.name);
    const SavingsResult r = CalculateSavingsInterest(t.in);
    EXPECT_EQ(r.wholePeriods, t.wholePeriods);
    EXPECT_EQ(Money(r.interest), t.interest);
    EXPECT_EQ(Money(r.endBalance), t.endBalance);
}

INSTANTIATE_TEST_SUITE_P(Savings, SavingsTable, ::testing::ValuesIn(kSavings), CaseName<SavingsCase>);

struct AccruedCase {
    const char* name;
    AccruedInput in;  // payment, APR, term, per week, term in years
    double monthlyPayment;
    int termMonths;
    const char* accrued;
};

const AccruedCase kAccrued[] = {
    {"100 a month for a year at 12 %", {100, 12, 1, false, true}, 100, 12, "1268.25"},
    {"100 a week: 400 a month", {100, 12, 1, true, true}, 400, 12, "5073.00"},
    {"ten years at 6 %", {100, 6, 10, false, true}, 100, 120, "16387.93"},
    {"one month: one payment", {100, 12, 1, false, false}, 100, 1, "100.00"},
    {"no deposit made", {100, 12, 0, false, false}, 100, 0, "0.00"},
    {"a negative term", {100, 12, -2, false, true}, 100, -24, "0.00"},
    {"no interest adds the deposits", {100, 0, 12, false, false}, 100, 12, "1200.00"},
    {"999999999 years saturate and overflow", {100, 12, 999999999, false, true}, 100, INT_MAX, "inf"},
    {"999999999 years without interest", {100, 0, 999999999, false, true}, 100, INT_MAX, "214748364700.00"},
    {"-999999999 years", {100, 12, -999999999, false, true}, 100, INT_MIN, "0.00"},
};

class AccruedTable : public ::testing::TestWithParam<AccruedCase> {};

TEST_P(AccruedTable, PrintsTheDialogsField)
{
    const AccruedCase& t = GetParam();
    SCOPED_TRACE(t.name);
    const AccruedResult r = CalculateAccruedPayments(t.in);
    EXPECT_EQ(r.monthlyPayment, t.monthlyPayment);
    EXPECT_EQ(r.termMonths, t.termMonths);
    EXPECT_EQ(Money(r.accrued), t.accrued);
}

INSTANTIATE_TEST_SUITE_P(Accrued, AccruedTable, ::testing::ValuesIn(kAccrued), CaseName<AccruedCase>);

struct CreditCardCase {
    const char* name;
    CreditCardInput in;  // balance, APR, payment
    int payments;
    int years;
    int months;
    bool neverPaid;
    const char* owedAfter20Years;  // checked with neverPaid
    const char* finalPayment;      // checked without
    const char* total;             // checked without
};

const CreditCardCase kCreditCards[] = {
    {"1000 at 18 % paying 50", {1000, 18, 50}, 24, 2, 0, false, "", "47.12", "1197.12"},
    {"5000 at 19.8 % paying 100", {5000, 19.8, 100}, 107, 8, 11, false, "", "49.74", "10649.74"},
    {"a remainder of exactly one payment is the last", {1000, 0, 100}, 10, 0, 10, false, "", "100.00", "1000.00"},
    {"12 payments", {1200, 0, 100}, 12, 1, 0, false, "", "100.00", "1200.00"},
    {"13 payments", {1300, 0, 100}, 13, 1, 1, false, "", "100.00", "1300.00"},
    {"a balance below one payment is paid at once", {100, 0, 150}, 1, 0, 1, false, "", "100.00", "100.00"},
    {"a balance of exactly one payment", {100, 18, 100}, 1, 0, 1, false, "", "100.00", "100.00"},
    {"nothing owed: empty fields", {0, 0, 0}, 0, 0, 0, false, "", "0.00", "0.00"},
    {"a negative balance", {-50, 18, 10}, 0, 0, 0, false, "", "0.00", "0.00"},
    {"beyond 20 years is reported normally", {1000, 0, 1}, 1000, 83, 4, false, "", "1.00", "1000.00"},
    {"the longest payoff", {30001, 0, 1}, 30001, 2500, 1, false, "", "1.00", "30001.00"},
    {"one month longer: never", {30002, 0, 1}, 30001, 2500, 1, true, "29762.00", "", ""},
    {"payment equal to the interest", {1000, 18, 15}, 30001, 2500, 1, true, "1000.00", "", ""},
    {"no payment", {1000, 0, 0}, 30001, 2500, 1, true, "1000.00", "", ""},
    {"an infinite balance", {std::numeric_limits<double>::infinity(), 18, 50}, 30001, 2500, 1, true, "inf", "",
     ""},
    {"a not-a-number payment stops at once", {1000, 18, kNotANumber}, 2, 0, 2, false, "", "nan", "nan"},
};

class CreditCardTable : public ::testing::TestWithParam<CreditCardCase> {};

TEST_P(CreditCardTable, PlansThePayoff)
{
    const CreditCardCase& t = GetParam();
    SCOPED_TRACE(t.name);
    const CreditCardPlan r = PlanCreditCardPayoff(t.in);
    EXPECT_EQ(r.payments, t.payments);
    EXPECT_EQ(r.years, t.years);
    EXPECT_EQ(r.months, t.months);
    ASSERT_EQ(r.neverPaid, t.neverPaid);
    if (t.neverPaid) {
        EXPECT_EQ(Money(r.owedAfter20Years), t.owedAfter20Years);
    } else {
        EXPECT_EQ(Money(r.finalPayment), t.finalPayment);
        EXPECT_EQ(Money(r.total), t.total);
    }
}

INSTANTIATE_TEST_SUITE_P(CreditCard, CreditCardTable, ::testing::ValuesIn(kCreditCards),
                         CaseName<CreditCardCase>);

struct GoalCase {
    const char* name;
    GoalInput in;  // goal, APR, term, term in years
    int termMonths;
    const char* deposit;
};

const GoalCase kGoals[] = {
    {"10000 in 5 years at 6 %", {10000, 6, 5, true}, 60, "143.33"},
    {"the same in 60 months", {10000, 6, 60, false}, 60, "143.33"},
    {"1000 in 12 months at 12 %", {1000, 12, 12, false}, 12, "78.85"},
    {"2.5 years typed, 2 read: 24 months", {1000, 12, 2, true}, 24, "37.07"},
    {"1 month: the whole goal", {10000, 6, 1, false}, 1, "10000.00"},
    {"0 months: the whole goal", {10000, 6, 0, false}, 0, "10000.00"},
    {"a negative term: the whole goal", {10000, 6, -3, false}, -3, "10000.00"},
    {"no interest splits the goal", {1200, 0, 1, true}, 12, "100.00"},
    {"no interest, no term", {1200, 0, 0, false}, 0, "1200.00"},
    {"999999999 years saturate", {10000, 6, 999999999, true}, INT_MAX, "0.00"},
    {"999999999 years without interest", {2147483647.0, 0, 999999999, true}, INT_MAX, "1.00"},
    {"-999999999 years", {10000, 6, -999999999, true}, INT_MIN, "10000.00"},
};

class GoalTable : public ::testing::TestWithParam<GoalCase> {};

TEST_P(GoalTable, PrintsTheDeposit)
{
    const GoalCase& t = GetParam();
    SCOPED_TRACE(t.name);
    const GoalResult r = CalculateSavingsGoal(t.in);
    EXPECT_EQ(r.termMonths, t.termMonths);
    EXPECT_EQ(Money(r.deposit), t.deposit);
}

INSTANTIATE_TEST_SUITE_P(Goal, GoalTable, ::testing::ValuesIn(kGoals), CaseName<GoalCase>);

struct PayoffCase {
    const char* name;
    PayoffInput in;  // payment, made, total, total in years, APR
    int totalMonths;
    const char* payoff;
};

const PayoffCase kPayoffs[] = {
    {"none of 360 made at 7 %", {500, 0, 360, false, 7}, 360, "75153.78"},
    {"12 of 30 years made", {500, 12, 30, true, 7}, 360, "74390.36"},
    {"a year at 12 %", {100, 0, 12, false, 12}, 12, "1125.51"},
    {"all made: nothing left", {500, 360, 360, false, 7}, 360, "0.00"},
    {"one too many made", {500, 361, 360, false, 7}, 360, "0.00"},
    {"two too many made", {500, 362, 360, false, 7}, 360, "0.00"},
    {"both counts empty", {500, 0, 0, false, 7}, 0, "0.00"},
    {"no interest: the payments left", {100, 3, 1, true, 0}, 12, "900.00"},
    {"999999999 years left: the payment over the monthly rate", {500, -999999999, 999999999, true, 7}, INT_MAX,
     "85714.29"},
    {"made -2^31 of 5, no interest: INT_MAX left", {1, INT_MIN, 5, false, 0}, 5, "2147483647.00"},
    {"-999999999 years", {500, 0, -999999999, true, 7}, INT_MIN, "0.00"},
};

class PayoffTable : public ::testing::TestWithParam<PayoffCase> {};

TEST_P(PayoffTable, PrintsThePayoff)
{
    const PayoffCase& t = GetParam();
    SCOPED_TRACE(t.name);
    const PayoffResult r = CalculateEarlyPayoff(t.in);
    EXPECT_EQ(r.totalPaymentsMonths, t.totalMonths);
    EXPECT_EQ(Money(r.payoff), t.payoff);
}

INSTANTIATE_TEST_SUITE_P(Payoff, PayoffTable, ::testing::ValuesIn(kPayoffs), CaseName<PayoffCase>);

}  // namespace
