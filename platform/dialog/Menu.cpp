#include "platform/dialog/Menu.h"

#include <algorithm>

BOOL CMenu::AppendMenu(UINT flags, UINT id, const CString& text)
{
    if (flags & MF_SEPARATOR)
        m_items.push_back({MF_SEPARATOR, 0, {}});
    else
        m_items.push_back({flags, id, text});
    return TRUE;
}

BOOL CMenu::RemoveMenu(UINT id, UINT flags)
{
    if (flags != MF_BYCOMMAND)
        return FALSE;
    const auto item = std::find_if(m_items.begin(), m_items.end(), [id](const Item& i) {
        return !(i.flags & MF_SEPARATOR) && i.id == id;
    });
    if (item == m_items.end())
        return FALSE;
    m_items.erase(item);
    return TRUE;
}
