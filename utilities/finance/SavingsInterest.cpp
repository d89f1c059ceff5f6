#include "SavingsInterest.h"

#include "IntPower.h"

namespace {

struct CompoundingPeriod {
    Compounding compounding;
    int periodsPerYear;
    int monthsPerPeriod;
};

// The compounding choices of the savings dialog.
constexpr CompoundingPeriod kPeriods[] = {
    {Compounding::Quarterly, 4, 3},
    {Compounding::Monthly, 12, 1},
    {Compounding::Yearly, 1, 12},
    {Compounding::SixMonths, 2, 6},
};

const CompoundingPeriod& PeriodOf(Compounding compounding)
{
    for (const CompoundingPeriod& period : kPeriods) {
        if (period.compounding == compounding)
            return period;
    }
    return kPeriods[0];
}

}  // namespace

SavingsResult CalculateSavingsInterest(const SavingsInput& input)
{
    const CompoundingPeriod& period = PeriodOf(input.compounding);
    const int wholePeriods = input.months / period.monthsPerPeriod;
    // The yearly rate is divided first and then made a fraction; dividing by
    // 1 for Yearly changes no bit.
    const double periodRate = (input.apr / period.periodsPerYear) * 0.01;

    double interest = 0.0;
    if (wholePeriods > 0) {
        const double growth = IntPower(1 + periodRate, wholePeriods, 1);
        interest = growth * input.balance - input.balance;
    }
    return {wholePeriods, interest, interest + input.balance};
}
