#include "PayoffDlg.h"

#include "EarlyPayoff.h"
#include "platform/dialog/DataExchange.h"
#include "platform/text/Format.h"
#include "platform/text/NumberText.h"

CPayoffDlg::CPayoffDlg(CWnd* parent) : CAcceleratorDlg(kTemplate, parent) {}

CPayoffDlg::~CPayoffDlg() = default;

const MessageMap& CPayoffDlg::GetMessageMap() const
{
    static const MessageMap map = {
        ON_BN_CLICKED(kMonths, &CPayoffDlg::OnClickedMonths),
        ON_BN_CLICKED(kYears, &CPayoffDlg::OnClickedYears),
        ON_BN_CLICKED(kCalcIt, &CPayoffDlg::OnClickedCalcIt),
    };
    return map;
}

void CPayoffDlg::DoDataExchange(CDataExchange* pDX)
{
    CAcceleratorDlg::DoDataExchange(pDX);
    DDX_Text(pDX, kApr, m_apr);
    DDV_MinMaxDouble(pDX, m_apr, 0.0, 99999.99);
    DDX_Radio(pDX, kMonths, m_months);
    DDX_Text(pDX, kPayment, m_payment);
    DDV_MinMaxDouble(pDX, m_payment, 0.0, 9999999.99);
    DDX_Text(pDX, kPaymentsMade, m_paymentsMade);
    DDV_MinMaxInt(pDX, m_paymentsMade, 0, 9999);
    DDX_Text(pDX, kTotalPayments, m_totalPayments);
    DDV_MinMaxInt(pDX, m_totalPayments, 0, 9999);
    DDX_Radio(pDX, kYears, m_years);
    // Whatever the radio exchange did, the total is in months. The range
    // 1115..1144 also spans an edit and Calc It!, which stay as they are.
    CheckRadioButton(kMonths, kYears, kMonths);
    m_months = 1;
    m_years = 0;
}

void CPayoffDlg::OnClickedMonths()
{
    CheckRadioButton(kMonths, kYears, kMonths);
    m_months = 1;
    m_years = 0;
}

void CPayoffDlg::OnClickedYears()
{
    CheckRadioButton(kMonths, kYears, kYears);
    m_months = 0;
    m_years = 1;
}

void CPayoffDlg::OnClickedCalcIt()
{
    m_payment = StrToD(GetDlgItemText(kPayment));
    m_paymentsMade = AToI(GetDlgItemText(kPaymentsMade));
    m_totalPayments = AToI(GetDlgItemText(kTotalPayments));
    m_apr = StrToD(GetDlgItemText(kApr));

    const PayoffResult payoff =
        CalculateEarlyPayoff({m_payment, m_paymentsMade, m_totalPayments, m_years == 1, m_apr});
    m_totalPayments = payoff.totalPaymentsMonths;
    SetDlgItemText(kPayoff, Format("%1.2f", payoff.payoff));
}
