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
    QWidget* under = childAt(event->pos());
    const bool background = under == nullptr || qobject_cast<QLabel*>(under) != nullptr ||
                            qobject_cast<QGroupBox*>(under) != nullptr;
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
        auto* keyEvent = static_cast<QKeyEvent*>(event);

        if (type == QEvent::KeyPress && m_consumed.Matches(*keyEvent)) {
            // Already translated when Qt asked whether it is a shortcut.
            m_consumed = {};
            return true;
        }
        m_consumed = {};
        const BOOL used = window->Owner()->PreTranslateMessage(KeyMessageFrom(*keyEvent));
        if (!used)
            return false;
        if (type == QEvent::ShortcutOverride) {
            // Accepting the override keeps Qt's shortcuts (mnemonics) from
            // taking the key; the key press that follows is swallowed.
            event->accept();
            m_consumed = ConsumedKey::From(*keyEvent);
        }
        return true;
    }

private:
    struct ConsumedKey {
        int key = 0;
        Qt::KeyboardModifiers modifiers;
        quint64 timestamp = 0;
        bool valid = false;

        static ConsumedKey From(const QKeyEvent& e) { return {e.key(), e.modifiers(), e.timestamp(), true}; }
        bool Matches(const QKeyEvent& e) const
        {
            return valid && key == e.key() && modifiers == e.modifiers() && timestamp == e.timestamp();
        }
    } m_consumed;
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
