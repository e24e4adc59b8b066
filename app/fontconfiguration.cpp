#include "app/fontconfiguration.h"

#include <cstdlib>

namespace {

bool hasCacheFolder(FcConfig *config)
{
    FcStrList *folders = FcConfigGetCacheDirs(config);
    if (!folders)
        return false;
    const bool any = FcStrListNext(folders) != nullptr;
    FcStrListDone(folders);
    return any;
}

} // namespace

FcConfig *readFontConfiguration()
{
    FcConfig *config = FcConfigCreate();
    if (!config)
        return nullptr;
    if (FcConfigParseAndLoad(config, nullptr, FcTrue) && hasCacheFolder(config) && FcConfigBuildFonts(config))
        return config;
    FcConfigDestroy(config);
    return nullptr;
}

void initializeFontConfiguration()
{
    // FC_DEBUG is read by fontconfig's own initialisation only.
    FcConfig *config = std::getenv("FC_DEBUG") ? nullptr : readFontConfiguration();
    if (config && FcConfigSetCurrent(config)) {
        // From 2.13 on the current configuration holds a reference of its own; before, it took ours.
        if (FcGetVersion() >= 21300)
            FcConfigDestroy(config);
        return;
    }
    if (config)
        FcConfigDestroy(config);
    FcInit();
}
