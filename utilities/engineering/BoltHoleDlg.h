#pragma once
// CBoltHoleDlg: the bolt-hole pattern dialog (template 133). From the hole
// count, the bolt-circle diameter, the total and initial angles and the
// centre point, Write It! (or Enter) lists every hole centre as an
// "X.. Y.. Z.." line, in the list display and in a hidden edit from which
// Copy (or Ctrl+C) puts the whole list on the clipboard. Typing a count or
// a total angle shows the spacing between holes. The arithmetic is
// BoltHolePattern's. Ranges are checked only when Done (or Esc) closes it.

#include "platform/dialog/AcceleratorDlg.h"
#include "platform/dialog/Edit.h"

class CBoltHoleDlg : public CAcceleratorDlg {
public:
    explicit CBoltHoleDlg(CWnd* parent = nullptr);
    ~CBoltHoleDlg() override;

    CEdit m_list;  // the hidden list control, the source of Copy
    int m_holes;
    double m_boltDia;
    double m_totalAngle;
    double m_initAngle;
    double m_centerX;
    double m_centerY;
    double m_centerZ;

    void OnClickedWriteIt();
    void OnChangeHoles();
    void OnChangeTotalAngle();
    void OnClickedCopy();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap& GetMessageMap() const override;

private:
    // Writes the total angle over the hole count, "%1.2f", to the spacing display.
    void ShowSpacing();
};
