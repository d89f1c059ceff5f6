#pragma once
// CMenu: a window's system menu as the program sees it, a list of items
// (command id, text, flags) it appends to and removes from by command. The
// window shows it as a pop-up on Alt+Space or a right click on the window's
// background (the window manager owns the title bar's own menu on Linux);
// choosing an item sends its id to the window's OnSysCommand. It is not a
// general menu: no sub-menus, no check marks.

#include "platform/WinTypes.h"

#include <vector>

// System commands, with the Windows values (the low four bits are zero).
inline constexpr UINT SC_SIZE = 0xF000;
inline constexpr UINT SC_MINIMIZE = 0xF020;
inline constexpr UINT SC_MAXIMIZE = 0xF030;
inline constexpr UINT SC_CLOSE = 0xF060;

// Item flags.
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_SEPARATOR = 0x0800;

class CMenu {
public:
    struct Item {
        UINT flags;
        UINT id;  // 0 for a separator
        CString text;
    };

    BOOL AppendMenu(UINT flags, UINT id = 0, const CString& text = {});
    // Removes the first item with command `id` (MF_BYCOMMAND); FALSE when
    // there is none.
    BOOL RemoveMenu(UINT id, UINT flags);

    int GetMenuItemCount() const { return static_cast<int>(m_items.size()); }
    const std::vector<Item>& Items() const { return m_items; }

private:
    std::vector<Item> m_items;
};
