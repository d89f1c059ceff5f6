#pragma once
// The loan dialog's Calc It arithmetic, without a window: the level monthly
// payment of a fully amortising loan with monthly compounding, the interest
// over the term and the total paid. It takes the three numbers as the dialog
// read them and returns what the dialog writes with "%1.2f"; it validates
// nothing. A rate too small to move 1 + r (0, or an empty field) charges no
// interest. A term under one whole month still divides by zero, giving an
// infinity or a not-a-number.

struct LoanInput {
    double amount = 0.0;  // amount borrowed
    double apr = 0.0;     // annual rate in percent
    double term = 0.0;    // as typed, in years or in months
    bool termInYears = true;
};

struct LoanResult {
    double termMonths;  // stored back in the term member; may have a fraction
    double principal;
    double interest;
    double total;
    double payment;  // monthly
};

// The whole months of a fractional term set the payment; the total and the
// interest are the payment times the fractional term.
LoanResult CalculateLoan(const LoanInput& input);
