#include "AccruedPayments.h"

#include "IntPower.h"
#include "SaturatingCount.h"

namespace {

constexpr double kWeeklyPaymentsPerMonth = 4;

}  // namespace

AccruedResult CalculateAccruedPayments(const AccruedInput& input)
{
    const double monthlyPayment =
        input.paymentPerWeek ? input.payment * kWeeklyPaymentsPerMonth : input.payment;
    const int deposits =
        input.termInYears ? SaturatingMultiply(input.term, kMonthsPerYear) : input.term;
    if (deposits <= 0)
        return {monthlyPayment, deposits, 0.0};

    const double monthlyPercent = input.apr / 12;
    const double growth = monthlyPercent * 0.01 + 1;
    // What deposits of 1 a month are worth after the last one.
    double factor;
    if (growth == 1) {
        factor = deposits;
    } else {
        const double grown = IntPower(growth, deposits, 1);
        factor = (grown - 1) / (monthlyPercent * 0.01);
    }
    return {monthlyPayment, deposits, factor * monthlyPayment};
}
