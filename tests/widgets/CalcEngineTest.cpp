// The engine driven key by key: after each key the display shows what a
// user of the calculator sees. The window exists (the display is a real
// control) but is never shown.

#include "CalcTestSupport.h"

#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Runs one key by the name written on it ("7", "+", "CE", "SIN", ...);
// "AC" is Clear All, "IN>MM" and "MM>IN" the two conversion commands.
void PressEngineKey(CCalcDlg& calc, const std::string& key)
{
    if (key.size() == 1 && key[0] >= '0' && key[0] <= '9')
        return calc.EnterDigit(key[0] - '0');
    if (key == ".") return calc.OnClickedPoint();
    if (key == "+") return calc.OnClickedPlus();
    if (key == "-") return calc.OnClickedMinus();
    if (key == "*") return calc.OnClickedMultiply();
    if (key == "/") return calc.OnClickedDivide();
    if (key == "=") return calc.OnClickedEqual();
    if (key == "AC") return calc.OnClickedClear();
    if (key == "CE") return calc.OnClickedClearEntry();
    if (key == "Pi") return calc.OnClickedPi();
    if (key == "%") return calc.OnClickedPercent();
    if (key == "SIN") return calc.OnClickedSin();
    if (key == "COS") return calc.OnClickedCos();
    if (key == "TAN") return calc.OnClickedTan();
    if (key == "ASIN") return calc.OnClickedAsin();
    if (key == "ACOS") return calc.OnClickedAcos();
    if (key == "ATAN") return calc.OnClickedAtan();
    if (key == "IN>MM") return calc.OnClickedInchToMm();
    if (key == "MM>IN") return calc.OnClickedMmToInch();
    throw std::invalid_argument("unknown key " + key);
}

std::vector<std::string> SplitKeys(const std::string& keys)
{
    std::istringstream in(keys);
    std::vector<std::string> result;
    for (std::string key; in >> key;)
        result.push_back(key);
    return result;
}

const char* const kDivZero = "Can't divide by zero! Press ESC";
const char* const kInvalid = "INVALID ENTRY! Press ESC";

struct KeySequence {
    const char* name;
    const char* keys;
    std::vector<std::string> displays;  // the display after each key
};

void PrintTo(const KeySequence& c, std::ostream* os)
{
    *os << c.name;
}


class EngineKeys : public ::testing::TestWithParam<KeySequence> {};

TEST_P(EngineKeys, DisplayAfterEachKey)
{
    const KeySequence& c = GetParam();
    CCalcDlg calc;
    ASSERT_TRUE(calc.Create(CCalcDlg::kTemplate));
    const std::vector<std::string> keys = SplitKeys(c.keys);
    ASSERT_EQ(keys.size(), c.displays.size()) << "test table row is malformed";
    for (size_t i = 0; i < keys.size(); ++i) {
        PressEngineKey(calc, keys[i]);
        EXPECT_EQ(DisplayOf(calc), c.displays[i]) << "after key " << i + 1 << " (" << keys[i] << ")";
    }
}

const KeySequence kSequences[] = {
    // Entry, the point and clearing.
    {"ClearedShowsZero", "AC", {"0."}},
    {"PointThenDigit", "1 . 5", {"1.", "1.", "1.5"}},
    {"ZerosAfterPoint", "1 . 0 5", {"1.", "1.", "1.", "1.05"}},
    {"SecondPointActsAsZeroDigit", "1 . 5 . 3", {"1.", "1.", "1.5", "1.5", "1.503"}},
    {"PointStartsANewNumber", "5 + . 5 =", {"5.", "5.", "0.", "0.5", "5.5"}},
    {"OnlyTenDecimalsShown", ". 1 2 3 4 5 6 7 8 9 1 2",
     {"0.", "0.1", "0.12", "0.123", "0.1234", "0.12345", "0.123456", "0.1234567", "0.12345678", "0.123456789",
      "0.1234567891", "0.1234567891"}},
    {"ClearAllAfterEntry", "1 2 + 3 AC", {"1.", "12.", "12.", "3.", "0."}},
    // Strictly left to right, no precedence.
    {"NoPrecedence", "2 + 3 * 4 =", {"2.", "2.", "3.", "5.", "4.", "20."}},
    {"RunningTotal", "2 + 3 + 4 =", {"2.", "2.", "3.", "5.", "4.", "9."}},
    {"OperatorWithoutOperandAppliesNothing", "5 + =", {"5.", "5.", "5."}},
    {"EqualsDoesNotRepeat", "2 + 3 = =", {"2.", "2.", "3.", "5.", "5."}},
    {"LastOperatorWins", "5 + - 3 =", {"5.", "5.", "5.", "3.", "2."}},
    {"NumberAfterEqualsReplacesResult", "2 + 3 = 4 =", {"2.", "2.", "3.", "5.", "4.", "4."}},
    {"NegativeResult", "3 - 5 =", {"3.", "3.", "5.", "-2."}},
    {"OneThird", "1 / 3 =", {"1.", "1.", "3.", "0.3333333333"}},
    {"TenthsAddUp", "0 . 1 + 0 . 2 =", {"0.", "0.", "0.1", "0.1", "0.", "0.", "0.2", "0.3"}},
    {"TenByFour", "1 0 / 4 =", {"1.", "10.", "10.", "4.", "2.5"}},
    // Division by zero.
    {"DivideByZeroThenCEThenClearAll", "5 / 0 = 7 CE AC", {"5.", "5.", "0.", kDivZero, kDivZero, "5.", "0."}},
    {"DivideByZeroStartsAtTheNextOperator", "5 / 0 + 2 =", {"5.", "5.", "0.", kDivZero, kDivZero, kDivZero}},
    {"ErrorStateIgnoresDigitsAndPoint", "8 / 0 = . 3 =", {"8.", "8.", "0.", kDivZero, kDivZero, kDivZero, kDivZero}},
    {"CEEndsErrorAndKeepsDividend", "9 / 0 = CE + 1 =", {"9.", "9.", "0.", kDivZero, "9.", "9.", "1.", "10."}},
    // CE.
    {"CEWhileEnteringShowsZero", "5 + 3 CE 2 =", {"5.", "5.", "3.", "0.", "2.", "7."}},
    {"CEAfterOperatorShowsAccumulator", "5 + CE", {"5.", "5.", "5."}},
    {"CEEndsDecimalEntry", "1 . 5 CE 2", {"1.", "1.", "1.5", "0.", "2."}},
    // Function keys work on the operand and show "%g".
    {"Pi", "Pi", {"3.14159"}},
    {"PiTimesTwo", "Pi * 2 =", {"3.14159", "3.141592654", "2.", "6.283185308"}},
    {"Percent", "5 %", {"5.", "0.05"}},
    {"PercentOfAProduct", "2 0 0 * 5 % =", {"2.", "20.", "200.", "200.", "5.", "0.05", "10."}},
    {"DigitAfterPercentExtendsTheOperand", "5 % 3", {"5.", "0.05", "3.5"}},
    {"SineOfThirty", "3 0 SIN", {"3.", "30.", "0.5"}},
    {"TangentOfFortyFive", "4 5 TAN", {"4.", "45.", "1"}},
    {"ArcSineOfOne", "1 ASIN", {"1.", "90"}},
    {"ArcTangentOfOne", "1 ATAN", {"1.", "45"}},
    {"ArcCosineOfAHalf", "0 . 5 ACOS", {"0.", "0.", "0.5", "60"}},
    {"CosineOfNinetyIsTinyAndInvalid", "9 0 COS", {"9.", "90.", kInvalid}},
    {"SineOfOneEightyIsTinyAndInvalid", "1 8 0 SIN", {"1.", "18.", "180.", kInvalid}},
    {"TangentOfNinetyInvalid", "9 0 TAN", {"9.", "90.", kInvalid}},
    {"ArcSineOutOfRangeInvalid", "2 ASIN", {"2.", kInvalid}},
    {"ArcCosineOutOfRangeInvalid", "2 ACOS", {"2.", kInvalid}},
    {"FunctionUsesOperandNotResult", "2 + 3 = SIN", {"2.", "2.", "3.", "5.", "0.052336"}},
    {"InchesToMillimetres", "2 IN>MM", {"2.", "50.8"}},
    {"MillimetresToInches", "2 5 . 4 MM>IN", {"2.", "25.", "25.", "25.4", "1"}},
    {"FunctionResultFeedsTheNextOperation", "3 0 SIN + 1 =", {"3.", "30.", "0.5", "0.5", "1.", "1.5"}},
    // A digit right after a function key, before any point was ever pressed,
    // goes into the first decimal place.
    {"DigitAfterPiBeforeAnyPoint", "Pi 5", {"3.14159", "3.641592654"}},
    {"DigitAfterSineBeforeAnyPoint", "3 0 SIN 2", {"3.", "30.", "0.5", "0.7"}},
    // Function keys still change the operand in the error state, unseen:
    // CE then shows the entered operand, zeroed.
    {"FunctionKeyInErrorState", "4 / 0 = Pi CE", {"4.", "4.", "0.", kDivZero, kDivZero, "0."}},
    // Division by a not-a-number is refused like division by zero.
    {"DivideByNaN", "6 / 2 ASIN =", {"6.", "6.", "2.", kInvalid, kDivZero}},
};

INSTANTIATE_TEST_SUITE_P(Sequences, EngineKeys, ::testing::ValuesIn(kSequences),
                         [](const auto& info) { return std::string(info.param.name); });

// Keys a sequence of a hundred digits and more: the invalid-entry check has
// to keep the registers while it hides them.
void KeyDigits(CCalcDlg& calc, int digit, int count)
{
    for (int i = 0; i < count; ++i)
        calc.EnterDigit(digit);
}

TEST(EngineInvalidEntry, InfiniteResultHidesButKeepsTheRegisters)
{
    CCalcDlg calc;
    ASSERT_TRUE(calc.Create(CCalcDlg::kTemplate));
    calc.EnterDigit(1);
    KeyDigits(calc, 0, 200);  // 1e200
    EXPECT_NE(DisplayOf(calc), kInvalid);
    calc.OnClickedMultiply();
    calc.EnterDigit(1);
    KeyDigits(calc, 0, 200);
    calc.OnClickedEqual();
    EXPECT_EQ(DisplayOf(calc), kInvalid);
    EXPECT_TRUE(std::isinf(calc.m_accum));
    EXPECT_EQ(calc.m_errorState, CCalcDlg::ERR_NONE);
    EXPECT_EQ(calc.m_operator, CCalcDlg::OP_NONE);

    // Keying goes on: a number that prints plainly shows again.
    calc.EnterDigit(4);
    EXPECT_EQ(DisplayOf(calc), "4.");
    calc.OnClickedClear();
    EXPECT_EQ(DisplayOf(calc), "0.");
    EXPECT_EQ(calc.m_accum, 0.0);
}

TEST(EngineInvalidEntry, NaNOperandHidesButKeepsTheRegisters)
{
    CCalcDlg calc;
    ASSERT_TRUE(calc.Create(CCalcDlg::kTemplate));
    calc.EnterDigit(7);
    calc.OnClickedPlus();
    calc.EnterDigit(3);
    calc.OnClickedAsin();
    EXPECT_EQ(DisplayOf(calc), kInvalid);
    EXPECT_TRUE(std::isnan(calc.m_operand));
    EXPECT_EQ(calc.m_accum, 7.0);
    EXPECT_EQ(calc.m_operator, CCalcDlg::OP_PLUS);
    EXPECT_TRUE(calc.m_bOperandAvail);
    EXPECT_EQ(calc.m_errorState, CCalcDlg::ERR_NONE);
}

TEST(EngineInvalidEntry, ExponentFormHidesButKeepsTheRegisters)
{
    CCalcDlg calc;
    ASSERT_TRUE(calc.Create(CCalcDlg::kTemplate));
    calc.EnterDigit(9);
    calc.EnterDigit(0);
    calc.OnClickedCos();
    EXPECT_EQ(DisplayOf(calc), kInvalid);
    EXPECT_EQ(calc.m_operand, std::cos(90.0 * 0.01745329251994329));
    EXPECT_NE(calc.m_operand, 0.0);
    // The same value in the long form is a plain (tiny) number.
    calc.OnClickedEqual();
    EXPECT_EQ(DisplayOf(calc), "0.");
    EXPECT_EQ(calc.m_accum, std::cos(90.0 * 0.01745329251994329));
}

TEST(EngineInvalidEntry, OverflowWhileTypingDigits)
{
    CCalcDlg calc;
    ASSERT_TRUE(calc.Create(CCalcDlg::kTemplate));
    KeyDigits(calc, 9, 320);
    EXPECT_TRUE(std::isinf(calc.m_operand));
    EXPECT_EQ(DisplayOf(calc), kInvalid);
}

TEST(EngineState, ConstructionClearsWithoutTouchingAWindow)
{
    CCalcDlg calc;
    EXPECT_EQ(calc.GetSafeHwnd(), nullptr);
    EXPECT_EQ(calc.m_accum, 0.0);
    EXPECT_EQ(calc.m_operand, 0.0);
    EXPECT_EQ(calc.m_operator, CCalcDlg::OP_NONE);
    EXPECT_EQ(calc.m_errorState, CCalcDlg::ERR_NONE);
    EXPECT_FALSE(calc.m_bOperandAvail);
    EXPECT_FALSE(calc.m_bDecimal);
    // Engine operations work without a window; the display text follows.
    calc.EnterDigit(4);
    calc.OnClickedMultiply();
    calc.EnterDigit(5);
    calc.OnClickedEqual();
    EXPECT_EQ(calc.m_accum, 20.0);
    EXPECT_EQ(calc.DisplayText(), "20.");
}

TEST(EngineState, DisplayKeepsTemplateTextUntilFirstUpdate)
{
    CCalcDlg calc;
    ASSERT_TRUE(calc.Create(CCalcDlg::kTemplate));
    EXPECT_EQ(DisplayOf(calc), "");
    calc.UpdateDisplay();
    EXPECT_EQ(DisplayOf(calc), "0.");
}

TEST(EngineState, UnknownOperationCodeLeavesTheAccumulator)
{
    CCalcDlg calc;
    calc.m_accum = 12.0;
    calc.m_operator = 9;
    calc.StoreOperand(3.0);
    calc.PerformOperation();
    EXPECT_EQ(calc.m_accum, 12.0);
    EXPECT_FALSE(calc.m_bOperandAvail);
}

}  // namespace
