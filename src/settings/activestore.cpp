#include "settings/activestore.h"

#ifdef _WIN32
#include "settings/registrystore.h"
#else
#include "settings/inistore.h"
#endif

namespace {
SettingsStore* g_replacement = nullptr;
}

SettingsStore& ActiveStore()
{
    if (g_replacement != nullptr)
        return *g_replacement;
#ifdef _WIN32
    static RegistryStore platformStore;
#else
    static IniStore platformStore(IniStore::ConfigRootFromEnvironment());
#endif
    return platformStore;
}

void ReplaceActiveStore(SettingsStore* store)
{
    g_replacement = store;
}
