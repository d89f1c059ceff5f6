#include "GoalDlg.h"

#include "SavingsGoal.h"
#include "platform/dialog/DataExchange.h"
#include "platform/text/Format.h"
#include "platform/text/NumberText.h"

CGoalDlg::CGoalDlg(CWnd* parent) : CAcceleratorDlg(kTemplate, parent) {}

CGoalDlg::~CGoalDlg() = default;

const MessageMap& CGoalDlg::GetMessageMap() const
{
    static const MessageMap map = {
        ON_BN_CLICKED(kMonths, &CGoalDlg::OnClickedMonths),
        ON_BN_CLICKED(kYears, &CGoalDlg::OnClickedYears),
        ON_BN_CLICKED(kCalcIt, &CGoalDlg::OnClickedCalcIt),
    };
    return map;
}

void CGoalDlg::DoDataExchange(CDataExchange* pDX)
{
    CAcceleratorDlg::DoDataExchange(pDX);
    DDX_Text(pDX, kGoal, m_goal);
    DDV_MinMaxDouble(pDX, m_goal, 0.0, 9999999.99);
    DDX_Text(pDX, kApr, m_apr);
    DDV_MinMaxDouble(pDX, m_apr, 0.0, 999999.99);
    DDX_Text(pDX, kTerm, m_term);
    DDV_MinMaxInt(pDX, m_term, 0, 32000);
    DDX_Radio(pDX, kMonths, m_months);
    DDX_Radio(pDX, kYears, m_years);
    // Whatever the radio exchange did, the term is in years. The range
    // 1115..1144 also spans an edit and Calc It!, which stay as they are.
    CheckRadioButton(kMonths, kYears, kYears);
    m_years = 1;
    m_months = 0;
}

void CGoalDlg::OnClickedMonths()
{
    CheckRadioButton(kMonths, kYears, kMonths);
    m_years = 0;
    m_months = 1;
}

void CGoalDlg::OnClickedYears()
{
    CheckRadioButton(kMonths, kYears, kYears);
    m_years = 1;
    m_months = 0;
}

void CGoalDlg::OnClickedCalcIt()
{
    m_goal = StrToD(GetDlgItemText(kGoal));
    m_term = AToI(GetDlgItemText(kTerm));
    m_apr = StrToD(GetDlgItemText(kApr));

    const GoalResult goal = CalculateSavingsGoal({m_goal, m_apr, m_term, m_years == 1});
    m_term = goal.termMonths;
    SetDlgItemText(kDeposit, Format("%1.2f", goal.deposit));
}
