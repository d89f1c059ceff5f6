// The Photo Sizing dialog worked as a user works it: typing into its two
// fields and clicking the unit buttons, each click converting in place;
// Done saving the sizes. Every opening is a real modal run. (Opening,
// refusals and closing are the utility dialog contract's.)

#include "ModalTestSupport.h"

#include "utilities/engineering/PhotoSizeDlg.h"

#include <QLabel>
#include <QPixmap>

namespace {

using Photo = CPhotoSizeDlg;

class PhotoSizing : public ::testing::Test {
protected:
    Photo dlg;
};

// The picture stands left of the height field; the unit buttons are
// reached with Tab and chosen with Space, as the mouse would.
TEST_F(PhotoSizing, PictureBesideTheHeightAndUnitButtonsChosenFromTheKeyboard)
{
    RunModal(dlg, [this] {
        auto* picture =
            qobject_cast<QLabel*>(dlg.Widget()->childAt(Control(dlg, Photo::kHeightEdit)->x() - 5, 20));
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(picture->pixmap().isNull());
        TypeInto(dlg, Photo::kHeightEdit, "4");
        Control(dlg, Photo::kHeightPixels)->setFocus(Qt::TabFocusReason);
        Press(dlg, Qt::Key_Space);
        EXPECT_EQ(dlg.GetDlgItemText(Photo::kHeightEdit), "288.0000");
        EXPECT_TRUE(Checked(dlg, Photo::kHeightPixels));
        dlg.SendCommand(IDCANCEL);
    });
}

TEST_F(PhotoSizing, WorkedExamplesToTheLastDigit)
{
    RunModal(dlg, [this] {
        TypeInto(dlg, Photo::kHeightEdit, "4");
        Click(dlg, Photo::kHeightPixels);
        EXPECT_EQ(dlg.GetDlgItemText(Photo::kHeightEdit), "288.0000");
        Click(dlg, Photo::kHeightInches);
        EXPECT_EQ(dlg.GetDlgItemText(Photo::kHeightEdit), "4.0000");

        TypeInto(dlg, Photo::kWidthEdit, "100");
        Click(dlg, Photo::kWidthPixels);
        EXPECT_EQ(dlg.GetDlgItemText(Photo::kWidthEdit), "7200.0000");

        // 1 pixel: each switch rounds to four decimals.
        TypeInto(dlg, Photo::kWidthEdit, "1");
        Click(dlg, Photo::kWidthInches);
        EXPECT_EQ(dlg.GetDlgItemText(Photo::kWidthEdit), "0.0139");
        Click(dlg, Photo::kWidthPixels);
        EXPECT_EQ(dlg.GetDlgItemText(Photo::kWidthEdit), "1.0008");
        dlg.SendCommand(IDCANCEL);
    });
}

TEST_F(PhotoSizing, ClickingTheSelectedUnitAgainConvertsNothing)
{
    RunModal(dlg, [this] {
        TypeInto(dlg, Photo::kHeightEdit, "4");
        Click(dlg, Photo::kHeightPixels);
        Click(dlg, Photo::kHeightPixels);
        EXPECT_EQ(dlg.GetDlgItemText(Photo::kHeightEdit), "288.0000");
        EXPECT_TRUE(Checked(dlg, Photo::kHeightPixels));
        EXPECT_FALSE(Checked(dlg, Photo::kHeightInches));
        // The selected unit clicked while the text is as typed keeps it.
        TypeInto(dlg, Photo::kWidthEdit, "2.5");
        Click(dlg, Photo::kWidthInches);
        EXPECT_EQ(dlg.GetDlgItemText(Photo::kWidthEdit), "2.5");
        EXPECT_TRUE(Checked(dlg, Photo::kWidthInches));
        dlg.SendCommand(IDCANCEL);
    });
}

TEST_F(PhotoSizing, ConvertingOneDimensionLeavesTheOtherAlone)
{
    RunModal(dlg, [this] {
        TypeInto(dlg, Photo::kHeightEdit, "3");
        TypeInto(dlg, Photo::kWidthEdit, "5");
        Click(dlg, Photo::kWidthPixels);
        EXPECT_EQ(dlg.GetDlgItemText(Photo::kWidthEdit), "360.0000");
        EXPECT_EQ(dlg.GetDlgItemText(Photo::kHeightEdit), "3");
        EXPECT_TRUE(Checked(dlg, Photo::kHeightInches));
        EXPECT_FALSE(Checked(dlg, Photo::kHeightPixels));
        Click(dlg, Photo::kHeightPixels);
        EXPECT_EQ(dlg.GetDlgItemText(Photo::kHeightEdit), "216.0000");
        EXPECT_EQ(dlg.GetDlgItemText(Photo::kWidthEdit), "360.0000");
        EXPECT_TRUE(Checked(dlg, Photo::kWidthPixels));
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
        Photo fresh;
        CString shown;
        RunModal(fresh, [&] {
            TypeInto(fresh, Photo::kHeightEdit, c.typed);
            Click(fresh, Photo::kHeightPixels);
            shown = fresh.GetDlgItemText(Photo::kHeightEdit);
            fresh.SendCommand(IDCANCEL);
        });
        EXPECT_EQ(shown, c.pixels) << '"' << c.typed << '"';
    }
}

TEST_F(PhotoSizing, EnterInAFieldPressesDoneWhichClosesWithValidSizes)
{
    const int result = RunModal(dlg, [this] {
        TypeInto(dlg, Photo::kHeightEdit, "4");
        TypeInto(dlg, Photo::kWidthEdit, " 9999.99 ");
        QTest::keyClick(Edit(dlg, Photo::kWidthEdit), Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_height, 4.0);
    EXPECT_EQ(dlg.m_width, 9999.99);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

// The limit holds in whichever unit the field is; the refusal keeps the
// user's choice of unit.
TEST_F(PhotoSizing, ConvertedValueAboveTheLimitBlocksDoneButEscStillCloses)
{
    MessageBoxAnswerer box;
    const int result = RunModal(dlg, [&] {
        TypeInto(dlg, Photo::kHeightEdit, "139");
        Click(dlg, Photo::kHeightPixels);
        EXPECT_EQ(dlg.GetDlgItemText(Photo::kHeightEdit), "10008.0000");
        box.Arm();
        QTest::keyClick(Edit(dlg, Photo::kHeightEdit), Qt::Key_Return);
        EXPECT_TRUE(box.shown);
        EXPECT_TRUE(IsOpen(dlg));
        EXPECT_TRUE(Checked(dlg, Photo::kHeightPixels));
        EXPECT_FALSE(Checked(dlg, Photo::kHeightInches));
        box.Arm();
        QTest::keyClick(Edit(dlg, Photo::kHeightEdit), Qt::Key_Escape);
        EXPECT_FALSE(box.shown);
    });
    EXPECT_EQ(result, IDCANCEL);
}

}  // namespace
