// What assistive technology calls the program's controls, worked out from
// the real templates: each case is one way a label stands by its control.

#include "platform/dialog/detail/ControlLabels.h"

#include "calc/AboutDlg.h"
#include "calc/CalcDlg.h"
#include "utilities/engineering/BoltHoleDlg.h"
#include "utilities/engineering/PhotoSizeDlg.h"
#include "utilities/engineering/TrigDlg.h"
#include "utilities/finance/AccruedDlg.h"
#include "utilities/finance/CreditCardDlg.h"
#include "utilities/finance/LoanDlg.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct NameCase {
    int dialog;
    int control;
    const char* name;
    const char* description;
    const char* why;
};

const NameCase kNameCases[] = {
    {CLoanDlg::kTemplate, CLoanDlg::kAmount, "Amount Borrowed: $", "", "a label listed before the edits"},
    {CLoanDlg::kTemplate, CLoanDlg::kTerm, "Number of", "", "beside, past the unit buttons"},
    {CLoanDlg::kTemplate, CLoanDlg::kInterest, "Interest: $", "", "a result: the nearer of two beside"},
    {CTrigDlg::kTemplate, CTrigDlg::kAngleA, "Angle (A):", "", "only above"},
    {CTrigDlg::kTemplate, CTrigDlg::kSideB, "Side (b):", "", "above, nearer than one across the picture"},
    {CTrigDlg::kTemplate, CTrigDlg::kResultLine, "Result:", "", "a disabled edit is named too"},
    {CAboutDlg::kTemplate, CAboutDlg::kDiskFigure, "Hard drive space:", "", "near beside beats one above"},
    {CBoltHoleDlg::kTemplate, CBoltHoleDlg::kBoltDia, "Bolt Circle Dia:", "", "the mnemonic taken out"},
    {CBoltHoleDlg::kTemplate, CBoltHoleDlg::kSpacingDisplay, "Spacing Angle:", "", "a bordered result"},
    {CBoltHoleDlg::kTemplate, CBoltHoleDlg::kListDisplay, "Hole coordinates", "", "no label near: the template names it"},
    {CAccruedDlg::kTemplate, CAccruedDlg::kAccrued, "Accrued Amount $", "", "a lone sign led by its group"},
    {CCreditCardDlg::kTemplate, CCreditCardDlg::kPayoffTime, "Credit card will be paid off in", "",
     "the trailing blank gone"},
    {CPhotoSizeDlg::kTemplate, CPhotoSizeDlg::kWidthEdit, "Width", "", "the template's table"},
    {CPhotoSizeDlg::kTemplate, CPhotoSizeDlg::kWidthPixels, "", "Width in pixels",
     "a button names itself; the table describes it"},
    {CCalcDlg::kTemplate, CCalcDlg::kDisplay, "Display", "", "the template's table"},
    {CCalcDlg::kTemplate, CCalcDlg::kFocusSink, "", "", "a static without a frame is no result"},
};

TEST(ControlLabels, NameEachControlAsItsLabelOrTheTemplateSays)
{
    for (const NameCase& c : kNameCases) {
        SCOPED_TRACE(c.why);
        const DialogTemplate* dialog = FindDialogTemplate(c.dialog);
        ASSERT_NE(dialog, nullptr);
        const auto control = std::find_if(dialog->controls.begin(), dialog->controls.end(),
                                          [&](const ControlTemplate& t) { return t.id == c.control; });
        ASSERT_NE(control, dialog->controls.end());
        EXPECT_EQ(AccessibleNameOf(*dialog, *control), c.name);
        EXPECT_EQ(AccessibleDescriptionOf(*dialog, *control), c.description);
    }
}

TEST(ControlLabels, MnemonicMarksGoAndGiveTheMnemonic)
{
    EXPECT_EQ(WithoutMnemonic("&Write It!"), "Write It!");
    EXPECT_EQ(WithoutMnemonic("Save && &Quit "), "Save & Quit");
    EXPECT_EQ(WithoutMnemonic(" & "), "");
    EXPECT_EQ(WithoutMnemonic(nullptr), "");
    // The letter the mark stands before, upper case; "&&" is no mark.
    EXPECT_EQ(MnemonicOf("&Write It!"), 'W');
    EXPECT_EQ(MnemonicOf("Bolt &x"), 'X');
    EXPECT_EQ(MnemonicOf("Save && &2"), '2');
    EXPECT_EQ(MnemonicOf("Save && Quit"), '\0');
    EXPECT_EQ(MnemonicOf("Ends in &"), '\0');
    EXPECT_EQ(MnemonicOf("& blank"), '\0');
    EXPECT_EQ(MnemonicOf(nullptr), '\0');
}

}  // namespace
