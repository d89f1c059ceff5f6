#include "platform/automation/detail/AutomationArgs.h"

#include "platform/text/Format.h"
#include "platform/text/NumberText.h"

#include <QDBusVariant>
#include <QMetaType>
#include <QVariant>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

// No notation of a value that can fit a register needs more; refusing longer
// texts keeps a hostile megabyte of digits from costing anything.
constexpr std::size_t kLongestNumberText = 1024;

// Variants inside variants are unwrapped this deep and no deeper.
constexpr int kDeepestVariant = 16;

bool IsBlankAroundNumber(char c)
{
    return c == ' ' || c == '\t';
}

std::optional<DispValue> FromInteger(long double value, VARTYPE target)
{
    switch (target) {
    case VT_I4:
        if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
        return DispValue{static_cast<std::int32_t>(value), {}};
    case VT_I2:
        if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
            return std::nullopt;
        return DispValue{static_cast<std::int32_t>(value), {}};
    case VT_BOOL:
        return DispValue{value != 0 ? -1 : 0, {}};
    default:
        return std::nullopt;
    }
}

std::optional<DispValue> FromDouble(double value, VARTYPE target)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (target == VT_BOOL)
        return DispValue{value != 0.0 ? -1 : 0, {}};
    return FromInteger(RoundHalfToEven(value), target);
}

// A text parameter takes text as it is, and a number as automation writes
// it for a text: an integer of any width as its decimal digits; a double with
// 15 significant digits, the precision of automation's own double-to-text
// conversion (so 7.0 is "7" and 0.1 "0.1", never "0.10000000000000001"), the
// exponent as "1E+20", and a negative zero as "0". So Button(7) presses 7 and
// Button(-2) minus. An infinity or a NaN has no decimal text, and a boolean
// would press "-" for TRUE: both stay refused, as does everything else.
std::optional<DispValue> ToText(const QVariant& value)
{
    const auto text = [](CString digits) { return DispValue{0, std::move(digits)}; };
    switch (value.metaType().id()) {
    case QMetaType::QString: return text(value.toString().toStdString());
    case QMetaType::UChar: return text(std::to_string(value.value<uchar>()));
    case QMetaType::Short: return text(std::to_string(value.value<short>()));
    case QMetaType::UShort: return text(std::to_string(value.value<ushort>()));
    case QMetaType::Int: return text(std::to_string(value.value<int>()));
    case QMetaType::UInt: return text(std::to_string(value.value<uint>()));
    case QMetaType::LongLong: return text(std::to_string(value.value<qlonglong>()));
    case QMetaType::ULongLong: return text(std::to_string(value.value<qulonglong>()));
    case QMetaType::Double: {
        const double number = value.toDouble();
        if (!std::isfinite(number))
            return std::nullopt;
        return text(Format("%.15G", number + 0.0));  // + 0.0 turns -0 into 0
    }
    default: return std::nullopt;
    }
}

}  // namespace

std::optional<double> NumberFromText(std::string_view text)
{
    while (!text.empty() && IsBlankAroundNumber(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankAroundNumber(text.back()))
        text.remove_suffix(1);
    // The dialogs' strict notation, with only blanks and tabs around it.
    if (text.size() > kLongestNumberText || text.find_first_of("\n\v\f\r") != std::string_view::npos)
        return std::nullopt;
    return ParseDoubleStrict(CString(text));
}

double RoundHalfToEven(double value)
{
    if (!std::isfinite(value))
        return value;
    // Below 2^52 the fraction value - floor(value) is exact; above, every
    // double is already whole and the fraction is zero.
    double result = std::floor(value);
    const double fraction = value - result;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(result, 2.0) != 0.0))
        result += 1.0;
    return result;
}

std::optional<DispValue> ConvertArgument(const QVariant& argument, VARTYPE target)
{
    QVariant value = argument;
    for (int depth = 0; value.metaType() == QMetaType::fromType<QDBusVariant>(); ++depth) {
        if (depth == kDeepestVariant)
            return std::nullopt;
        value = qvariant_cast<QDBusVariant>(value).variant();
    }

    if (target == VT_BSTR)
        return ToText(value);

    switch (value.metaType().id()) {
    case QMetaType::UChar: return FromInteger(value.value<uchar>(), target);
    case QMetaType::Short: return FromInteger(value.value<short>(), target);
    case QMetaType::UShort: return FromInteger(value.value<ushort>(), target);
    case QMetaType::Int: return FromInteger(value.value<int>(), target);
    case QMetaType::UInt: return FromInteger(value.value<uint>(), target);
    case QMetaType::LongLong: return FromInteger(value.value<qlonglong>(), target);
    case QMetaType::ULongLong: return FromInteger(value.value<qulonglong>(), target);
    case QMetaType::Double: return FromDouble(value.toDouble(), target);
    case QMetaType::Bool: return FromInteger(value.toBool() ? -1 : 0, target);
    case QMetaType::QString: {
        const std::optional<double> number = NumberFromText(value.toString().toStdString());
        if (!number)
            return std::nullopt;
        return FromDouble(*number, target);
    }
    default:
        // Object paths, signatures, file descriptors, arrays, structs and
        // dictionaries hold no number.
        return std::nullopt;
    }
}
