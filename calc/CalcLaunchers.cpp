// The calculator window's utility launchers, one table: the command that
// opens each utility and its handler. Each handler opens its dialog as a
// local object with no parent, so the window itself is the owner and takes
// no input meanwhile; the result is ignored and nothing is remembered for
// the next opening.

#include "AboutDlg.h"
#include "CalcDlg.h"

#include "utilities/engineering/BoltHoleDlg.h"
#include "utilities/engineering/PhotoSizeDlg.h"
#include "utilities/engineering/TrigDlg.h"
#include "utilities/finance/AccruedDlg.h"
#include "utilities/finance/CreditCardDlg.h"
#include "utilities/finance/GoalDlg.h"
#include "utilities/finance/LoanDlg.h"
#include "utilities/finance/PayoffDlg.h"
#include "utilities/finance/SavingsDlg.h"

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
        ON_BN_CLICKED(kLoans, &CCalcDlg::OnClickedLoans),
        ON_BN_CLICKED(kSavings, &CCalcDlg::OnClickedSavings),
        ON_BN_CLICKED(kInterest, &CCalcDlg::OnClickedInterest),
        ON_BN_CLICKED(kCreditCard, &CCalcDlg::OnClickedCreditCard),
        ON_BN_CLICKED(kGoals, &CCalcDlg::OnClickedGoals),
        ON_BN_CLICKED(kEarlyPayoff, &CCalcDlg::OnClickedEarlyPayoff),
        ON_BN_CLICKED(kSys, &CCalcDlg::OnClickedSys),
        ON_BN_CLICKED(kLink, &CCalcDlg::OnClickedLink),  // the maker's web page (CalcFurniture.cpp)
    };
}

void CCalcDlg::OnClickedTrigUtil() { OpenUtility<CTrigDlg>(); }
void CCalcDlg::OnBoltHole() { OpenUtility<CBoltHoleDlg>(); }
void CCalcDlg::OnClickedPhotoSizing() { OpenUtility<CPhotoSizeDlg>(); }
void CCalcDlg::OnClickedLoans() { OpenUtility<CLoanDlg>(); }
void CCalcDlg::OnClickedSavings() { OpenUtility<CSavingsDlg>(); }
void CCalcDlg::OnClickedInterest() { OpenUtility<CAccruedDlg>(); }
void CCalcDlg::OnClickedCreditCard() { OpenUtility<CCreditCardDlg>(); }
void CCalcDlg::OnClickedGoals() { OpenUtility<CGoalDlg>(); }
void CCalcDlg::OnClickedEarlyPayoff() { OpenUtility<CPayoffDlg>(); }
void CCalcDlg::OnClickedSys() { OpenUtility<CAboutDlg>(); }
