// The calculator's keypad and keyboard: the message map of its keys, the
// function keys and the accelerator translation that lets every key be typed
// whatever control has the focus.

#include "CalcDlg.h"
#include "platform/dialog/ClipboardKeys.h"
#include "utilities/Degrees.h"

#include <cmath>

namespace {
// Pi as the key enters it: nine decimals, not the double nearest to pi.
constexpr double kPiAsKeyed = 3.141592654;
constexpr double kMmPerInch = 25.4;
constexpr double kInchPerMm = 0.039370079;
}  // namespace

const MessageMap& CCalcDlg::GetMessageMap() const
{
    static const MessageMap map = [] {
        MessageMap keypad = {
            ON_COMMAND_RANGE(kKey0, kKey9, &CCalcDlg::OnClickedNumber),
            ON_BN_CLICKED(kKeyEqual, &CCalcDlg::OnClickedEqual),
            ON_BN_CLICKED(kKeyPlus, &CCalcDlg::OnClickedPlus),
            ON_BN_CLICKED(kKeyMinus, &CCalcDlg::OnClickedMinus),
            ON_BN_CLICKED(kKeyMultiply, &CCalcDlg::OnClickedMultiply),
            ON_BN_CLICKED(kKeyDivide, &CCalcDlg::OnClickedDivide),
            ON_BN_CLICKED(kKeyClearAll, &CCalcDlg::OnClickedClear),
            ON_EN_SETFOCUS(kDisplay, &CCalcDlg::OnSetFocusDisplay),
            ON_BN_CLICKED(kKeyPoint, &CCalcDlg::OnClickedPoint),
            ON_BN_CLICKED(kKeySin, &CCalcDlg::OnClickedSin),
            ON_BN_CLICKED(kKeyCos, &CCalcDlg::OnClickedCos),
            ON_BN_CLICKED(kKeyTan, &CCalcDlg::OnClickedTan),
            ON_BN_CLICKED(kKeyPi, &CCalcDlg::OnClickedPi),
            ON_BN_CLICKED(kKeyAsin, &CCalcDlg::OnClickedAsin),
            ON_BN_CLICKED(kKeyAcos, &CCalcDlg::OnClickedAcos),
            ON_BN_CLICKED(kKeyAtan, &CCalcDlg::OnClickedAtan),
            ON_BN_CLICKED(kKeyClearEntry, &CCalcDlg::OnClickedClearEntry),
            ON_BN_CLICKED(kKeyPercent, &CCalcDlg::OnClickedPercent),
            // Commands no control sends.
            ON_COMMAND(kCmdInchToMm, &CCalcDlg::OnClickedInchToMm),
            ON_COMMAND(kCmdMmToInch, &CCalcDlg::OnClickedMmToInch),
            ON_COMMAND(kCmdPercent, &CCalcDlg::OnClickedPercent),
        };
        for (MessageMapEntry& entry : LauncherMessageMap())
            keypad.push_back(std::move(entry));
        return keypad;
    }();
    return map;
}

BOOL CCalcDlg::PreTranslateMessage(const MSG& msg)
{
    // The desktop's copy and paste keys come before the table, which has
    // no entries for them and keeps exactly its own.
    if (IsCopyKey(msg)) {
        OnEditCopy();
        return TRUE;
    }
    if (IsPasteKey(msg)) {
        OnEditPaste();
        return TRUE;
    }
    // The keypad's decimal key is the point whatever character the layout
    // gives it (a German layout types the comma, which the table does not
    // know: 1, that key, 5 would read 15).
    if (msg.virtualKey == VK_DECIMAL && !msg.control && !msg.alt) {
        SendCommand(kKeyPoint);
        return TRUE;
    }
    if (m_hAccel != nullptr && TranslateAccelerator(this, m_hAccel, msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CCalcDlg::OnClickedNumber(UINT id)
{
    EnterDigit(static_cast<int>(id) - kKey0);
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
void CCalcDlg::OnClickedPi() { ShowFunctionResult(kPiAsKeyed, TRUE); }
void CCalcDlg::OnClickedPercent() { ShowFunctionResult(m_operand * 0.01, FALSE); }
void CCalcDlg::OnClickedSin() { ShowFunctionResult(std::sin(m_operand * kDegToRad), TRUE); }
void CCalcDlg::OnClickedCos() { ShowFunctionResult(std::cos(m_operand * kDegToRad), TRUE); }
void CCalcDlg::OnClickedTan() { ShowFunctionResult(std::tan(m_operand * kDegToRad), TRUE); }
void CCalcDlg::OnClickedAsin() { ShowFunctionResult(std::asin(m_operand) * kRadToDeg, TRUE); }
void CCalcDlg::OnClickedAcos() { ShowFunctionResult(std::acos(m_operand) * kRadToDeg, TRUE); }
void CCalcDlg::OnClickedAtan() { ShowFunctionResult(std::atan(m_operand) * kRadToDeg, TRUE); }
void CCalcDlg::OnClickedInchToMm() { ShowFunctionResult(m_operand * kMmPerInch, TRUE); }
void CCalcDlg::OnClickedMmToInch() { ShowFunctionResult(m_operand * kInchPerMm, TRUE); }
