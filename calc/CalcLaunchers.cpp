// The calculator window's utility launchers. Each opens its dialog as a
// local object with no parent, so the window itself is the owner and takes
// no input meanwhile; the result is ignored and nothing is remembered for
// the next opening.

#include "CalcDlg.h"

#include "utilities/engineering/PhotoSizeDlg.h"

void CCalcDlg::OnClickedPhotoSizing()
{
    CPhotoSizeDlg dlg;
    dlg.DoModal();
}
