#pragma once
// The credit card planner's Calc It arithmetic, without a window: paying a
// fixed amount every month on a card with no new charges, month by month,
// how many payments until it is paid off, how large the last one is and how
// much is paid in all. Each month adds the month's interest and takes off
// one payment; once at most one payment remains, the next payment is the
// last and equals the remainder. A balance that is not paid down within
// kNeverPaidAfterMonths is "Never!", with the balance owed after 20 years
// instead. It formats nothing and validates nothing.

// More months than this and the card is never paid off.
inline constexpr int kNeverPaidAfterMonths = 30000;
// The month whose balance "Never!" reports: 20 years.
inline constexpr int kOwedReportMonth = 240;

struct CreditCardInput {
    double balance = 0.0;
    double apr = 0.0;  // annual rate in percent
    double payment = 0.0;  // monthly
};

struct CreditCardPlan {
    int payments;  // every payment, the final one included; 0 when nothing is owed
    int years;     // payments / 12
    int months;    // payments % 12
    bool neverPaid;
    double owedAfter20Years;  // the balance after kOwedReportMonth payments, else 0
    double finalPayment;      // with neverPaid, the balance when the planner gave up
    double total;             // all payments; 0 with neverPaid (the dialog shows n/a)
};

CreditCardPlan PlanCreditCardPayoff(const CreditCardInput& input);
