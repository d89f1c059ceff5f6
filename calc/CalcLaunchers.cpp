// The calculator window's utility launchers, one table: the command that
// opens each utility and its handler. Each handler opens its dialog as a
// local object with no parent, so the window itself is the owner and takes
// no input meanwhile; the result is ignored and nothing is remembered for
// the next opening.

#include "CalcDlg.h"

#include "utilities/engineering/BoltHoleDlg.h"
#include "utilities/engineering/PhotoSizeDlg.h"
#include "utilities/engineering/TrigDlg.h"

namespace {

template <class Dialog>
void OpenUtility()
{
    Dialog dlg;
    dlg.DoModal();
}

}  // namespace

MessageMap CCalcDlg::LauncherMessageMap()
{
    return {
        ON_BN_CLICKED(kTrigUtil, &CCalcDlg::OnClickedTrigUtil),
        ON_COMMAND(kBoltHole, &CCalcDlg::OnBoltHole),  // no control of the window sends it
        ON_BN_CLICKED(kPhotoSizing, &CCalcDlg::OnClickedPhotoSizing),
    };
}

void CCalcDlg::OnClickedTrigUtil() { OpenUtility<CTrigDlg>(); }
void CCalcDlg::OnBoltHole() { OpenUtility<CBoltHoleDlg>(); }
void CCalcDlg::OnClickedPhotoSizing() { OpenUtility<CPhotoSizeDlg>(); }
