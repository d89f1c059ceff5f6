#include "CreditCardDlg.h"

#include "CreditCardPlan.h"
#include "platform/dialog/DataExchange.h"
#include "platform/text/Format.h"
#include "platform/text/NumberText.h"

CCreditCardDlg::CCreditCardDlg(CWnd* parent) : CAcceleratorDlg(kTemplate, parent) {}

CCreditCardDlg::~CCreditCardDlg() = default;

const MessageMap& CCreditCardDlg::GetMessageMap() const
{
    static const MessageMap map = {
        ON_BN_CLICKED(kCalcIt, &CCreditCardDlg::OnClickedCalcIt),
    };
    return map;
}

void CCreditCardDlg::DoDataExchange(CDataExchange* pDX)
{
    CAcceleratorDlg::DoDataExchange(pDX);
    DDX_Text(pDX, kApr, m_apr);
    DDV_MinMaxDouble(pDX, m_apr, 0.0, 9999.99);
    DDX_Text(pDX, kBalance, m_balance);
    DDV_MinMaxDouble(pDX, m_balance, 0.0, 999999.99);
    DDX_Text(pDX, kPayment, m_payment);
    DDV_MinMaxDouble(pDX, m_payment, 0.0, 99999.99);
}

void CCreditCardDlg::OnClickedCalcIt()
{
    m_balance = StrToD(GetDlgItemText(kBalance));
    m_apr = StrToD(GetDlgItemText(kApr));
    m_payment = StrToD(GetDlgItemText(kPayment));

    const CreditCardPlan plan = PlanCreditCardPayoff({m_balance, m_apr, m_payment});
    if (plan.neverPaid) {
        SetDlgItemText(kPayoffTime, "Never!");
        SetDlgItemText(kFinalPayment, Format("you owe %1.2f after 20 years", plan.owedAfter20Years));
        SetDlgItemText(kTotalPayment, "n/a");
        return;
    }
    SetDlgItemText(kPayoffTime, Format("%d Years %d Months", plan.years, plan.months));
    SetDlgItemText(kFinalPayment, Format("%1.2f", plan.finalPayment));
    SetDlgItemText(kTotalPayment, Format("%1.2f", plan.total));
}
