// The calculator window's utility launchers. Each opens its dialog as a
// local object with no parent, so the window itself is the owner and takes
// no input meanwhile; the result is ignored and nothing is remembered for
// the next opening.

#include "CalcDlg.h"

#include "utilities/engineering/BoltHoleDlg.h"
#include "utilities/engineering/PhotoSizeDlg.h"
#include "utilities/engineering/TrigDlg.h"

void CCalcDlg::OnClickedTrigUtil()
{
    CTrigDlg dlg;
    dlg.DoModal();
}

// No control of the window sends 1034; the command alone opens this one.
void CCalcDlg::OnBoltHole()
{
    CBoltHoleDlg dlg;
    dlg.DoModal();
}

void CCalcDlg::OnClickedPhotoSizing()
{
    CPhotoSizeDlg dlg;
    dlg.DoModal();
}
