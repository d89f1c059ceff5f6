#include "LoanCalc.h"

#include "IntPower.h"
#include "SaturatingCount.h"

LoanResult CalculateLoan(const LoanInput& input)
{
    const double principal = input.amount;
    const double termMonths = input.termInYears ? input.term * 12 : input.term;
    const double monthlyRate = (input.apr / 12) * 0.01;
    const double growth = 1 + monthlyRate;
    const int wholeMonths = TruncateToInt(termMonths);

    // What a payment of 1 a month over the whole months is worth today. At no
    // interest it is simply their number (0 for a term under one month, which
    // still divides by zero below).
    double annuityFactor;
    if (growth == 1) {
        annuityFactor = wholeMonths;
    } else {
        const double discount = IntPower(growth, wholeMonths, -1);
        annuityFactor = (1 - discount) / monthlyRate;
    }

    const double interest = (termMonths * principal) / annuityFactor - principal;
    const double total = interest + principal;
    return {termMonths, principal, interest, total, total / termMonths};
}
