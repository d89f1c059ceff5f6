// The calculator window worked as a user works it: clicking its keys and
// typing on the keyboard, with the focus kept off the keys and the display.

#include "CalcTestSupport.h"

#include "platform/dialog/Clipboard.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <string>

namespace {

using C = CCalcDlg;

class CalcWindow : public CalculatorFixture {};

// The key with the digit on it.
constexpr int Digit(int digit)
{
    return C::kKey0 + digit;
}

TEST_F(CalcWindow, TemplateMakesAFixedSizeWindowWithItsCaption)
{
    EXPECT_EQ(window->windowTitle().toStdString(), "Tarrow Calculator - v2.5");
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(app.m_pMainWnd, calc);
    // 290 x 170 dialog units, 1 x 1 from the screen's corner.
    const int unitX = window->width() * 1000 / 290;
    const int unitY = window->height() * 1000 / 170;
    EXPECT_GT(unitX, 1000);
    EXPECT_GT(unitY, 1000);
}

TEST_F(CalcWindow, KeypadControlsHaveTheirCaptions)
{
    const struct {
        int id;
        const char* caption;
    } keys[] = {
        {Digit(0), "0"}, {Digit(1), "1"}, {Digit(2), "2"}, {Digit(3), "3"}, {Digit(4), "4"},
        {Digit(5), "5"}, {Digit(6), "6"}, {Digit(7), "7"}, {Digit(8), "8"}, {Digit(9), "9"},
        {C::kKeyEqual, "="}, {C::kKeyPlus, "+"}, {C::kKeyMinus, "-"}, {C::kKeyMultiply, "*"},
        {C::kKeyDivide, "/"}, {C::kKeyClearAll, "Clear All"}, {C::kKeyPoint, "."}, {C::kKeySin, "SIN"},
        {C::kKeyCos, "COS"}, {C::kKeyTan, "TAN"}, {C::kKeyPi, "Pi"}, {C::kKeyAsin, "ASIN"},
        {C::kKeyAcos, "ACOS"}, {C::kKeyAtan, "ATAN"}, {C::kKeyClearEntry, "CE"}, {C::kKeyPercent, "%"},
    };
    for (const auto& key : keys) {
        auto* button = qobject_cast<QAbstractButton*>(Control(key.id));
        ASSERT_NE(button, nullptr) << key.id;
        EXPECT_EQ(button->text().toStdString(), key.caption) << key.id;
        EXPECT_TRUE(button->isEnabled()) << key.id;
        EXPECT_TRUE(button->isVisible()) << key.id;
    }
    auto* display = qobject_cast<QLineEdit*>(Control(C::kDisplay));
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->isReadOnly());
    EXPECT_TRUE(display->alignment().testFlag(Qt::AlignRight));
    EXPECT_FALSE(Control(C::kPayoffDate)->isEnabled());
    EXPECT_FALSE(Control(C::kExtraPaymts)->isEnabled());
}

TEST_F(CalcWindow, ClickingKeysComputes)
{
    for (int id : {Digit(1), Digit(2), C::kKeyPlus, Digit(3), C::kKeyMultiply, Digit(2), C::kKeyEqual})
        Click(id);
    EXPECT_EQ(Display(), "30.");
    Click(C::kKeyPi);
    EXPECT_EQ(Display(), "3.14159");
    Click(C::kKeyClearAll);
    EXPECT_EQ(Display(), "0.");
    for (int id : {Digit(9), Digit(0), C::kKeyCos})
        Click(id);
    EXPECT_EQ(Display(), "INVALID ENTRY! Press ESC");
    // After COS decimal entry is on: 5 lands in the first decimal place.
    for (int id : {Digit(5), C::kKeyDivide, Digit(0), C::kKeyEqual})
        Click(id);
    EXPECT_EQ(Display(), "Can't divide by zero! Press ESC");
    Click(C::kKeyClearEntry);  // shows the dividend
    EXPECT_EQ(Display(), "0.5");
    for (int id : {Digit(3), Digit(0), C::kKeySin, C::kKeyPercent})
        Click(id);
    EXPECT_EQ(Display(), "0.005");
    for (int id : {Digit(1), C::kKeyPoint, Digit(5)})  // after percent: extends the operand
        Click(id);
    EXPECT_EQ(Display(), "1.55");
}

TEST_F(CalcWindow, TypingComputes)
{
    TypeText("7*6=");
    EXPECT_EQ(Display(), "42.");
    TypeText("1.5+2.25-");
    EXPECT_EQ(Display(), "3.75");
    TypeText("0.75/3=");
    EXPECT_EQ(Display(), "1.");
}

TEST_F(CalcWindow, EnterEscapeAndTheLetterC)
{
    Type(Qt::Key_5);
    Type(Qt::Key_Return);
    EXPECT_EQ(Display(), "5.");
    Type(Qt::Key_Escape);
    EXPECT_EQ(Display(), "0.");
    TypeText("8+");
    Type(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Display(), "8.");
    TypeText("9");
    Type(Qt::Key_C);  // lower-case c clears
    EXPECT_EQ(Display(), "0.");
    TypeText("42");
    QTest::keyClick(QApplication::focusWidget(), 'C', Qt::ShiftModifier);  // the capital does nothing
    EXPECT_EQ(Display(), "42.");
    Type(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Display(), "42.");
    EXPECT_TRUE(calc->GetVisible());  // neither Esc nor Enter closed the window
    EXPECT_EQ(app.m_pMainWnd, calc);
}

TEST_F(CalcWindow, NumericKeypadCharactersWork)
{
    for (const Qt::Key key : {Qt::Key_4, Qt::Key_Plus, Qt::Key_6, Qt::Key_Asterisk, Qt::Key_2, Qt::Key_Minus,
                              Qt::Key_5, Qt::Key_Slash, Qt::Key_3, Qt::Key_Period, Qt::Key_Enter})
        Type(key, Qt::KeypadModifier);
    EXPECT_EQ(Display(), "5.");
    // The keypad's decimal key is the point also where the layout makes it
    // type a comma (German); the comma of the main keys stays nothing.
    for (const Qt::Key key : {Qt::Key_1, Qt::Key_Comma, Qt::Key_5})
        Type(key, Qt::KeypadModifier);
    EXPECT_EQ(Display(), "1.5");
    Type(Qt::Key_Comma);
    Type(Qt::Key_2);
    EXPECT_EQ(Display(), "1.52");
}

TEST_F(CalcWindow, ArrowKeysChangeNothing)
{
    TypeText("12");
    QWidget* focusBefore = QApplication::focusWidget();
    for (Qt::Key arrow : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
        Type(arrow);
        EXPECT_EQ(Display(), "12.");
        EXPECT_EQ(QApplication::focusWidget(), focusBefore);
    }
}

TEST_F(CalcWindow, FocusStartsOnTheWindowAndThenStaysOnTheSink)
{
    // Before any key: the window itself, not a key, has the focus.
    EXPECT_EQ(window->focusWidget(), window);
    Click(Digit(7));
    EXPECT_EQ(QApplication::focusWidget(), Control(C::kFocusSink));
    Click(C::kKeyClearEntry);  // a key with a tab stop does not keep the focus either
    EXPECT_EQ(QApplication::focusWidget(), Control(C::kFocusSink));
    TypeText("3+");
    EXPECT_EQ(QApplication::focusWidget(), Control(C::kFocusSink));
    // Keys still work whatever holds the focus.
    Control(C::kKeyClearEntry)->setFocus();
    TypeText("4=");
    EXPECT_EQ(Display(), "7.");
    EXPECT_EQ(QApplication::focusWidget(), Control(C::kFocusSink));
}

TEST_F(CalcWindow, ClickingIntoTheDisplayLeavesNoCaret)
{
    TypeText("25");
    QWidget* display = Control(C::kDisplay);
    QTest::mouseClick(display, Qt::LeftButton);
    EXPECT_FALSE(display->hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), Control(C::kFocusSink));
    display->setFocus();  // by any means
    EXPECT_FALSE(display->hasFocus());
    TypeText("0");
    EXPECT_EQ(Display(), "250.");
}

TEST_F(CalcWindow, CommandsWithoutControlsAreRouted)
{
    TypeText("2");
    calc->SendCommand(C::kCmdInchToMm);
    EXPECT_EQ(Display(), "50.8");
    TypeText("=");
    calc->SendCommand(C::kCmdMmToInch);
    EXPECT_EQ(Display(), "2");
    TypeText("5");
    calc->SendCommand(C::kCmdPercent);
    EXPECT_EQ(Display(), "0.025");
    calc->SendCommand(C::kCmdNoHandler);  // nothing happens
    EXPECT_EQ(Display(), "0.025");
}

TEST_F(CalcWindow, HidingAndShowingKeepsTheWindowAndItsState)
{
    TypeText("314");
    calc->SetVisible(FALSE);
    EXPECT_FALSE(calc->GetVisible());
    EXPECT_NE(calc->GetSafeHwnd(), nullptr);
    const HWND before = calc->GetSafeHwnd();
    calc->SetVisible(TRUE);
    calc->SetVisible(TRUE);
    EXPECT_TRUE(calc->GetVisible());
    EXPECT_EQ(calc->GetSafeHwnd(), before);
    EXPECT_EQ(Display(), "314.");
}

// Copy: the display's text exactly as shown, and nothing when it shows no
// number (the empty display of a fresh window, an error text).
TEST_F(CalcWindow, CopyTakesTheDisplaysNumberAsShown)
{
    const struct {
        const char* typed;  // then the key C clicks, when not 0
        int clicked;
        const char* copied;  // nullptr: the clipboard keeps what it had
    } cases[] = {
        {"", 0, nullptr},
        {"12.5", 0, "12.5"},
        {"3=", 0, "3."},
        {"1/3=", 0, "0.3333333333"},
        {"90", C::kKeyCos, nullptr},  // INVALID ENTRY! Press ESC
        {"5/0=", 0, nullptr},         // Can't divide by zero! Press ESC
    };
    for (const auto& c : cases) {
        for (const Qt::Key key : {Qt::Key_C, Qt::Key_Insert}) {
            SCOPED_TRACE(std::string(c.typed) + (key == Qt::Key_C ? " Ctrl+C" : " Ctrl+Insert"));
            calc->OnClickedClear();
            if (*c.typed == '\0' && c.clicked == 0)
                calc->SetDlgItemText(C::kDisplay, "");  // as before the first update
            TypeText(c.typed);
            if (c.clicked != 0)
                Click(c.clicked);
            const CString shown = Display();
            SetClipboardText("from before");
            Type(key, Qt::ControlModifier);
            EXPECT_EQ(GetClipboardText(), c.copied != nullptr ? c.copied : "from before");
            EXPECT_EQ(Display(), shown);
        }
    }
}

// Paste: a number the strict reader accepts becomes the operand as if its
// digits had been keyed, so keys go on from it; anything else, and any text
// in the error state, changes nothing.
TEST_F(CalcWindow, PasteMakesANumberTheOperandAsIfKeyed)
{
    constexpr const char* kDivideByZero = "Can't divide by zero! Press ESC";
    constexpr const char* kInvalid = "INVALID ENTRY! Press ESC";
    const struct {
        const char* clipboard;
        const char* before;  // keyed before the paste
        const char* pasted;  // the display after it
        const char* after;   // keyed after it
        const char* result;  // the display then
    } cases[] = {
        {"12.5", "7", "12.5", "+1=", "13.5"},
        {"12.5", "7", "12.5", "3", "12.53"},
        {" 3 ", "7", "3.", "4", "34."},
        {"12.", "7", "12.", "5", "12.5"},
        {"1e3", "2*", "1000.", "=", "2000."},
        {"2.5e-1", "7", "0.25", "5", "0.255"},
        {"1.5e1", "7", "15.", "2", "152."},
        {"-4", "10+", "-4.", "=", "6."},
        {"abc", "7", "7.", "+1=", "8."},
        {"", "7", "7.", "+1=", "8."},
        {"0x10", "7", "7.", "+1=", "8."},
        {"inf", "7", "7.", "+1=", "8."},
        {"12.5 apples", "7", "7.", "+1=", "8."},
        {"1e999", "7", kInvalid, "+1=", kInvalid},
        {"12.5", "5/0=", kDivideByZero, "+1=", kDivideByZero},
        {"abc", "5/0=", kDivideByZero, "+1=", kDivideByZero},
    };
    for (const auto& c : cases) {
        for (const bool byInsert : {false, true}) {
            SCOPED_TRACE(std::string("\"") + c.clipboard + "\" after " + c.before +
                         (byInsert ? " by Shift+Insert" : " by Ctrl+V"));
            calc->OnClickedClear();
            TypeText(c.before);
            SetClipboardText(c.clipboard);
            if (byInsert)
                Type(Qt::Key_Insert, Qt::ShiftModifier);
            else
                Type(Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(Display(), c.pasted);
            TypeText(c.after);
            EXPECT_EQ(Display(), c.result);
        }
    }
}

}  // namespace
