// The calculator's engine: digit entry, the point, the operators, Clear All,
// CE and the display update.

#include "CalcDlg.h"
#include "DisplayText.h"

BOOL g_bShortFormat = FALSE;

void CCalcDlg::PerformOperation()
{
    if (m_errorState != ERR_NONE)
        return;
    if (m_bOperandAvail) {
        switch (m_operator) {
        case OP_NONE: m_accum = m_operand; break;
        case OP_PLUS: m_accum = m_accum + m_operand; break;
        case OP_MINUS: m_accum = m_accum - m_operand; break;
        case OP_MULTIPLY: m_accum = m_accum * m_operand; break;
        case OP_DIVIDE:
            // Unordered (NaN) counts as zero: only a definite non-zero divides.
            if (m_operand < 0.0 || m_operand > 0.0)
                m_accum = m_accum / m_operand;
            else
                m_errorState = ERR_DIVIDE_BY_ZERO;
            break;
        default: break;  // an unknown code leaves the accumulator alone
        }
    }
    m_bOperandAvail = FALSE;
    UpdateDisplay();
}

void CCalcDlg::OnClickedPlus()
{
    PerformOperation();
    m_operator = OP_PLUS;
    m_bDecimal = FALSE;
}

void CCalcDlg::OnClickedMinus()
{
    PerformOperation();
    m_operator = OP_MINUS;
    m_bDecimal = FALSE;
}

void CCalcDlg::OnClickedMultiply()
{
    PerformOperation();
    m_operator = OP_MULTIPLY;
    m_bDecimal = FALSE;
}

void CCalcDlg::OnClickedDivide()
{
    PerformOperation();
    m_operator = OP_DIVIDE;
    m_bDecimal = FALSE;
}

void CCalcDlg::OnClickedEqual()
{
    PerformOperation();
    m_operator = OP_NONE;
    m_bDecimal = FALSE;
}

void CCalcDlg::EnterDigit(int digit)
{
    if (m_errorState != ERR_NONE)
        return;
    if (!m_bOperandAvail)
        m_operand = 0.0;
    if (m_bDecimal) {
        StoreOperand(digit * m_decimalPlace + m_operand);
        m_decimalPlace = m_decimalPlace * 0.1;
    } else {
        StoreOperand(m_operand * 10.0 + digit);
    }
    UpdateDisplay();
}

void CCalcDlg::OnClickedPoint()
{
    if (!m_bDecimal)
        m_decimalPlace = 1.0;
    m_bDecimal = TRUE;
    EnterDigit(0);
}

void CCalcDlg::OnClickedClear()
{
    m_operator = OP_NONE;
    m_operand = 0.0;
    m_accum = 0.0;
    m_bOperandAvail = FALSE;
    m_errorState = ERR_NONE;
    m_bDecimal = FALSE;
    UpdateDisplay();
}

void CCalcDlg::OnClickedClearEntry()
{
    m_operand = 0.0;
    m_errorState = ERR_NONE;
    UpdateDisplay();
    m_bDecimal = FALSE;
}

void CCalcDlg::StoreOperand(double value)
{
    m_operand = value;
    m_bOperandAvail = TRUE;
}

CString CCalcDlg::DisplayText() const
{
    return CalcDisplayText({m_errorState, m_bOperandAvail, m_operand, m_accum}, g_bShortFormat);
}

void CCalcDlg::UpdateDisplay()
{
    if (GetSafeHwnd() == nullptr)
        return;
    SetDlgItemText(kDisplay, DisplayText());
    if (CWnd* sink = GetDlgItem(kFocusSink))
        sink->SetFocus();
}
