#include "SavingsGoal.h"

#include "IntPower.h"
#include "SaturatingCount.h"

GoalResult CalculateSavingsGoal(const GoalInput& input)
{
    const int months = input.termInYears ? SaturatingMultiply(input.term, kMonthsPerYear) : input.term;
    const double monthlyRate = input.apr / 12 * 0.01;
    const double interestOnGoal = monthlyRate * input.goal;
    const double growth = 1 + monthlyRate;

    if (growth == 1)
        return {months, months >= 1 ? input.goal / months : input.goal};
    const double grown = IntPower(growth, months, 1);
    return {months, interestOnGoal / (grown - 1)};
}
