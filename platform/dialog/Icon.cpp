#include "platform/dialog/Icon.h"

#include "platform/dialog/detail/CompiledResources.h"
#include "platform/dialog/detail/IconResource.h"

#include <QDir>

#include <map>
#include <memory>

namespace {
constexpr int kLargestWindowIcon = 48;
}

HICON LoadIcon(UINT id)
{
    static std::map<UINT, std::unique_ptr<IconResource>> loaded;
    if (const auto found = loaded.find(id); found != loaded.end())
        return found->second.get();
    LoadCompiledResources();
    QIcon icon;
    const QString prefix = QStringLiteral("Icon%1-").arg(id);
    QIcon windowIcon;
    // The size is in the name (IconN-S.png): with it given, nothing is
    // decoded until a size is drawn. The window manager gets the sizes a
    // title bar or task bar shows; every size stays available for drawing.
    for (const QString& name : QDir(QStringLiteral(":/")).entryList({prefix + QStringLiteral("*.png")})) {
        bool ok = false;
        const int size = name.mid(prefix.size()).chopped(4).toInt(&ok);
        if (!ok)
            continue;
        icon.addFile(QStringLiteral(":/") + name, QSize(size, size));
        if (size <= kLargestWindowIcon)
            windowIcon.addFile(QStringLiteral(":/") + name, QSize(size, size));
    }
    if (icon.isNull())
        return nullptr;
    auto resource = std::make_unique<IconResource>(IconResource{icon, windowIcon});
    HICON handle = resource.get();
    loaded.emplace(id, std::move(resource));
    return handle;
}
