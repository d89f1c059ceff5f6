#include "platform/StringTable.h"

CString LoadString(UINT id)
{
    for (const StringResource& entry : ProgramStringTable()) {
        if (entry.id == id)
            return entry.text;
    }
    return {};
}

CString AfxGetAppName()
{
    return LoadString(57344);
}
