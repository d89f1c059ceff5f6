// The result fields as a reader and a copier meet them: assistive
// technology reads a result by its label's name and its text, and can
// neither rewrite it nor take an input edit for one; the mouse selects a
// result and Ctrl+C copies it. Photo Sizing's unit buttons are radio buttons
// told apart by their descriptions. (The whole program through AT-SPI is
// tests/xvfb/atspi_walk.py.)

#include "ModalTestSupport.h"

#include "utilities/engineering/PhotoSizeDlg.h"
#include "utilities/finance/LoanDlg.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

namespace {

const std::vector<UserStep> kGuideLoan = {
    {CLoanDlg::kAmount, "10000"}, {CLoanDlg::kApr, "6"}, {CLoanDlg::kTerm, "5"}, {CLoanDlg::kCalcIt}};

QAccessibleInterface* AccessibleOf(const CDialog& dlg, int id)
{
    return QAccessible::queryAccessibleInterface(Control(dlg, id));
}

TEST(ResultFields, ReadByLabelAndTextAndNeverRewrittenByAssistiveTechnology)
{
    CLoanDlg dlg;
    RunModal(dlg, [&] {
        Perform(dlg, kGuideLoan);
        QAccessibleInterface* result = AccessibleOf(dlg, CLoanDlg::kInterest);
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(result->text(QAccessible::Name), "Interest: $");
        EXPECT_EQ(result->role(), QAccessible::EditableText);
        EXPECT_TRUE(result->state().readOnly);
        ASSERT_NE(result->textInterface(), nullptr);
        EXPECT_EQ(result->textInterface()->text(0, -1), "1599.68");
        EXPECT_EQ(result->editableTextInterface(), nullptr);
        result->setText(QAccessible::Value, "0");
        EXPECT_EQ(dlg.GetDlgItemText(CLoanDlg::kInterest), "1599.68");

        QAccessibleInterface* input = AccessibleOf(dlg, CLoanDlg::kAmount);
        EXPECT_EQ(input->text(QAccessible::Name), "Amount Borrowed: $");
        ASSERT_NE(input->editableTextInterface(), nullptr) << "an input edit stays writable";
        input->editableTextInterface()->replaceText(0, 5, "2");
        EXPECT_EQ(dlg.GetDlgItemText(CLoanDlg::kAmount), "2");
        dlg.SendCommand(IDCANCEL);
    });
}

TEST(ResultFields, SelectedWithTheMouseCopiedWithCtrlCAndReachedByTab)
{
    CLoanDlg dlg;
    QString copied;
    bool tabStop = false;
    RunModal(dlg, [&] {
        Perform(dlg, kGuideLoan);
        QGuiApplication::clipboard()->clear();
        QWidget* result = Control(dlg, CLoanDlg::kPayment);
        const int middle = result->height() / 2;
        QTest::mousePress(result, Qt::LeftButton, Qt::NoModifier, QPoint(1, middle));
        QTest::mouseMove(result, QPoint(result->width() - 2, middle));
        QTest::mouseRelease(result, Qt::LeftButton, Qt::NoModifier, QPoint(result->width() - 2, middle));
        Press(dlg, Qt::Key_C, Qt::ControlModifier);
        copied = QGuiApplication::clipboard()->text();
        tabStop = (result->focusPolicy() & Qt::TabFocus) != 0;
        dlg.SendCommand(IDCANCEL);
    });
    EXPECT_EQ(copied, "193.33");
    EXPECT_TRUE(tabStop) << "a result must be reachable from the keyboard, to be read out";
}

TEST(ResultFields, PhotoSizingUnitButtonsAreRadioButtonsToldApart)
{
    CPhotoSizeDlg dlg;
    std::vector<std::pair<QAccessible::Role, QString>> seen;
    RunModal(dlg, [&] {
        for (const int id : {CPhotoSizeDlg::kHeightInches, CPhotoSizeDlg::kWidthPixels}) {
            QAccessibleInterface* button = AccessibleOf(dlg, id);
            seen.emplace_back(button->role(), button->text(QAccessible::Name) + " / " +
                                                  button->text(QAccessible::Description));
        }
        // Pressed through its action, a radio button is checked as by a click.
        AccessibleOf(dlg, CPhotoSizeDlg::kWidthPixels)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        seen.emplace_back(QAccessible::NoRole, Checked(dlg, CPhotoSizeDlg::kWidthPixels) ? "checked" : "not");
        dlg.SendCommand(IDCANCEL);
    });
    const std::vector<std::pair<QAccessible::Role, QString>> expected = {
        {QAccessible::RadioButton, "inches / Height in inches"},
        {QAccessible::RadioButton, "pixels / Width in pixels"},
        {QAccessible::NoRole, "checked"},
    };
    EXPECT_EQ(seen, expected);
}

// The keypad's decimal key types the point into an edit also where the
// layout gives it the comma; the comma of the main keys stays a comma.
TEST(ResultFields, KeypadDecimalKeyTypesThePointIntoAnEdit)
{
    CLoanDlg dlg;
    CString keypad;
    CString mainKeys;
    RunModal(dlg, [&] {
        TypeInto(dlg, CLoanDlg::kAmount, "");
        for (const auto& [key, modifiers] : {std::pair{Qt::Key_1, Qt::KeypadModifier}, {Qt::Key_Comma, Qt::KeypadModifier},
                                             {Qt::Key_5, Qt::KeypadModifier}})
            Press(dlg, key, modifiers);
        keypad = dlg.GetDlgItemText(CLoanDlg::kAmount);
        TypeInto(dlg, CLoanDlg::kAmount, "1,5");
        mainKeys = dlg.GetDlgItemText(CLoanDlg::kAmount);
        dlg.SendCommand(IDCANCEL);
    });
    EXPECT_EQ(keypad, "1.5");
    EXPECT_EQ(mainKeys, "1,5");
}

}  // namespace
