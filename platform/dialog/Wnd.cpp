#include "platform/dialog/Wnd.h"

#include "platform/dialog/detail/StaticText.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

void CWnd::GetClientRect(CRect* rect) const
{
    *rect = {};
    if (m_widget == nullptr)
        return;
    const QRect client = m_widget->contentsRect();
    *rect = {0, 0, client.width(), client.height()};
}

BOOL CWnd::Attach(HWND window)
{
    if (m_widget != nullptr || window == nullptr)
        return FALSE;
    // A handle is only ever made from a widget (GetSafeHwnd).
    m_widget = static_cast<QWidget*>(const_cast<void*>(window));
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND window = m_widget;
    m_widget = nullptr;
    return window;
}

DWORD CWnd::GetStyle() const
{
    DWORD style = 0;
    if (m_widget == nullptr)
        return style;
    if (m_widget->isWindow() ? m_widget->isVisible() : !m_widget->isHidden())
        style |= WS_VISIBLE;
    if (!m_widget->isEnabled())
        style |= WS_DISABLED;
    return style;
}

BOOL CWnd::ShowWindow(int showCommand)
{
    if (m_widget == nullptr)
        return FALSE;
    const BOOL wasVisible = IsWindowVisible();
    if (showCommand == SW_HIDE) {
        m_widget->hide();
    } else if (m_widget->isWindow()) {
        m_widget->showNormal();
        m_widget->raise();
        m_widget->activateWindow();
    } else {
        m_widget->show();
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    return (GetStyle() & WS_VISIBLE) != 0;
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    if (m_widget == nullptr)
        return FALSE;
    const BOOL wasDisabled = !m_widget->isEnabled();
    m_widget->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_widget != nullptr && m_widget->isEnabled();
}

void CWnd::SetWindowText(CString text)
{
    if (m_widget == nullptr)
        return;
    if (auto* label = qobject_cast<QLabel*>(m_widget); label != nullptr && !m_widget->isWindow()) {
        SetStaticText(label, std::move(text));  // kept whole in UTF-8, not copied
        return;
    }
    const QString qtext = QString::fromStdString(text);
    if (m_widget->isWindow())
        m_widget->setWindowTitle(qtext);
    else if (auto* line = qobject_cast<QLineEdit*>(m_widget))
        line->setText(qtext);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(m_widget))
        plain->setPlainText(qtext);
    else if (auto* button = qobject_cast<QAbstractButton*>(m_widget))
        button->setText(qtext);
    else if (auto* group = qobject_cast<QGroupBox*>(m_widget))
        group->setTitle(qtext);
}

CString CWnd::GetWindowText() const
{
    if (m_widget == nullptr)
        return {};
    if (auto* label = qobject_cast<QLabel*>(m_widget); label != nullptr && !m_widget->isWindow())
        return StaticTextUtf8(label);
    QString text;
    if (m_widget->isWindow())
        text = m_widget->windowTitle();
    else if (auto* line = qobject_cast<QLineEdit*>(m_widget))
        text = line->text();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(m_widget))
        text = plain->toPlainText();
    else if (auto* button = qobject_cast<QAbstractButton*>(m_widget))
        text = button->text();
    else if (auto* group = qobject_cast<QGroupBox*>(m_widget))
        text = group->title();
    return text.toStdString();
}

void CWnd::SetFocus()
{
    if (m_widget != nullptr)
        m_widget->setFocus(Qt::OtherFocusReason);
}
