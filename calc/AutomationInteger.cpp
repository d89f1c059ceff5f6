#include "AutomationInteger.h"

#include <cmath>
#include <cstdint>
#include <limits>

long AutomationLongFrom(double value)
{
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(value))
        return 0;
    if (value <= kLowest)
        return std::numeric_limits<std::int32_t>::min();
    if (value >= kHighest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<long>(std::trunc(value));
}
