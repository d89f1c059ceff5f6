// The calculator window's furniture: its set-up when the window is made
// (system menu, focus, banner and title), the system menu's commands and
// the link to the maker's web page. The minimised window's icon is the
// window manager's to draw.

#include "AboutDlg.h"
#include "BannerPath.h"
#include "CalcDlg.h"

#include "platform/StringTable.h"
#include "platform/dialog/MessageBox.h"
#include "platform/system/ShellOpen.h"
#include "platform/system/SystemInfo.h"

namespace {

constexpr UINT kAboutMenuText = 101;
constexpr UINT kDirectoryNotFound = 59142;
constexpr UINT kFirstBanner = 59143;   // "banner1.avi"
constexpr UINT kSecondBanner = 59144;  // "banner2.avi"
constexpr UINT kBuiltInAnimation = 179;
constexpr UINT kLastFrame = 0xFFFF;
constexpr UINT kWithoutEnd = static_cast<UINT>(-1);
constexpr char kBoltHoleMenuText[] = "&Bolt Hole Pattern...";
constexpr char kFirstBannerTitle[] = "Kestrix Calendar/Calculator v1.12";
constexpr char kSecondBannerTitle[] = "Vantorel Calendar/Calculator v1.12";
constexpr char kMakersPage[] = "http://www.numbrix.example/index.html";

}  // namespace

BOOL CCalcDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    // The system menu: the bolt-hole pattern (nothing else of the window
    // sends command 1034), then the About item after a separator; no Size,
    // no Maximize.
    if (CMenu* sysMenu = GetSystemMenu(FALSE)) {
        sysMenu->AppendMenu(MF_STRING, kBoltHole, kBoltHoleMenuText);
        const CString aboutMenu = LoadString(kAboutMenuText);
        if (!aboutMenu.empty()) {
            sysMenu->AppendMenu(MF_SEPARATOR);
            sysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu);
        }
        sysMenu->RemoveMenu(SC_MAXIMIZE, MF_BYCOMMAND);
        sysMenu->RemoveMenu(SC_SIZE, MF_BYCOMMAND);
    }

    // The window itself holds the focus until the first display update.
    SetFocus();

    // The banner fills the client area of its placeholder, control 1085.
    CWnd* placeholder = GetDlgItem(kAnimation);
    if (placeholder != nullptr)
        placeholder->GetClientRect(&m_animateRect);
    if (placeholder == nullptr ||
        !m_animate.Create(WS_CHILD | WS_VISIBLE | ACS_CENTER | ACS_AUTOPLAY, m_animateRect, placeholder, kAnimation))
        AfxMessageBox("Unable to Create Animation Control");
    else
        StartBanner();
    return FALSE;
}

// The first of banner1.avi and banner2.avi in the current directory that
// opens plays and names the window; without either, the program's own
// animation plays under the template's title.
void CCalcDlg::StartBanner()
{
    const std::optional<CString> directory = GetCurrentDirectory();
    if (!directory)
        AfxMessageBox(kDirectoryNotFound, MB_OK | MB_ICONEXCLAMATION);

    if (m_animate.Open(BannerPath(directory, LoadString(kFirstBanner)))) {
        m_animate.Play(0, kLastFrame, kWithoutEnd);
        SetWindowText(kFirstBannerTitle);
        return;
    }
    if (m_animate.Open(BannerPath(directory, LoadString(kSecondBanner)))) {
        m_animate.Play(0, kLastFrame, kWithoutEnd);
        SetWindowText(kSecondBannerTitle);
        return;
    }
    if (!m_animate.Open(kBuiltInAnimation))
        AfxMessageBox("Unable to Open Animation");
    else if (!m_animate.Play(0, kLastFrame, kWithoutEnd))
        AfxMessageBox("Unable to play Animation");
}

void CCalcDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else if (nID == static_cast<UINT>(kBoltHole)) {
        SendCommand(kBoltHole);
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CCalcDlg::OnClickedLink()
{
    ShellOpen(kMakersPage);
}
