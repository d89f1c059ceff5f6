#include "platform/automation/Dispatch.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

const DispatchEntry* FindDispatchEntry(const DispatchMap& map, std::string_view name)
{
    for (const DispatchEntry& entry : map) {
        if (SameNameIgnoringCase(entry.name, name))
            return &entry;
    }
    return nullptr;
}

void AfxThrowOleDispatchException(WORD code, LPCTSTR description)
{
    throw COleDispatchException(code, description != nullptr ? description : "");
}
