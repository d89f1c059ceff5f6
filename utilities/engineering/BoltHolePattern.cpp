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

CString HoleLine(double x, double y, double z)
{
    return Format("X%1.4f Y%1.4f Z%1.4f\n", x, y, z);
}

std::optional<CString> HoleList(const BoltCircle& circle)
{
    if (circle.holes > kMaxHoles)
        return std::nullopt;
    const double spacing = SpacingAngle(circle.totalAngle, circle.holes);
    CString list;
    for (int i = 0; i < circle.holes; ++i) {
        // Each step rounded to double in this order, so the last printed
        // digit (and the sign of a zero) is the pattern's own.
        const double theta = static_cast<double>(i) * spacing + circle.initAngle;
        const double radius = circle.boltDia / 2.0;
        const double x = std::cos(theta * kDegToRad) * radius + circle.centerX;
        const double y = std::sin(theta * kDegToRad) * radius + circle.centerY;
        list += HoleLine(x, y, circle.centerZ);
    }
    return list;
}
