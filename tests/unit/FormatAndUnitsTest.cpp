// printf formatting in the C locale with canonical NaN, the string table and
// dialog-unit conversion.

#include "platform/dialog/DialogUnits.h"
#include "platform/text/Format.h"
#include "platform/StringTable.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(Format, PrintsLikeTheCLibrary)
{
    EXPECT_EQ(Format("%1.10f", 2.5), "2.5000000000");
    EXPECT_EQ(Format("%1.2f", 1234.565), "1234.57");
    EXPECT_EQ(Format("%1.4f", -0.0), "-0.0000");
    EXPECT_EQ(Format("%g", 3.141592654), "3.14159");
    EXPECT_EQ(Format("%lu KB", 65536ul), "65536 KB");
    EXPECT_EQ(Format("%lu KB Free on %c:", 4194304ul, '/'), "4194304 KB Free on /:");
    EXPECT_EQ(Format("no arguments"), "no arguments");
}

TEST(Format, InfinitiesAndNaNsHaveOneSpellingEach)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Format("%1.2f", inf), "inf");
    EXPECT_EQ(Format("%1.2f", -inf), "-inf");
    EXPECT_EQ(Format("%1.2f", nan), "nan");
    EXPECT_EQ(Format("%1.2f", -nan), "nan");
    EXPECT_EQ(Format("%g", -nan), "nan");
}

TEST(Format, LongResultsAreNotCut)
{
    const CString text = Format("%1.10f", 1e300);
    EXPECT_EQ(text.size(), 301u + 11u);
    EXPECT_EQ(text.substr(0, 2), "10");
}

// The list writer's fixed form is printf's, byte for byte: ties to even,
// signed zeros, values that round to zero from below, the largest and
// smallest magnitudes, and a sweep of bit patterns over every exponent.
TEST(Format, AppendFixedPrintsWhatPrintfPrints)
{
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> values = {0.0, -0.0, 0.03125, 0.00005, -0.00005, 2.5e-5, 1.00005, 0.125, -0.375,
                                  1e308, -1.7976931348623157e308, 5e-324, -1e-320, 4.9999999999999996e-5,
                                  inf, -inf, std::nan(""), -std::nan("")};
    std::mt19937_64 bits(20261207);
    for (int i = 0; i < 20000; ++i)
        values.push_back(std::bit_cast<double>(bits()));
    for (const double value : values) {
        for (const int decimals : {0, 2, 4, 10}) {
            CString appended = "X";
            AppendFixed(appended, value, decimals);
            ASSERT_EQ(appended, "X" + Format("%1." + std::to_string(decimals) + "f", value))
                << std::hexfloat << value << " with " << decimals << " decimals";
        }
    }
}

TEST(StringTable, LoadsTextsByNumber)
{
    EXPECT_EQ(LoadString(57344), "Numbrix Calc");
    EXPECT_EQ(AfxGetAppName(), "Numbrix Calc");
    EXPECT_EQ(LoadString(59145), "Can't divide by zero! Press ESC");
    EXPECT_EQ(LoadString(100), "Failed to initialized the OLE libraries!");
    EXPECT_EQ(LoadString(102), "");  // no such entry
}

TEST(DialogUnits, ScaleWithTheFontAndRoundLikeMulDiv)
{
    // The average letter width rounds half up.
    EXPECT_EQ(AverageLetterWidth(52 * 6), 6);
    EXPECT_EQ(AverageLetterWidth(52 * 6 + 26), 7);
    EXPECT_EQ(AverageLetterWidth(52 * 6 + 25), 6);

    const DialogBaseUnits base{6, 13};
    const PixelRect r = DialogRectToPixels(150, 30, 104, 15, base);
    EXPECT_EQ(r.x, 225);
    EXPECT_EQ(r.y, 49);      // 30 * 13 / 8 = 48.75
    EXPECT_EQ(r.width, 156);
    EXPECT_EQ(r.height, 24);  // 15 * 13 / 8 = 24.375
    EXPECT_EQ(DialogUnitsToPixelsX(1, base), 2);  // 1.5 rounds away from zero
    EXPECT_EQ(DialogUnitsToPixelsY(-4, base), -7);  // -6.5 likewise
}

}  // namespace
