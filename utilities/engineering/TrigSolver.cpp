#include "TrigSolver.h"

#include "utilities/Degrees.h"

#include <cmath>

namespace {

bool IsGiven(double value)
{
    return value < -kGivenThreshold || value > kGivenThreshold;
}

// Each row computes the missing three members in exactly this order; the
// angle of the two-side rows always comes from atan(b / a), and the sides of
// the side-and-angle rows through tan or sin, never cos, so the last digits
// are the solver's own.
void FromSidesAB(TriangleValues& v)
{
    v.sideC = std::sqrt(v.sideA * v.sideA + v.sideB * v.sideB);
    v.angleA = std::atan(v.sideB / v.sideA) * kRadToDeg;
    v.angleB = 90.0 - v.angleA;
}

void FromSidesAC(TriangleValues& v)
{
    v.sideB = std::sqrt(v.sideC * v.sideC - v.sideA * v.sideA);
    v.angleA = std::atan(v.sideB / v.sideA) * kRadToDeg;
    v.angleB = 90.0 - v.angleA;
}

void FromSidesBC(TriangleValues& v)
{
    v.sideA = std::sqrt(v.sideC * v.sideC - v.sideB * v.sideB);
    v.angleA = std::atan(v.sideB / v.sideA) * kRadToDeg;
    v.angleB = 90.0 - v.angleA;
}

void FromSideAAngleA(TriangleValues& v)
{
    v.angleB = 90.0 - v.angleA;
    v.sideB = std::tan(v.angleA * kDegToRad) * v.sideA;
    v.sideC = std::sqrt(v.sideA * v.sideA + v.sideB * v.sideB);
}

void FromSideAAngleB(TriangleValues& v)
{
    v.angleA = 90.0 - v.angleB;
    v.sideB = std::tan(v.angleA * kDegToRad) * v.sideA;
    v.sideC = std::sqrt(v.sideA * v.sideA + v.sideB * v.sideB);
}

void FromSideBAngleA(TriangleValues& v)
{
    v.angleB = 90.0 - v.angleA;
    v.sideA = std::tan(v.angleB * kDegToRad) * v.sideB;
    v.sideC = std::sqrt(v.sideA * v.sideA + v.sideB * v.sideB);
}

void FromSideBAngleB(TriangleValues& v)
{
    v.angleA = 90.0 - v.angleB;
    v.sideA = std::tan(v.angleB * kDegToRad) * v.sideB;
    v.sideC = std::sqrt(v.sideA * v.sideA + v.sideB * v.sideB);
}

void FromSideCAngleA(TriangleValues& v)
{
    v.angleB = 90.0 - v.angleA;
    v.sideB = std::sin(v.angleA * kDegToRad) * v.sideC;
    v.sideA = std::sqrt(v.sideC * v.sideC - v.sideB * v.sideB);
}

void FromSideCAngleB(TriangleValues& v)
{
    v.angleA = 90.0 - v.angleB;
    v.sideB = std::sin(v.angleA * kDegToRad) * v.sideC;
    v.sideA = std::sqrt(v.sideC * v.sideC - v.sideB * v.sideB);
}

struct DispatchRow {
    DWORD mask;
    const char* resultLine;
    void (*compute)(TriangleValues&);  // null: nothing is computed
};

// The solver's dispatch table; a mask not listed gets the last warning.
const DispatchRow kDispatch[] = {
    {0, "Warning - No Information!", nullptr},
    {kGivenSideA | kGivenSideB, "Calculations based on Sides a+b", FromSidesAB},
    {kGivenSideA | kGivenSideC, "Calculations based on Sides a+c", FromSidesAC},
    {kGivenSideB | kGivenSideC, "Calculations based on Sides b+c", FromSidesBC},
    {kGivenSideA | kGivenAngleA, "Calculations from Side a, Ang. A", FromSideAAngleA},
    {kGivenSideA | kGivenAngleB, "Calculations from Side a, Ang. B", FromSideAAngleB},
    {kGivenSideB | kGivenAngleA, "Calculations from Side b, Ang. A", FromSideBAngleA},
    {kGivenSideB | kGivenAngleB, "Calculations from Side b, Ang. B", FromSideBAngleB},
    {kGivenSideC | kGivenAngleA, "Calculations from Side c, Ang. A", FromSideCAngleA},
    {kGivenSideC | kGivenAngleB, "Calculations from Side c, Ang. B", FromSideCAngleB},
};

constexpr const char* kOnlyTwoValues = "Warning - Please enter only 2 values!";

}  // namespace

DWORD GivenMask(const TriangleValues& values)
{
    DWORD mask = 0;
    short count = 0;
    if (IsGiven(values.sideA)) {
        mask |= kGivenSideA;
        ++count;
    }
    if (IsGiven(values.sideB)) {
        mask |= kGivenSideB;
        ++count;
    }
    if (IsGiven(values.sideC) && count < 2) {
        mask |= kGivenSideC;
        ++count;
    }
    if (IsGiven(values.angleA) && count < 2) {
        mask |= kGivenAngleA;
        ++count;
    }
    if (IsGiven(values.angleB) && count < 2) {
        mask |= kGivenAngleB;
        ++count;
    }
    return mask;
}

TrigSolution SolveRightTriangle(TriangleValues& values)
{
    const DWORD mask = GivenMask(values);
    for (const DispatchRow& row : kDispatch) {
        if (row.mask != mask)
            continue;
        if (row.compute == nullptr)
            return {mask, row.resultLine, false};
        row.compute(values);
        return {mask, row.resultLine, true};
    }
    return {mask, kOnlyTwoValues, false};
}
