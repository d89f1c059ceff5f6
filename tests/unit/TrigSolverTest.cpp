// The triangle solver's arithmetic: which two values count as given, the row
// each pair selects, and the five values it leaves, printed as the dialog
// prints them.

#include "platform/text/Format.h"
#include "utilities/engineering/TrigSolver.h"

#include <gtest/gtest.h>

namespace {

struct SolverCase {
    const char* name;
    TriangleValues in;  // a, b, c, A, B
    DWORD mask;
    const char* resultLine;
    // Expected "%1.4f" texts of a, b, c, A, B after the solver ran.
    CString a;
    CString b;
    CString c;
    CString angleA;
    CString angleB;
};

const SolverCase kSolverCases[] = {
    {"legs 3 and 4", {3, 4, 0, 0, 0}, 3, "Calculations based on Sides a+b",
     "3.0000", "4.0000", "5.0000", "53.1301", "36.8699"},
    {"hypotenuse 10, angle A 30", {0, 0, 10, 30, 0}, 12, "Calculations from Side c, Ang. A",
     "8.6603", "5.0000", "10.0000", "30.0000", "60.0000"},
    {"leg b 5, angle B 45", {0, 5, 0, 0, 45}, 18, "Calculations from Side b, Ang. B",
     "5.0000", "5.0000", "7.0711", "45.0000", "45.0000"},
    {"three sides: a+b wins, c recomputed", {3, 4, 6, 0, 0}, 3, "Calculations based on Sides a+b",
     "3.0000", "4.0000", "5.0000", "53.1301", "36.8699"},
    {"legs beat a typed c and A", {3, 4, 5, 30, 0}, 3, "Calculations based on Sides a+b",
     "3.0000", "4.0000", "5.0000", "53.1301", "36.8699"},
    {"legs 8000: hypotenuse above the exchange limit", {8000, 8000, 0, 0, 0}, 3,
     "Calculations based on Sides a+b", "8000.0000", "8000.0000", "11313.7085", "45.0000", "45.0000"},
    {"a and c", {3, 0, 5, 0, 0}, 5, "Calculations based on Sides a+c",
     "3.0000", "4.0000", "5.0000", "53.1301", "36.8699"},
    {"b and c", {0, 4, 5, 0, 0}, 6, "Calculations based on Sides b+c",
     "3.0000", "4.0000", "5.0000", "53.1301", "36.8699"},
    {"a and A", {10, 0, 0, 30, 0}, 9, "Calculations from Side a, Ang. A",
     "10.0000", "5.7735", "11.5470", "30.0000", "60.0000"},
    {"a and B", {10, 0, 0, 0, 60}, 17, "Calculations from Side a, Ang. B",
     "10.0000", "5.7735", "11.5470", "30.0000", "60.0000"},
    {"b and A", {0, 10, 0, 60, 0}, 10, "Calculations from Side b, Ang. A",
     "5.7735", "10.0000", "11.5470", "60.0000", "30.0000"},
    {"c and B", {0, 0, 10, 0, 60}, 20, "Calculations from Side c, Ang. B",
     "8.6603", "5.0000", "10.0000", "30.0000", "60.0000"},
    {"nothing given", {0, 0, 0, 0, 0}, 0, "Warning - No Information!",
     "0.0000", "0.0000", "0.0000", "0.0000", "0.0000"},
    {"only the two angles", {0, 0, 0, 30, 60}, 24, "Warning - Please enter only 2 values!",
     "0.0000", "0.0000", "0.0000", "30.0000", "60.0000"},
    {"one leg only", {3, 0, 0, 0, 0}, 1, "Warning - Please enter only 2 values!",
     "3.0000", "0.0000", "0.0000", "0.0000", "0.0000"},
    {"0.0001 and -0.0001 are not given", {0.0001, 4, -0.0001, 0, 0}, 2,
     "Warning - Please enter only 2 values!", "0.0001", "4.0000", "-0.0001", "0.0000", "0.0000"},
    {"0.00011 is given", {0.00011, 0, 0, 45, 0}, 9, "Calculations from Side a, Ang. A",
     "0.0001", "0.0001", "0.0002", "45.0000", "45.0000"},
    {"leg longer than hypotenuse: not a number", {5, 0, 3, 0, 0}, 5, "Calculations based on Sides a+c",
     "5.0000", "nan", "3.0000", "nan", "nan"},
    {"leg b equal to hypotenuse: atan of infinity", {0, 5, 5, 0, 0}, 6, "Calculations based on Sides b+c",
     "0.0000", "5.0000", "5.0000", "90.0000", "-0.0000"},
    {"overflowing hypotenuse prints inf", {1e308, 1e308, 0, 0, 0}, 3, "Calculations based on Sides a+b",
     Format("%1.4f", 1e308), Format("%1.4f", 1e308), "inf", "45.0000", "45.0000"},
};

class SolverTable : public ::testing::TestWithParam<SolverCase> {};

TEST_P(SolverTable, LeavesTheRowsValues)
{
    const SolverCase& t = GetParam();
    SCOPED_TRACE(t.name);
    TriangleValues v = t.in;
    const TrigSolution s = SolveRightTriangle(v);
    EXPECT_EQ(s.mask, t.mask);
    EXPECT_STREQ(s.resultLine, t.resultLine);
    EXPECT_EQ(s.computed, t.mask != 0 && t.mask != 1 && t.mask != 2 && t.mask != 4 && t.mask != 8 &&
                              t.mask != 16 && t.mask != 24);
    EXPECT_EQ(Format("%1.4f", v.sideA), t.a);
    EXPECT_EQ(Format("%1.4f", v.sideB), t.b);
    EXPECT_EQ(Format("%1.4f", v.sideC), t.c);
    EXPECT_EQ(Format("%1.4f", v.angleA), t.angleA);
    EXPECT_EQ(Format("%1.4f", v.angleB), t.angleB);
}

INSTANTIATE_TEST_SUITE_P(TrigSolver, SolverTable, ::testing::ValuesIn(kSolverCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// The count caps c, A and B at two given values, but never the legs.
TEST(TrigSolverMask, FirstTwoInOrderABCAngleAAngleB)
{
    EXPECT_EQ(GivenMask({0, 0, 5, 30, 60}), kGivenSideC | kGivenAngleA);
    EXPECT_EQ(GivenMask({0, 2, 5, 30, 60}), kGivenSideB | kGivenSideC);
    EXPECT_EQ(GivenMask({1, 2, 5, 30, 60}), kGivenSideA | kGivenSideB);
    EXPECT_EQ(GivenMask({0, 0, 0, 30, 60}), kGivenAngleA | kGivenAngleB);
    EXPECT_EQ(GivenMask({-3, 0, 0, 0, -60}), kGivenSideA | kGivenAngleB);
}

// A warning leaves all five values exactly as they came in.
TEST(TrigSolverMask, WarningsComputeNothing)
{
    TriangleValues v{0, 0, 0, 30.5, 60.25};
    const TrigSolution s = SolveRightTriangle(v);
    EXPECT_FALSE(s.computed);
    EXPECT_EQ(v.angleA, 30.5);
    EXPECT_EQ(v.angleB, 60.25);
    EXPECT_EQ(v.sideA, 0.0);
}

}  // namespace
