#pragma once
// The calculator window under test: an application object that records it
// as the main window without ending the test run when it goes, and one
// fixture that opens the window, shown and active, for each test.

#include "ModalTestSupport.h"

#include "app/CalcApp.h"
#include "calc/CalcDlg.h"
#include "platform/application/WinApp.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// The program's application object (its message map sends ID_HELP to the
// user guide) that records the main window and never asks the test run to
// quit when that window goes (the program's own object ends the event loop
// then). Its InitInstance never runs.
class QuietApp : public CCalcApp {
public:
    void OnMainWindowDestroyed() override {}
};

inline CString DisplayOf(const CCalcDlg& calc)
{
    return calc.GetDlgItemText(CCalcDlg::kDisplay);
}

// A calculator window, shown and active; the window deletes the object when
// it is destroyed, here or by the test.
class CalculatorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStaleQuitRequest();
        calc = new CCalcDlg(nullptr);
        calc->SetVisible(TRUE);
        ASSERT_TRUE(calc->GetVisible());
        ASSERT_EQ(app.m_pMainWnd, calc);
        window = calc->Widget();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    void TearDown() override
    {
        if (app.m_pMainWnd == calc)
            calc->DestroyWindow();
        QApplication::processEvents();
    }

    QWidget* Control(int id) const
    {
        CWnd* control = calc->GetDlgItem(id);
        return control != nullptr ? control->Widget() : nullptr;
    }

    void Click(int id) const
    {
        QWidget* button = Control(id);
        ASSERT_NE(button, nullptr) << "no control " << id;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // A key, or characters, typed into whatever has the focus.
    void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(FocusOrWindow(), key, modifiers);
    }

    void TypeText(const char* text) const { QTest::keyClicks(FocusOrWindow(), QString::fromLatin1(text)); }

    CString Display() const { return DisplayOf(*calc); }

    QuietApp app;
    CCalcDlg* calc = nullptr;
    QWidget* window = nullptr;

private:
    QWidget* FocusOrWindow() const
    {
        return QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window;
    }
};
