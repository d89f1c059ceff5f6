// Finance: IntPower over the longest count a dialog can pass it, for values
// that settle into a fixed point or a 2-cycle (finished by parity) and for
// 1 + 2^-52, which never repeats and takes every one of its 2^31 - 2
// dependent multiplications; and the credit card planner at its month bound.
// They report numbers and assert nothing.

#include "utilities/finance/CreditCardPlan.h"
#include "utilities/finance/IntPower.h"

#include <benchmark/benchmark.h>

#include <climits>
#include <cmath>

namespace {

void IntPowerLongestCount(benchmark::State& state, double x, int mode)
{
    // IntPower lives in another translation unit, so nothing is folded; only
    // the result is kept (the input-and-output form of DoNotOptimize may leave
    // a double uninitialised with this compiler and library).
    for (auto _ : state)
        benchmark::DoNotOptimize(IntPower(x, INT_MAX, mode));
    // Multiplications (count - 1) or divisions (count + 1) the definition takes.
    const double steps = mode > 0 ? INT_MAX - 1.0 : INT_MAX + 1.0;
    state.counters["per_step"] = benchmark::Counter(
        steps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

const double kJustAboveOne = 1 + std::ldexp(1.0, -52);

BENCHMARK_CAPTURE(IntPowerLongestCount, x_1_01, 1.01, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(IntPowerLongestCount, x_0_99, 0.99, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(IntPowerLongestCount, x_1, 1.0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(IntPowerLongestCount, x_minus_1, -1.0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(IntPowerLongestCount, x_1e_minus_300, 1e-300, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(IntPowerLongestCount, x_1_plus_2_pow_minus_52, kJustAboveOne, 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(IntPowerLongestCount, divide_x_1_01, 1.01, -1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(IntPowerLongestCount, divide_x_0_99, 0.99, -1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(IntPowerLongestCount, divide_x_1_plus_2_pow_minus_52, kJustAboveOne, -1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The floor for the value that never repeats: the same 2^31 - 2
// multiplications as a bare loop, with no check for repetition (noipa: the
// compiler would otherwise see it is pure and run it once for all iterations).
[[gnu::noipa]] double BareMultiplications(double x, int count)
{
    double result = x;
    for (int step = 1; step < count; ++step)
        result = result * x;
    return result;
}

void BareLoopLongestCount(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(BareMultiplications(kJustAboveOne, INT_MAX));
    state.counters["per_step"] = benchmark::Counter(
        INT_MAX - 1.0, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BareLoopLongestCount)->Unit(benchmark::kMillisecond)->Iterations(2);

// Balance 1000 at 18 % paying 15, exactly the first month's interest: every
// one of the 30000 months runs before the answer is "Never!".
void CreditCardNeverPaid(benchmark::State& state)
{
    const CreditCardInput input{1000, 18, 15};
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanCreditCardPayoff(input));
    state.counters["per_month"] = benchmark::Counter(
        kNeverPaidAfterMonths, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(CreditCardNeverPaid)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
