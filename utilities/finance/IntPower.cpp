#include "IntPower.h"

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

}  // namespace

double IntPower(double x, int count, int mode)
{
    // 64 bits: count + 1 steps for count = INT_MAX.
    if (mode > 0) {
        const std::int64_t multiplications = std::int64_t{count} - 1;
        if (multiplications <= 0)
            return x;
        return Repeat(x, static_cast<std::uint64_t>(multiplications),
                      [x](double value) { return value * x; });
    }
    const std::int64_t divisions = std::int64_t{count} + 1;
    if (divisions <= 0)
        return x;
    return Repeat(x, static_cast<std::uint64_t>(divisions), [x](double value) { return value / x; });
}
