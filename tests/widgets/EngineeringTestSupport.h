#pragma once
// Helpers shared by the engineering dialogs' tests: typing into an edit as
// a user does (select all, then type), clicking a control and pressing a key
// in whatever has the focus.

#include "ModalTestSupport.h"

#include <QTest>

#include <gtest/gtest.h>

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

// A key pressed in whatever control of the dialog has the focus.
inline void Press(const CDialog& dlg, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = dlg.Widget()->focusWidget() != nullptr ? dlg.Widget()->focusWidget() : dlg.Widget();
    QTest::keyClick(target, key, modifiers);
}
