// The calculator's keypad and keyboard: the message map of its keys, the
// function keys and the accelerator translation that lets every key be typed
// whatever control has the focus.

#include "CalcDlg.h"
#include "utilities/Degrees.h"

#include <cmath>

namespace {
constexpr int kFocusSink = 1016;
// Pi as the key enters it: nine decimals, not the double nearest to pi.
constexpr double kKeyPi = 3.141592654;
constexpr double kMmPerInch = 25.4;
constexpr double kInchPerMm = 0.039370079;
}  // namespace

const MessageMap& CCalcDlg::GetMessageMap() const
{
    static const MessageMap map = {
        ON_COMMAND_RANGE(1000, 1009, &CCalcDlg::OnClickedNumber),
        ON_BN_CLICKED(1020, &CCalcDlg::OnClickedEqual),
        ON_BN_CLICKED(1010, &CCalcDlg::OnClickedPlus),
        ON_BN_CLICKED(1011, &CCalcDlg::OnClickedMinus),
        ON_BN_CLICKED(1012, &CCalcDlg::OnClickedMultiply),
        ON_BN_CLICKED(1013, &CCalcDlg::OnClickedDivide),
        ON_BN_CLICKED(1021, &CCalcDlg::OnClickedClear),
        ON_EN_SETFOCUS(1030, &CCalcDlg::OnSetFocusDisplay),
        ON_BN_CLICKED(32790, &CCalcDlg::OnClickedPoint),
        ON_BN_CLICKED(1019, &CCalcDlg::OnClickedSin),
        ON_BN_CLICKED(1022, &CCalcDlg::OnClickedCos),
        ON_BN_CLICKED(1023, &CCalcDlg::OnClickedTan),
        ON_BN_CLICKED(1024, &CCalcDlg::OnClickedPi),
        ON_BN_CLICKED(1029, &CCalcDlg::OnClickedAsin),
        ON_BN_CLICKED(1031, &CCalcDlg::OnClickedAcos),
        ON_BN_CLICKED(1032, &CCalcDlg::OnClickedAtan),
        ON_BN_CLICKED(1150, &CCalcDlg::OnClickedClearEntry),
        ON_BN_CLICKED(1025, &CCalcDlg::OnClickedPercent),
        ON_BN_CLICKED(1033, &CCalcDlg::OnClickedTrigUtil),
        ON_BN_CLICKED(1080, &CCalcDlg::OnClickedPhotoSizing),
        // Commands no control sends.
        ON_COMMAND(1034, &CCalcDlg::OnBoltHole),
        ON_COMMAND(1027, &CCalcDlg::OnClickedInchToMm),
        ON_COMMAND(1028, &CCalcDlg::OnClickedMmToInch),
        ON_COMMAND(1049, &CCalcDlg::OnClickedPercent),
    };
    return map;
}

BOOL CCalcDlg::PreTranslateMessage(const MSG& msg)
{
    if (m_hAccel != nullptr && TranslateAccelerator(this, m_hAccel, msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CCalcDlg::OnClickedNumber(UINT id)
{
    EnterDigit(static_cast<int>(id) - 1000);
}

void CCalcDlg::OnSetFocusDisplay()
{
    if (CWnd* sink = GetDlgItem(kFocusSink))
        sink->SetFocus();
}

// A function key's result becomes the operand and is shown once in "%g".
void CCalcDlg::ShowFunctionResult(double value, BOOL decimalEntryAfter)
{
    StoreOperand(value);
    g_bShortFormat = TRUE;
    UpdateDisplay();
    g_bShortFormat = FALSE;
    m_bDecimal = decimalEntryAfter;
}

// Function keys: new operand from the operand register, and whether decimal
// entry is on afterwards.
void CCalcDlg::OnClickedPi() { ShowFunctionResult(kKeyPi, TRUE); }
void CCalcDlg::OnClickedPercent() { ShowFunctionResult(m_operand * 0.01, FALSE); }
void CCalcDlg::OnClickedSin() { ShowFunctionResult(std::sin(m_operand * kDegToRad), TRUE); }
void CCalcDlg::OnClickedCos() { ShowFunctionResult(std::cos(m_operand * kDegToRad), TRUE); }
void CCalcDlg::OnClickedTan() { ShowFunctionResult(std::tan(m_operand * kDegToRad), TRUE); }
void CCalcDlg::OnClickedAsin() { ShowFunctionResult(std::asin(m_operand) * kRadToDeg, TRUE); }
void CCalcDlg::OnClickedAcos() { ShowFunctionResult(std::acos(m_operand) * kRadToDeg, TRUE); }
void CCalcDlg::OnClickedAtan() { ShowFunctionResult(std::atan(m_operand) * kRadToDeg, TRUE); }
void CCalcDlg::OnClickedInchToMm() { ShowFunctionResult(m_operand * kMmPerInch, TRUE); }
void CCalcDlg::OnClickedMmToInch() { ShowFunctionResult(m_operand * kInchPerMm, TRUE); }
