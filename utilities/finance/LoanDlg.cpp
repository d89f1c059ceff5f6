#include "LoanDlg.h"

#include "LoanCalc.h"
#include "platform/dialog/DataExchange.h"
#include "platform/text/Format.h"
#include "platform/text/NumberText.h"

namespace {

constexpr int kMaxResultChars = 25;

}  // namespace

CLoanDlg::CLoanDlg(CWnd* parent) : CAcceleratorDlg(kTemplate, parent) {}

CLoanDlg::~CLoanDlg() = default;

const MessageMap& CLoanDlg::GetMessageMap() const
{
    static const MessageMap map = {
        ON_BN_CLICKED(kCalcIt, &CLoanDlg::OnClickedCalcIt),
        ON_BN_CLICKED(kYears, &CLoanDlg::OnClickedYears),
        ON_BN_CLICKED(kMonths, &CLoanDlg::OnClickedMonths),
    };
    return map;
}

void CLoanDlg::DoDataExchange(CDataExchange* pDX)
{
    CAcceleratorDlg::DoDataExchange(pDX);
    DDX_Text(pDX, kApr, m_apr);
    DDV_MinMaxDouble(pDX, m_apr, 0.0, 100.0);
    DDX_Text(pDX, kAmount, m_amount);
    DDV_MinMaxDouble(pDX, m_amount, 0.0, 999999.99);
    DDX_Text(pDX, kInterest, m_interestText);
    DDV_MaxChars(pDX, m_interestText, kMaxResultChars);
    DDX_Text(pDX, kPrincipal, m_principalText);
    DDV_MaxChars(pDX, m_principalText, kMaxResultChars);
    DDX_Text(pDX, kTerm, m_term);
    DDV_MinMaxDouble(pDX, m_term, 0.0, 9999.9);
    DDX_Text(pDX, kTotal, m_totalText);
    DDV_MaxChars(pDX, m_totalText, kMaxResultChars);
    DDX_Radio(pDX, kMonths, m_months);
    DDX_Radio(pDX, kYears, m_years);
    // Whatever the radio exchange did, the term opens in years; the flags
    // are left as they are.
    CheckRadioButton(kYears, kMonths, kYears);
}

void CLoanDlg::OnClickedCalcIt()
{
    m_amount = StrToD(GetDlgItemText(kAmount));
    m_apr = StrToD(GetDlgItemText(kApr));
    m_term = StrToD(GetDlgItemText(kTerm));

    const LoanResult loan = CalculateLoan({m_amount, m_apr, m_term, m_years != 0});
    m_term = loan.termMonths;
    SetDlgItemText(kPrincipal, Format("%1.2f", loan.principal));
    SetDlgItemText(kInterest, Format("%1.2f", loan.interest));
    SetDlgItemText(kTotal, Format("%1.2f", loan.total));
    SetDlgItemText(kPayment, Format("%1.2f", loan.payment));
}

void CLoanDlg::OnClickedYears()
{
    CheckRadioButton(kYears, kMonths, kYears);
    m_months = 0;
    m_years = 1;
}

void CLoanDlg::OnClickedMonths()
{
    CheckRadioButton(kYears, kMonths, kMonths);
    m_months = 1;
    m_years = 0;
}
