#include "platform/dialog/detail/DialogWindow.h"

#include "platform/dialog/Dialog.h"
#include "platform/dialog/detail/KeyMessage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QKeyEvent>

DialogWindow::DialogWindow(CDialog* owner, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), m_owner(owner)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFocusPolicy(Qt::ClickFocus);
    setSizeGripEnabled(false);
}

DialogWindow::~DialogWindow()
{
    if (m_owner != nullptr)
        m_owner->ForgetWindow();
}

void DialogWindow::Notify(UINT id, UINT notification)
{
    if (m_owner != nullptr)
        m_owner->OnCommand(id, notification);
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The close box, the window manager's close and Alt+F4 take the dialog's
    // cancel path; the dialog decides whether the window goes.
    event->ignore();
    Notify(IDCANCEL, BN_CLICKED);
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    // Skip QDialog's handling: its Esc would hide the window behind the
    // dialog's back. Keys the dialog did not use go on to the parent.
    QWidget::keyPressEvent(event);
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // From the keyboard (the Menu key, Shift+F10) the focused control had
    // its chance to show a menu of its own; the window's follows.
    QWidget* under = childAt(event->pos());
    const bool background = event->reason() == QContextMenuEvent::Keyboard || under == nullptr ||
                            qobject_cast<QLabel*>(under) != nullptr || qobject_cast<QGroupBox*>(under) != nullptr;
    if (m_owner == nullptr || !background) {
        event->ignore();
        return;
    }
    m_owner->ShowSystemMenuAt(event->pos().x(), event->pos().y());
    event->accept();
}

namespace {

// Application-wide filter: a key press reaches the dialog owning the window
// before any widget sees it, as the message loop's PreTranslateMessage does.
//
// Qt first asks the focus widget whether it wants the key (ShortcutOverride)
// before its own shortcuts may take it. The router claims every key of our
// dialogs there and does nothing else: the dialog decides on the key press
// itself, and the dialog keys Qt's shortcuts would otherwise handle (the
// mnemonics) are the dialog's own. Deciding only on the press keeps every
// key handled once whatever comes between the two: while assistive
// technology listens, Qt's accessibility bridge holds the real press back,
// asks the screen reader, and delivers a copy of it later, which Qt asks
// about again; a press the screen reader keeps for itself reaches no dialog.
class KeyRouter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr)
            return false;
        auto* window = dynamic_cast<DialogWindow*>(widget->window());
        if (window == nullptr || window->Owner() == nullptr)
            return false;
        if (type == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        return window->Owner()->PreTranslateMessage(KeyMessageFrom(*static_cast<QKeyEvent*>(event)));
    }
};

}  // namespace

void InstallKeyRouter()
{
    static KeyRouter* router = nullptr;
    if (router == nullptr && qApp != nullptr) {
        router = new KeyRouter(qApp);
        qApp->installEventFilter(router);
    }
}
