#include "platform/MessageMap.h"

const MessageMap& CCmdTarget::GetMessageMap() const
{
    static const MessageMap empty;
    return empty;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT notification)
{
    for (const MessageMapEntry& entry : GetMessageMap()) {
        if (entry.notification == notification && id >= entry.idFirst && id <= entry.idLast) {
            entry.handler(*this, id);
            return TRUE;
        }
    }
    return FALSE;
}
