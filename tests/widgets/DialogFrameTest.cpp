// The utility dialog frame through real modal runs: the owner and its
// blocked input, placement, the closing exchange with its refusals, the
// radio idiom, control binding and the accelerator-table base. The dialogs
// here are small probes over the program's own templates.

#include "CalcTestSupport.h"

#include "platform/dialog/AcceleratorDlg.h"
#include "platform/dialog/Clipboard.h"
#include "platform/dialog/DataExchange.h"
#include "platform/dialog/Edit.h"
#include "utilities/engineering/BoltHoleDlg.h"
#include "utilities/engineering/PhotoSizeDlg.h"
#include "utilities/engineering/TrigDlg.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

// The probes borrow the program's templates and their controls.
using Photo = CPhotoSizeDlg;
using Trig = CTrigDlg;
using Bolt = CBoltHoleDlg;

constexpr int kPhotoTemplate = Photo::kTemplate;
constexpr int kTrigTemplate = Trig::kTemplate;
constexpr int kFirstEdit = Photo::kHeightEdit;
constexpr int kSecondEdit = Photo::kWidthEdit;
// Template 165's four unit buttons, in id order: each a radio group of one.
constexpr int kRadios[] = {Photo::kHeightInches, Photo::kHeightPixels, Photo::kWidthInches, Photo::kWidthPixels};
constexpr int kNoSuchTemplate = 9999;

// Template 165 exchanged as a count (0 to 999), a text of at most five
// characters and four one-button radio groups.
class ExchangeProbe : public CDialog {
public:
    ExchangeProbe() : CDialog(kPhotoTemplate) {}

    int m_count = 4;
    CString m_name = "abc";
    int m_radio[4] = {0, 1, -1, 0};
    CWnd m_bound;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, kFirstEdit, m_bound);
        DDX_Text(pDX, kFirstEdit, m_count);
        DDV_MinMaxInt(pDX, m_count, 0, 999);
        DDX_Text(pDX, kSecondEdit, m_name);
        DDV_MaxChars(pDX, m_name, 5);
        for (int i = 0; i < 4; ++i)
            DDX_Radio(pDX, kRadios[i], m_radio[i]);
    }
};

void Retype(const CDialog& dlg, int id, const char* text)
{
    QLineEdit* edit = Edit(dlg, id);
    ASSERT_NE(edit, nullptr);
    edit->setMaxLength(32767);
    edit->setText(QString::fromUtf8(text));
}

TEST(DialogExchange, LoadsMembersIntoTheFieldsAndButtons)
{
    ExchangeProbe dlg;
    RunModal(dlg, [&] {
        EXPECT_EQ(dlg.GetDlgItemText(kFirstEdit), "4");
        EXPECT_EQ(dlg.GetDlgItemText(kSecondEdit), "abc");
        EXPECT_EQ(Edit(dlg, kSecondEdit)->maxLength(), 5);
        // One-button groups: value 0 checks the button, anything else clears it.
        EXPECT_TRUE(Checked(dlg, kRadios[0]));
        EXPECT_FALSE(Checked(dlg, kRadios[1]));
        EXPECT_FALSE(Checked(dlg, kRadios[2]));
        EXPECT_TRUE(Checked(dlg, kRadios[3]));
        EXPECT_EQ(dlg.m_bound.GetSafeHwnd(), Control(dlg, kFirstEdit));
        dlg.SendCommand(IDCANCEL);
    });
    EXPECT_EQ(dlg.m_bound.GetSafeHwnd(), nullptr) << "bound controls go with the window";
}

TEST(DialogExchange, SavesFieldsThatParseAndFitThenEndsWithIdok)
{
    const struct {
        const char* count;
        const char* name;
        int savedCount;
    } cases[] = {
        {"0", "", 0}, {" 7 ", "héllo", 7}, {"+999", "abcde", 999}, {"\t12\n", "x y", 12}, {"007", "", 7},
    };
    for (const auto& c : cases) {
        ExchangeProbe dlg;
        const int result = RunModal(dlg, [&] {
            Retype(dlg, kFirstEdit, c.count);
            Retype(dlg, kSecondEdit, c.name);
            QTest::mouseClick(Control(dlg, kRadios[2]), Qt::LeftButton);
            QTest::mouseClick(Control(dlg, kRadios[0]), Qt::LeftButton);  // stays checked
            dlg.SendCommand(IDOK);
        });
        EXPECT_EQ(result, IDOK) << c.count;
        EXPECT_EQ(dlg.m_count, c.savedCount) << c.count;
        EXPECT_EQ(dlg.m_name, c.name) << c.count;
        // Saved as the index of the checked button in its group, -1 for none.
        EXPECT_EQ(dlg.m_radio[0], 0);
        EXPECT_EQ(dlg.m_radio[1], -1);
        EXPECT_EQ(dlg.m_radio[2], 0);
        EXPECT_EQ(dlg.m_radio[3], 0);
    }
}

TEST(DialogExchange, RefusesTheFirstBadFieldAndKeepsEverythingAsItWas)
{
    const struct {
        const char* count;
        const char* name;
        int failing;
        const char* message;
    } cases[] = {
        {"2.5", "ok", kFirstEdit, "Please enter an integer."},
        {"12abc", "ok", kFirstEdit, "Please enter an integer."},
        {"", "ok", kFirstEdit, "Please enter an integer."},
        {"1e2", "ok", kFirstEdit, "Please enter an integer."},
        {"99999999999", "ok", kFirstEdit, "Please enter an integer."},
        {"1000", "ok", kFirstEdit, "Please enter an integer between 0 and 999."},
        {"-1", "ok", kFirstEdit, "Please enter an integer between 0 and 999."},
        {"5", "abcdef", kSecondEdit, "Please enter no more than 5 characters."},
        {"x", "abcdef", kFirstEdit, "Please enter an integer."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.count) + " / " + c.name);
        ExchangeProbe dlg;
        MessageBoxAnswerer box;
        const int result = RunModal(dlg, [&] {
            Retype(dlg, kFirstEdit, c.count);
            Retype(dlg, kSecondEdit, c.name);
            box.Arm();
            dlg.SendCommand(IDOK);
            EXPECT_TRUE(dlg.Widget()->isVisible());
            EXPECT_EQ(dlg.Widget()->focusWidget(), Control(dlg, c.failing));
            EXPECT_EQ(Edit(dlg, c.failing)->selectedText(), Edit(dlg, c.failing)->text());
            EXPECT_EQ(dlg.GetDlgItemText(kFirstEdit), c.count);
            EXPECT_EQ(dlg.GetDlgItemText(kSecondEdit), c.name);
            // The radio exchange after the failing field never ran.
            EXPECT_TRUE(Checked(dlg, kRadios[0]));
            EXPECT_TRUE(Checked(dlg, kRadios[3]));
            dlg.SendCommand(IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_TRUE(box.shown);
        EXPECT_EQ(box.text, c.message);
        EXPECT_EQ(box.caption, "Numbrix Calc");
    }
}

TEST(DialogExchange, CancelClosesWithoutValidation)
{
    ExchangeProbe dlg;
    MessageBoxAnswerer box;
    const int result = RunModal(dlg, [&] {
        Retype(dlg, kFirstEdit, "not a count");
        box.Arm();
        QTest::keyClick(Edit(dlg, kFirstEdit), Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(box.shown);
    EXPECT_EQ(dlg.m_count, 4);
}

// The radio idiom: every button a group of one, exclusion by range.
TEST(DialogRadio, ClicksNeverClearAPartnerAndCheckRadioButtonTouchesOnlyRadios)
{
    CDialog dlg(kPhotoTemplate);
    RunModal(dlg, [&] {
        dlg.CheckRadioButton(kRadios[0], kRadios[1], kRadios[0]);
        QTest::mouseClick(Control(dlg, kRadios[1]), Qt::LeftButton);
        EXPECT_TRUE(Checked(dlg, kRadios[0]));
        EXPECT_TRUE(Checked(dlg, kRadios[1]));
        QTest::mouseClick(Control(dlg, kRadios[1]), Qt::LeftButton);
        EXPECT_TRUE(Checked(dlg, kRadios[1])) << "a click never clears a button";

        dlg.SetDlgItemText(kFirstEdit, "12");
        static_assert(kRadios[3] < kFirstEdit && kFirstEdit < kSecondEdit);
        dlg.CheckRadioButton(kRadios[0], kSecondEdit, kRadios[2]);  // the range spans both edits
        EXPECT_FALSE(Checked(dlg, kRadios[0]));
        EXPECT_FALSE(Checked(dlg, kRadios[1]));
        EXPECT_TRUE(Checked(dlg, kRadios[2]));
        EXPECT_FALSE(Checked(dlg, kRadios[3]));
        EXPECT_EQ(dlg.GetDlgItemText(kFirstEdit), "12");
        EXPECT_EQ(dlg.IsDlgButtonChecked(kFirstEdit), BST_UNCHECKED);
        dlg.SendCommand(IDCANCEL);
    });
}

// The control kinds the utilities add: pictures, the disabled result line,
// the hidden list, sunken result fields.
TEST(DialogControls, PicturesTextBoxesAndHiddenEditsAreBuiltFromTheirStyles)
{
    CDialog trig(kTrigTemplate);
    RunModal(trig, [&] {
        auto* result = qobject_cast<QPlainTextEdit*>(Control(trig, Trig::kResultLine));
        ASSERT_NE(result, nullptr) << "a multi-line edit that scrolls vertically holds lines";
        EXPECT_FALSE(result->isEnabled());
        EXPECT_EQ(result->lineWrapMode(), QPlainTextEdit::NoWrap);
        trig.SetDlgItemText(Trig::kResultLine, "Calculations based on Sides a+b");
        EXPECT_EQ(trig.GetDlgItemText(Trig::kResultLine), "Calculations based on Sides a+b");
        int pictures = 0;
        for (QLabel* label : trig.Widget()->findChildren<QLabel*>())
            pictures += label->pixmap().isNull() ? 0 : 1;
        EXPECT_EQ(pictures, 1) << "bitmap 154";
        trig.SendCommand(IDCANCEL);
    });

    CDialog bolt(Bolt::kTemplate);
    RunModal(bolt, [&] {
        QWidget* list = Control(bolt, Bolt::kHiddenList);
        ASSERT_NE(qobject_cast<QPlainTextEdit*>(list), nullptr);
        EXPECT_TRUE(list->isHidden());
        EXPECT_FALSE(list->focusPolicy() & Qt::TabFocus);
        bolt.SetDlgItemText(Bolt::kHiddenList, "X1\nX2\n");
        EXPECT_EQ(bolt.GetDlgItemText(Bolt::kHiddenList), "X1\nX2\n");
        auto* display = qobject_cast<QLabel*>(Control(bolt, Bolt::kListDisplay));
        ASSERT_NE(display, nullptr);
        EXPECT_EQ(display->frameShadow(), QFrame::Sunken);
        bolt.SendCommand(IDCANCEL);
    });
}

// A long text into a text box and out again through its selection: a line
// of megabytes whose pieces end inside multi-byte characters, then many
// short lines ending in CR LF, comes back whole with its line ends as "\n";
// part of it comes back as selected; Copy gives the clipboard the same.
TEST(DialogControls, TextBoxTakesAndGivesBackLongTextsWhole)
{
    CString text;
    CString expected;
    for (int i = 0; i < 1'000'000; ++i)
        text += "\xE2\x82\xAC";  // the euro sign, three bytes
    expected = text;
    text += "\r\n";
    expected += "\n";
    for (int i = 0; i < 50'000; ++i) {
        text += "X\xC3\xA9\r\n";
        expected += "X\xC3\xA9\n";
    }
    CDialog bolt(Bolt::kTemplate);
    CEdit list;
    CString whole, part, copied;
    RunModal(bolt, [&] {
        bolt.AttachControl(Bolt::kHiddenList, list);
        list.ReplaceSel(text);
        list.SetSel(0, -1);
        whole = list.GetSelText();
        list.Copy();
        copied = GetClipboardText();
        list.SetSel(999'999, 1'000'003);  // the last euro, the line end, "X\xC3\xA9"
        part = list.GetSelText();
        bolt.SendCommand(IDCANCEL);
    });
    EXPECT_TRUE(whole == expected) << "sizes " << whole.size() << " and " << expected.size();
    EXPECT_TRUE(copied == expected);
    EXPECT_EQ(part, "\xE2\x82\xAC\nX\xC3\xA9");
}

// The frame's modal run over the calculator window. (The launchers' modal
// runs, centred over the blocked window, are LauncherTest's.)
class ModalOverCalculator : public CalculatorFixture {};

TEST_F(ModalOverCalculator, TemplateAwayFromTheOriginIsPlacedRelativeToTheOwner)
{
    // Template 102 lies at (1, 1) dialog units: its modal copy opens one
    // unit right of and below the calculator's client corner, not centred.
    CDialog copy(CCalcDlg::kTemplate);
    QPoint offset;
    QSize oneUnit;
    RunModal(copy, [&] {
        offset = copy.Widget()->frameGeometry().topLeft() - calc->Widget()->mapToGlobal(QPoint(0, 0));
        // The template is 290 x 170 units.
        oneUnit = QSize((copy.Widget()->width() + 145) / 290, (copy.Widget()->height() + 85) / 170);
    });
    EXPECT_GE(offset.x(), 1);
    EXPECT_LE(offset.x(), oneUnit.width() + 1);
    EXPECT_GE(offset.y(), 1);
    EXPECT_LE(offset.y(), oneUnit.height() + 1);
}

TEST_F(ModalOverCalculator, DialogEndedWhileItInitialisesNeverShows)
{
    class EndsAtOnce : public CDialog {
    public:
        EndsAtOnce() : CDialog(kPhotoTemplate) {}

    protected:
        BOOL OnInitDialog() override
        {
            CDialog::OnInitDialog();
            EndDialog(3);
            return TRUE;
        }
    } dlg;
    bool shown = false;
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        // Only reached if the dialog opened after all.
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown = true;
            modal->done(kLeftOpen);
        }
    });
    EXPECT_EQ(dlg.DoModal(), 3);
    EXPECT_FALSE(shown);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

TEST_F(ModalOverCalculator, DialogsWithoutATemplateDoNotOpen)
{
    CDialog missing(kNoSuchTemplate);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_EQ(missing.GetSafeHwnd(), nullptr);
}

TEST_F(ModalOverCalculator, OwnerDestroyedUnderTheDialogEndsItSafely)
{
    CDialog dlg(kPhotoTemplate);
    const int result = RunModal(dlg, [&] {
        calc->DestroyWindow();
        // Delete the calculator's window now, with the dialog it owns.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    EXPECT_EQ(result, -1);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

// The accelerator-table base, over the triangle solver's template.
class AcceleratorProbe : public CAcceleratorDlg {
public:
    explicit AcceleratorProbe(int templateId) : CAcceleratorDlg(templateId, nullptr) {}
    HACCEL Table() const { return m_hAccel; }
    std::vector<UINT> commands;
    bool exchangeSide = false;
    double m_side = 0.0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (!exchangeSide)
            return;
        DDX_Text(pDX, Trig::kSideC, m_side);
        DDV_MinMaxDouble(pDX, m_side, -9999.99, 9999.99);
    }

    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map = {
            ON_COMMAND_RANGE(Trig::kSideC, Trig::kResultLine, &AcceleratorProbe::Record),
        };
        return map;
    }
    void Record(UINT id) { commands.push_back(id); }
};

TEST(AcceleratorDlg, TableFirstWhateverControlHasTheFocus)
{
    AcceleratorProbe dlg(kTrigTemplate);
    ASSERT_NE(dlg.Table(), nullptr);
    const int result = RunModal(dlg, [&] {
        QLineEdit* side = Edit(dlg, Trig::kSideC);
        side->setFocus();
        QTest::keyClick(side, Qt::Key_Return);
        EXPECT_TRUE(dlg.Widget()->isVisible()) << "Enter computes, it does not close";
        QTest::keyClick(side, Qt::Key_C, Qt::AltModifier);
        Control(dlg, Trig::kCalcIt)->setFocus();
        QTest::keyClick(Control(dlg, Trig::kCalcIt), Qt::Key_Return);
        QTest::keyClick(Control(dlg, Trig::kCalcIt), Qt::Key_Escape);  // Done, not cancel
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.commands, (std::vector<UINT>{Trig::kCalcIt, Trig::kClearAll, Trig::kCalcIt}));
}

TEST(AcceleratorDlg, EscIsDoneAndValidatesBeforeClosing)
{
    AcceleratorProbe dlg(kTrigTemplate);
    dlg.exchangeSide = true;
    MessageBoxAnswerer box;
    const int result = RunModal(dlg, [&] {
        QLineEdit* side = Edit(dlg, Trig::kSideC);
        QLineEdit* other = Edit(dlg, Trig::kSideA);
        EXPECT_EQ(side->text(), "0");
        const struct {
            const char* text;
            const char* message;
        } refusals[] = {
            {"", "Please enter a number."},
            {"10000", "Please enter a number between -9999.99 and 9999.99."},
            {"-9999.991", "Please enter a number between -9999.99 and 9999.99."},
        };
        for (const auto& r : refusals) {
            side->setText(QString::fromLatin1(r.text));
            other->setFocus();
            box.Arm();
            QTest::keyClick(other, Qt::Key_Escape);
            EXPECT_TRUE(box.shown) << r.text;
            EXPECT_EQ(box.text, r.message);
            EXPECT_TRUE(dlg.Widget()->isVisible()) << r.text;
            EXPECT_EQ(dlg.Widget()->focusWidget(), side) << r.text;
        }
        side->setText(QStringLiteral("-9999.99"));
        QTest::keyClick(other, Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_side, -9999.99);
}

TEST(AcceleratorDlg, WithoutATableOnlyTheOrdinaryDialogKeysWork)
{
    AcceleratorProbe dlg(kPhotoTemplate);
    EXPECT_EQ(dlg.Table(), nullptr);
    const int result = RunModal(dlg, [&] {
        QTest::keyClick(Edit(dlg, kFirstEdit), Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST(Clipboard, HoldsPlainTextExactlyAsGiven)
{
    const CString list = "X0.5000 Y0.0000 Z0.0000\nX-0.0000 Y-0.5000 Z0.0000\n";
    ASSERT_TRUE(SetClipboardText(list));
    EXPECT_EQ(GetClipboardText(), list);
    ASSERT_TRUE(SetClipboardText(""));
    EXPECT_EQ(GetClipboardText(), "");
}

}  // namespace
