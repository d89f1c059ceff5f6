#pragma once
// What glibc's strtod and strtol, in the C locale, make of a text, told
// apart by the notation they read: the decimal form our readers share with
// them, or a hexadecimal, infinity or not-a-number spelling only glibc
// reads. The fuzz targets hold our number readers against it. Header only,
// for the fuzz targets.

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace oracle {

inline bool IsCBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline locale_t CLocaleObject()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// The text from `pos` on is only blanks.
inline bool OnlyBlanksFrom(const std::string& text, std::size_t pos)
{
    for (; pos < text.size(); ++pos) {
        if (!IsCBlank(text[pos]))
            return false;
    }
    return true;
}

enum class Notation { None, Decimal, Hexadecimal, InfinityOrNan };

struct DoubleRead {
    Notation notation = Notation::None;
    double value = 0.0;       // strtod's value
    std::size_t end = 0;      // where strtod stopped (0 when it read nothing)
    bool negative = false;    // a '-' before the number
};

inline DoubleRead ReadDouble(const std::string& text)
{
    DoubleRead read;
    const char* begin = text.c_str();
    char* stop = nullptr;
    const locale_t previous = uselocale(CLocaleObject());
    read.value = std::strtod(begin, &stop);
    uselocale(previous);
    read.end = static_cast<std::size_t>(stop - begin);
    if (read.end == 0)
        return read;
    std::size_t pos = 0;
    while (IsCBlank(text[pos]))
        ++pos;
    if (text[pos] == '+' || text[pos] == '-') {
        read.negative = text[pos] == '-';
        ++pos;
    }
    const char first = text[pos];
    const bool hexPrefix = first == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X');
    if (hexPrefix && read.end > pos + 1)
        read.notation = Notation::Hexadecimal;
    else if (first == 'i' || first == 'I' || first == 'n' || first == 'N')
        read.notation = Notation::InfinityOrNan;
    else
        read.notation = Notation::Decimal;
    return read;
}

// strtol, base 10, clamped to int as our reader saturates.
struct IntRead {
    long long value = 0;  // clamped to int
    std::size_t end = 0;
    bool outOfRange = false;
};

inline IntRead ReadInt(const std::string& text)
{
    IntRead read;
    const char* begin = text.c_str();
    char* stop = nullptr;
    errno = 0;
    const locale_t previous = uselocale(CLocaleObject());
    const long value = std::strtol(begin, &stop, 10);
    uselocale(previous);
    read.end = static_cast<std::size_t>(stop - begin);
    read.outOfRange = errno == ERANGE || value > INT_MAX || value < INT_MIN;
    read.value = value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : value;
    return read;
}

inline bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace oracle
