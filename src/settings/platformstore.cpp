// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/platformstore.h"

#ifdef _WIN32
#include "settings/registrystore.h"
#else
#include "settings/inistore.h"
#endif

std::unique_ptr<SettingsStore> MakePlatformStore()
{
#ifdef _WIN32
    return std::make_unique<RegistryStore>();
#else
    return std::make_unique<IniStore>(IniStore::ConfigRootFromEnvironment());
#endif
}
