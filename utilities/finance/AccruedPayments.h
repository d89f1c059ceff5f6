#pragma once
// The accrued-payments dialog's Calc It arithmetic, without a window: what a
// series of monthly deposits, each made at the end of its month and
// compounded monthly, is worth after the last one. A weekly payment counts
// as four a month (4, not 52 / 12). No deposit accrues nothing, and a rate
// too small to move 1 + r (0, or an empty field) just adds the deposits up.
// It validates nothing and puts no bound on the number of months.

struct AccruedInput {
    double payment = 0.0;  // as typed, per week or per month
    double apr = 0.0;      // annual rate in percent
    int term = 0;          // as read with atoi, in years or in months
    bool paymentPerWeek = false;
    bool termInYears = true;
};

struct AccruedResult {
    double monthlyPayment;  // stored back in the payment member
    int termMonths;         // stored back in the term member; saturates at the int range
    double accrued;
};

AccruedResult CalculateAccruedPayments(const AccruedInput& input);
