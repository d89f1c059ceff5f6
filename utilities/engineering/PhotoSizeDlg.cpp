#include "PhotoSizeDlg.h"

#include "PhotoUnits.h"
#include "platform/dialog/DataExchange.h"
#include "platform/text/Format.h"
#include "platform/text/NumberText.h"

namespace {

constexpr double kMaxSize = 9999.99;

}  // namespace

CPhotoSizeDlg::CPhotoSizeDlg(CWnd* parent) : CDialog(kTemplate, parent) {}

CPhotoSizeDlg::~CPhotoSizeDlg() = default;

const MessageMap& CPhotoSizeDlg::GetMessageMap() const
{
    static const MessageMap map = {
        ON_BN_CLICKED(kHeightInches, &CPhotoSizeDlg::OnClickedHeightInches),
        ON_BN_CLICKED(kHeightPixels, &CPhotoSizeDlg::OnClickedHeightPixels),
        ON_BN_CLICKED(kWidthInches, &CPhotoSizeDlg::OnClickedWidthInches),
        ON_BN_CLICKED(kWidthPixels, &CPhotoSizeDlg::OnClickedWidthPixels),
    };
    return map;
}

void CPhotoSizeDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kHeightEdit, m_height);
    DDV_MinMaxDouble(pDX, m_height, 0.0, kMaxSize);
    DDX_Text(pDX, kWidthEdit, m_width);
    DDV_MinMaxDouble(pDX, m_width, 0.0, kMaxSize);
    DDX_Radio(pDX, kWidthInches, m_widthInches);
    DDX_Radio(pDX, kWidthPixels, m_widthPixels);
    DDX_Radio(pDX, kHeightInches, m_heightInches);
    DDX_Radio(pDX, kHeightPixels, m_heightPixels);
    // Whatever the radio exchange did, each dimension opens in inches.
    CheckRadioButton(kHeightInches, kHeightPixels, kHeightInches);
    CheckRadioButton(kWidthInches, kWidthPixels, kWidthInches);
}

// Each handler: convert the field only when it holds the other unit, then
// mark and check the unit clicked.

void CPhotoSizeDlg::OnClickedHeightInches()
{
    if (m_heightInches != 1) {
        m_height = StrToD(GetDlgItemText(kHeightEdit));
        SetDlgItemText(kHeightEdit, Format("%1.4f", PixelsToInches(m_height)));
    }
    m_heightInches = 1;
    m_heightPixels = 0;
    CheckRadioButton(kHeightInches, kHeightPixels, kHeightInches);
}

void CPhotoSizeDlg::OnClickedHeightPixels()
{
    if (m_heightPixels != 1) {
        m_height = StrToD(GetDlgItemText(kHeightEdit));
        SetDlgItemText(kHeightEdit, Format("%1.4f", InchesToPixels(m_height)));
    }
    m_heightInches = 0;
    m_heightPixels = 1;
    CheckRadioButton(kHeightInches, kHeightPixels, kHeightPixels);
}

void CPhotoSizeDlg::OnClickedWidthInches()
{
    if (m_widthInches != 1) {
        m_width = StrToD(GetDlgItemText(kWidthEdit));
        SetDlgItemText(kWidthEdit, Format("%1.4f", PixelsToInches(m_width)));
    }
    m_widthInches = 1;
    m_widthPixels = 0;
    CheckRadioButton(kWidthInches, kWidthPixels, kWidthInches);
}

void CPhotoSizeDlg::OnClickedWidthPixels()
{
    if (m_widthPixels != 1) {
        m_width = StrToD(GetDlgItemText(kWidthEdit));
        SetDlgItemText(kWidthEdit, Format("%1.4f", InchesToPixels(m_width)));
    }
    m_widthInches = 0;
    m_widthPixels = 1;
    CheckRadioButton(kWidthInches, kWidthPixels, kWidthPixels);
}
