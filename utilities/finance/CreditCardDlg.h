#pragma once
// CCreditCardDlg: the credit card payment planner (template 174). From a
// balance, a yearly rate in percent and a fixed monthly payment, with no new
// charges, Calc It (or Enter) shows how long paying it off takes, the last
// payment and the total paid, or "Never!" with what is still owed after 20
// years. The month-by-month plan is PlanCreditCardPayoff's. Ranges are
// checked only when Done (or Esc) closes it; no radio buttons.

#include "platform/dialog/AcceleratorDlg.h"

class CCreditCardDlg : public CAcceleratorDlg {
public:
    // Template 174 (and accelerator table 174) and its controls.
    static constexpr int kTemplate = 174;
    static constexpr int kBalance = 1132;
    static constexpr int kApr = 1133;
    static constexpr int kPayment = 1134;
    static constexpr int kPayoffTime = 1135;
    static constexpr int kCalcIt = 1136;
    static constexpr int kFinalPayment = 1137;
    static constexpr int kTotalPayment = 1138;

    explicit CCreditCardDlg(CWnd* parent = nullptr);
    ~CCreditCardDlg() override;

    double m_apr = 0.0;  // percent: 18 means 18 %
    double m_balance = 0.0;
    double m_payment = 0.0;  // monthly

    void OnClickedCalcIt();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap& GetMessageMap() const override;
};
