// The bolt-hole dialog as a user works it: typing the pattern, Write It!
// by button, Enter and mnemonic, Copy by button and Ctrl+C, the spacing
// display while typing; the list read back from both places and from the
// desktop clipboard; Done saving its limits. (Opening, refusals and closing
// are the utility dialog contract's.)

#include "ModalTestSupport.h"

#include "platform/dialog/Clipboard.h"
#include "utilities/engineering/BoltHoleDlg.h"

#include <QAbstractScrollArea>
#include <QLabel>

#include <algorithm>
#include <map>

namespace {

using Bolt = CBoltHoleDlg;

constexpr const char* kFourHoles =
    "X0.5000 Y0.0000 Z0.0000\n"
    "X0.0000 Y0.5000 Z0.0000\n"
    "X-0.5000 Y0.0000 Z0.0000\n"
    "X-0.0000 Y-0.5000 Z0.0000\n";

// What a Write It! left in its two places.
struct Lists {
    CString display;
    CString hidden;
};

Lists ListsOf(const CDialog& dlg)
{
    return {dlg.GetDlgItemText(Bolt::kListDisplay), dlg.GetDlgItemText(Bolt::kHiddenList)};
}

size_t LineCount(const CString& text)
{
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

enum class Trigger { Button, EnterKey };

struct Pattern {
    const char* name;
    std::map<int, const char*> typed;
    Trigger trigger;
    const char* list;     // the whole list in both places
    const char* spacing;  // the spacing display afterwards
};

const Pattern kPatterns[] = {
    {"starting values", {}, Trigger::Button, kFourHoles, "90.00"},
    {"starting values by Enter", {}, Trigger::EnterKey, kFourHoles, "90.00"},
    {"three holes over 180 from 45",
     {{Bolt::kHoles, "3"}, {Bolt::kTotalAngle, "180"}, {Bolt::kInitAngle, "45"}, {Bolt::kBoltDia, "2"}},
     Trigger::EnterKey,
     "X0.7071 Y0.7071 Z0.0000\n"
     "X-0.2588 Y0.9659 Z0.0000\n"
     "X-0.9659 Y0.2588 Z0.0000\n",
     "60.00"},
    {"blanks around the count", {{Bolt::kHoles, " 2 "}, {Bolt::kBoltDia, "4"}}, Trigger::Button,
     "X2.0000 Y0.0000 Z0.0000\n"
     "X-2.0000 Y0.0000 Z0.0000\n",
     "180.00"},
    {"a count that does not convert gives no list", {{Bolt::kHoles, "7a"}}, Trigger::Button, "", "51.43"},
    {"a signed count gives no list", {{Bolt::kHoles, "-3"}}, Trigger::Button, "", "90.00"},
    {"zero holes: infinite spacing, no list", {{Bolt::kHoles, "0"}}, Trigger::Button, "", "inf"},
    {"zero holes over zero degrees", {{Bolt::kTotalAngle, "0"}, {Bolt::kHoles, "0"}}, Trigger::Button, "", "nan"},
    {"real fields read as their numeric prefix",
     {{Bolt::kHoles, "1"}, {Bolt::kBoltDia, "3abc"}, {Bolt::kCenterX, ".5e1x"}},
     Trigger::Button, "X6.5000 Y0.0000 Z0.0000\n", "360.00"},
};

void PrintTo(const Pattern& pattern, std::ostream* os)
{
    *os << pattern.name;
}

class BoltHolePatterns : public ::testing::TestWithParam<Pattern> {};

TEST_P(BoltHolePatterns, WriteItListsTheHolesInBothPlaces)
{
    const Pattern& pattern = GetParam();
    Bolt dlg;
    Lists lists;
    CString spacing;
    bool stillOpen = false;
    bool hiddenListShown = true;
    RunModal(dlg, [&] {
        hiddenListShown = Control(dlg, Bolt::kHiddenList)->isVisible();
        // A list from before, so that an empty result shows it was replaced.
        Click(dlg, Bolt::kWriteIt);
        for (const auto& [id, text] : pattern.typed)
            TypeInto(dlg, id, text);
        if (pattern.trigger == Trigger::Button)
            Click(dlg, Bolt::kWriteIt);
        else
            Press(dlg, Qt::Key_Return);
        lists = ListsOf(dlg);
        spacing = dlg.GetDlgItemText(Bolt::kSpacingDisplay);
        stillOpen = IsOpen(dlg);
        hiddenListShown = hiddenListShown || Control(dlg, Bolt::kHiddenList)->isVisible();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(hiddenListShown) << "the list's source is never shown";
    EXPECT_EQ(lists.display, pattern.list);
    EXPECT_EQ(lists.hidden, pattern.list);
    EXPECT_EQ(spacing, pattern.spacing);
}

INSTANTIATE_TEST_SUITE_P(BoltHoleDlg, BoltHolePatterns, ::testing::ValuesIn(kPatterns),
                         [](const auto& info) { return "pattern" + std::to_string(info.index); });

// Done takes the limits themselves, and blanks around the count.
TEST(BoltHoleDlg, DoneSavesTheFieldsAndCloses)
{
    Bolt dlg;
    const int result = RunModal(dlg, [&] {
        TypeInto(dlg, Bolt::kHoles, " 999 ");
        TypeInto(dlg, Bolt::kCenterX, "-9999.99");
        TypeInto(dlg, Bolt::kBoltDia, "12.5");
        Click(dlg, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_holes, 999);
    EXPECT_EQ(dlg.m_centerX, -9999.99);
    EXPECT_EQ(dlg.m_boltDia, 12.5);
}

TEST(BoltHoleDlg, SixHolesAroundAnOffsetCentreAndCopy)
{
    Bolt dlg;
    Lists lists;
    SetClipboardText("something from before");
    RunModal(dlg, [&] {
        TypeInto(dlg, Bolt::kHoles, "6");
        TypeInto(dlg, Bolt::kBoltDia, "100");
        TypeInto(dlg, Bolt::kCenterX, "10");
        TypeInto(dlg, Bolt::kCenterY, "20");
        TypeInto(dlg, Bolt::kCenterZ, "-5");
        Click(dlg, Bolt::kWriteIt);
        lists = ListsOf(dlg);
        Click(dlg, Bolt::kCopy);
    });
    EXPECT_EQ(lists.display.substr(0, 54), "X60.0000 Y20.0000 Z-5.0000\nX35.0000 Y63.3013 Z-5.0000\n");
    EXPECT_EQ(LineCount(lists.display), 6u);
    EXPECT_EQ(lists.hidden, lists.display);
    EXPECT_EQ(GetClipboardText(), lists.display);
}

// Each change of the count or the total angle shows the new spacing; other
// fields and Write It! leave it alone.
TEST(BoltHoleDlg, SpacingFollowsTheCountAndTheTotalAngle)
{
    Bolt dlg;
    std::vector<CString> seen;
    RunModal(dlg, [&] {
        auto look = [&] { seen.push_back(dlg.GetDlgItemText(Bolt::kSpacingDisplay)); };
        TypeInto(dlg, Bolt::kHoles, "7");
        look();  // 51.43
        TypeInto(dlg, Bolt::kHoles, "x");
        look();  // not a count: unchanged
        TypeInto(dlg, Bolt::kTotalAngle, "");
        look();  // cleared: unchanged, though 0 is stored
        TypeInto(dlg, Bolt::kBoltDia, "50");
        look();  // another field: unchanged
        QTest::keyClicks(Edit(dlg, Bolt::kTotalAngle), "9");
        look();  // the count field still reads 0 holes: 9 / 0
        TypeInto(dlg, Bolt::kHoles, "4");
        look();  // 9 / 4
        TypeInto(dlg, Bolt::kTotalAngle, "abc");
        look();  // not empty: strtod gives 0, 0 / 4
        Click(dlg, Bolt::kWriteIt);
        TypeInto(dlg, Bolt::kTotalAngle, "360");
        look();
    });
    EXPECT_EQ(seen, (std::vector<CString>{"51.43", "51.43", "51.43", "51.43", "inf", "2.25", "0.00", "90.00"}));
}

// Ctrl+C copies the whole list from the hidden edit, not the selection of
// the edit that has the focus, and leaves that edit as it was.
TEST(BoltHoleDlg, CtrlCCopiesTheWholeListWhateverHasTheFocus)
{
    Bolt dlg;
    CString xText;
    CString xSelection;
    SetClipboardText("something from before");
    RunModal(dlg, [&] {
        Click(dlg, Bolt::kWriteIt);
        TypeInto(dlg, Bolt::kCenterX, "12.5");
        QLineEdit* x = Edit(dlg, Bolt::kCenterX);
        x->setFocus();
        x->selectAll();
        QTest::keyClick(x, Qt::Key_C, Qt::ControlModifier);
        xText = x->text().toStdString();
        xSelection = x->selectedText().toStdString();
    });
    EXPECT_EQ(GetClipboardText(), kFourHoles);
    EXPECT_EQ(xText, "12.5");
    EXPECT_EQ(xSelection, "12.5");
}

TEST(BoltHoleDlg, CopyBeforeWriteItLeavesTheClipboardAlone)
{
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "Ctrl+C" : "Copy button");
        Bolt dlg;
        SetClipboardText("something from before");
        RunModal(dlg, [&] {
            if (byKey)
                Press(dlg, Qt::Key_C, Qt::ControlModifier);
            else
                Click(dlg, Bolt::kCopy);
        });
        EXPECT_EQ(GetClipboardText(), "something from before");
    }
}

// Above 100000 holes nothing is generated: the display says so, the hidden
// list is emptied (it held an earlier list) and Copy copies nothing. The
// largest count the field converts is too many too, not a negative count.
TEST(BoltHoleDlg, TooManyHolesGenerateNothing)
{
    for (const char* count : {"100001", "4294967295"}) {
        SCOPED_TRACE(count);
        Bolt dlg;
        Lists lists;
        CString spacing;
        SetClipboardText("something from before");
        RunModal(dlg, [&] {
            Click(dlg, Bolt::kWriteIt);
            TypeInto(dlg, Bolt::kHoles, count);
            Click(dlg, Bolt::kWriteIt);
            lists = ListsOf(dlg);
            spacing = dlg.GetDlgItemText(Bolt::kSpacingDisplay);
            Press(dlg, Qt::Key_C, Qt::ControlModifier);
        });
        EXPECT_EQ(lists.display, "Too many holes (at most 100000)");
        EXPECT_EQ(lists.hidden, "");
        EXPECT_EQ(spacing, "0.00");
        EXPECT_EQ(GetClipboardText(), "something from before");
    }
}

// Write It! takes counts far above the closing limit of 999, up to 100000.
// The display keeps the whole list but paints only the head that can show.
TEST(BoltHoleDlg, LargeCountsUpToTheLimit)
{
    for (const char* count : {"5000", "100000"}) {
        SCOPED_TRACE(count);
        Bolt dlg;
        Lists lists;
        CString painted;
        RunModal(dlg, [&] {
            TypeInto(dlg, Bolt::kHoles, count);
            Click(dlg, Bolt::kWriteIt);
            lists = ListsOf(dlg);
            painted = qobject_cast<QLabel*>(Control(dlg, Bolt::kListDisplay))->text().toStdString();
            Click(dlg, Bolt::kCopy);
        });
        EXPECT_EQ(LineCount(lists.display), std::stoul(count));
        EXPECT_LT(LineCount(painted), 10u);
        EXPECT_EQ(lists.display.substr(0, painted.size()), painted);
        EXPECT_EQ(lists.hidden, lists.display);
        EXPECT_EQ(lists.display.find('\r'), CString::npos);
        EXPECT_EQ(GetClipboardText(), lists.display);
    }
}

// The display is a fixed text area: it shows the first lines that fit (five
// at the dialog font) and offers no scrolling; Copy still takes them all.
TEST(BoltHoleDlg, ListDisplayShowsWhatFitsWithoutScrolling)
{
    Bolt dlg;
    int linesThatFit = 0;
    bool clipped = false;
    bool scrolls = true;
    RunModal(dlg, [&] {
        TypeInto(dlg, Bolt::kHoles, "12");
        Click(dlg, Bolt::kWriteIt);
        auto* display = qobject_cast<QLabel*>(Control(dlg, Bolt::kListDisplay));
        ASSERT_NE(display, nullptr);
        linesThatFit = display->contentsRect().height() / display->fontMetrics().lineSpacing();
        clipped = display->sizeHint().height() > display->height();
        scrolls = qobject_cast<QAbstractScrollArea*>(Control(dlg, Bolt::kListDisplay)) != nullptr;
        Click(dlg, Bolt::kCopy);
    });
    EXPECT_EQ(linesThatFit, 5);
    EXPECT_TRUE(clipped);
    EXPECT_FALSE(scrolls);
    EXPECT_EQ(LineCount(GetClipboardText()), 12u);
}

// Alt and the underlined letter: a label's letter focuses the edit after
// it, the button's letter presses it.
TEST(BoltHoleDlg, MnemonicsReachTheirControls)
{
    Bolt dlg;
    bool xFocused = false;
    bool holesFocused = false;
    Lists lists;
    RunModal(dlg, [&] {
        // Shortcuts go to the active window only.
        dlg.Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.Widget()));
        Press(dlg, Qt::Key_X, Qt::AltModifier);
        xFocused = dlg.Widget()->focusWidget() == Edit(dlg, Bolt::kCenterX);
        Press(dlg, Qt::Key_E, Qt::AltModifier);
        holesFocused = dlg.Widget()->focusWidget() == Edit(dlg, Bolt::kHoles);
        Press(dlg, Qt::Key_W, Qt::AltModifier);
        // A button's mnemonic clicks it the way a short press does.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg.GetDlgItemText(Bolt::kListDisplay).empty(); }, 2000));
        lists = ListsOf(dlg);
    });
    EXPECT_TRUE(xFocused);
    EXPECT_TRUE(holesFocused);
    EXPECT_EQ(lists.display, kFourHoles);
}

}  // namespace
