#include "BoltHoleDlg.h"

#include "BoltHolePattern.h"
#include "platform/dialog/DataExchange.h"
#include "platform/text/NumberText.h"

#include <utility>

CBoltHoleDlg::CBoltHoleDlg(CWnd* parent)
    : CAcceleratorDlg(kTemplate, parent),
      m_holes(4),
      m_boltDia(1.0),
      m_totalAngle(360.0),
      m_initAngle(0.0),
      m_centerX(0.0),
      m_centerY(0.0),
      m_centerZ(0.0)
{
}

CBoltHoleDlg::~CBoltHoleDlg() = default;

const MessageMap& CBoltHoleDlg::GetMessageMap() const
{
    static const MessageMap map = {
        ON_BN_CLICKED(kWriteIt, &CBoltHoleDlg::OnClickedWriteIt),
        ON_EN_CHANGE(kHoles, &CBoltHoleDlg::OnChangeHoles),
        ON_EN_CHANGE(kTotalAngle, &CBoltHoleDlg::OnChangeTotalAngle),
        ON_BN_CLICKED(kCopy, &CBoltHoleDlg::OnClickedCopy),
    };
    return map;
}

void CBoltHoleDlg::DoDataExchange(CDataExchange* pDX)
{
    CAcceleratorDlg::DoDataExchange(pDX);
    DDX_Control(pDX, kHiddenList, m_list);
    DDX_Text(pDX, kHoles, m_holes);
    DDV_MinMaxInt(pDX, m_holes, 0, 999);
    DDX_Text(pDX, kBoltDia, m_boltDia);
    DDV_MinMaxDouble(pDX, m_boltDia, 0.0, 9999.99);
    DDX_Text(pDX, kTotalAngle, m_totalAngle);
    DDV_MinMaxDouble(pDX, m_totalAngle, 0.0, 9999.99);
    DDX_Text(pDX, kInitAngle, m_initAngle);
    DDV_MinMaxDouble(pDX, m_initAngle, 0.0, 9999.99);
    DDX_Text(pDX, kCenterX, m_centerX);
    DDV_MinMaxDouble(pDX, m_centerX, -9999.99, 9999.99);
    DDX_Text(pDX, kCenterY, m_centerY);
    DDV_MinMaxDouble(pDX, m_centerY, -9999.99, 9999.99);
    DDX_Text(pDX, kCenterZ, m_centerZ);
    DDV_MinMaxDouble(pDX, m_centerZ, -9999.99, 9999.99);
}

void CBoltHoleDlg::ShowSpacing()
{
    SetDlgItemText(kSpacingDisplay, SpacingText(m_totalAngle, m_holes));
}

void CBoltHoleDlg::OnChangeHoles()
{
    // The count is read as GetDlgItemInt reads it (plain digits, blanks
    // around); text that does not convert stores 0 and leaves the display.
    BOOL converted = FALSE;
    m_holes = HoleCountFrom(GetDlgItemInt(kHoles, &converted, FALSE));
    if (converted)
        ShowSpacing();
}

void CBoltHoleDlg::OnChangeTotalAngle()
{
    const CString text = GetDlgItemText(kTotalAngle);
    m_totalAngle = StrToD(text);
    // A cleared field stores 0 but keeps the display until the next character.
    if (!text.empty())
        ShowSpacing();
}

void CBoltHoleDlg::OnClickedWriteIt()
{
    m_holes = HoleCountFrom(GetDlgItemInt(kHoles, nullptr, FALSE));
    m_totalAngle = StrToD(GetDlgItemText(kTotalAngle));
    m_boltDia = StrToD(GetDlgItemText(kBoltDia));
    m_initAngle = StrToD(GetDlgItemText(kInitAngle));
    m_centerX = StrToD(GetDlgItemText(kCenterX));
    m_centerY = StrToD(GetDlgItemText(kCenterY));
    m_centerZ = StrToD(GetDlgItemText(kCenterZ));

    m_list.SetSel(0, -1);
    m_list.ReplaceSel("", TRUE);
    // The display's old list goes too before the new one is built: a list
    // can be tens of megabytes, and nothing shows in between.
    SetDlgItemText(kListDisplay, "");

    std::optional<CString> list =
        HoleList({m_holes, m_boltDia, m_totalAngle, m_initAngle, m_centerX, m_centerY, m_centerZ});
    if (!list) {
        // A list that large could exhaust memory: say so, and leave the
        // hidden list empty so that Copy copies nothing.
        SetDlgItemText(kListDisplay, kTooManyHolesText);
        return;
    }
    m_list.ReplaceSel(*list, TRUE);
    // The display keeps the list itself: it is held here and in the hidden
    // list, and nowhere else.
    SetDlgItemText(kListDisplay, std::move(*list));
}

void CBoltHoleDlg::OnClickedCopy()
{
    m_list.SetSel(0, -1);
    m_list.Copy();
}
