#include "AccruedDlg.h"

#include "AccruedPayments.h"
#include "platform/dialog/DataExchange.h"
#include "platform/text/Format.h"
#include "platform/text/NumberText.h"

CAccruedDlg::CAccruedDlg(CWnd* parent) : CAcceleratorDlg(kTemplate, parent) {}

CAccruedDlg::~CAccruedDlg() = default;

const MessageMap& CAccruedDlg::GetMessageMap() const
{
    static const MessageMap map = {
        ON_BN_CLICKED(kCalcIt, &CAccruedDlg::OnClickedCalcIt),
        ON_BN_CLICKED(kWeek, &CAccruedDlg::OnClickedWeek),
        ON_BN_CLICKED(kMonth, &CAccruedDlg::OnClickedMonth),
        ON_BN_CLICKED(kYears, &CAccruedDlg::OnClickedYears),
        ON_BN_CLICKED(kMonths, &CAccruedDlg::OnClickedMonths),
    };
    return map;
}

void CAccruedDlg::DoDataExchange(CDataExchange* pDX)
{
    CAcceleratorDlg::DoDataExchange(pDX);
    DDX_Text(pDX, kApr, m_apr);
    DDV_MinMaxDouble(pDX, m_apr, 0.0, 9999.99);
    DDX_Text(pDX, kPayment, m_payment);
    DDV_MinMaxDouble(pDX, m_payment, 0.0, 9999.99);
    DDX_Text(pDX, kTerm, m_term);
    DDV_MinMaxInt(pDX, m_term, 0, 99999);
    DDX_Radio(pDX, kMonths, m_months);
    DDX_Radio(pDX, kYears, m_years);
    DDX_Radio(pDX, kMonth, m_perMonth);
    DDX_Radio(pDX, kWeek, m_perWeek);
    // Whatever the radio exchange did, a payment a month over years.
    CheckRadioButton(kWeek, kMonth, kMonth);
    m_perMonth = 1;
    m_perWeek = 0;
    CheckRadioButton(kYears, kMonths, kYears);
    m_months = 0;
    m_years = 1;
}

void CAccruedDlg::OnClickedCalcIt()
{
    m_payment = StrToD(GetDlgItemText(kPayment));
    m_apr = StrToD(GetDlgItemText(kApr));
    m_term = AToI(GetDlgItemText(kTerm));

    const AccruedResult accrued = CalculateAccruedPayments({m_payment, m_apr, m_term, m_perWeek == 1, m_years == 1});
    m_payment = accrued.monthlyPayment;
    m_term = accrued.termMonths;
    SetDlgItemText(kAccrued, Format("%1.2f", accrued.accrued));
}

void CAccruedDlg::OnClickedWeek()
{
    CheckRadioButton(kWeek, kMonth, kWeek);
    m_perMonth = 0;
    m_perWeek = 1;
}

void CAccruedDlg::OnClickedMonth()
{
    CheckRadioButton(kWeek, kMonth, kMonth);
    m_perMonth = 1;
    m_perWeek = 0;
}

void CAccruedDlg::OnClickedYears()
{
    CheckRadioButton(kYears, kMonths, kYears);
    m_months = 0;
    m_years = 1;
}

void CAccruedDlg::OnClickedMonths()
{
    CheckRadioButton(kYears, kMonths, kMonths);
    m_months = 1;
    m_years = 0;
}
