#pragma once
// The savings goal dialog's Calc It arithmetic, without a window: the level
// deposit at the end of every month that reaches a goal in a number of
// months, compounded monthly. A term of one month or less needs the whole
// goal at once; a rate too small to move 1 + r (0, or an empty field) splits
// the goal evenly over the months. It validates nothing and puts no bound on
// the number of months.

struct GoalInput {
    double goal = 0.0;
    double apr = 0.0;  // annual rate in percent
    int term = 0;      // as read with atoi (2.5 is already 2), in years or in months
    bool termInYears = true;
};

struct GoalResult {
    int termMonths;  // stored back in the term member; saturates at the int range
    double deposit;  // monthly
};

GoalResult CalculateSavingsGoal(const GoalInput& input);
