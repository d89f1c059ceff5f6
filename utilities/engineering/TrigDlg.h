#pragma once
// CTrigDlg: the right-triangle solver dialog (template 134). The user types
// any two of the legs a and b, the hypotenuse c and the angles A and B;
// Calc It (or Enter) works out the other three and writes all five back,
// with a result line naming the pair it used. The arithmetic is
// SolveRightTriangle's; this class reads and writes the fields. Its ranges
// are checked only when Done (or Esc) closes it; nothing is returned.

#include "platform/dialog/AcceleratorDlg.h"

class CTrigDlg : public CAcceleratorDlg {
public:
    // Template 134 (and accelerator table 134) and its controls.
    static constexpr int kTemplate = 134;
    static constexpr int kSideC = 1070;
    static constexpr int kAngleA = 1071;
    static constexpr int kSideA = 1072;
    static constexpr int kSideB = 1073;
    static constexpr int kAngleB = 1074;
    static constexpr int kCalcIt = 1075;
    static constexpr int kClearAll = 1076;
    static constexpr int kResultLine = 1079;

    explicit CTrigDlg(CWnd* parent = nullptr);
    ~CTrigDlg() override;

    double m_angleA;
    double m_angleB;
    double m_sideA;
    double m_sideB;
    double m_sideC;

    void OnClickedCalcIt();
    void OnClickedClearAll();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap& GetMessageMap() const override;

private:
    // Writes the five members into their edits, "%1.4f" each.
    void ShowValues();
};
