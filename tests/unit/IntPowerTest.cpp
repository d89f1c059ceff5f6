// IntPower: the definition for small counts, and its early finish checked
// bit for bit against the plain step-by-step loop, down to NaN payloads and
// the sign of zero.

#include "utilities/finance/IntPower.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::uint64_t Bits(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double FromBits(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string Describe(double x, int count, int mode)
{
    char text[96];
    std::snprintf(text, sizeof text, "x=%a (bits %016llx) count=%d mode=%d", x,
                  static_cast<unsigned long long>(Bits(x)), count, mode);
    return text;
}

// The definition, one rounded step at a time, to the very end.
double StepByStep(double x, int count, int mode)
{
    double result = x;
    if (mode > 0) {
        for (std::int64_t step = 1; step < count; ++step)
            result = result * x;
    } else {
        for (std::int64_t step = -1; step < count; ++step)
            result = result / x;
    }
    return result;
}

// The same steps, except that once a step gives back the value of two steps
// before, the values alternate from there on and the parity of the steps
// left picks the result. Checked against StepByStep on moderate counts; it
// makes the reference for huge counts affordable.
double StepByStepWithParityFinish(double x, int count, int mode)
{
    const std::int64_t steps = mode > 0 ? std::int64_t{count} - 1 : std::int64_t{count} + 1;
    double older = x;
    double old = x;
    double value = x;
    for (std::int64_t done = 1; done <= steps; ++done) {
        older = old;
        old = value;
        value = mode > 0 ? value * x : value / x;
        if (done >= 2 && Bits(value) == Bits(older))
            return (steps - done) % 2 == 0 ? value : old;
    }
    return value;
}

const double kQuietNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

struct DefinitionCase {
    double x;
    int count;
    int mode;
    double expected;
};

const DefinitionCase kDefinition[] = {
    // Multiplying: x to the power count, x itself for every count <= 1.
    {2, -3, 1, 2}, {2, -2, 1, 2}, {2, -1, 1, 2}, {2, 0, 1, 2}, {2, 1, 1, 2}, {2, 2, 1, 4}, {2, 3, 1, 8},
    // Dividing: x to the power -count, x itself below -1.
    {2, -3, -1, 2}, {2, -2, -1, 2}, {2, -1, -1, 2}, {2, 0, -1, 1}, {2, 1, -1, 0.5}, {2, 2, -1, 0.25},
    {2, 3, -1, 0.125},
    // Any positive mode multiplies, zero and below divide.
    {2, 3, 5, 8}, {2, 3, 0, 0.125}, {2, 3, INT_MIN, 0.125},
    {-2, 3, 1, -8}, {-2, 3, -1, -0.125}, {1.5, 3, 1, 3.375},
    // Nothing checks x: 0 / 0 for count 0, and 0 stays 0 when multiplying.
    {0, 0, -1, kQuietNaN}, {0, 0, 1, 0}, {0, 5, 1, 0},
};

TEST(IntPower, FollowsTheDefinitionForSmallCounts)
{
    for (const DefinitionCase& t : kDefinition) {
        SCOPED_TRACE(Describe(t.x, t.count, t.mode));
        const double result = IntPower(t.x, t.count, t.mode);
        if (std::isnan(t.expected))
            EXPECT_TRUE(std::isnan(result));
        else
            EXPECT_EQ(Bits(result), Bits(t.expected)) << result;
    }
}

// Values whose steps settle into a fixed point or a 2-cycle soon enough for
// the step-by-step reference: 0, +-1, infinities, not-a-numbers (payloads and
// a signalling one), under- and overflows, and subnormal fixed points.
std::vector<double> QuicklyRepeating()
{
    return {1, -1, 0, -0.0, kInfinity, -kInfinity, kQuietNaN, -kQuietNaN, FromBits(0x7ff8000000001234), FromBits(0xfff0000000000001),
            DBL_MIN, -DBL_MIN, std::numeric_limits<double>::denorm_min(), 1e-300, -1e-300, 1e300, -1e300,
            DBL_MAX, 0.5, -0.5, 2, -2, 1e10, 1e-10, 1.01, 0.99, -1.01, -0.99};
}

// Values close to 1 that never repeat within these counts.
std::vector<double> NearOne()
{
    std::vector<double> values;
    double up = 1;
    double down = 1;
    for (int ulps = 1; ulps <= 4; ++ulps) {
        up = std::nextafter(up, kInfinity);
        down = std::nextafter(down, 0.0);
        values.insert(values.end(), {up, down, -up, -down});
    }
    values.insert(values.end(), {1.001, 0.999, 1.0 / 3, 3.0});
    return values;
}

// A million random pairs: special and near-1 values, uniform values, random
// bit patterns; counts mostly small, some long enough for the early finish
// to cut many steps, and the negative end of the range.
TEST(IntPower, MatchesTheStepByStepLoopBitForBit)
{
    std::vector<double> special = QuicklyRepeating();
    const std::vector<double> nearOne = NearOne();
    special.insert(special.end(), nearOne.begin(), nearOne.end());
    const int modes[] = {1, -1, 0, 7, INT_MIN};

    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> uniform(-3.0, 3.0);
    std::uniform_real_distribution<double> small(-1e-3, 1e-3);
    auto pick = [&random](auto lowest, auto highest) {
        return std::uniform_int_distribution<decltype(lowest)>(lowest, highest)(random);
    };

    for (int pair = 0; pair < 1'000'000; ++pair) {
        double x;
        switch (pick(0, 5)) {
        case 0:
        case 1:
        case 2:
            x = special[pick(std::size_t{0}, special.size() - 1)];
            break;
        case 3:
            x = uniform(random);
            break;
        case 4:
            x = FromBits(random());
            break;
        default:
            x = (pick(0, 1) ? 1 : -1) * (1 + small(random));
            break;
        }
        const int draw = pick(0, 199);
        const int count = draw < 193 ? pick(-4, 130) : draw < 199 ? pick(131, 3000) : pick(INT_MIN, -2);
        const int mode = modes[pick(0, 4)];

        ASSERT_EQ(Bits(IntPower(x, count, mode)), Bits(StepByStep(x, count, mode))) << Describe(x, count, mode);
    }
}

TEST(IntPower, ParityFinishReferenceMatchesTheStepByStepLoop)
{
    for (const double x : QuicklyRepeating()) {
        for (int count = -3; count <= 2500; count += (count < 200 ? 1 : 97)) {
            for (const int mode : {1, -1}) {
                ASSERT_EQ(Bits(StepByStepWithParityFinish(x, count, mode)), Bits(StepByStep(x, count, mode)))
                    << Describe(x, count, mode);
            }
        }
    }
}

TEST(IntPower, HugeCountsOfRepeatingValues)
{
    const int counts[] = {INT_MAX, INT_MAX - 1, 1 << 30, 1'000'000'007, 999'999'998};
    for (const double x : QuicklyRepeating()) {
        for (const int count : counts) {
            for (const int mode : {1, -1}) {
                ASSERT_EQ(Bits(IntPower(x, count, mode)), Bits(StepByStepWithParityFinish(x, count, mode)))
                    << Describe(x, count, mode);
            }
        }
    }
}

// Values that grow until they overflow: the count that certainly reaches
// infinity is answered without the steps, so around the first step that
// overflows, and far beyond it, the result must still be the plain chain's.
TEST(IntPower, GrowingChainsMatchTheLoopAroundAndBeyondTheirOverflow)
{
    const double xs[] = {1.01, -1.01, 1.5, -2.0, 1e300, 1.0 + 0x1p-9, -(1.0 + 0x1p-8), 0.99, -0.5, 1e-300,
                         1.0 / (1.0 + 0x1p-9), -DBL_MIN};
    for (const double x : xs) {
        for (const int mode : {1, -1}) {
            // The first count at which the plain chain is infinite.
            double value = x;
            int first = 0;
            for (int count = (mode > 0 ? 2 : 0); count < 4'000'000 && first == 0; ++count) {
                value = mode > 0 ? value * x : value / x;
                if (std::isinf(value))
                    first = count;
            }
            if (first == 0)
                continue;  // shrinks: the plain chain is taken in any case
            for (int count = first - 3; count <= first + 3; ++count)
                ASSERT_EQ(Bits(IntPower(x, count, mode)), Bits(StepByStep(x, count, mode))) << Describe(x, count, mode);
            for (const int count : {first * 2, first * 2 + 1, INT_MAX, INT_MAX - 1})
                ASSERT_EQ(Bits(IntPower(x, count, mode)), Bits(StepByStepWithParityFinish(x, count, mode)))
                    << Describe(x, count, mode);
        }
    }
}

// Just above 1 each multiplication adds exactly one unit in the last place,
// just below 1 it takes one off, so a long chain that never repeats has a
// known end: no step may be skipped.
TEST(IntPower, LongChainsThatNeverRepeatTakeEveryStep)
{
    const int count = (1 << 22) + 5;
    const double ulpAbove = std::ldexp(1.0, -52);
    const double ulpBelow = std::ldexp(1.0, -53);
    EXPECT_EQ(IntPower(1 + ulpAbove, count, 1), 1 + count * ulpAbove);
    EXPECT_EQ(IntPower(1 - ulpBelow, count, 1), 1 - count * ulpBelow);
}

}  // namespace
