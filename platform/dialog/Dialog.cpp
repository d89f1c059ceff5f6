#include "platform/dialog/Dialog.h"

#include "platform/dialog/detail/CondensedCaption.h"
#include "platform/dialog/detail/ControlFactory.h"
#include "platform/dialog/detail/ControlLabels.h"
#include "platform/dialog/detail/DialogWindow.h"
#include "platform/dialog/detail/DialogStyle.h"
#include "platform/dialog/detail/FocusHolderSpeech.h"
#include "platform/dialog/detail/IconResource.h"
#include "platform/WinThread.h"
#include "platform/text/DialogItemInt.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The dialog font, "MS Sans Serif" 8 pt in the templates: the desktop's
// default sans-serif face at 8 points.
QFont DialogFont()
{
    QFont font(QStringLiteral("Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

DialogBaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int total = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {AverageLetterWidth(total), metrics.height()};
}

Qt::WindowFlags WindowFlagsOf(const DialogTemplate& t, bool owned)
{
    Qt::WindowFlags flags = (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
    if (t.style & WS_CAPTION)
        flags |= Qt::WindowTitleHint;
    if (t.style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (t.style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (t.style & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

void FocusFirstTabStop(QWidget* window)
{
    for (QWidget* w = window->nextInFocusChain(); w != nullptr && w != window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && !w->isHidden() && w->window() == window) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// Names an edit or result field by its label, and gives a control the
// name or description the template's table has for it.
void DescribeForAssistiveTech(const DialogTemplate& t, const ControlTemplate& control, QWidget* widget)
{
    if (const std::string name = AccessibleNameOf(t, control); !name.empty())
        widget->setAccessibleName(QString::fromStdString(name));
    if (const std::string description = AccessibleDescriptionOf(t, control); !description.empty())
        widget->setAccessibleDescription(QString::fromStdString(description));
}

// Shift+F10 does what the Menu key does: the focused control's context
// menu, or where it has none, the window's own menu.
void OpenContextMenuFromKeyboard(QWidget* window)
{
    QWidget* focus = window->focusWidget() != nullptr ? window->focusWidget() : window;
    const QPoint middle = focus->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, middle, focus->mapToGlobal(middle));
    QCoreApplication::sendEvent(focus, &event);
}

DialogWindow* HostOf(QWidget* widget)
{
    return dynamic_cast<DialogWindow*>(widget);
}

}  // namespace

CDialog::CDialog(int templateId, CWnd* parent) : m_templateId(templateId), m_pParent(parent) {}

CDialog::~CDialog()
{
    // A window still standing when its object goes is torn down quietly:
    // no PostNcDestroy, no end of the program.
    if (m_widget != nullptr) {
        QWidget* widget = m_widget;
        ForgetWindow();
        widget->deleteLater();
    }
}

BOOL CDialog::Create(int templateId, CWnd* parent)
{
    if (m_widget != nullptr)
        return FALSE;
    m_templateId = templateId;
    m_pParent = parent;
    const DialogTemplate* t = FindDialogTemplate(templateId);
    if (t == nullptr || qApp == nullptr)
        return FALSE;
    if (!BuildWindow(*t, parent))
        return FALSE;
    RunInitDialog();
    if ((t->style & WS_VISIBLE) && m_widget != nullptr)
        m_widget->show();
    return m_widget != nullptr;
}

BOOL CDialog::BuildWindow(const DialogTemplate& t, CWnd* owner)
{
    InstallKeyRouter();
    InstallDialogStyle();
    QWidget* ownerWidget = owner != nullptr ? owner->Widget() : nullptr;
    auto* host = new DialogWindow(this, ownerWidget, WindowFlagsOf(t, ownerWidget != nullptr));
    host->setFont(DialogFont());
    host->baseUnits = BaseUnitsOf(host->font());
    host->setWindowTitle(QString::fromUtf8(t.caption));
    const PixelRect frame = DialogRectToPixels(t.x, t.y, t.cx, t.cy, host->baseUnits);
    host->setFixedSize(frame.width, frame.height);
    if (ownerWidget == nullptr)
        host->move(frame.x, frame.y);

    QWidget* previousTabStop = nullptr;
    MnemonicLinker mnemonics(host->mnemonics);
    for (const ControlTemplate& control : t.controls) {
        QWidget* widget = CreateControl(control, host);
        DescribeForAssistiveTech(t, control, widget);
        mnemonics.Link(control, widget);
        // Template order is tab order.
        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previousTabStop != nullptr)
                QWidget::setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        }
        if (control.id >= 0)
            m_controls[control.id] = std::make_unique<CWnd>(widget);
    }
    // Measured once every label has its buddy: a mnemonic's "&" then no
    // longer shows.
    for (QLabel* label : host->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        CondenseToFit(label);
    m_widget = host;
    for (const AccessibleText& text : t.accessibleTexts) {
        CWnd* holder = GetDlgItem(text.id);
        CWnd* spoken = GetDlgItem(text.speaksFor);
        if (text.speaksFor != 0 && holder != nullptr && spoken != nullptr)
            SpeakTextOf(spoken->Widget(), holder->Widget());
    }
    if (t.style & WS_SYSMENU)
        MakeSystemMenu(t.style);
    return TRUE;
}

void CDialog::SetIcon(HICON icon, BOOL)
{
    if (m_widget != nullptr && icon != nullptr)
        m_widget->setWindowIcon(icon->windowIcon.isNull() ? icon->icon : icon->windowIcon);
}

void CDialog::RunInitDialog()
{
    if (OnInitDialog() && m_widget != nullptr)
        FocusFirstTabStop(m_widget);
}

void CDialog::ForgetWindow()
{
    if (auto* host = HostOf(m_widget))
        host->Detach();
    for (CWnd* control : m_boundControls)
        control->Detach();
    m_boundControls.clear();
    m_controls.clear();
    m_widget = nullptr;
}

BOOL CDialog::DestroyWindow()
{
    if (m_widget == nullptr)
        return FALSE;
    QWidget* widget = m_widget;
    ForgetWindow();
    widget->hide();
    // The window may be in the middle of delivering the event that led
    // here; it goes once that is over.
    widget->deleteLater();

    CWinThread* thread = AfxGetThread();
    if (thread != nullptr && thread->m_pMainWnd == this) {
        thread->m_pMainWnd = nullptr;
        thread->OnMainWindowDestroyed();
    }
    PostNcDestroy();  // may delete this
    return TRUE;
}

CWnd* CDialog::GetDlgItem(int id) const
{
    const auto it = m_controls.find(id);
    return it != m_controls.end() ? it->second.get() : nullptr;
}

void CDialog::SetDlgItemText(int id, CString text)
{
    if (CWnd* control = GetDlgItem(id))
        control->SetWindowText(std::move(text));
}

CString CDialog::GetDlgItemText(int id) const
{
    const CWnd* control = GetDlgItem(id);
    return control != nullptr ? control->GetWindowText() : CString();
}

UINT CDialog::GetDlgItemInt(int id, BOOL* translated, BOOL bSigned) const
{
    const std::optional<UINT> value = ParseDialogItemInt(GetDlgItemText(id), bSigned);
    if (translated != nullptr)
        *translated = value.has_value() ? TRUE : FALSE;
    return value.value_or(0);
}

void CDialog::SendCommand(UINT id, UINT notification)
{
    OnCommand(id, notification);
}

BOOL CDialog::OnCommand(UINT id, UINT notification)
{
    if (OnCmdMsg(id, notification))
        return TRUE;
    if (notification != BN_CLICKED)
        return FALSE;
    if (id == IDOK) {
        OnOK();
        return TRUE;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    // Commands the dialog does not handle go on to the application (ID_HELP).
    if (CWinThread* thread = AfxGetThread())
        return thread->OnCmdMsg(id, notification);
    return FALSE;
}

BOOL CDialog::PreTranslateMessage(const MSG& msg)
{
    return HandleDialogKey(msg);
}

BOOL CDialog::HandleDialogKey(const MSG& msg)
{
    if (m_widget == nullptr)
        return FALSE;
    if (msg.virtualKey == VK_F4 && msg.alt && !msg.control && !msg.shift) {
        SendCommand(IDCANCEL);
        return TRUE;
    }
    if (msg.virtualKey == VK_SPACE && msg.alt && !msg.control && !msg.shift && m_systemMenu != nullptr) {
        ShowSystemMenu();
        return TRUE;
    }
    if (msg.alt && !msg.control && HostOf(m_widget)->mnemonics.Activate(static_cast<char>(msg.virtualKey)))
        return TRUE;
    if (msg.virtualKey == VK_F10 && msg.shift && !msg.control && !msg.alt) {
        OpenContextMenuFromKeyboard(m_widget);
        return TRUE;
    }
    if (msg.control || msg.alt)
        return FALSE;
    // The keypad's decimal key types the point into an edit whatever the
    // layout gives it (a German layout's comma): the program reads its
    // numbers with the point, and "1,5" would read as 1.
    if (msg.virtualKey == VK_DECIMAL) {
        if (auto* line = qobject_cast<QLineEdit*>(m_widget->focusWidget()); line != nullptr && !line->isReadOnly()) {
            line->insert(QStringLiteral("."));
            return TRUE;
        }
    }
    if (msg.virtualKey == VK_F1 && !msg.shift) {
        SendCommand(ID_HELP);
        return TRUE;
    }
    if (msg.virtualKey == VK_ESCAPE && !msg.shift) {
        SendCommand(IDCANCEL);
        return TRUE;
    }
    if (msg.virtualKey == VK_RETURN) {
        // The focused push button, else the default push button, else IDOK.
        UINT command = IDOK;
        QWidget* focus = m_widget->focusWidget();
        auto* focusedButton = qobject_cast<QPushButton*>(focus);
        for (const auto& [id, control] : m_controls) {
            auto* button = qobject_cast<QPushButton*>(control->Widget());
            if (button == nullptr)
                continue;
            if (button == focusedButton) {
                command = static_cast<UINT>(id);
                break;
            }
            if (button->isDefault())
                command = static_cast<UINT>(id);
        }
        if (CWnd* target = GetDlgItem(static_cast<int>(command)); target == nullptr || target->IsWindowEnabled())
            SendCommand(command);
        return TRUE;
    }
    return FALSE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;  // the failing field has been shown to the user
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result)
{
    if (auto* host = HostOf(m_widget))
        host->done(result);
}

BOOL TranslateAccelerator(CDialog* window, HACCEL table, const MSG& msg)
{
    const std::optional<WORD> command = MatchAccelerator(table, msg);
    if (!command)
        return FALSE;
    window->SendCommand(*command);
    return TRUE;
}
