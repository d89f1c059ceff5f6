#include "CreditCardPlan.h"

namespace {

// The month's share of a yearly rate is taken by multiplying by the double
// nearest 1/12, not by dividing by 12.
constexpr double kOneMonthOfYear = 1.0 / 12;
static_assert(kOneMonthOfYear == 0.083333333333333329);

CreditCardPlan Paid(int payments, double finalPayment, double total)
{
    return {payments, payments / 12, payments % 12, false, 0.0, finalPayment, total};
}

}  // namespace

CreditCardPlan PlanCreditCardPayoff(const CreditCardInput& input)
{
    const double payment = input.payment;
    if (input.balance <= 0)
        return Paid(0, 0.0, 0.0);
    if (input.balance <= payment)
        return Paid(1, input.balance, input.balance);

    double balance = input.balance;
    double owedAfter20Years = 0.0;
    int month = 1;
    for (;;) {
        const double interest = input.apr * 0.01 * balance * kOneMonthOfYear;
        double next = balance + interest;
        next = next - payment;
        // At most one payment left, or a not-a-number: the next payment is the last.
        if (!(next > payment)) {
            ++month;
            return Paid(month, next, static_cast<double>(month - 1) * payment + next);
        }
        if (month == kOwedReportMonth)
            owedAfter20Years = next;
        ++month;
        if (month > kNeverPaidAfterMonths)
            return {month, month / 12, month % 12, true, owedAfter20Years, next, 0.0};
        balance = next;
    }
}
