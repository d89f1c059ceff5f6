#pragma once
// CGoalDlg: the savings goal dialog (template 175, "Reach a Financial
// Goal"). From a goal, a term in months or years and a yearly rate in
// percent, Calc It (or Enter) shows the deposit to make at the end of every
// month, compounded monthly. The arithmetic is CalculateSavingsGoal's.
// Ranges are checked only when Done (or Esc) closes it; it always opens
// with Years selected.

#include "platform/dialog/AcceleratorDlg.h"

class CGoalDlg : public CAcceleratorDlg {
public:
    // Template 175 (and accelerator table 175) and its controls.
    static constexpr int kTemplate = 175;
    static constexpr int kApr = 1096;
    static constexpr int kTerm = 1097;
    static constexpr int kMonths = 1115;
    static constexpr int kCalcIt = 1136;
    static constexpr int kGoal = 1142;
    static constexpr int kYears = 1144;
    static constexpr int kDeposit = 1145;

    explicit CGoalDlg(CWnd* parent = nullptr);
    ~CGoalDlg() override;

    double m_goal = 0.0;
    double m_apr = 0.0;
    // As typed; Calc It with Years selected stores the term in months.
    int m_term = 0;
    // -1 until the dialog opens and selects Years.
    int m_months = -1;
    int m_years = -1;

    void OnClickedMonths();
    void OnClickedYears();
    void OnClickedCalcIt();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap& GetMessageMap() const override;
};
