// Accelerator matching: character entries against typed characters,
// virtual-key entries against keys with the exact modifier state, and the
// calculator's own table.

#include "KeyMessages.h"

#include "calc/CalcDlg.h"
#include "utilities/engineering/BoltHoleDlg.h"
#include "utilities/engineering/TrigDlg.h"

#include <gtest/gtest.h>

namespace {

using C = CCalcDlg;

TEST(AcceleratorTable, MissingTableLoadsAsNull)
{
    EXPECT_EQ(LoadAccelerators(4242), nullptr);
    EXPECT_FALSE(MatchAccelerator(nullptr, Typed('1', '1')).has_value());
}

struct KeyCase {
    const char* name;
    MSG msg;
    int command;  // -1: no entry matches
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << c.name;
}


class CalculatorKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(CalculatorKeys, TranslateToTheirCommand)
{
    const KeyCase& c = GetParam();
    const HACCEL table = LoadAccelerators(C::kTemplate);
    ASSERT_NE(table, nullptr);
    const std::optional<WORD> command = MatchAccelerator(table, c.msg);
    if (c.command < 0)
        EXPECT_FALSE(command.has_value());
    else
        EXPECT_EQ(command, std::optional<WORD>(static_cast<WORD>(c.command)));
}

MSG ShiftTyped(char32_t character, WORD virtualKey)
{
    MSG msg = Typed(character, virtualKey);
    msg.shift = true;
    return msg;
}

MSG AltTyped(char32_t character, WORD virtualKey)
{
    MSG msg = Typed(character, virtualKey);
    msg.alt = true;
    return msg;
}

const KeyCase kKeyCases[] = {
    {"Digit0", Typed('0', '0'), C::kKey0},
    {"Digit7", Typed('7', '7'), C::kKey0 + 7},
    {"Digit9", Typed('9', '9'), C::kKey9},
    {"Multiply", ShiftTyped('*', '8'), C::kKeyMultiply},
    {"PlusTypedWithShift", ShiftTyped('+', 0), C::kKeyPlus},
    {"Minus", Typed('-'), C::kKeyMinus},
    {"Point", Typed('.'), C::kKeyPoint},
    {"Divide", Typed('/'), C::kKeyDivide},
    {"EqualsCharacter", Typed('='), C::kKeyEqual},
    {"Enter", Key(VK_RETURN), C::kKeyEqual},
    {"Escape", Key(VK_ESCAPE), C::kKeyClearAll},
    {"LowerCaseC", Typed('c', 'C'), C::kKeyClearAll},
    {"CapitalCDoesNothing", ShiftTyped('C', 'C'), -1},
    {"ControlCIsAControlCharacter", [] { MSG m = Typed(0x03, 'C'); m.control = true; return m; }(), -1},
    {"AltDigitIsASystemCharacter", AltTyped('7', '7'), -1},
    {"ArrowUpGoesNowhere", Key(VK_UP), C::kCmdNoHandler},
    {"ArrowDownGoesNowhere", Key(VK_DOWN), C::kCmdNoHandler},
    {"ArrowLeftGoesNowhere", Key(VK_LEFT), C::kCmdNoHandler},
    {"ArrowRightGoesNowhere", Key(VK_RIGHT), C::kCmdNoHandler},
    {"ShiftEnterIsAnotherKey", Key(VK_RETURN, true), -1},
    {"ControlEnterIsAnotherKey", Key(VK_RETURN, false, true), -1},
    {"ShiftArrowIsAnotherKey", Key(VK_LEFT, true), -1},
    {"UnmappedLetter", Typed('x', 'X'), -1},
    {"Tab", Key(VK_TAB), -1},
};

INSTANTIATE_TEST_SUITE_P(Table102, CalculatorKeys, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AcceleratorMatching, KeyPressWinsOverTheCharacterItTypes)
{
    // An entry for the key and one for its character: the key press comes
    // first, so its entry wins whatever the table order.
    const ACCEL entries[] = {
        {FNOINVERT, '\r', 1},
        {FVIRTKEY | FNOINVERT | FLASTENTRY, VK_RETURN, 2},
    };
    const AcceleratorTable table{1, entries};
    EXPECT_EQ(MatchAccelerator(&table, Typed('\r', VK_RETURN)), std::optional<WORD>(2));
}

TEST(AcceleratorMatching, FirstOfSeveralMatchingEntriesWins)
{
    const ACCEL entries[] = {
        {FNOINVERT, 'a', 10},
        {FNOINVERT | FLASTENTRY, 'a', 11},
    };
    const AcceleratorTable table{1, entries};
    EXPECT_EQ(MatchAccelerator(&table, Typed('a', 'A')), std::optional<WORD>(10));
}

TEST(AcceleratorMatching, ModifiedVirtualKeysNeedExactlyTheirModifiers)
{
    const ACCEL entries[] = {
        {FVIRTKEY | FCONTROL | FNOINVERT, 'C', CBoltHoleDlg::kCopy},
        {FVIRTKEY | FALT | FNOINVERT | FLASTENTRY, 'C', CTrigDlg::kClearAll},
    };
    const AcceleratorTable table{1, entries};
    EXPECT_EQ(MatchAccelerator(&table, Key('C', false, true)), std::optional<WORD>(CBoltHoleDlg::kCopy));
    EXPECT_EQ(MatchAccelerator(&table, Key('C', false, false, true)), std::optional<WORD>(CTrigDlg::kClearAll));
    EXPECT_FALSE(MatchAccelerator(&table, Key('C')).has_value());
    EXPECT_FALSE(MatchAccelerator(&table, Key('C', true, true)).has_value());
    EXPECT_FALSE(MatchAccelerator(&table, Key('C', false, true, true)).has_value());
}

}  // namespace
