#pragma once
// CSavingsDlg: the savings interest dialog (template 164). From a beginning
// balance, a yearly rate in percent, a number of months and how often
// interest is compounded, Calc It (or Enter) shows the interest earned and
// the balance at the end; only whole compounding periods count. The
// arithmetic is CalculateSavingsInterest's. Ranges are checked only when
// Done (or Esc) closes it; nothing is returned.

#include "platform/dialog/AcceleratorDlg.h"

enum class Compounding;

class CSavingsDlg : public CAcceleratorDlg {
public:
    // Template 164 (and accelerator table 164) and its controls.
    static constexpr int kTemplate = 164;
    static constexpr int kInterestEarned = 1103;
    static constexpr int kEndBalance = 1104;
    static constexpr int kApr = 1113;
    static constexpr int kBalance = 1114;
    static constexpr int kMonths = 1115;
    static constexpr int kCalcIt = 1116;
    static constexpr int kQuarterly = 1120;
    static constexpr int kMonthly = 1121;
    static constexpr int kYearly = 1122;
    static constexpr int kSixMonths = 1123;

    explicit CSavingsDlg(CWnd* parent = nullptr);
    ~CSavingsDlg() override;

    double m_apr = 0.0;
    int m_termMonths = 0;
    double m_balance = 0.0;
    // Exactly one of the four compounding flags is 1.
    int m_quarterly = 1;
    int m_yearly = 0;
    int m_monthly = 0;
    int m_sixMonths = 0;

    void OnClickedCalcIt();
    void OnClickedQuarterly();
    void OnClickedMonthly();
    void OnClickedYearly();
    void OnClickedSixMonths();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap& GetMessageMap() const override;

private:
    // The compounding whose flag is set, tested Yearly, Quarterly, Monthly,
    // 6 Months.
    Compounding SelectedCompounding() const;
    // Checks `button` and clears the other three; its flag alone is 1.
    void SelectCompounding(int button);
};
