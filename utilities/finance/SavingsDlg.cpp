#include "SavingsDlg.h"

#include "SavingsInterest.h"
#include "platform/dialog/DataExchange.h"
#include "platform/text/Format.h"
#include "platform/text/NumberText.h"

CSavingsDlg::CSavingsDlg(CWnd* parent) : CAcceleratorDlg(kTemplate, parent) {}

CSavingsDlg::~CSavingsDlg() = default;

const MessageMap& CSavingsDlg::GetMessageMap() const
{
    static const MessageMap map = {
        ON_BN_CLICKED(kCalcIt, &CSavingsDlg::OnClickedCalcIt),
        ON_BN_CLICKED(kQuarterly, &CSavingsDlg::OnClickedQuarterly),
        ON_BN_CLICKED(kMonthly, &CSavingsDlg::OnClickedMonthly),
        ON_BN_CLICKED(kYearly, &CSavingsDlg::OnClickedYearly),
        ON_BN_CLICKED(kSixMonths, &CSavingsDlg::OnClickedSixMonths),
    };
    return map;
}

void CSavingsDlg::DoDataExchange(CDataExchange* pDX)
{
    CAcceleratorDlg::DoDataExchange(pDX);
    DDX_Text(pDX, kApr, m_apr);
    DDV_MinMaxDouble(pDX, m_apr, 0.0, 9999.0);
    DDX_Text(pDX, kMonths, m_termMonths);
    DDV_MinMaxInt(pDX, m_termMonths, 0, 9999);
    DDX_Text(pDX, kBalance, m_balance);
    DDV_MinMaxDouble(pDX, m_balance, 0.0, 999999.99);
    DDX_Radio(pDX, kQuarterly, m_quarterly);
    DDX_Radio(pDX, kYearly, m_yearly);
    DDX_Radio(pDX, kMonthly, m_monthly);
    DDX_Radio(pDX, kSixMonths, m_sixMonths);
    // Whatever the radio exchange did, interest is compounded quarterly.
    SelectCompounding(kQuarterly);
}

void CSavingsDlg::OnClickedCalcIt()
{
    m_apr = StrToD(GetDlgItemText(kApr));
    m_balance = StrToD(GetDlgItemText(kBalance));
    m_termMonths = AToI(GetDlgItemText(kMonths));

    const SavingsResult savings = CalculateSavingsInterest({m_balance, m_apr, m_termMonths, SelectedCompounding()});
    SetDlgItemText(kInterestEarned, Format("%1.2f", savings.interest));
    SetDlgItemText(kEndBalance, Format("%1.2f", savings.endBalance));
}

void CSavingsDlg::OnClickedQuarterly() { SelectCompounding(kQuarterly); }
void CSavingsDlg::OnClickedMonthly() { SelectCompounding(kMonthly); }
void CSavingsDlg::OnClickedYearly() { SelectCompounding(kYearly); }
void CSavingsDlg::OnClickedSixMonths() { SelectCompounding(kSixMonths); }

Compounding CSavingsDlg::SelectedCompounding() const
{
    if (m_yearly == 1)
        return Compounding::Yearly;
    if (m_quarterly == 1)
        return Compounding::Quarterly;
    if (m_monthly == 1)
        return Compounding::Monthly;
    return Compounding::SixMonths;
}

void CSavingsDlg::SelectCompounding(int button)
{
    CheckRadioButton(kQuarterly, kSixMonths, button);
    m_quarterly = button == kQuarterly ? 1 : 0;
    m_monthly = button == kMonthly ? 1 : 0;
    m_yearly = button == kYearly ? 1 : 0;
    m_sixMonths = button == kSixMonths ? 1 : 0;
}
