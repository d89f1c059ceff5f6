#include "platform/dialog/AcceleratorDlg.h"

CAcceleratorDlg::CAcceleratorDlg(int templateId, CWnd* parent)
    : CDialog(templateId, parent), m_hAccel(LoadAccelerators(templateId))
{
}

BOOL CAcceleratorDlg::PreTranslateMessage(const MSG& msg)
{
    if (m_hAccel != nullptr && TranslateAccelerator(this, m_hAccel, msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}
