// The calculator window worked as a user works it: clicking its keys and
// typing on the keyboard, with the focus kept off the keys and the display.

#include "CalcTestSupport.h"

#include "platform/WinApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class CalcWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        calc = new CCalcDlg(nullptr);
        calc->SetVisible(TRUE);
        ASSERT_TRUE(calc->GetVisible());
        window = calc->Widget();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    void TearDown() override
    {
        if (app.m_pMainWnd == calc)
            calc->DestroyWindow();  // deletes calc through its window
        QApplication::processEvents();
    }

    QWidget* Control(int id) const
    {
        CWnd* control = calc->GetDlgItem(id);
        return control != nullptr ? control->Widget() : nullptr;
    }

    void Click(int id)
    {
        QWidget* button = Control(id);
        ASSERT_NE(button, nullptr) << "no control " << id;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window;
        QTest::keyClick(target, key, modifiers);
    }

    void TypeText(const char* text)
    {
        QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window;
        QTest::keyClicks(target, QString::fromLatin1(text));
    }

    CString Display() const { return DisplayOf(*calc); }

    // The window's own quit request would end the test run's event loop
    // early; this application object only records the main window.
    CWinApp app;
    CCalcDlg* calc = nullptr;
    QWidget* window = nullptr;
};

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
        {1000, "0"}, {1001, "1"}, {1002, "2"}, {1003, "3"}, {1004, "4"}, {1005, "5"}, {1006, "6"},
        {1007, "7"}, {1008, "8"}, {1009, "9"}, {1020, "="}, {1010, "+"}, {1011, "-"}, {1012, "*"},
        {1013, "/"}, {1021, "Clear All"}, {32790, "."}, {1019, "SIN"}, {1022, "COS"}, {1023, "TAN"},
        {1024, "Pi"}, {1029, "ASIN"}, {1031, "ACOS"}, {1032, "ATAN"}, {1150, "CE"}, {1025, "%"},
    };
    for (const auto& key : keys) {
        auto* button = qobject_cast<QAbstractButton*>(Control(key.id));
        ASSERT_NE(button, nullptr) << key.id;
        EXPECT_EQ(button->text().toStdString(), key.caption) << key.id;
        EXPECT_TRUE(button->isEnabled()) << key.id;
        EXPECT_TRUE(button->isVisible()) << key.id;
    }
    auto* display = qobject_cast<QLineEdit*>(Control(kDisplayId));
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->isReadOnly());
    EXPECT_TRUE(display->alignment().testFlag(Qt::AlignRight));
    EXPECT_FALSE(Control(1042)->isEnabled());  // "Payoff Date"
    EXPECT_FALSE(Control(1140)->isEnabled());  // "Extra Paymts"
}

TEST_F(CalcWindow, ClickingKeysComputes)
{
    for (int id : {1001, 1002, 1010, 1003, 1012, 1002, 1020})  // 12 + 3 * 2 =
        Click(id);
    EXPECT_EQ(Display(), "30.");
    Click(1024);  // Pi
    EXPECT_EQ(Display(), "3.14159");
    Click(1021);  // Clear All
    EXPECT_EQ(Display(), "0.");
    for (int id : {1009, 1000, 1022})  // 9 0 COS
        Click(id);
    EXPECT_EQ(Display(), "INVALID ENTRY! Press ESC");
    // After COS decimal entry is on: 5 lands in the first decimal place.
    for (int id : {1005, 1013, 1000, 1020})  // 5 / 0 =
        Click(id);
    EXPECT_EQ(Display(), "Can't divide by zero! Press ESC");
    Click(1150);  // CE shows the dividend
    EXPECT_EQ(Display(), "0.5");
    for (int id : {1003, 1000, 1019, 1025})  // 3 0 SIN %
        Click(id);
    EXPECT_EQ(Display(), "0.005");
    for (int id : {1001, 32790, 1005})  // 1 . 5 after percent extends the operand
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
    Type(Qt::Key_4, Qt::KeypadModifier);
    Type(Qt::Key_Plus, Qt::KeypadModifier);
    Type(Qt::Key_6, Qt::KeypadModifier);
    Type(Qt::Key_Asterisk, Qt::KeypadModifier);
    Type(Qt::Key_2, Qt::KeypadModifier);
    Type(Qt::Key_Minus, Qt::KeypadModifier);
    Type(Qt::Key_5, Qt::KeypadModifier);
    Type(Qt::Key_Slash, Qt::KeypadModifier);
    Type(Qt::Key_3, Qt::KeypadModifier);
    Type(Qt::Key_Period, Qt::KeypadModifier);
    Type(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Display(), "5.");
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
    Click(1007);
    EXPECT_EQ(QApplication::focusWidget(), Control(kFocusSinkId));
    Click(1150);  // a key with a tab stop (CE) does not keep the focus either
    EXPECT_EQ(QApplication::focusWidget(), Control(kFocusSinkId));
    TypeText("3+");
    EXPECT_EQ(QApplication::focusWidget(), Control(kFocusSinkId));
    // Keys still work whatever holds the focus.
    Control(1150)->setFocus();
    TypeText("4=");
    EXPECT_EQ(Display(), "7.");
    EXPECT_EQ(QApplication::focusWidget(), Control(kFocusSinkId));
}

TEST_F(CalcWindow, ClickingIntoTheDisplayLeavesNoCaret)
{
    TypeText("25");
    QWidget* display = Control(kDisplayId);
    QTest::mouseClick(display, Qt::LeftButton);
    EXPECT_FALSE(display->hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), Control(kFocusSinkId));
    display->setFocus();  // by any means
    EXPECT_FALSE(display->hasFocus());
    TypeText("0");
    EXPECT_EQ(Display(), "250.");
}

TEST_F(CalcWindow, CommandsWithoutControlsAreRouted)
{
    TypeText("2");
    calc->SendCommand(1027);  // inches to millimetres
    EXPECT_EQ(Display(), "50.8");
    TypeText("=");
    calc->SendCommand(1028);  // and back
    EXPECT_EQ(Display(), "2");
    TypeText("5");
    calc->SendCommand(1049);  // percent
    EXPECT_EQ(Display(), "0.025");
    calc->SendCommand(32789);  // no handler: nothing happens
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

}  // namespace
