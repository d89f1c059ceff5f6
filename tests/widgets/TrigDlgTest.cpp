// The right-triangle solver as a user works it: typing into its edits,
// pressing Calc It, Enter, Alt+C, Done, Esc and the close box, and reading
// the edits and the result line back.

#include "ModalTestSupport.h"

#include "utilities/engineering/TrigDlg.h"

#include <QLabel>

#include <map>

namespace {

constexpr int kSideC = 1070;
constexpr int kAngleA = 1071;
constexpr int kSideA = 1072;
constexpr int kSideB = 1073;
constexpr int kAngleB = 1074;
constexpr int kCalcIt = 1075;
constexpr int kClearAll = 1076;
constexpr int kResultLine = 1079;

// The five edits in the order the expectations list them: a, b, c, A, B.
constexpr int kFields[] = {kSideA, kSideB, kSideC, kAngleA, kAngleB};

std::vector<CString> FieldTexts(const CDialog& dlg)
{
    std::vector<CString> texts;
    for (int id : kFields)
        texts.push_back(dlg.GetDlgItemText(id));
    return texts;
}

enum class Trigger { Button, EnterKey };

struct WorkedExample {
    const char* name;
    std::map<int, const char*> typed;  // what the user typed, field by field
    Trigger trigger;
    const char* resultLine;
    std::vector<CString> fields;  // a, b, c, A, B afterwards
};

const WorkedExample kExamples[] = {
    {"legs 3 and 4", {{kSideA, "3"}, {kSideB, "4"}}, Trigger::Button, "Calculations based on Sides a+b",
     {"3.0000", "4.0000", "5.0000", "53.1301", "36.8699"}},
    {"hypotenuse 10 and angle A 30, by Enter", {{kSideC, "10"}, {kAngleA, "30"}}, Trigger::EnterKey,
     "Calculations from Side c, Ang. A", {"8.6603", "5.0000", "10.0000", "30.0000", "60.0000"}},
    {"leg b 5 and angle B 45, the others empty",
     {{kSideA, ""}, {kSideC, ""}, {kAngleA, ""}, {kSideB, "5"}, {kAngleB, "45"}}, Trigger::Button,
     "Calculations from Side b, Ang. B", {"5.0000", "5.0000", "7.0711", "45.0000", "45.0000"}},
    {"three sides: c recomputed", {{kSideA, "3"}, {kSideB, "4"}, {kSideC, "6"}}, Trigger::EnterKey,
     "Calculations based on Sides a+b", {"3.0000", "4.0000", "5.0000", "53.1301", "36.8699"}},
    {"two angles only", {{kAngleA, "30"}, {kAngleB, "60"}}, Trigger::Button,
     "Warning - Please enter only 2 values!", {"0", "0", "0", "30", "60"}},
    {"nothing", {}, Trigger::Button, "Warning - No Information!", {"0", "0", "0", "0", "0"}},
    {"text that is no number counts as 0", {{kSideA, "abc"}, {kSideB, "4"}}, Trigger::Button,
     "Warning - Please enter only 2 values!", {"abc", "4", "0", "0", "0"}},
    {"0.0001 and -0.0001 are not given", {{kSideA, "0.0001"}, {kSideB, "-0.0001"}, {kAngleA, "30"}},
     Trigger::Button, "Warning - Please enter only 2 values!", {"0.0001", "-0.0001", "0", "30", "0"}},
    {"0.00011 is given", {{kSideA, "0.00011"}, {kAngleA, "45"}}, Trigger::Button,
     "Calculations from Side a, Ang. A", {"0.0001", "0.0001", "0.0002", "45.0000", "45.0000"}},
    {"leading blanks and trailing text read as their number", {{kSideA, "  3xyz"}, {kSideB, "4e0"}},
     Trigger::Button, "Calculations based on Sides a+b", {"3.0000", "4.0000", "5.0000", "53.1301", "36.8699"}},
    {"an impossible triangle prints nan", {{kSideA, "5"}, {kSideC, "3"}}, Trigger::Button,
     "Calculations based on Sides a+c", {"5.0000", "nan", "3.0000", "nan", "nan"}},
};

void PrintTo(const WorkedExample& example, std::ostream* os)
{
    *os << example.name;
}

class TrigWorkedExamples : public ::testing::TestWithParam<WorkedExample> {};

TEST_P(TrigWorkedExamples, ComputeFromWhatWasTyped)
{
    const WorkedExample& example = GetParam();
    SCOPED_TRACE(example.name);
    CTrigDlg dlg;
    CString resultLine;
    std::vector<CString> fields;
    bool stillOpen = false;
    RunModal(dlg, [&] {
        for (const auto& [id, text] : example.typed)
            TypeInto(dlg, id, text);
        if (example.trigger == Trigger::Button)
            Click(dlg, kCalcIt);
        else
            Press(dlg, Qt::Key_Return);
        resultLine = dlg.GetDlgItemText(kResultLine);
        fields = FieldTexts(dlg);
        stillOpen = dlg.Widget()->isVisible();
    });
    EXPECT_TRUE(stillOpen);  // computing never closes the dialog
    EXPECT_EQ(resultLine, example.resultLine);
    EXPECT_EQ(fields, example.fields);
}

INSTANTIATE_TEST_SUITE_P(TrigDlg, TrigWorkedExamples, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return "example" + std::to_string(info.index); });

TEST(TrigDlg, OpensWithZerosAnEmptyResultLineAndThePicture)
{
    CTrigDlg dlg;
    std::vector<CString> fields;
    CString caption;
    CString resultLine;
    bool resultLineEnabled = true;
    QSize pictureSize;
    const int result = RunModal(dlg, [&] {
        fields = FieldTexts(dlg);
        caption = dlg.GetWindowText();
        resultLine = dlg.GetDlgItemText(kResultLine);
        resultLineEnabled = Control(dlg, kResultLine)->isEnabled();
        for (const QLabel* label : dlg.Widget()->findChildren<QLabel*>()) {
            if (!label->pixmap().isNull())
                pictureSize = label->pixmap().size();
        }
        Press(dlg, Qt::Key_Escape);  // every field valid: Esc closes as Done
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(caption, "Trig Calculator Dialog");
    EXPECT_EQ(fields, (std::vector<CString>{"0", "0", "0", "0", "0"}));
    EXPECT_EQ(resultLine, "");
    EXPECT_FALSE(resultLineEnabled);  // shows text, takes no input
    EXPECT_EQ(pictureSize, QSize(201, 177));
}

TEST(TrigDlg, ClearAllZeroesTheFieldsAndKeepsTheResultLine)
{
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "Alt+C" : "Clear All button");
        CTrigDlg dlg;
        std::vector<CString> fields;
        CString resultLine;
        RunModal(dlg, [&] {
            TypeInto(dlg, kSideA, "3");
            TypeInto(dlg, kSideB, "4");
            Press(dlg, Qt::Key_Return);
            if (byKey)
                Press(dlg, Qt::Key_C, Qt::AltModifier);
            else
                Click(dlg, kClearAll);
            fields = FieldTexts(dlg);
            resultLine = dlg.GetDlgItemText(kResultLine);
        });
        EXPECT_EQ(fields, (std::vector<CString>{"0.0000", "0.0000", "0.0000", "0.0000", "0.0000"}));
        EXPECT_EQ(resultLine, "Calculations based on Sides a+b");
        EXPECT_EQ(dlg.m_sideA, 0.0);
        EXPECT_EQ(dlg.m_sideC, 0.0);
    }
}

// Legs left over from an earlier result win over a typed c and A; after
// Clear All the same typing gives the c+A row.
TEST(TrigDlg, OldLegsWinUntilClearAll)
{
    CTrigDlg dlg;
    CString before;
    CString after;
    std::vector<CString> fieldsAfter;
    RunModal(dlg, [&] {
        TypeInto(dlg, kSideA, "3");
        TypeInto(dlg, kSideB, "4");
        Click(dlg, kCalcIt);
        TypeInto(dlg, kSideC, "5");
        TypeInto(dlg, kAngleA, "30");
        Click(dlg, kCalcIt);
        before = dlg.GetDlgItemText(kResultLine);
        Press(dlg, Qt::Key_C, Qt::AltModifier);
        TypeInto(dlg, kSideC, "5");
        TypeInto(dlg, kAngleA, "30");
        Click(dlg, kCalcIt);
        after = dlg.GetDlgItemText(kResultLine);
        fieldsAfter = FieldTexts(dlg);
    });
    EXPECT_EQ(before, "Calculations based on Sides a+b");
    EXPECT_EQ(after, "Calculations from Side c, Ang. A");
    EXPECT_EQ(fieldsAfter, (std::vector<CString>{"4.3301", "2.5000", "5.0000", "30.0000", "60.0000"}));
}

// Done with a hypotenuse above 9999.99: refused, with the focus on side c
// and its text selected; Clear All lets it close.
TEST(TrigDlg, DoneRefusesAComputedHypotenuseAboveTheLimit)
{
    CTrigDlg dlg;
    MessageBoxAnswerer answer;
    CString sideC;
    bool stillOpen = false;
    bool focusOnSideC = false;
    CString selected;
    const int result = RunModal(dlg, [&] {
        TypeInto(dlg, kSideA, "8000");
        TypeInto(dlg, kSideB, "8000");
        Click(dlg, kCalcIt);
        sideC = dlg.GetDlgItemText(kSideC);
        answer.Arm();
        Click(dlg, IDOK);
        stillOpen = dlg.Widget()->isVisible();
        focusOnSideC = dlg.Widget()->focusWidget() == Edit(dlg, kSideC);
        selected = Edit(dlg, kSideC)->selectedText().toStdString();
        Click(dlg, kClearAll);
        Click(dlg, IDOK);
    });
    EXPECT_EQ(sideC, "11313.7085");
    EXPECT_TRUE(answer.shown);
    EXPECT_NE(answer.text.find("9999.99"), std::string::npos) << answer.text;
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(focusOnSideC);
    EXPECT_EQ(selected, "11313.7085");
    EXPECT_EQ(result, IDOK);
}

struct RefusedField {
    const char* name;
    int id;
    const char* text;
    Qt::Key closeKey;  // Esc sends Done too; Key_unknown means the Done button
};

const RefusedField kRefused[] = {
    {"empty angle A", kAngleA, "", Qt::Key_unknown},
    {"12abc in side a", kSideA, "12abc", Qt::Key_Escape},
    {"angle B above 360", kAngleB, "360.5", Qt::Key_unknown},
    {"side b below -9999.99", kSideB, "-10000", Qt::Key_Escape},
    {"inf in side c", kSideC, "inf", Qt::Key_unknown},
};

void PrintTo(const RefusedField& field, std::ostream* os)
{
    *os << field.name;
}

class TrigRefusedAtDone : public ::testing::TestWithParam<RefusedField> {};

TEST_P(TrigRefusedAtDone, KeepsTheDialogOpenWithTheFieldSelected)
{
    const RefusedField& field = GetParam();
    SCOPED_TRACE(field.name);
    CTrigDlg dlg;
    MessageBoxAnswerer answer;
    bool stillOpen = false;
    bool focusOnField = false;
    CString text;
    RunModal(dlg, [&] {
        TypeInto(dlg, field.id, field.text);
        answer.Arm();
        if (field.closeKey == Qt::Key_unknown)
            Click(dlg, IDOK);
        else
            Press(dlg, field.closeKey);
        stillOpen = dlg.Widget()->isVisible();
        focusOnField = dlg.Widget()->focusWidget() == Edit(dlg, field.id);
        text = dlg.GetDlgItemText(field.id);
    });
    EXPECT_TRUE(answer.shown);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(focusOnField);
    EXPECT_EQ(text, field.text);  // the control keeps what the user typed
}

INSTANTIATE_TEST_SUITE_P(TrigDlg, TrigRefusedAtDone, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return "field" + std::to_string(info.index); });

// Calc It computes with a value the limits would refuse; only closing checks.
TEST(TrigDlg, CalcItAcceptsWhatDoneRefuses)
{
    CTrigDlg dlg;
    CString resultLine;
    CString sideB;
    RunModal(dlg, [&] {
        TypeInto(dlg, kSideA, "12000");
        TypeInto(dlg, kAngleA, "45");
        Click(dlg, kCalcIt);
        resultLine = dlg.GetDlgItemText(kResultLine);
        sideB = dlg.GetDlgItemText(kSideB);
    });
    EXPECT_EQ(resultLine, "Calculations from Side a, Ang. A");
    EXPECT_EQ(sideB, "12000.0000");
}

TEST(TrigDlg, CloseBoxClosesWhatDoneWouldRefuse)
{
    CTrigDlg dlg;
    MessageBoxAnswerer answer;
    const int result = RunModal(dlg, [&] {
        TypeInto(dlg, kSideA, "12abc");
        answer.Arm();
        dlg.Widget()->close();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(answer.shown);
}

TEST(TrigDlg, SecondOpeningShowsTheStartingValues)
{
    {
        CTrigDlg first;
        RunModal(first, [&] {
            TypeInto(first, kSideA, "3");
            TypeInto(first, kSideB, "4");
            Click(first, kCalcIt);
            Click(first, IDOK);
        });
        EXPECT_EQ(first.m_sideC, 5.0);  // Done saved the fields into the members
    }
    CTrigDlg second;
    std::vector<CString> fields;
    CString resultLine;
    RunModal(second, [&] {
        fields = FieldTexts(second);
        resultLine = second.GetDlgItemText(kResultLine);
    });
    EXPECT_EQ(fields, (std::vector<CString>{"0", "0", "0", "0", "0"}));
    EXPECT_EQ(resultLine, "");
}

}  // namespace
