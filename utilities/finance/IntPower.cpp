#include "IntPower.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

std::uint64_t Bits(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Steps are taken in blocks of dependent multiplications or divisions, so
// the check between blocks costs nothing next to the chain itself.
constexpr std::uint64_t kBlockSteps = 64;

// Applies step to value, steps times. Each step depends only on the bits of
// the running value, so once a block ends on the value it held two steps
// earlier (0, 1, -1, an infinity, a not-a-number, an underflow stuck at 0 or
// at a subnormal, ...), the values from there on alternate between the last
// two, and the parity of the steps left picks the result.
template <typename Step>
double Repeat(double value, std::uint64_t steps, Step step)
{
    while (steps >= kBlockSteps) {
        for (std::uint64_t i = 0; i < kBlockSteps - 2; ++i)
            value = step(value);
        const double twoBack = value;
        value = step(value);
        const double oneBack = value;
        value = step(value);
        steps -= kBlockSteps;
        if (Bits(value) == Bits(twoBack))
            return steps % 2 == 0 ? value : oneBack;
    }
    for (; steps > 0; --steps)
        value = step(value);
    return value;
}

// A chain whose every step grows the magnitude by a factor of at least
// `growth` (above 1, applied to a normal number) reaches infinity after a
// number of steps that can be bounded from above; from there every step
// gives an infinity again, with the sign of the step. Rounding to nearest
// loses at most a relative 2^-53 per step, so the magnitude after k steps
// is at least |value| * (growth * (1 - 2^-53))^k, and it overflows once that
// passes 2^1025. The bound is taken with margins that dwarf any error of the
// logarithms, so when it says overflow, the plain chain overflows too.
// Returns the infinity, or 0 when the steps may not suffice (then the chain
// is taken step by step).
double CertainOverflow(double value, double log2Growth, std::uint64_t steps, bool negativeFactor)
{
    const double magnitude = std::fabs(value);
    if (!std::isfinite(magnitude) || magnitude < DBL_MIN)
        return 0.0;
    const double perStep = log2Growth * (1.0 - 1e-9) - 1e-15;  // below log2(growth * (1 - 2^-53))
    if (!(perStep > 0.0))
        return 0.0;
    const double needed = (1025.0 - std::log2(magnitude) + 1e-9) / perStep;
    if (!(needed < 1e18) || static_cast<double>(steps) < needed * (1.0 + 1e-9) + 64.0)
        return 0.0;
    // Each step multiplies the sign by the factor's.
    const bool negative = std::signbit(value) != (negativeFactor && steps % 2 == 1);
    return negative ? -HUGE_VAL : HUGE_VAL;
}

// Below 1 + 2^-20 the bound is no use within an int's count of steps.
constexpr double kLeastGrowth = 1.0 + 0x1p-20;

}  // namespace

double IntPower(double x, int count, int mode)
{
    // 64 bits: count + 1 steps for count = INT_MAX.
    if (mode > 0) {
        const std::int64_t multiplications = std::int64_t{count} - 1;
        if (multiplications <= 0)
            return x;
        if (std::fabs(x) >= kLeastGrowth) {
            const double overflow = CertainOverflow(x, std::log2(std::fabs(x)),
                                                    static_cast<std::uint64_t>(multiplications), x < 0);
            if (overflow != 0.0)
                return overflow;
        }
        return Repeat(x, static_cast<std::uint64_t>(multiplications),
                      [x](double value) { return value * x; });
    }
    const std::int64_t divisions = std::int64_t{count} + 1;
    if (divisions <= 0)
        return x;
    if (x != 0.0 && std::fabs(x) <= 1.0 / kLeastGrowth) {
        const double overflow =
            CertainOverflow(x, -std::log2(std::fabs(x)), static_cast<std::uint64_t>(divisions), x < 0);
        if (overflow != 0.0)
            return overflow;
    }
    return Repeat(x, static_cast<std::uint64_t>(divisions), [x](double value) { return value / x; });
}
