// The calculator as an automation object: its class factory, its dispatch
// map and the functions behind it, its running-object entry and its final
// release. Every function ends in the same engine operations the keys use,
// so a client and the user share one calculator.

#include "AutomationInteger.h"
#include "CalcDlg.h"

#include "platform/application/WinApp.h"

COleObjectFactory CCalcDlg::factory(
    CLSID_Calculator, []() -> CAutomationObject* { return new CCalcDlg(nullptr); }, "numbrix.calculator",
    "Calculator");

const DispatchMap& CCalcDlg::GetDispatchMap() const
{
    // Clients number the entries by position, 1 to 9: keep the order.
    static const DispatchMap map = {
        DISP_PROPERTY_EX("Accum", &CCalcDlg::GetAccum, &CCalcDlg::SetAccum, VT_I4),
        DISP_PROPERTY_EX("Operand", &CCalcDlg::GetOperand, &CCalcDlg::SetOperand, VT_I4),
        DISP_PROPERTY_EX("Operation", &CCalcDlg::GetOperation, &CCalcDlg::SetOperation, VT_I2),
        DISP_PROPERTY_EX("Visible", &CCalcDlg::GetVisible, &CCalcDlg::SetVisible, VT_BOOL),
        DISP_FUNCTION("Evaluate", &CCalcDlg::Evaluate, VT_BOOL, VTS_NONE),
        DISP_FUNCTION("Clear", &CCalcDlg::Clear, VT_EMPTY, VTS_NONE),
        DISP_FUNCTION("Display", &CCalcDlg::Display, VT_EMPTY, VTS_NONE),
        DISP_FUNCTION("Close", &CCalcDlg::Close, VT_EMPTY, VTS_NONE),
        DISP_FUNCTION("Button", &CCalcDlg::Button, VT_BOOL, VTS_BSTR),
    };
    return map;
}

BOOL CCalcDlg::RegisterActive()
{
    return RegisterActiveObject(this, CLSID_Calculator, ACTIVEOBJECT_STRONG, &m_dwRegister) == S_OK;
}

void CCalcDlg::OnFinalRelease()
{
    // As for any window object: the window goes if there is one (and takes
    // the object with it), otherwise the object goes now.
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
    else
        PostNcDestroy();
}

long CCalcDlg::GetAccum() const
{
    return AutomationLongFrom(m_accum);
}

void CCalcDlg::SetAccum(long value)
{
    m_accum = static_cast<double>(value);
}

long CCalcDlg::GetOperand() const
{
    return AutomationLongFrom(m_operand);
}

void CCalcDlg::SetOperand(long value)
{
    StoreOperand(static_cast<double>(value));
}

short CCalcDlg::GetOperation() const
{
    return static_cast<short>(m_operator);
}

void CCalcDlg::SetOperation(short value)
{
    // Any code is taken; one outside 0 to 4 leaves the accumulator alone
    // when applied.
    m_operator = value;
}

BOOL CCalcDlg::Evaluate()
{
    OnClickedEqual();
    return m_errorState == ERR_NONE;
}

void CCalcDlg::Clear()
{
    OnClickedClear();
}

void CCalcDlg::Display()
{
    UpdateDisplay();
}

void CCalcDlg::Close()
{
    if (GetSafeHwnd() == nullptr) {
        AfxPostQuitMessage(0);
        return;
    }
    // The client still holds the object: the window goes, the object stays.
    const BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    DestroyWindow();
    m_bAutoDelete = autoDelete;
}

BOOL CCalcDlg::Button(LPCTSTR key)
{
    struct KeyOfButton {
        char character;
        void (CCalcDlg::*run)();
    };
    // The characters a client can press besides the digits.
    static constexpr KeyOfButton kKeys[] = {
        {'+', &CCalcDlg::OnClickedPlus},   {'-', &CCalcDlg::OnClickedMinus},
        {'*', &CCalcDlg::OnClickedMultiply}, {'/', &CCalcDlg::OnClickedDivide},
        {'=', &CCalcDlg::OnClickedEqual},  {'.', &CCalcDlg::OnClickedPoint},
        {'C', &CCalcDlg::OnClickedClear},  {'c', &CCalcDlg::OnClickedClear},
    };
    const char first = key != nullptr ? key[0] : '\0';
    if (first >= '0' && first <= '9') {
        EnterDigit(first - '0');
        return TRUE;
    }
    for (const KeyOfButton& k : kKeys) {
        if (k.character == first) {
            (this->*k.run)();
            return TRUE;
        }
    }
    return FALSE;
}
