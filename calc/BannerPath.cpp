#include "BannerPath.h"

CString BannerPath(const std::optional<CString>& directory, const CString& fileName)
{
    if (!directory)
        return {};
    if (!directory->empty() && directory->back() == '/')
        return *directory + fileName;
    return *directory + "/" + fileName;
}
