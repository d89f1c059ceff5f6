#pragma once
// The handful of Windows names the program is written against: integer
// types, window styles, command and notification codes, message-box and
// show-window constants. Values match the Windows ones so the resource
// tables read like the originals; nothing here depends on Qt.

#include <cstdint>
#include <string>

using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using ULONGLONG = std::uint64_t;
using LPARAM = std::intptr_t;

// Text is UTF-8 in a std::string, the way this program keeps every string.
using CString = std::string;

// A rectangle in pixels: left and top inside, right and bottom just outside.
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// Command identifiers the dialog framework knows itself.
inline constexpr UINT IDOK = 1;
inline constexpr UINT IDCANCEL = 2;

// Notification codes carried with a command.
inline constexpr UINT BN_CLICKED = 0;  // also menu items, accelerators, code
inline constexpr UINT EN_SETFOCUS = 0x0100;
inline constexpr UINT EN_KILLFOCUS = 0x0200;
inline constexpr UINT EN_CHANGE = 0x0300;

// Window styles (dialog and control templates).
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_VSCROLL = 0x00200000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;  // dialog style only
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;  // dialog style only
inline constexpr DWORD DS_MODALFRAME = 0x0080;
inline constexpr DWORD DS_3DLOOK = 0x0004;
inline constexpr DWORD DS_CENTER = 0x0800;

// Our templates list controls as visible; this marks the few that are not
// (the bit is WS_CHILD's, which every control has anyway).
inline constexpr DWORD WS_HIDDEN_CONTROL = 0x40000000;

// Edit styles.
inline constexpr DWORD ES_RIGHT = 0x0002;
inline constexpr DWORD ES_MULTILINE = 0x0004;
inline constexpr DWORD ES_AUTOVSCROLL = 0x0040;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_READONLY = 0x0800;
inline constexpr DWORD ES_WANTRETURN = 0x1000;

// Button check states.
inline constexpr UINT BST_UNCHECKED = 0;
inline constexpr UINT BST_CHECKED = 1;

// Static styles.
inline constexpr DWORD SS_LEFT = 0x0000;
inline constexpr DWORD SS_CENTER = 0x0001;
inline constexpr DWORD SS_RIGHT = 0x0002;
inline constexpr DWORD SS_SUNKEN = 0x1000;

// Extended style carried in the same flags word of our templates.
inline constexpr DWORD WS_EX_CLIENTEDGE = 0x0200;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;

// Message-box styles and results.
inline constexpr UINT MB_OK = 0x0000;
inline constexpr UINT MB_ICONEXCLAMATION = 0x0030;
inline constexpr UINT MB_ICONINFORMATION = 0x0040;
