#include "platform/dialog/Icon.h"

#include "platform/dialog/detail/CompiledResources.h"
#include "platform/dialog/detail/IconResource.h"
#include "platform/dialog/detail/SizedIconEngine.h"

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
    // The size is in the name (IconN-S.png): nothing is decoded until a size
    // is drawn. The window manager gets the sizes a title bar or task bar
    // shows; every size stays available for drawing. The names are matched
    // by hand: a wildcard filter would compile a regular expression.
    const QString prefix = QStringLiteral("Icon%1-").arg(id);
    const QString suffix = QStringLiteral(".png");
    std::vector<SizedIconEngine::File> every;
    std::vector<SizedIconEngine::File> windowSizes;
    for (const QString& name : QDir(QStringLiteral(":/")).entryList(QDir::Files)) {
        if (!name.startsWith(prefix) || !name.endsWith(suffix))
            continue;
        bool ok = false;
        const int size = name.mid(prefix.size(), name.size() - prefix.size() - suffix.size()).toInt(&ok);
        if (!ok || size <= 0)
            continue;
        every.push_back({size, QStringLiteral(":/") + name});
        if (size <= kLargestWindowIcon)
            windowSizes.push_back(every.back());
    }
    if (every.empty())
        return nullptr;
    const QIcon windowIcon =
        windowSizes.empty() ? QIcon() : QIcon(new SizedIconEngine(std::move(windowSizes), "png"));
    auto resource = std::make_unique<IconResource>(IconResource{QIcon(new SizedIconEngine(std::move(every), "png")),
                                                                windowIcon});
    HICON handle = resource.get();
    loaded.emplace(id, std::move(resource));
    return handle;
}
