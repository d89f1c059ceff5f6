#include "EarlyPayoff.h"

#include "IntPower.h"
#include "SaturatingCount.h"

PayoffResult CalculateEarlyPayoff(const PayoffInput& input)
{
    const int total =
        input.totalInYears ? SaturatingMultiply(input.totalPayments, kMonthsPerYear) : input.totalPayments;
    if (input.paymentsMade >= total)
        return {total, 0.0};

    const int remaining = SaturatingSubtract(total, input.paymentsMade);
    const double monthlyRate = input.apr / 12 * 0.01;
    const double growth = 1 + monthlyRate;
    if (growth == 1)
        return {total, remaining * input.payment};

    const double discount = IntPower(growth, remaining, -1);
    const double presentValuePerPayment = (1 - discount) / monthlyRate;
    return {total, presentValuePerPayment * input.payment};
}
