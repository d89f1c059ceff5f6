#pragma once
// CPayoffDlg: the early loan payoff dialog (template 176, "Payoff a Loan
// Early"). From the monthly payment, the payments already made, the total
// number of payments in months or years and a yearly rate in percent, Calc
// It (or Enter) shows what paying the loan off today takes: the payments
// still to come, discounted monthly. The arithmetic is
// CalculateEarlyPayoff's. Ranges are checked only when Done (or Esc) closes
// it; it always opens with Months selected.

#include "platform/dialog/AcceleratorDlg.h"

class CPayoffDlg : public CAcceleratorDlg {
public:
    // Template 176 (and accelerator table 176) and its controls.
    static constexpr int kTemplate = 176;
    static constexpr int kApr = 1096;
    static constexpr int kMonths = 1115;
    static constexpr int kPayment = 1124;
    static constexpr int kCalcIt = 1136;
    static constexpr int kYears = 1144;
    static constexpr int kPaymentsMade = 1147;
    static constexpr int kTotalPayments = 1148;
    static constexpr int kPayoff = 1149;

    explicit CPayoffDlg(CWnd* parent = nullptr);
    ~CPayoffDlg() override;

    double m_apr = 0.0;
    // -1 until the dialog opens and selects Months.
    int m_months = -1;
    double m_payment = 0.0;
    int m_paymentsMade = 0;  // always in months
    // As typed; Calc It with Years selected stores it in months.
    int m_totalPayments = 0;
    int m_years = -1;

    void OnClickedMonths();
    void OnClickedYears();
    void OnClickedCalcIt();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap& GetMessageMap() const override;
};
