// GetDlgItemInt's conversion of a field's text: what it accepts, what fails.

#include "platform/text/DialogItemInt.h"

#include <gtest/gtest.h>

namespace {

struct IntCase {
    const char* text;
    BOOL bSigned;
    std::optional<UINT> value;
};

const IntCase kIntCases[] = {
    {"7", FALSE, 7u},
    {"0", FALSE, 0u},
    {"  12 ", FALSE, 12u},
    {"\t42\t", FALSE, 42u},
    {"007", FALSE, 7u},
    {"4294967295", FALSE, 4294967295u},
    {"4294967296", FALSE, std::nullopt},
    {"99999999999999999999999999", FALSE, std::nullopt},
    {"", FALSE, std::nullopt},
    {"   ", FALSE, std::nullopt},
    {"-3", FALSE, std::nullopt},
    {"+3", FALSE, std::nullopt},
    {"2.5", FALSE, std::nullopt},
    {"12abc", FALSE, std::nullopt},
    {"abc", FALSE, std::nullopt},
    {"1 2", FALSE, std::nullopt},
    {"0x1A", FALSE, std::nullopt},
    {"-3", TRUE, static_cast<UINT>(-3)},
    {"+3", TRUE, 3u},
    {" -2147483648 ", TRUE, 0x80000000u},
    {"2147483647", TRUE, 2147483647u},
    {"2147483648", TRUE, std::nullopt},
    {"-2147483649", TRUE, std::nullopt},
    {"-", TRUE, std::nullopt},
    {"- 3", TRUE, std::nullopt},
};

TEST(DialogItemInt, AcceptsPlainDigitsOnly)
{
    for (const IntCase& c : kIntCases)
        EXPECT_EQ(ParseDialogItemInt(c.text, c.bSigned), c.value) << '"' << c.text << "\" signed " << c.bSigned;
}

}  // namespace
