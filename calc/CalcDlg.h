#pragma once
// CCalcDlg: the calculator window and its engine in one object. The engine
// is an immediate-execution four-function calculator on doubles: operations
// apply strictly left to right as keyed, one pending operation, one error
// state (division by zero). The display text is computed from the registers
// by CalcDisplayText; this class only writes it into the window. Keys reach
// the engine through the message map and accelerator table 102, and the
// desktop's copy and paste keys through PreTranslateMessage.

#include "platform/dialog/AnimateCtrl.h"
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
    // Template 102 (and accelerator table 102) and the ids of its controls
    // and commands, in template order.
    static constexpr int kTemplate = 102;
    static constexpr UINT kIcon = 128;
    static constexpr int kKey0 = 1000;  // the digit keys are 1000 to 1009
    static constexpr int kKey9 = 1009;
    static constexpr int kKeyEqual = 1020;
    static constexpr int kKeyPlus = 1010;
    static constexpr int kKeyMinus = 1011;
    static constexpr int kKeyMultiply = 1012;
    static constexpr int kKeyDivide = 1013;
    static constexpr int kKeyClearAll = 1021;
    static constexpr int kDisplay = 1030;
    static constexpr int kFocusSink = 1016;
    static constexpr int kKeyPoint = 32790;
    static constexpr int kKeySin = 1019;
    static constexpr int kKeyCos = 1022;
    static constexpr int kKeyTan = 1023;
    static constexpr int kKeyPi = 1024;
    static constexpr int kKeyAsin = 1029;
    static constexpr int kKeyAcos = 1031;
    static constexpr int kKeyAtan = 1032;
    static constexpr int kKeyClearEntry = 1150;
    static constexpr int kKeyPercent = 1025;
    static constexpr int kCalendar = 1052;
    static constexpr int kAnimation = 1085;
    static constexpr int kPayoffDate = 1042;  // disabled, never handled
    static constexpr int kExtraPaymts = 1140;  // disabled, never handled
    // Commands no control sends.
    static constexpr int kCmdInchToMm = 1027;
    static constexpr int kCmdMmToInch = 1028;
    static constexpr int kCmdPercent = 1049;
    static constexpr int kCmdNoHandler = 32789;  // table 102's arrows: consumed, nothing runs
    // The utility launchers (CalcLaunchers.cpp): buttons, and one command.
    static constexpr int kTrigUtil = 1033;
    static constexpr int kBoltHole = 1034;
    static constexpr int kPhotoSizing = 1080;
    static constexpr int kLoans = 1089;
    static constexpr int kSavings = 1090;
    static constexpr int kEarlyPayoff = 1093;
    static constexpr int kInterest = 1125;
    static constexpr int kCreditCard = 1131;
    static constexpr int kGoals = 1141;
    static constexpr int kSys = 1109;  // the About box
    static constexpr int kLink = 1146;  // the maker's web page
    // The system menu's About item; the low four bits are zero, as system
    // commands need.
    static constexpr UINT IDM_ABOUTBOX = 0x0010;

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
    // Copy and paste by the desktop's keys (calc/CalcClipboard.cpp): the
    // display's number to the clipboard, a number from it as the operand.
    void OnEditCopy();
    void OnEditPaste();

    // Utility launchers: each opens its dialog modally over this window
    // (calc/CalcLaunchers.cpp, whose table also routes their commands).
    void OnClickedTrigUtil();
    void OnBoltHole();
    void OnClickedPhotoSizing();
    void OnClickedLoans();
    void OnClickedSavings();
    void OnClickedInterest();
    void OnClickedCreditCard();
    void OnClickedGoals();
    void OnClickedEarlyPayoff();
    void OnClickedSys();
    void OnClickedLink();

    // The window's system menu: the About item, and the bolt-hole item that
    // stands for command 1034 (calc/CalcFurniture.cpp).
    void OnSysCommand(UINT nID, LPARAM lParam) override;

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

    // The window's furniture (calc/CalcFurniture.cpp): the banner, the
    // placeholder's client rectangle it fills, and the window's icon.
    CAnimateCtrl m_animate;
    CRect m_animateRect;
    HICON m_hIcon = nullptr;

private:
    void ShowFunctionResult(double value, BOOL decimalEntryAfter);
    // The launchers' part of the message map (CalcLaunchers.cpp).
    static MessageMap LauncherMessageMap();
    // Opens the first banner that opens and names the window after it.
    void StartBanner();
};
