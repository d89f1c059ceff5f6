#pragma once
// CCalcDlg: the calculator window and its engine in one object. The engine
// is an immediate-execution four-function calculator on doubles: operations
// apply strictly left to right as keyed, one pending operation, one error
// state (division by zero). The display text is computed from the registers
// by CalcDisplayText; this class only writes it into the window. Keys reach
// the engine through the message map and accelerator table 102.

#include "platform/dialog/Dialog.h"
#include "platform/automation/Ole.h"

// The calculator's automation class, the same in every build: the bus
// registration, the class factory and the running object all carry it.
inline constexpr CLSID CLSID_Calculator{"{830BAA84-3FD3-4A0E-8A00-25991F704E10}"};

// When TRUE the display shows "%g" instead of "%1.10f"; set by the function
// keys for one display update only.
extern BOOL g_bShortFormat;

class CCalcDlg : public CDialog, public CAutomationObject {
public:
    enum Operation { OP_NONE = 0, OP_PLUS = 1, OP_MINUS = 2, OP_MULTIPLY = 3, OP_DIVIDE = 4 };
    enum ErrorState { ERR_NONE = 0, ERR_DIVIDE_BY_ZERO = 1 };

    explicit CCalcDlg(CWnd* parent = nullptr);
    ~CCalcDlg() override;

    // Window lifetime.
    BOOL GetVisible() const;
    void SetVisible(BOOL value);

    // Engine operations.
    void EnterDigit(int digit);
    void OnClickedPoint();
    void OnClickedPlus();
    void OnClickedMinus();
    void OnClickedMultiply();
    void OnClickedDivide();
    void OnClickedEqual();
    void OnClickedClear();
    void OnClickedClearEntry();
    void PerformOperation();
    void StoreOperand(double value);
    void UpdateDisplay();
    // The text UpdateDisplay writes, whether or not there is a window.
    CString DisplayText() const;

    // Keypad commands.
    void OnClickedNumber(UINT id);
    void OnClickedPi();
    void OnClickedPercent();
    void OnClickedSin();
    void OnClickedCos();
    void OnClickedTan();
    void OnClickedAsin();
    void OnClickedAcos();
    void OnClickedAtan();
    void OnClickedInchToMm();
    void OnClickedMmToInch();
    void OnSetFocusDisplay();

    // Utility launchers: each opens its dialog modally over this window
    // (calc/CalcLaunchers.cpp).
    void OnClickedTrigUtil();
    void OnBoltHole();
    void OnClickedPhotoSizing();

    BOOL PreTranslateMessage(const MSG& msg) override;

    // Automation: the class factory, the running-object entry and the
    // functions of the dispatch map (calc/CalcAutomation.cpp).
    static COleObjectFactory factory;
    BOOL RegisterActive();
    const DispatchMap& GetDispatchMap() const override;
    void OnFinalRelease() override;
    long GetAccum() const;
    void SetAccum(long value);
    long GetOperand() const;
    void SetOperand(long value);
    short GetOperation() const;
    void SetOperation(short value);
    BOOL Evaluate();
    void Clear();
    void Display();
    void Close();
    BOOL Button(LPCTSTR key);

    // The engine's registers, in the order the engine declares them.
    double m_accum = 0.0;
    double m_operand = 0.0;
    int m_operator = OP_NONE;
    int m_errorState = ERR_NONE;
    BOOL m_bOperandAvail = FALSE;
    BOOL m_bDecimal = FALSE;
    // Place value of the next decimal digit. Starts at 0.1 so that a digit
    // keyed after Pi or a trigonometric key, before any point, lands in the
    // first decimal place instead of using an unset value.
    double m_decimalPlace = 0.1;

protected:
    const MessageMap& GetMessageMap() const override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void PostNcDestroy() override;

    HACCEL m_hAccel = nullptr;
    // When the window is destroyed, the object deletes itself.
    BOOL m_bAutoDelete = TRUE;
    // Cookie of the running-object registration; 0 when not registered.
    DWORD m_dwRegister = 0;

private:
    void ShowFunctionResult(double value, BOOL decimalEntryAfter);
};
