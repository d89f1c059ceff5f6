// The bolt-hole dialog's opening and closing: the starting values, Done and
// Esc refusing a field the exchange rejects, Done saving, the close box
// closing anyway, and a second opening starting afresh.

#include "BoltHoleTestSupport.h"

#include "utilities/engineering/BoltHoleDlg.h"

#include <QLabel>

namespace {

using namespace bolt_test;

TEST(BoltHoleDlg, OpensWithTheStartingValues)
{
    CBoltHoleDlg dlg;
    std::vector<CString> inputs;
    CString caption;
    CString spacing;
    Lists lists;
    bool hiddenListVisible = true;
    QSize pictureSize;
    const int result = RunModal(dlg, [&] {
        for (int id : kInputs)
            inputs.push_back(dlg.GetDlgItemText(id));
        caption = dlg.GetWindowText();
        spacing = dlg.GetDlgItemText(kSpacingDisplay);
        lists = ListsOf(dlg);
        hiddenListVisible = Control(dlg, kHiddenList)->isVisible();
        for (const QLabel* label : dlg.Widget()->findChildren<QLabel*>()) {
            if (!label->pixmap().isNull())
                pictureSize = label->pixmap().size();
        }
        Press(dlg, Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(caption, "Bolt Hole Dialog");
    EXPECT_EQ(inputs, (std::vector<CString>{"4", "1", "360", "0", "0", "0", "0"}));
    EXPECT_EQ(spacing, "90.00");
    EXPECT_EQ(lists.display, "");
    EXPECT_EQ(lists.hidden, "");
    EXPECT_FALSE(hiddenListVisible);
    EXPECT_EQ(pictureSize, QSize(126, 136));
}

struct RefusedField {
    const char* name;
    int id;
    const char* text;
    bool byEsc;
};

const RefusedField kRefused[] = {
    {"2.5 holes", kHoles, "2.5", false},
    {"1000 holes", kHoles, "1000", true},
    {"empty diameter", kBoltDia, "", false},
    {"total angle above 9999.99", kTotalAngle, "10000", true},
    {"negative initial angle", kInitAngle, "-1", false},
    {"12abc as X", kCenterX, "12abc", true},
    {"Y below -9999.99", kCenterY, "-9999.991", false},
    {"nan as Z", kCenterZ, "nan", true},
};

void PrintTo(const RefusedField& field, std::ostream* os)
{
    *os << field.name;
}

class BoltHoleRefusedAtDone : public ::testing::TestWithParam<RefusedField> {};

TEST_P(BoltHoleRefusedAtDone, KeepsTheDialogOpenWithTheFieldFocused)
{
    const RefusedField& field = GetParam();
    CBoltHoleDlg dlg;
    MessageBoxAnswerer answer;
    bool stillOpen = false;
    bool focusOnField = false;
    CString text;
    RunModal(dlg, [&] {
        TypeInto(dlg, field.id, field.text);
        answer.Arm();
        if (field.byEsc)
            Press(dlg, Qt::Key_Escape);
        else
            Click(dlg, IDOK);
        stillOpen = dlg.Widget()->isVisible();
        focusOnField = dlg.Widget()->focusWidget() == Edit(dlg, field.id);
        text = dlg.GetDlgItemText(field.id);
    });
    EXPECT_TRUE(answer.shown);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(focusOnField);
    EXPECT_EQ(text, field.text);
}

INSTANTIATE_TEST_SUITE_P(BoltHoleDlg, BoltHoleRefusedAtDone, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return "field" + std::to_string(info.index); });

TEST(BoltHoleDlg, DoneSavesTheFieldsAndCloses)
{
    CBoltHoleDlg dlg;
    const int result = RunModal(dlg, [&] {
        TypeInto(dlg, kHoles, " 999 ");
        TypeInto(dlg, kCenterX, "-9999.99");
        TypeInto(dlg, kBoltDia, "12.5");
        Click(dlg, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_holes, 999);
    EXPECT_EQ(dlg.m_centerX, -9999.99);
    EXPECT_EQ(dlg.m_boltDia, 12.5);
}

TEST(BoltHoleDlg, CloseBoxClosesWhatDoneWouldRefuse)
{
    CBoltHoleDlg dlg;
    MessageBoxAnswerer answer;
    const int result = RunModal(dlg, [&] {
        TypeInto(dlg, kHoles, "2.5");
        answer.Arm();
        dlg.Widget()->close();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(answer.shown);
}

TEST(BoltHoleDlg, SecondOpeningShowsTheStartingValues)
{
    {
        CBoltHoleDlg first;
        RunModal(first, [&] {
            TypeInto(first, kHoles, "6");
            TypeInto(first, kBoltDia, "100");
            Click(first, kWriteIt);
            Click(first, IDOK);
        });
    }
    CBoltHoleDlg second;
    std::vector<CString> inputs;
    Lists lists;
    CString spacing;
    RunModal(second, [&] {
        for (int id : kInputs)
            inputs.push_back(second.GetDlgItemText(id));
        lists = ListsOf(second);
        spacing = second.GetDlgItemText(kSpacingDisplay);
    });
    EXPECT_EQ(inputs, (std::vector<CString>{"4", "1", "360", "0", "0", "0", "0"}));
    EXPECT_EQ(lists.display, "");
    EXPECT_EQ(lists.hidden, "");
    EXPECT_EQ(spacing, "90.00");
}

}  // namespace
