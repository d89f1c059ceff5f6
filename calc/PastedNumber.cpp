#include "PastedNumber.h"

#include "platform/text/NumberText.h"

#include <algorithm>

namespace {

// Past this many decimals the place value is 0 anyway (0.1 to the power of
// 324 underflows), as it becomes when that many digits are keyed.
constexpr long kMostDecimals = 400;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<PastedNumber> ReadPastedNumber(const CString& text)
{
    const std::optional<double> value = ParseDoubleStrict(text);
    if (!value)
        return std::nullopt;

    // The text is a number, so it is blanks, a sign, digits with at most one
    // point and perhaps an exponent: count the decimals the keys would give.
    const size_t exponentAt = text.find_first_of("eE");
    const CString mantissa = text.substr(0, exponentAt);
    const size_t point = mantissa.find('.');
    long decimals = 0;
    if (point != CString::npos)
        decimals = std::count_if(mantissa.begin() + static_cast<long>(point), mantissa.end(), IsDigit);
    long exponent = 0;
    if (exponentAt != CString::npos) {
        const bool negative = exponentAt + 1 < text.size() && text[exponentAt + 1] == '-';
        for (size_t i = exponentAt + 1; i < text.size(); ++i) {
            if (IsDigit(text[i]))
                exponent = std::min(exponent * 10 + (text[i] - '0'), 100 * kMostDecimals);
        }
        if (negative)
            exponent = -exponent;
    }
    decimals = std::min(decimals - exponent, kMostDecimals);

    // "12." keyed as 1 2 . is decimal entry with no decimal yet; "1.5e1" is
    // 15, keyed without a point.
    const bool keyedWithPoint = point != CString::npos && exponentAt == CString::npos;
    PastedNumber pasted{*value, FALSE, 0.1};
    if (decimals > 0 || keyedWithPoint) {
        // As the keys compute it: 1 at the point, a tenth of it for the
        // point's own zero and for each decimal after.
        pasted.decimal = TRUE;
        pasted.decimalPlace = 1.0;
        for (long i = 0; i <= std::max(decimals, 0L); ++i)
            pasted.decimalPlace = pasted.decimalPlace * 0.1;
    }
    return pasted;
}
