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
