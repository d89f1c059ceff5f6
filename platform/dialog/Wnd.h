#pragma once
// CWnd: a window or a control of a dialog, reached through the handful of
// operations the program uses (text, focus, visibility, enabling). It wraps
// one widget and does not own it: a dialog's widgets belong to the dialog.

#include "platform/MessageMap.h"
#include "platform/WinTypes.h"

class QWidget;

// Opaque window handle: null when there is no window.
using HWND = const void*;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    explicit CWnd(QWidget* widget) : m_widget(widget) {}
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_widget; }
    // Makes this object stand for an existing window it does not own, or
    // forget it again (returning it).
    BOOL Attach(HWND window);
    HWND Detach();
    DWORD GetStyle() const;  // WS_VISIBLE and WS_DISABLED as they stand
    BOOL ShowWindow(int showCommand);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable);
    BOOL IsWindowEnabled() const;
    // By value: a long text given as a temporary is moved, not copied.
    void SetWindowText(CString text);
    CString GetWindowText() const;
    void SetFocus();
    // The client area, at (0, 0): inside the border of a framed control.
    void GetClientRect(CRect* rect) const;

    // For the platform layer and tests; the program itself never needs it.
    QWidget* Widget() const { return m_widget; }

protected:
    QWidget* m_widget = nullptr;
};
