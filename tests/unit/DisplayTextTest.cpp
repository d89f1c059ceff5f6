// The display text as a function of the registers: trimming, the short
// format, the divide-by-zero text and the invalid-entry check.

#include "calc/DisplayText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const char* const kInvalid = "INVALID ENTRY! Press ESC";
const char* const kDivideByZero = "Can't divide by zero! Press ESC";

struct DisplayCase {
    const char* name;
    CalcRegisters registers;
    BOOL shortFormat;
    const char* expected;
};

void PrintTo(const DisplayCase& c, std::ostream* os)
{
    *os << c.name;
}


class DisplayText : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayText, ShowsWhatTheRegistersHold)
{
    const DisplayCase& c = GetParam();
    EXPECT_EQ(CalcDisplayText(c.registers, c.shortFormat), c.expected);
}

const DisplayCase kDisplayCases[] = {
    {"ClearedShowsZeroWithPoint", {0, FALSE, 0.0, 0.0}, FALSE, "0."},
    {"WholeNumberKeepsItsPoint", {0, TRUE, 3.0, 0.0}, FALSE, "3."},
    {"TrailingZerosTrimmed", {0, TRUE, 12.5, 0.0}, FALSE, "12.5"},
    {"TenDecimalsAtMost", {0, FALSE, 0.0, 1.0 / 3.0}, FALSE, "0.3333333333"},
    {"RoundsAtTheTenthDecimal", {0, FALSE, 0.0, 2.0 / 3.0}, FALSE, "0.6666666667"},
    {"SumOfTenthsShowsAsThreeTenths", {0, FALSE, 0.0, 0.1 + 0.2}, FALSE, "0.3"},
    {"NegativeResult", {0, FALSE, 0.0, -2.0}, FALSE, "-2."},
    {"NegativeZeroKeepsItsSign", {0, FALSE, 0.0, -0.0}, FALSE, "-0."},
    {"AccumulatorShownWithoutOperand", {0, FALSE, 7.0, 5.0}, FALSE, "5."},
    {"OperandShownWhenEntered", {0, TRUE, 7.0, 5.0}, FALSE, "7."},
    {"LargeNumberInFull", {0, FALSE, 0.0, 1e20}, FALSE, "100000000000000000000."},
    {"DivideByZeroText", {1, TRUE, 3.0, 5.0}, FALSE, kDivideByZero},
    {"DivideByZeroTextInShortFormatToo", {1, TRUE, 3.0, 5.0}, TRUE, kDivideByZero},
    {"DivideByZeroTextEvenWithInfinity", {1, FALSE, 0.0, kInf}, FALSE, kDivideByZero},
    {"InfiniteResultInvalid", {0, FALSE, 0.0, kInf}, FALSE, kInvalid},
    {"NegativeInfinityInvalid", {0, FALSE, 0.0, -kInf}, FALSE, kInvalid},
    {"NaNOperandInvalid", {0, TRUE, kNaN, 0.0}, FALSE, kInvalid},
    {"NegativeNaNInvalid", {0, TRUE, -kNaN, 0.0}, TRUE, kInvalid},
    {"ShortFormatPlain", {0, TRUE, 3.141592654, 0.0}, TRUE, "3.14159"},
    {"ShortFormatWholeHasNoPoint", {0, TRUE, 90.0, 0.0}, TRUE, "90"},
    {"ShortFormatExponentInvalid", {0, TRUE, 6.123233995736766e-17, 0.0}, TRUE, kInvalid},
    {"ShortFormatLargeExponentInvalid", {0, TRUE, 1234567.0, 0.0}, TRUE, kInvalid},
    {"ShortFormatSixDigitsPlain", {0, TRUE, 123456.0, 0.0}, TRUE, "123456"},
    {"ShortFormatNotTrimmedFurther", {0, TRUE, 0.052335956242943835, 0.0}, TRUE, "0.052336"},
};

INSTANTIATE_TEST_SUITE_P(Registers, DisplayText, ::testing::ValuesIn(kDisplayCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
