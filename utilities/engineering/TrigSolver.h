#pragma once
// The right-triangle solver's arithmetic, without a window. Given the five
// quantities as the triangle dialog read them (legs a and b, hypotenuse c,
// angles A and B in degrees), it decides which two count as given, computes
// the other three and names the pair in a result line. It checks nothing
// about whether the numbers form a triangle: a square root of a negative
// number yields a not-a-number, as it stands.

#include "platform/WinTypes.h"

// The five quantities, a at the bottom, b on the right, c the hypotenuse;
// A lies between a and c, B between b and c.
struct TriangleValues {
    double sideA = 0.0;
    double sideB = 0.0;
    double sideC = 0.0;
    double angleA = 0.0;
    double angleB = 0.0;
};

// Bits of the given mask.
inline constexpr DWORD kGivenSideA = 1;
inline constexpr DWORD kGivenSideB = 2;
inline constexpr DWORD kGivenSideC = 4;
inline constexpr DWORD kGivenAngleA = 8;
inline constexpr DWORD kGivenAngleB = 16;

// A value counts as given only outside -0.0001 .. 0.0001, both ends included.
inline constexpr double kGivenThreshold = 0.0001;

// Which values count as given, checked in the order a, b, c, A, B. A given
// leg always counts; c, A and B count only while fewer than two values have.
DWORD GivenMask(const TriangleValues& values);

struct TrigSolution {
    DWORD mask;
    const char* resultLine;  // the text for the result line
    bool computed;           // false for the two warnings: the values are untouched
};

// Computes the missing values in place from the given pair, in the order the
// pair's row prescribes, and returns the row's result line.
TrigSolution SolveRightTriangle(TriangleValues& values);
