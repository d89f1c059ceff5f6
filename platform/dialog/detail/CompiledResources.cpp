#include "platform/dialog/detail/CompiledResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function in the global namespace.
static void RegisterBitmaps()
{
    Q_INIT_RESOURCE(bitmaps);
}

void LoadCompiledResources()
{
    static const bool loaded = [] {
        RegisterBitmaps();
        return true;
    }();
    (void)loaded;
}
