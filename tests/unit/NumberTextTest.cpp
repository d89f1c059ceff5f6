// Number reading and writing as the dialogs do it: the loose readers the
// compute buttons use, the strict parsers of the closing exchange and the
// formats results are written in.

#include "platform/text/Format.h"
#include "platform/text/NumberText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

struct RealCase {
    const char* text;
    double value;
};

TEST(NumberText, StrToDTakesTheLongestDecimalPrefix)
{
    const RealCase cases[] = {
        {"  7.5%", 7.5},        // leading blanks, trailing sign ignored
        {"abc", 0.0},           // no number at all
        {"1e2", 100.0},
        {"1e", 1.0},            // an exponent letter without digits is not part of it
        {"1e+", 1.0},
        {"2E-2x", 0.02},
        {".5", 0.5},
        {"5.", 5.0},
        {"-.5e1x", -5.0},
        {"+", 0.0},
        {"-", 0.0},
        {".", 0.0},
        {"0x1A", 0.0},          // no hexadecimal: the 0 before the x
        {"inf", 0.0},           // no infinity or not-a-number spellings
        {"-infinity", 0.0},
        {"nan", 0.0},
        {"NAN(1)", 0.0},
        {"1,500", 1.0},         // the point is the only separator
        {"12abc", 12.0},
        {"", 0.0},
        {" \t\n 3", 3.0},
        {"- 3", 0.0},           // no blank between sign and digits
        {"0.1", 0.1},           // correctly rounded
        {"9999.99", 9999.99},
        {"1e-400", 0.0},        // underflow
    };
    for (const RealCase& c : cases)
        EXPECT_EQ(StrToD(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, StrToDOverflowsToInfinityAndKeepsTheSignOfZero)
{
    EXPECT_EQ(StrToD("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(StrToD("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::signbit(StrToD("-0")));
}

TEST(NumberText, StrToDReadsLongTextWithoutTrouble)
{
    CString longNumber(1, '1');
    longNumber.append(100000, '0').append("e-100000");
    EXPECT_EQ(StrToD(longNumber), 1.0);
    CString blanksFirst(100000, ' ');
    blanksFirst += '2';
    EXPECT_EQ(StrToD(blanksFirst), 2.0);
}

struct CountCase {
    const char* text;
    int value;
};

TEST(NumberText, AToIReadsDigitsUpToTheFirstOtherCharacter)
{
    const CountCase cases[] = {
        {"3.9", 3},
        {" -12", -12},
        {"", 0},
        {"12.9", 12},
        {"+7", 7},
        {"abc", 0},
        {"0x1A", 0},
        {"1e3", 1},
        {"  42  ", 42},
        {"- 1", 0},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},   // saturates instead of overflowing
        {"99999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
    };
    for (const CountCase& c : cases)
        EXPECT_EQ(AToI(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, StrictRealsAreWholeFieldsOfPlainNumbers)
{
    const RealCase accepted[] = {
        {"0", 0.0}, {" 12 ", 12.0}, {"\t-3.5\n", -3.5}, {".5", 0.5}, {"5.", 5.0}, {"1e2", 100.0}, {"+4", 4.0},
    };
    for (const RealCase& c : accepted) {
        const std::optional<double> parsed = ParseDoubleStrict(c.text);
        ASSERT_TRUE(parsed.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(*parsed, c.value) << '"' << c.text << '"';
    }
    const char* const refused[] = {
        "", "   ", "12abc", "1e", "1 2", "+", ".", "inf", "-inf", "nan", "0x1A", "1,500", "7.5%", "abc", "- 1",
    };
    for (const char* text : refused)
        EXPECT_FALSE(ParseDoubleStrict(text).has_value()) << '"' << text << '"';
}

TEST(NumberText, StrictIntegersRefuseFractionsAndOverflow)
{
    const CountCase accepted[] = {
        {"4", 4}, {" -12 ", -12}, {"+999", 999}, {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"007", 7},
    };
    for (const CountCase& c : accepted) {
        const std::optional<int> parsed = ParseIntStrict(c.text);
        ASSERT_TRUE(parsed.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(*parsed, c.value) << '"' << c.text << '"';
    }
    const char* const refused[] = {
        "", " ", "2.5", "12abc", "1e2", "+", "-", "2147483648", "-2147483649", "0x1A", "3.", "- 1",
    };
    for (const char* text : refused)
        EXPECT_FALSE(ParseIntStrict(text).has_value()) << '"' << text << '"';
}

TEST(NumberText, GeneralFormShowsNumbersAsTheyAre)
{
    EXPECT_EQ(FormatGeneral(0.0), "0");
    EXPECT_EQ(FormatGeneral(360.0), "360");
    EXPECT_EQ(FormatGeneral(9999.99), "9999.99");
    EXPECT_EQ(FormatGeneral(-9999.99), "-9999.99");
    EXPECT_EQ(FormatGeneral(1.0), "1");
    EXPECT_EQ(FormatGeneral(0.1), "0.1");
    EXPECT_EQ(FormatGeneral(1e20), "1e+20");
    // What the general form writes, the strict parser reads back unchanged.
    for (const double v : {0.1, 2.0 / 3.0, 9999.99, 1e-7, 123456789.125})
        EXPECT_EQ(ParseDoubleStrict(FormatGeneral(v)).value_or(-1.0), std::stod(FormatGeneral(v)));
}

TEST(NumberText, ResultFormatsRoundAndSpellNonNumbersPlainly)
{
    struct FormatCase {
        const char* format;
        double value;
        const char* text;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const FormatCase cases[] = {
        {"%1.2f", 1234.5, "1234.50"},
        {"%1.2f", -0.004, "-0.00"},
        {"%1.2f", 1e6, "1000000.00"},   // no grouping
        {"%1.4f", 288.0, "288.0000"},
        {"%1.4f", 1.0 / 72.0, "0.0139"},
        {"%1.4f", -1e-9, "-0.0000"},
        {"%1.4f", inf, "inf"},
        {"%1.4f", -inf, "-inf"},
        {"%1.4f", nan, "nan"},
        {"%1.4f", -nan, "nan"},         // the sign of a NaN never shows
        {"%1.2f", std::sqrt(-1.0), "nan"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(Format(c.format, c.value), c.text) << c.format << ' ' << c.value;
}

}  // namespace
