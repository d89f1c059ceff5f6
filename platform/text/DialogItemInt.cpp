#include "platform/text/DialogItemInt.h"


#include <cstdint>
#include <limits>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

}  // namespace

std::optional<UINT> ParseDialogItemInt(const CString& text, BOOL bSigned)
{
    size_t pos = 0;
    size_t end = text.size();
    while (pos < end && IsBlank(text[pos]))
        ++pos;
    while (end > pos && IsBlank(text[end - 1]))
        --end;

    bool negative = false;
    if (bSigned && pos < end && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == end)
        return std::nullopt;

    // The magnitude is bounded as it grows, so any length of digits is safe.
    const std::uint64_t limit = !bSigned ? std::numeric_limits<UINT>::max()
                                : negative ? std::uint64_t{1} << 31
                                           : static_cast<std::uint64_t>(std::numeric_limits<int>::max());
    std::uint64_t magnitude = 0;
    for (; pos < end; ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    if (negative)
        return static_cast<UINT>(-static_cast<std::int64_t>(magnitude));
    return static_cast<UINT>(magnitude);
}
