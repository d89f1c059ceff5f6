#pragma once
// Whole-number arithmetic on the counts the finance dialogs read with atoi or
// cut from a typed term, saturating at the int range: 999999999 years give
// the largest int of months instead of a signed overflow. Nothing else.

#include <climits>
#include <cstdint>

// A term the user gave in years counts this many months.
inline constexpr int kMonthsPerYear = 12;

constexpr int SaturateToInt(std::int64_t value)
{
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

constexpr int SaturatingMultiply(int a, int b)
{
    return SaturateToInt(std::int64_t{a} * b);
}

constexpr int SaturatingSubtract(int a, int b)
{
    return SaturateToInt(std::int64_t{a} - b);
}

// Toward zero, as a conversion to int cuts, but a value beyond the int range
// gives the nearer end and a not-a-number gives 0.
constexpr int TruncateToInt(double value)
{
    if (value != value)
        return 0;
    if (value >= 2147483648.0)
        return INT_MAX;
    if (value <= -2147483649.0)
        return INT_MIN;
    return static_cast<int>(value);
}
