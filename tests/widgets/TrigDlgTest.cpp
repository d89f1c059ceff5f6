// The right-triangle solver as a user works it: typing into its edits,
// pressing Calc It, Enter, Alt+C and Done, and reading the edits and the
// result line back. (Opening, refusals and closing are the utility dialog
// contract's.)

#include "ModalTestSupport.h"

#include "utilities/engineering/TrigDlg.h"

#include <map>

namespace {

using Trig = CTrigDlg;

// The five edits in the order the expectations list them: a, b, c, A, B.
constexpr int kFields[] = {Trig::kSideA, Trig::kSideB, Trig::kSideC, Trig::kAngleA, Trig::kAngleB};

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
    {"legs 3 and 4", {{Trig::kSideA, "3"}, {Trig::kSideB, "4"}}, Trigger::Button, "Calculations based on Sides a+b",
     {"3.0000", "4.0000", "5.0000", "53.1301", "36.8699"}},
    {"hypotenuse 10 and angle A 30, by Enter", {{Trig::kSideC, "10"}, {Trig::kAngleA, "30"}}, Trigger::EnterKey,
     "Calculations from Side c, Ang. A", {"8.6603", "5.0000", "10.0000", "30.0000", "60.0000"}},
    {"leg b 5 and angle B 45, the others empty",
     {{Trig::kSideA, ""}, {Trig::kSideC, ""}, {Trig::kAngleA, ""}, {Trig::kSideB, "5"}, {Trig::kAngleB, "45"}}, Trigger::Button,
     "Calculations from Side b, Ang. B", {"5.0000", "5.0000", "7.0711", "45.0000", "45.0000"}},
    {"three sides: c recomputed", {{Trig::kSideA, "3"}, {Trig::kSideB, "4"}, {Trig::kSideC, "6"}}, Trigger::EnterKey,
     "Calculations based on Sides a+b", {"3.0000", "4.0000", "5.0000", "53.1301", "36.8699"}},
    {"two angles only", {{Trig::kAngleA, "30"}, {Trig::kAngleB, "60"}}, Trigger::Button,
     "Warning - Please enter only 2 values!", {"0", "0", "0", "30", "60"}},
    {"nothing", {}, Trigger::Button, "Warning - No Information!", {"0", "0", "0", "0", "0"}},
    {"text that is no number counts as 0", {{Trig::kSideA, "abc"}, {Trig::kSideB, "4"}}, Trigger::Button,
     "Warning - Please enter only 2 values!", {"abc", "4", "0", "0", "0"}},
    {"0.0001 and -0.0001 are not given", {{Trig::kSideA, "0.0001"}, {Trig::kSideB, "-0.0001"}, {Trig::kAngleA, "30"}},
     Trigger::Button, "Warning - Please enter only 2 values!", {"0.0001", "-0.0001", "0", "30", "0"}},
    {"0.00011 is given", {{Trig::kSideA, "0.00011"}, {Trig::kAngleA, "45"}}, Trigger::Button,
     "Calculations from Side a, Ang. A", {"0.0001", "0.0001", "0.0002", "45.0000", "45.0000"}},
    {"leading blanks and trailing text read as their number", {{Trig::kSideA, "  3xyz"}, {Trig::kSideB, "4e0"}},
     Trigger::Button, "Calculations based on Sides a+b", {"3.0000", "4.0000", "5.0000", "53.1301", "36.8699"}},
    {"an impossible triangle prints nan", {{Trig::kSideA, "5"}, {Trig::kSideC, "3"}}, Trigger::Button,
     "Calculations based on Sides a+c", {"5.0000", "nan", "3.0000", "nan", "nan"}},
    // Calc It computes with a value the limits would refuse; only closing checks.
    {"a side above the limit still computes", {{Trig::kSideA, "12000"}, {Trig::kAngleA, "45"}}, Trigger::Button,
     "Calculations from Side a, Ang. A", {"12000.0000", "12000.0000", "16970.5627", "45.0000", "45.0000"}},
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
    Trig dlg;
    CString resultLine;
    std::vector<CString> fields;
    bool stillOpen = false;
    bool resultLineEnabled = true;
    RunModal(dlg, [&] {
        for (const auto& [id, text] : example.typed)
            TypeInto(dlg, id, text);
        if (example.trigger == Trigger::Button)
            Click(dlg, Trig::kCalcIt);
        else
            Press(dlg, Qt::Key_Return);
        resultLine = dlg.GetDlgItemText(Trig::kResultLine);
        fields = FieldTexts(dlg);
        stillOpen = IsOpen(dlg);
        resultLineEnabled = Control(dlg, Trig::kResultLine)->isEnabled();
    });
    EXPECT_TRUE(stillOpen);  // computing never closes the dialog
    EXPECT_FALSE(resultLineEnabled) << "the result line shows text and takes no input";
    EXPECT_EQ(resultLine, example.resultLine);
    EXPECT_EQ(fields, example.fields);
}

INSTANTIATE_TEST_SUITE_P(TrigDlg, TrigWorkedExamples, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return "example" + std::to_string(info.index); });

TEST(TrigDlg, ClearAllZeroesTheFieldsAndKeepsTheResultLine)
{
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "Alt+C" : "Clear All button");
        Trig dlg;
        std::vector<CString> fields;
        CString resultLine;
        RunModal(dlg, [&] {
            TypeInto(dlg, Trig::kSideA, "3");
            TypeInto(dlg, Trig::kSideB, "4");
            Press(dlg, Qt::Key_Return);
            if (byKey)
                Press(dlg, Qt::Key_C, Qt::AltModifier);
            else
                Click(dlg, Trig::kClearAll);
            fields = FieldTexts(dlg);
            resultLine = dlg.GetDlgItemText(Trig::kResultLine);
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
    Trig dlg;
    CString before;
    CString after;
    std::vector<CString> fieldsAfter;
    RunModal(dlg, [&] {
        TypeInto(dlg, Trig::kSideA, "3");
        TypeInto(dlg, Trig::kSideB, "4");
        Click(dlg, Trig::kCalcIt);
        TypeInto(dlg, Trig::kSideC, "5");
        TypeInto(dlg, Trig::kAngleA, "30");
        Click(dlg, Trig::kCalcIt);
        before = dlg.GetDlgItemText(Trig::kResultLine);
        Press(dlg, Qt::Key_C, Qt::AltModifier);
        TypeInto(dlg, Trig::kSideC, "5");
        TypeInto(dlg, Trig::kAngleA, "30");
        Click(dlg, Trig::kCalcIt);
        after = dlg.GetDlgItemText(Trig::kResultLine);
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
    Trig dlg;
    MessageBoxAnswerer answer;
    CString sideC;
    bool stillOpen = false;
    bool focusOnSideC = false;
    CString selected;
    const int result = RunModal(dlg, [&] {
        TypeInto(dlg, Trig::kSideA, "8000");
        TypeInto(dlg, Trig::kSideB, "8000");
        Click(dlg, Trig::kCalcIt);
        sideC = dlg.GetDlgItemText(Trig::kSideC);
        answer.Arm();
        Click(dlg, IDOK);
        stillOpen = dlg.Widget()->isVisible();
        focusOnSideC = dlg.Widget()->focusWidget() == Edit(dlg, Trig::kSideC);
        selected = Edit(dlg, Trig::kSideC)->selectedText().toStdString();
        Click(dlg, Trig::kClearAll);
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

TEST(TrigDlg, DoneSavesTheComputedFieldsIntoTheMembers)
{
    Trig dlg;
    const int result = RunModal(dlg, [&] {
        TypeInto(dlg, Trig::kSideA, "3");
        TypeInto(dlg, Trig::kSideB, "4");
        Click(dlg, Trig::kCalcIt);
        Click(dlg, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_sideC, 5.0);
    EXPECT_EQ(dlg.m_angleA, 53.1301);  // as the field showed it
}

}  // namespace
