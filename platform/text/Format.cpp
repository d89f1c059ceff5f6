#include "platform/text/Format.h"

#include "platform/text/detail/CLocale.h"

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
