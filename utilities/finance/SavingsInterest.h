#pragma once
// The savings dialog's Calc It arithmetic, without a window: the interest a
// balance earns over a number of months and the balance at the end, counting
// whole compounding periods only. No whole period earns no interest. It
// validates nothing: huge rates or counts overflow to an infinity (or a
// not-a-number on a zero balance), and a count of millions of periods is
// compounded one period at a time.

enum class Compounding { Quarterly, Monthly, Yearly, SixMonths };

struct SavingsInput {
    double balance = 0.0;  // beginning balance
    double apr = 0.0;      // yearly rate in percent
    int months = 0;        // as read with atoi: 12.9 is already 12
    Compounding compounding = Compounding::Quarterly;
};

struct SavingsResult {
    int wholePeriods;  // months divided by the months per period, cut toward zero
    double interest;
    double endBalance;
};

SavingsResult CalculateSavingsInterest(const SavingsInput& input);
