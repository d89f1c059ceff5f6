#pragma once
// The bolt-hole dialog's arithmetic, without a window: the spacing angle
// between neighbouring holes and the list of hole centres, one
// "X... Y... Z...\n" line per hole. It validates nothing (a zero count gives
// an infinite spacing and no holes, a negative count no holes), except that
// it refuses to build a list of more than kMaxHoles lines, which could
// otherwise exhaust memory.

#include "platform/WinTypes.h"

#include <optional>

// The largest pattern Write It! generates.
inline constexpr int kMaxHoles = 100000;
// What the list display shows instead of a pattern above that.
inline constexpr const char* kTooManyHolesText = "Too many holes (at most 100000)";

struct BoltCircle {
    int holes = 4;
    double boltDia = 1.0;
    double totalAngle = 360.0;  // degrees the holes are spread over
    double initAngle = 0.0;     // degrees of the first hole, from +X counterclockwise
    double centerX = 0.0;
    double centerY = 0.0;
    double centerZ = 0.0;
};

// The hole count as the int member keeps it, from the field's unsigned
// conversion: a count beyond the int range stays the largest int (far above
// kMaxHoles) instead of wrapping round to a negative count.
int HoleCountFrom(UINT converted);

// The total angle divided by the number of holes (not of gaps).
double SpacingAngle(double totalAngle, int holes);

// The spacing as the dialog shows it, "%1.2f".
CString SpacingText(double totalAngle, int holes);

// Appends one hole's line, LF-terminated, to `list`; a value rounding to
// zero from below keeps its minus sign.
void AppendHoleLine(CString& list, double x, double y, double z);

// Every hole's line in hole order; empty for a count of zero or less; no
// value at all for a count above kMaxHoles.
std::optional<CString> HoleList(const BoltCircle& circle);
