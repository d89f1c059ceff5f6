#pragma once
// The widget behind a CDialog, private to the platform layer. It forwards
// the close box to the dialog's cancel path, keeps QDialog's own Esc and
// Enter handling out of the way (the dialog does its keys itself) and carries
// the back-pointer that key routing and control notifications follow. The
// pointer is cleared when the dialog destroys its window, so events still
// queued for a dying window reach nothing.

#include "platform/dialog/DialogUnits.h"
#include "platform/dialog/detail/DialogMnemonics.h"
#include "platform/WinTypes.h"

#include <QDialog>

class CDialog;

class DialogWindow : public QDialog {
public:
    DialogWindow(CDialog* owner, QWidget* parent, Qt::WindowFlags flags);
    // A window deleted from outside (with its owner window) lets its
    // dialog know, so the dialog never reaches a deleted widget.
    ~DialogWindow() override;

    CDialog* Owner() const { return m_owner; }
    void Detach() { m_owner = nullptr; }

    // A control's notification, sent on to the dialog if it still exists.
    void Notify(UINT id, UINT notification);

    DialogBaseUnits baseUnits{};
    DialogMnemonics mnemonics;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A right click on the window's background (not on a control that acts)
    // opens the system menu there; so do the Menu key and Shift+F10 where
    // the focused control has no menu of its own.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CDialog* m_owner;
};

// Routes every key press of the application to the PreTranslateMessage of the
// dialog whose window has the focus. Installed once, on first use.
void InstallKeyRouter();
