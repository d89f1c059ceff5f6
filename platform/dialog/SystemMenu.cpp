#include "platform/dialog/Dialog.h"

#include "platform/dialog/detail/DialogWindow.h"

#include <QMenu>

// The window's own menu (the window manager owns the title bar's on
// Linux): made from the template's style, opened by Alt+Space, a right
// click on the background or the keyboard's context menu key, its choice
// handed to OnSysCommand.

void CDialog::MakeSystemMenu(DWORD style)
{
    m_systemMenu = std::make_unique<CMenu>();
    m_systemMenu->AppendMenu(MF_STRING | MF_GRAYED, SC_SIZE, "&Size");
    m_systemMenu->AppendMenu(MF_STRING | ((style & WS_MINIMIZEBOX) ? 0 : MF_GRAYED), SC_MINIMIZE, "Mi&nimize");
    m_systemMenu->AppendMenu(MF_STRING | ((style & WS_MAXIMIZEBOX) ? 0 : MF_GRAYED), SC_MAXIMIZE, "Ma&ximize");
    m_systemMenu->AppendMenu(MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
}

CMenu* CDialog::GetSystemMenu(BOOL)
{
    return m_widget != nullptr ? m_systemMenu.get() : nullptr;
}

void CDialog::ShowSystemMenu()
{
    ShowSystemMenuAt(0, 0);
}

void CDialog::ShowSystemMenuAt(int x, int y)
{
    if (m_widget == nullptr || m_systemMenu == nullptr)
        return;
    auto* popup = new QMenu(m_widget);
    popup->setObjectName(QStringLiteral("systemMenu"));
    popup->setAttribute(Qt::WA_DeleteOnClose);
    auto* window = static_cast<DialogWindow*>(m_widget);
    for (const CMenu::Item& item : m_systemMenu->Items()) {
        if (item.flags & MF_SEPARATOR) {
            popup->addSeparator();
            continue;
        }
        QAction* action = popup->addAction(QString::fromStdString(item.text));
        action->setEnabled(!(item.flags & MF_GRAYED));
        const UINT id = item.id;
        // Queued: the command may destroy the window the menu belongs to,
        // and the dialog may be gone by then.
        QObject::connect(action, &QAction::triggered, window, [window, id] {
            QMetaObject::invokeMethod(
                window,
                [window, id] {
                    if (CDialog* owner = window->Owner())
                        owner->OnSysCommand(id, 0);
                },
                Qt::QueuedConnection);
        });
    }
    popup->popup(m_widget->mapToGlobal(QPoint(x, y)));
}

void CDialog::OnSysCommand(UINT nID, LPARAM)
{
    if (m_widget == nullptr)
        return;
    switch (nID & 0xFFF0) {
    case SC_MINIMIZE: m_widget->showMinimized(); break;
    case SC_CLOSE: SendCommand(IDCANCEL); break;
    default: break;
    }
}
