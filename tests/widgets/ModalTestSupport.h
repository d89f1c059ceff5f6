#pragma once
// Helpers for driving modal dialogs from a test: the test's steps run
// inside the dialog's modal loop, message boxes the dialog raises are
// answered from a timer, and fields are typed into, buttons clicked and keys
// pressed as a user does. Each helper gives up instead of hanging when the
// expected window never comes.

#include "platform/dialog/Dialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The result DoModal returns when the steps left the dialog open.
inline constexpr int kLeftOpen = -77;

// A quit request left behind by an earlier test (a destroyed main window
// asks the application to quit) would make every later modal loop return at
// once. This finds one and clears it: the application's own loop resets the
// request when it ends (and then tells the application it is quitting, so
// it runs only when a request is really pending).
inline void ClearStaleQuitRequest()
{
    QCoreApplication::processEvents();
    QEventLoop probe;
    QTimer::singleShot(0, &probe, [&probe] { probe.exit(1); });
    if (probe.exec() != -1)
        return;  // the loop ran: nothing pending
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

// Runs `dialog` modally; `steps` run inside its loop once it is shown. If
// the steps do not end the dialog, it is ended with kLeftOpen.
inline int RunModal(CDialog& dialog, const std::function<void()>& steps)
{
    ClearStaleQuitRequest();
    QObject context;  // cancels the timer should the loop never start
    bool ran = false;
    QTimer::singleShot(0, &context, [&dialog, &ran, steps] {
        ran = true;
        steps();
        if (auto* window = qobject_cast<QDialog*>(dialog.Widget()); window != nullptr && window->isVisible())
            window->done(kLeftOpen);
    });
    const int result = dialog.DoModal();
    if (!ran)
        ADD_FAILURE() << "the dialog's modal loop never ran the test's steps";
    return result;
}

// Answers the next message box with OK and records what it said. Arm it
// right before the action that should raise the box; a box that never
// comes leaves `shown` false (the timer dies with this object).
class MessageBoxAnswerer {
public:
    void Arm()
    {
        shown = false;
        text.clear();
        caption.clear();
        QTimer::singleShot(0, &m_context, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            shown = true;
            text = box->text().toStdString();
            caption = box->windowTitle().toStdString();
            box->accept();
        });
    }

    bool shown = false;
    std::string text;
    std::string caption;

private:
    QObject m_context;
};

inline QWidget* Control(const CDialog& dialog, int id)
{
    CWnd* control = dialog.GetDlgItem(id);
    return control != nullptr ? control->Widget() : nullptr;
}

inline QLineEdit* Edit(const CDialog& dialog, int id)
{
    return qobject_cast<QLineEdit*>(Control(dialog, id));
}

inline bool Checked(const CDialog& dialog, int id)
{
    return dialog.IsDlgButtonChecked(id) == BST_CHECKED;
}

// The dialog's window is there and shown.
inline bool IsOpen(const CDialog& dialog)
{
    return dialog.Widget() != nullptr && dialog.Widget()->isVisible();
}

// Replaces the edit's text by typing `text` ("" deletes it).
inline void TypeInto(const CDialog& dlg, int id, const char* text)
{
    QLineEdit* edit = Edit(dlg, id);
    ASSERT_NE(edit, nullptr) << "no edit " << id;
    edit->setFocus();
    edit->selectAll();
    if (*text == '\0')
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, QString::fromUtf8(text));
}

inline void Click(const CDialog& dlg, int id)
{
    QWidget* button = Control(dlg, id);
    ASSERT_NE(button, nullptr) << "no control " << id;
    QTest::mouseClick(button, Qt::LeftButton);
}

// One thing a user does in a dialog: types `typed` into the field `id`, or,
// without text, clicks the control `id`.
struct UserStep {
    int id;
    const char* typed = nullptr;
};

inline void Perform(const CDialog& dlg, const std::vector<UserStep>& steps)
{
    for (const UserStep& step : steps) {
        if (step.typed != nullptr)
            TypeInto(dlg, step.id, step.typed);
        else
            Click(dlg, step.id);
    }
}

// A key pressed in whatever control of the dialog has the focus.
inline void Press(const CDialog& dlg, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = dlg.Widget()->focusWidget() != nullptr ? dlg.Widget()->focusWidget() : dlg.Widget();
    QTest::keyClick(target, key, modifiers);
}

// A fresh dialog of class `Dialog`, for tables of dialogs.
template <class Dialog>
std::unique_ptr<CDialog> Make()
{
    return std::make_unique<Dialog>();
}

// The texts of `ids`, by id; a missing control reads as such.
inline std::map<int, CString> TextsOf(const CDialog& dlg, const std::map<int, const char*>& ids)
{
    std::map<int, CString> texts;
    for (const auto& [id, unused] : ids)
        texts[id] = Control(dlg, id) != nullptr ? dlg.GetDlgItemText(id) : CString("(no control)");
    return texts;
}

inline std::map<int, CString> AsTexts(const std::map<int, const char*>& texts)
{
    std::map<int, CString> result;
    for (const auto& [id, text] : texts)
        result[id] = text;
    return result;
}

// Whether each of the buttons `ids` is checked, by id.
inline std::map<int, bool> ChecksOf(const CDialog& dlg, const std::map<int, bool>& ids)
{
    std::map<int, bool> checks;
    for (const auto& [id, unused] : ids)
        checks[id] = Checked(dlg, id);
    return checks;
}
