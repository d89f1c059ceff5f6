// printf formatting in the C locale with canonical NaN, the string table and
// dialog-unit conversion.

#include "platform/dialog/DialogUnits.h"
#include "platform/text/Format.h"
#include "platform/StringTable.h"

#include <gtest/gtest.h>

#include <limits>

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
