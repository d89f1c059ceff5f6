// The bolt-hole pattern's arithmetic: the spacing display and the list of
// hole lines, to the last printed digit.

#include "utilities/engineering/BoltHolePattern.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct ListCase {
    const char* name;
    BoltCircle circle;  // holes, diameter, total angle, initial angle, X, Y, Z
    const char* expected;
};

const ListCase kLists[] = {
    {"starting values: four holes, -0.0000 kept", {4, 1.0, 360.0, 0.0, 0, 0, 0},
     "X0.5000 Y0.0000 Z0.0000\n"
     "X0.0000 Y0.5000 Z0.0000\n"
     "X-0.5000 Y0.0000 Z0.0000\n"
     "X-0.0000 Y-0.5000 Z0.0000\n"},
    {"three holes over 180 from 45: the last at 165", {3, 2.0, 180.0, 45.0, 0, 0, 0},
     "X0.7071 Y0.7071 Z0.0000\n"
     "X-0.2588 Y0.9659 Z0.0000\n"
     "X-0.9659 Y0.2588 Z0.0000\n"},
    {"one hole", {1, 10.0, 360.0, 90.0, 1, 2, 3}, "X1.0000 Y7.0000 Z3.0000\n"},
    {"no holes", {0, 1.0, 360.0, 0.0, 0, 0, 0}, ""},
    {"a negative count", {-5, 1.0, 360.0, 0.0, 0, 0, 0}, ""},
};

class ListTable : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListTable, GivesEveryLine)
{
    const ListCase& t = GetParam();
    SCOPED_TRACE(t.name);
    const std::optional<CString> list = HoleList(t.circle);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(*list, t.expected);
}

INSTANTIATE_TEST_SUITE_P(BoltHolePattern, ListTable, ::testing::ValuesIn(kLists),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(BoltHolePattern, SixHolesAroundAnOffsetCentre)
{
    const std::optional<CString> list = HoleList({6, 100.0, 360.0, 0.0, 10.0, 20.0, -5.0});
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->substr(0, 54), "X60.0000 Y20.0000 Z-5.0000\nX35.0000 Y63.3013 Z-5.0000\n");
    EXPECT_EQ(std::count(list->begin(), list->end(), '\n'), 6);
}

// Lines end in a line feed only, however many there are, up to the limit.
TEST(BoltHolePattern, LargePatternsUpToTheLimit)
{
    const std::optional<CString> many = HoleList({5000, 1.0, 360.0, 0.0, 0, 0, 0});
    ASSERT_TRUE(many.has_value());
    EXPECT_EQ(std::count(many->begin(), many->end(), '\n'), 5000);
    EXPECT_EQ(many->find('\r'), CString::npos);

    const std::optional<CString> most = HoleList({kMaxHoles, 1.0, 360.0, 0.0, 0, 0, 0});
    ASSERT_TRUE(most.has_value());
    EXPECT_EQ(std::count(most->begin(), most->end(), '\n'), kMaxHoles);

    EXPECT_FALSE(HoleList({kMaxHoles + 1, 1.0, 360.0, 0.0, 0, 0, 0}).has_value());
    EXPECT_FALSE(HoleList({2147483647, 1.0, 360.0, 0.0, 0, 0, 0}).has_value());
}

TEST(BoltHolePattern, HoleCountsBeyondTheIntRangeStayPositive)
{
    EXPECT_EQ(HoleCountFrom(0u), 0);
    EXPECT_EQ(HoleCountFrom(100001u), 100001);
    EXPECT_EQ(HoleCountFrom(2147483647u), 2147483647);
    EXPECT_EQ(HoleCountFrom(2147483648u), 2147483647);
    EXPECT_EQ(HoleCountFrom(4294967295u), 2147483647);
}

TEST(BoltHolePattern, SpacingIsTotalOverHolesNotGaps)
{
    struct {
        double total;
        int holes;
        const char* text;
    } const cases[] = {
        {360.0, 7, "51.43"}, {360.0, 4, "90.00"}, {180.0, 3, "60.00"},
        {360.0, 0, "inf"},   {0.0, 0, "nan"},     {-90.0, 0, "-inf"},
        {100.0, -4, "-25.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpacingText(c.total, c.holes), c.text) << c.total << " / " << c.holes;
}

}  // namespace
