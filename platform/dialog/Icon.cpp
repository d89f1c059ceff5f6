#include "platform/dialog/Icon.h"

#include "platform/dialog/detail/CompiledResources.h"
#include "platform/dialog/detail/IconResource.h"

#include <QDir>

#include <map>
#include <memory>

HICON LoadIcon(UINT id)
{
    static std::map<UINT, std::unique_ptr<IconResource>> loaded;
    if (const auto found = loaded.find(id); found != loaded.end())
        return found->second.get();
    LoadCompiledResources();
    QIcon icon;
    const QString prefix = QStringLiteral("Icon%1-").arg(id);
    for (const QString& name : QDir(QStringLiteral(":/")).entryList({prefix + QStringLiteral("*.png")}))
        icon.addFile(QStringLiteral(":/") + name);
    if (icon.isNull())
        return nullptr;
    auto resource = std::make_unique<IconResource>(IconResource{icon});
    HICON handle = resource.get();
    loaded.emplace(id, std::move(resource));
    return handle;
}
