// The Photo Sizing dialog worked as a user works it: typing into its two
// fields, clicking the unit buttons, closing with Done, Enter, Esc and the
// close box. Every opening is a real modal run.

#include "ModalTestSupport.h"

#include "utilities/engineering/PhotoSizeDlg.h"

#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kHeight = 1110;
constexpr int kWidth = 1111;
constexpr int kHeightInches = 1105;
constexpr int kHeightPixels = 1106;
constexpr int kWidthInches = 1107;
constexpr int kWidthPixels = 1108;

class PhotoSizing : public ::testing::Test {
protected:
    // Replaces a field's text the way a user does: select all, type.
    static void Type(const CDialog& dlg, int id, const char* text)
    {
        QLineEdit* edit = Edit(dlg, id);
        ASSERT_NE(edit, nullptr) << id;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }

    static void Click(const CDialog& dlg, int id)
    {
        QWidget* button = Control(dlg, id);
        ASSERT_NE(button, nullptr) << id;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    static std::string Text(const CDialog& dlg, int id) { return dlg.GetDlgItemText(id); }

    static bool Checked(const CDialog& dlg, int id) { return dlg.IsDlgButtonChecked(id) == BST_CHECKED; }

    static bool StillOpen(const CDialog& dlg) { return dlg.Widget() != nullptr && dlg.Widget()->isVisible(); }

    CPhotoSizeDlg dlg;
};

TEST_F(PhotoSizing, OpensWithZeroInInchesForBothDimensions)
{
    RunModal(dlg, [this] {
        EXPECT_EQ(dlg.Widget()->windowTitle().toStdString(), "Photo Sizing");
        EXPECT_EQ(Text(dlg, kHeight), "0");
        EXPECT_EQ(Text(dlg, kWidth), "0");
        EXPECT_TRUE(Checked(dlg, kHeightInches));
        EXPECT_FALSE(Checked(dlg, kHeightPixels));
        EXPECT_TRUE(Checked(dlg, kWidthInches));
        EXPECT_FALSE(Checked(dlg, kWidthPixels));
        EXPECT_EQ(Text(dlg, IDOK), "Done");
        // The picture is there, the unit buttons take no tab stop.
        auto* picture = qobject_cast<QLabel*>(dlg.Widget()->childAt(Control(dlg, kHeight)->x() - 5, 20));
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(picture->pixmap().isNull());
        EXPECT_FALSE(Control(dlg, kWidthPixels)->focusPolicy() & Qt::TabFocus);
    });
}

TEST_F(PhotoSizing, WorkedExamplesToTheLastDigit)
{
    RunModal(dlg, [this] {
        Type(dlg, kHeight, "4");
        Click(dlg, kHeightPixels);
        EXPECT_EQ(Text(dlg, kHeight), "288.0000");
        Click(dlg, kHeightInches);
        EXPECT_EQ(Text(dlg, kHeight), "4.0000");

        Type(dlg, kWidth, "100");
        Click(dlg, kWidthPixels);
        EXPECT_EQ(Text(dlg, kWidth), "7200.0000");

        // 1 pixel: each switch rounds to four decimals.
        Type(dlg, kWidth, "1");
        Click(dlg, kWidthInches);
        EXPECT_EQ(Text(dlg, kWidth), "0.0139");
        Click(dlg, kWidthPixels);
        EXPECT_EQ(Text(dlg, kWidth), "1.0008");
        dlg.SendCommand(IDCANCEL);
    });
}

TEST_F(PhotoSizing, ClickingTheSelectedUnitAgainConvertsNothing)
{
    RunModal(dlg, [this] {
        Type(dlg, kHeight, "4");
        Click(dlg, kHeightPixels);
        Click(dlg, kHeightPixels);
        EXPECT_EQ(Text(dlg, kHeight), "288.0000");
        EXPECT_TRUE(Checked(dlg, kHeightPixels));
        EXPECT_FALSE(Checked(dlg, kHeightInches));
        // The selected unit clicked while the text is as typed keeps it.
        Type(dlg, kWidth, "2.5");
        Click(dlg, kWidthInches);
        EXPECT_EQ(Text(dlg, kWidth), "2.5");
        EXPECT_TRUE(Checked(dlg, kWidthInches));
        dlg.SendCommand(IDCANCEL);
    });
}

TEST_F(PhotoSizing, ConvertingOneDimensionLeavesTheOtherAlone)
{
    RunModal(dlg, [this] {
        Type(dlg, kHeight, "3");
        Type(dlg, kWidth, "5");
        Click(dlg, kWidthPixels);
        EXPECT_EQ(Text(dlg, kWidth), "360.0000");
        EXPECT_EQ(Text(dlg, kHeight), "3");
        EXPECT_TRUE(Checked(dlg, kHeightInches));
        EXPECT_FALSE(Checked(dlg, kHeightPixels));
        Click(dlg, kHeightPixels);
        EXPECT_EQ(Text(dlg, kHeight), "216.0000");
        EXPECT_EQ(Text(dlg, kWidth), "360.0000");
        EXPECT_TRUE(Checked(dlg, kWidthPixels));
        dlg.SendCommand(IDCANCEL);
    });
}

TEST_F(PhotoSizing, TextThatIsNotANumberConvertsAsItsNumericPrefix)
{
    const struct {
        const char* typed;
        const char* pixels;
    } cases[] = {
        {"abc", "0.0000"}, {"12abc", "864.0000"}, {"1,5", "72.0000"}, {" .5", "36.0000"},
        {"0x10", "0.0000"}, {"inf", "0.0000"}, {"", "0.0000"}, {"1e400", "inf"}, {"-2", "-144.0000"},
    };
    for (const auto& c : cases) {
        CPhotoSizeDlg fresh;
        std::string shown;
        RunModal(fresh, [&] {
            Type(fresh, kHeight, c.typed);
            Click(fresh, kHeightPixels);
            shown = Text(fresh, kHeight);
            fresh.SendCommand(IDCANCEL);
        });
        EXPECT_EQ(shown, c.pixels) << '"' << c.typed << '"';
    }
}

TEST_F(PhotoSizing, EnterInAFieldPressesDoneWhichClosesWithValidSizes)
{
    const int result = RunModal(dlg, [this] {
        Type(dlg, kHeight, "4");
        Type(dlg, kWidth, " 9999.99 ");
        QTest::keyClick(Edit(dlg, kWidth), Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_height, 4.0);
    EXPECT_EQ(dlg.m_width, 9999.99);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

// Done, or Enter, refuses a field; the message names the limits, the field
// gets the focus with its text selected and everything stays as typed.
TEST_F(PhotoSizing, DoneRefusesAFieldThatIsNotASizeFromZeroTo9999_99)
{
    const struct {
        const char* height;
        const char* width;
        int failing;
        const char* message;
    } cases[] = {
        {"", "1", kHeight, "Please enter a number."},
        {"12abc", "1", kHeight, "Please enter a number."},
        {"1", "inf", kWidth, "Please enter a number."},
        {"1", "nan", kWidth, "Please enter a number."},
        {"1", "-0.5", kWidth, "Please enter a number between 0 and 9999.99."},
        {"10000", "1", kHeight, "Please enter a number between 0 and 9999.99."},
        {"1e400", "1", kHeight, "Please enter a number between 0 and 9999.99."},
        {"x", "y", kHeight, "Please enter a number."},  // the first field stops the check
    };
    for (const auto& c : cases) {
        CPhotoSizeDlg fresh;
        MessageBoxAnswerer box;
        bool open = false;
        QWidget* focus = nullptr;
        QWidget* failingField = nullptr;
        QString selected;
        std::string height, width;
        bool pixelsChecked = false;
        const int result = RunModal(fresh, [&] {
            Type(fresh, kHeight, c.height);
            Type(fresh, kWidth, c.width);
            Click(fresh, kWidthPixels);
            Type(fresh, kWidth, c.width);  // as typed, in pixels now
            box.Arm();
            Click(fresh, IDOK);
            open = StillOpen(fresh);
            focus = fresh.Widget()->focusWidget();
            failingField = Control(fresh, c.failing);
            selected = Edit(fresh, c.failing)->selectedText();
            height = Text(fresh, kHeight);
            width = Text(fresh, kWidth);
            pixelsChecked = Checked(fresh, kWidthPixels) && !Checked(fresh, kWidthInches);
            fresh.SendCommand(IDCANCEL);
        });
        SCOPED_TRACE(std::string(c.height) + " / " + c.width);
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_TRUE(box.shown);
        EXPECT_EQ(box.text, c.message);
        EXPECT_EQ(box.caption, "Numbrix Calc");
        EXPECT_TRUE(open);
        EXPECT_EQ(focus, failingField);
        EXPECT_EQ(selected, QString::fromLatin1(c.failing == kHeight ? c.height : c.width));
        EXPECT_EQ(height, c.height);
        EXPECT_EQ(width, c.width);
        EXPECT_TRUE(pixelsChecked) << "the radio buttons keep the user's choice";
    }
}

TEST_F(PhotoSizing, RefusedFieldTakesTheFocus)
{
    MessageBoxAnswerer box;
    RunModal(dlg, [&] {
        Type(dlg, kWidth, "12abc");
        Edit(dlg, kHeight)->setFocus();
        box.Arm();
        QTest::keyClick(Edit(dlg, kHeight), Qt::Key_Return);
        EXPECT_TRUE(box.shown);
        EXPECT_TRUE(StillOpen(dlg));
        EXPECT_EQ(dlg.Widget()->focusWidget(), Control(dlg, kWidth));
        EXPECT_EQ(Edit(dlg, kWidth)->selectedText(), "12abc");
        dlg.SendCommand(IDCANCEL);
    });
}

TEST_F(PhotoSizing, ConvertedValueAboveTheLimitBlocksDoneButEscStillCloses)
{
    MessageBoxAnswerer box;
    const int result = RunModal(dlg, [&] {
        Type(dlg, kHeight, "139");
        Click(dlg, kHeightPixels);
        EXPECT_EQ(Text(dlg, kHeight), "10008.0000");
        box.Arm();
        QTest::keyClick(Edit(dlg, kHeight), Qt::Key_Return);
        EXPECT_TRUE(box.shown);
        EXPECT_TRUE(StillOpen(dlg));
        box.Arm();
        QTest::keyClick(Edit(dlg, kHeight), Qt::Key_Escape);
        EXPECT_FALSE(box.shown);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(PhotoSizing, CloseBoxClosesWhateverTheFieldsHold)
{
    MessageBoxAnswerer box;
    const int result = RunModal(dlg, [&] {
        Type(dlg, kHeight, "not a size");
        box.Arm();
        dlg.Widget()->close();  // the close box and the window manager's close
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(box.shown);

    CPhotoSizeDlg again;
    const int altF4 = RunModal(again, [&] {
        Type(again, kWidth, "");
        box.Arm();
        QTest::keyClick(Edit(again, kWidth), Qt::Key_F4, Qt::AltModifier);
    });
    EXPECT_EQ(altF4, IDCANCEL);
    EXPECT_FALSE(box.shown);
}

TEST_F(PhotoSizing, SecondOpeningShowsTheStartingValues)
{
    RunModal(dlg, [this] {
        Type(dlg, kHeight, "4");
        Click(dlg, kHeightPixels);
        Type(dlg, kWidth, "7");
        Click(dlg, IDOK);
    });
    ASSERT_EQ(dlg.GetSafeHwnd(), nullptr);

    CPhotoSizeDlg second;
    RunModal(second, [&] {
        EXPECT_EQ(Text(second, kHeight), "0");
        EXPECT_EQ(Text(second, kWidth), "0");
        EXPECT_TRUE(Checked(second, kHeightInches));
        EXPECT_FALSE(Checked(second, kHeightPixels));
        // Converting from the fresh state works from inches again.
        Type(second, kHeight, "1");
        Click(second, kHeightPixels);
        EXPECT_EQ(Text(second, kHeight), "72.0000");
        second.SendCommand(IDCANCEL);
    });
}

}  // namespace
