#include "BoltHolePattern.h"

#include "utilities/Degrees.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <cmath>
#include <limits>

int HoleCountFrom(UINT converted)
{
    return static_cast<int>(std::min<UINT>(converted, std::numeric_limits<int>::max()));
}

double SpacingAngle(double totalAngle, int holes)
{
    return totalAngle / static_cast<double>(holes);
}

CString SpacingText(double totalAngle, int holes)
{
    return Format("%1.2f", SpacingAngle(totalAngle, holes));
}

void AppendHoleLine(CString& list, double x, double y, double z)
{
    list += 'X';
    AppendFixed(list, x, 4);
    list += " Y";
    AppendFixed(list, y, 4);
    list += " Z";
    AppendFixed(list, z, 4);
    list += '\n';
}

namespace {

// The most characters "%1.4f" can print for a value whose magnitude is at
// most `bound` (any finite value when the bound is not finite).
size_t FixedLengthBound(double bound)
{
    CString text;
    AppendFixed(text, std::isfinite(bound) ? bound : std::numeric_limits<double>::max(), 4);
    return text.size() + 1;  // and a minus sign
}

// Room for every line, so the list is written once and never moved: the
// rounding of a sum or product is monotonic, so no coordinate exceeds the
// radius plus the centre's magnitude.
size_t ListLengthBound(const BoltCircle& circle)
{
    const double radius = std::fabs(circle.boltDia / 2.0);
    const size_t line = FixedLengthBound(radius + std::fabs(circle.centerX)) +
                        FixedLengthBound(radius + std::fabs(circle.centerY)) +
                        FixedLengthBound(std::fabs(circle.centerZ)) + 6;  // "X", " Y", " Z", "\n"
    return line * static_cast<size_t>(circle.holes);
}

}  // namespace

std::optional<CString> HoleList(const BoltCircle& circle)
{
    if (circle.holes > kMaxHoles)
        return std::nullopt;
    CString list;
    if (circle.holes <= 0)
        return list;
    list.reserve(ListLengthBound(circle));
    const double spacing = SpacingAngle(circle.totalAngle, circle.holes);
    for (int i = 0; i < circle.holes; ++i) {
        // Each step rounded to double in this order, so the last printed
        // digit (and the sign of a zero) is the pattern's own.
        const double theta = static_cast<double>(i) * spacing + circle.initAngle;
        const double radius = circle.boltDia / 2.0;
        const double x = std::cos(theta * kDegToRad) * radius + circle.centerX;
        const double y = std::sin(theta * kDegToRad) * radius + circle.centerY;
        AppendHoleLine(list, x, y, circle.centerZ);
    }
    return list;
}
