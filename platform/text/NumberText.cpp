#include "platform/text/NumberText.h"

#include "platform/text/detail/CLocale.h"
#include "platform/text/Format.h"

#include <climits>
#include <cstdlib>

namespace {

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

size_t SkipBlanks(const CString& text, size_t pos)
{
    while (pos < text.size() && IsCSpace(text[pos]))
        ++pos;
    return pos;
}

size_t SkipDigits(const CString& text, size_t pos)
{
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

// The end of the decimal number that starts at `begin` (sign included), or
// `begin` itself when there is none. The exponent belongs to the number only
// when at least one digit follows its letter and sign.
size_t DecimalNumberEnd(const CString& text, size_t begin)
{
    size_t pos = begin;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const size_t integerStart = pos;
    pos = SkipDigits(text, pos);
    size_t digits = pos - integerStart;
    if (pos < text.size() && text[pos] == '.') {
        const size_t fractionStart = pos + 1;
        const size_t fractionEnd = SkipDigits(text, fractionStart);
        digits += fractionEnd - fractionStart;
        pos = fractionEnd;
    }
    if (digits == 0)
        return begin;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent)
            pos = exponentEnd;
    }
    return pos;
}

// The value of a prefix DecimalNumberEnd accepted. The C library converts
// it (correctly rounded, overflow to an infinity), in the C locale so the
// point is the separator; the text it sees holds nothing it could take for
// a hexadecimal or infinity spelling.
double ConvertDecimal(const CString& number)
{
    const locale_t previous = uselocale(CLocale());
    const double value = std::strtod(number.c_str(), nullptr);
    uselocale(previous);
    return value;
}

}  // namespace

double StrToD(const CString& text)
{
    const size_t begin = SkipBlanks(text, 0);
    const size_t end = DecimalNumberEnd(text, begin);
    if (end == begin)
        return 0.0;
    return ConvertDecimal(text.substr(begin, end - begin));
}

namespace {

// An optional sign and the digits after it, read from some position: the
// value clamped to int, where the digits end, how many there were and
// whether the value had to be clamped.
struct DigitsRead {
    int value = 0;
    size_t end = 0;
    size_t digits = 0;
    bool clamped = false;
};

DigitsRead ReadSignedDigits(const CString& text, size_t pos)
{
    DigitsRead read;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Accumulate towards the sign's side so INT_MIN itself is reachable.
    long long value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos, ++read.digits) {
        if (read.clamped)
            continue;
        const int digit = text[pos] - '0';
        value = value * 10 + (negative ? -digit : digit);
        if (value > INT_MAX || value < INT_MIN) {
            value = negative ? INT_MIN : INT_MAX;
            read.clamped = true;
        }
    }
    read.value = static_cast<int>(value);
    read.end = pos;
    return read;
}

}  // namespace

int AToI(const CString& text)
{
    return ReadSignedDigits(text, SkipBlanks(text, 0)).value;
}

std::optional<int> ParseIntStrict(const CString& text)
{
    const DigitsRead read = ReadSignedDigits(text, SkipBlanks(text, 0));
    if (read.digits == 0 || read.clamped || SkipBlanks(text, read.end) != text.size())
        return std::nullopt;
    return read.value;
}

std::optional<double> ParseDoubleStrict(const CString& text)
{
    const size_t begin = SkipBlanks(text, 0);
    const size_t end = DecimalNumberEnd(text, begin);
    if (end == begin || SkipBlanks(text, end) != text.size())
        return std::nullopt;
    return ConvertDecimal(text.substr(begin, end - begin));
}

CString FormatGeneral(double value)
{
    return Format("%.15g", value);
}
