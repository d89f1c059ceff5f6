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
    // Template 133 (and accelerator table 133) and its controls.
    static constexpr int kTemplate = 133;
    static constexpr int kHoles = 1035;
    static constexpr int kBoltDia = 1036;
    static constexpr int kInitAngle = 1038;
    static constexpr int kTotalAngle = 1039;
    static constexpr int kCenterX = 1040;
    static constexpr int kCenterY = 1041;
    static constexpr int kWriteIt = 1042;
    static constexpr int kSpacingDisplay = 1045;
    static constexpr int kListDisplay = 1048;
    static constexpr int kCopy = 1049;
    static constexpr int kCenterZ = 1050;
    static constexpr int kHiddenList = 1051;

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
