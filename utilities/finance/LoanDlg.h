#pragma once
// CLoanDlg: the loan calculator dialog (template 163). From the amount
// borrowed, the yearly rate in percent and a term in years or months, Calc It
// (or Enter) shows the principal, the interest over the term, the total paid
// and the level monthly payment. The arithmetic is CalculateLoan's; this
// class reads and writes the fields. Ranges are checked only when Done (or
// Esc) closes it; nothing is returned.

#include "platform/dialog/AcceleratorDlg.h"

class CLoanDlg : public CAcceleratorDlg {
public:
    // Template 163 (and accelerator table 163) and its controls.
    static constexpr int kTemplate = 163;
    static constexpr int kYears = 1091;
    static constexpr int kMonths = 1092;
    static constexpr int kPrincipal = 1094;
    static constexpr int kAmount = 1095;
    static constexpr int kApr = 1096;
    static constexpr int kTerm = 1097;
    static constexpr int kInterest = 1098;
    static constexpr int kTotal = 1099;
    static constexpr int kCalcIt = 1112;
    static constexpr int kPayment = 1124;

    explicit CLoanDlg(CWnd* parent = nullptr);
    ~CLoanDlg() override;

    double m_apr = 0.0;
    double m_amount = 0.0;
    // The result fields' texts, carried only by the exchange: Calc It writes
    // the fields themselves.
    CString m_interestText = "0";
    CString m_principalText = "0";
    // As typed; Calc It stores the term in months.
    double m_term = 0.0;
    CString m_totalText = "0";
    int m_months = 0;
    int m_years = 1;

    void OnClickedCalcIt();
    void OnClickedYears();
    void OnClickedMonths();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap& GetMessageMap() const override;
};
