#pragma once
// The early payoff dialog's Calc It arithmetic, without a window: what it
// takes to pay off an installment loan today, the payments still to come
// discounted monthly. With every payment made nothing is left to pay, and a
// rate too small to move 1 + r (0, or an empty field) leaves the remaining
// payments undiscounted. It validates nothing and puts no bound on the
// counts.

struct PayoffInput {
    double payment = 0.0;    // monthly
    int paymentsMade = 0;    // as read with atoi, always in months
    int totalPayments = 0;   // as read with atoi, in years or in months
    bool totalInYears = false;
    double apr = 0.0;        // annual rate in percent
};

struct PayoffResult {
    int totalPaymentsMonths;  // stored back in the total member; saturates at the int range
    double payoff;
};

PayoffResult CalculateEarlyPayoff(const PayoffInput& input);
