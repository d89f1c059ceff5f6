#include "platform/text/Format.h"

#include "platform/text/detail/CLocale.h"

#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <vector>

CString format_detail::FormatChecked(const char* format, ...)
{
    const locale_t previous = uselocale(CLocale());

    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    char small[256];
    const int needed = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);

    CString result;
    if (needed >= 0 && static_cast<size_t>(needed) < sizeof small) {
        result.assign(small, static_cast<size_t>(needed));
    } else if (needed >= 0) {
        std::vector<char> big(static_cast<size_t>(needed) + 1);
        std::vsnprintf(big.data(), big.size(), format, copy);
        result.assign(big.data(), static_cast<size_t>(needed));
    }
    va_end(copy);

    uselocale(previous);
    return result;
}

void AppendFixed(CString& out, double value, int decimals)
{
    if (std::isnan(value)) {
        out += "nan";  // whatever its sign, as Format prints it
        return;
    }
    // to_chars rounds the exact binary value half to even, as printf does in
    // the default rounding mode, keeps the sign of a negative zero and
    // spells the infinities "inf" and "-inf", so it prints what printf
    // prints. The longest fixed text of a double is 1 + 309 digits + the
    // point + the decimals.
    char buffer[320 + 64];
    const int places = decimals < 0 ? 0 : decimals > 64 ? 64 : decimals;
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, places);
    out.append(buffer, result.ptr);
}
