// The utility dialogs' accelerator tables: Esc sends Done (1), Enter the
// dialog's compute command, Ctrl+C and Alt+C the two extra shortcuts, each
// only with exactly its modifiers. Photo Sizing (165) has no table.

#include "KeyMessages.h"

#include "calc/AboutDlg.h"
#include "utilities/engineering/BoltHoleDlg.h"
#include "utilities/engineering/PhotoSizeDlg.h"
#include "utilities/engineering/TrigDlg.h"
#include "utilities/finance/AccruedDlg.h"
#include "utilities/finance/CreditCardDlg.h"
#include "utilities/finance/GoalDlg.h"
#include "utilities/finance/LoanDlg.h"
#include "utilities/finance/PayoffDlg.h"
#include "utilities/finance/SavingsDlg.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct TableCase {
    int table;
    int enterCommand;
    // The extra shortcut, 0 for none.
    WORD extraKey;
    bool extraWithControl;
    int extraCommand;
};

const TableCase kTables[] = {
    {CBoltHoleDlg::kTemplate, CBoltHoleDlg::kWriteIt, 'C', true, CBoltHoleDlg::kCopy},
    {CTrigDlg::kTemplate, CTrigDlg::kCalcIt, 'C', false, CTrigDlg::kClearAll},
    {CLoanDlg::kTemplate, CLoanDlg::kCalcIt, 0, false, 0},
    {CSavingsDlg::kTemplate, CSavingsDlg::kCalcIt, 0, false, 0},
    {CAccruedDlg::kTemplate, CAccruedDlg::kCalcIt, 0, false, 0},
    {CCreditCardDlg::kTemplate, CCreditCardDlg::kCalcIt, 0, false, 0},
    {CGoalDlg::kTemplate, CGoalDlg::kCalcIt, 0, false, 0},
    {CPayoffDlg::kTemplate, CPayoffDlg::kCalcIt, 0, false, 0},
};

std::optional<WORD> Match(int table, const MSG& msg)
{
    return MatchAccelerator(LoadAccelerators(table), msg);
}

TEST(UtilityAccelerators, EscIsDoneAndEnterComputes)
{
    for (const TableCase& t : kTables) {
        SCOPED_TRACE(t.table);
        ASSERT_NE(LoadAccelerators(t.table), nullptr);
        EXPECT_EQ(Match(t.table, Key(VK_ESCAPE)), std::optional<WORD>(1));
        EXPECT_EQ(Match(t.table, Key(VK_RETURN)), std::optional<WORD>(t.enterCommand));
        // "none" means Shift, Ctrl and Alt all up.
        EXPECT_FALSE(Match(t.table, Key(VK_RETURN, true)).has_value());
        EXPECT_FALSE(Match(t.table, Key(VK_ESCAPE, false, true)).has_value());
        EXPECT_FALSE(Match(t.table, Key(VK_RETURN, false, false, true)).has_value());
        // Keys the table does not name are left to the ordinary dialog keys.
        EXPECT_FALSE(Match(t.table, Key(VK_TAB)).has_value());
        EXPECT_FALSE(Match(t.table, Key(VK_F4, false, false, true)).has_value());
    }
}

TEST(UtilityAccelerators, CopyAndClearAllNeedExactlyTheirModifier)
{
    for (const TableCase& t : kTables) {
        SCOPED_TRACE(t.table);
        const MSG ctrlC = Key('C', false, true, false);
        const MSG altC = Key('C', false, false, true);
        const std::optional<WORD> none;
        const std::optional<WORD> extra = t.extraKey != 0 ? std::optional<WORD>(t.extraCommand) : none;
        EXPECT_EQ(Match(t.table, ctrlC), t.extraWithControl ? extra : none);
        EXPECT_EQ(Match(t.table, altC), t.extraKey != 0 && !t.extraWithControl ? extra : none);
        EXPECT_FALSE(Match(t.table, Key('C')).has_value());
        EXPECT_FALSE(Match(t.table, Key('C', true, true, false)).has_value());
    }
}

TEST(UtilityAccelerators, DialogsWithoutATableHaveNone)
{
    EXPECT_EQ(LoadAccelerators(CPhotoSizeDlg::kTemplate), nullptr);
    EXPECT_EQ(LoadAccelerators(CAboutDlg::kTemplate), nullptr);
}

}  // namespace
