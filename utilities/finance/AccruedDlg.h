#pragma once
// CAccruedDlg: the accrued payments dialog (template 173, "Compounded
// Interest"). From a payment made every week or every month, a yearly rate
// in percent and a term in years or months, Calc It (or Enter) shows what
// the monthly deposits are worth after the last one, compounded monthly.
// The arithmetic is CalculateAccruedPayments's. Ranges are checked only
// when Done (or Esc) closes it; nothing is returned.

#include "platform/dialog/AcceleratorDlg.h"

class CAccruedDlg : public CAcceleratorDlg {
public:
    // Template 173 (and accelerator table 173) and its controls.
    static constexpr int kTemplate = 173;
    static constexpr int kApr = 1096;
    static constexpr int kTerm = 1097;
    static constexpr int kPayment = 1124;
    static constexpr int kWeek = 1126;
    static constexpr int kMonth = 1127;
    static constexpr int kYears = 1128;
    static constexpr int kMonths = 1129;
    static constexpr int kCalcIt = 1130;
    static constexpr int kAccrued = 1139;

    explicit CAccruedDlg(CWnd* parent = nullptr);
    ~CAccruedDlg() override;

    double m_apr = 0.0;
    // As typed; Calc It stores the monthly payment.
    double m_payment = 0.0;
    // As typed; Calc It stores the term in months.
    int m_term = 0;
    int m_months = 0;
    int m_years = 1;
    int m_perMonth = 1;
    int m_perWeek = 0;

    void OnClickedCalcIt();
    void OnClickedWeek();
    void OnClickedMonth();
    void OnClickedYears();
    void OnClickedMonths();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap& GetMessageMap() const override;
};
