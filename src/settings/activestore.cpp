#include "settings/activestore.h"

#include "settings/inistore.h"

namespace {
SettingsStore* g_replacement = nullptr;
}

SettingsStore& ActiveStore()
{
    if (g_replacement != nullptr)
        return *g_replacement;
    static IniStore platformStore(IniStore::ConfigRootFromEnvironment());
    return platformStore;
}

void ReplaceActiveStore(SettingsStore* store)
{
    g_replacement = store;
}
