#pragma once
// printf-style formatting as CString::Format does it, always in the C locale
// whatever locale the desktop set, with every NaN printed as "nan" (the C
// library would print a NaN with its sign bit set as "-nan").

#include "platform/WinTypes.h"

#include <cmath>
#include <limits>
#include <type_traits>

namespace format_detail {

CString FormatChecked(const char* format, ...);

template <typename T>
auto Canonical(T value)
{
    if constexpr (std::is_floating_point_v<T>) {
        if (std::isnan(value))
            return std::numeric_limits<double>::quiet_NaN();
        return static_cast<double>(value);
    } else {
        return value;
    }
}

}  // namespace format_detail

// The format string is a run-time value (it may come from the string table),
// so the caller is responsible for matching the arguments to it.
template <typename... Args>
CString Format(const CString& format, Args... args)
{
    return format_detail::FormatChecked(format.c_str(), format_detail::Canonical(args)...);
}

// Appends to `out` what Format("%1.<decimals>f", value) gives, byte for
// byte, without a string of its own per value and without the C library's
// slow path for large values (a number near 1e308 prints some 310 digits;
// the C library takes microseconds for each). For long lists of numbers.
void AppendFixed(CString& out, double value, int decimals);
