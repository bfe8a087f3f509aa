// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the three defaults over and over, as the Settings window does, so that the fault
// tests can kill a writer at any moment or run two at once.
// Usage: settingswriter CONFIG_ROOT NAME [COUNT]; without COUNT it writes until killed.
#include "settings/inistore.h"
#include "settings/mregistry.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[])
{
    if (argc < 3)
        return 2;
    IniStore store(QString::fromLocal8Bit(argv[1]));
    const MRegistry registry(store);
    const std::string name = argv[2];
    const long count = argc > 3 ? std::atol(argv[3]) : -1;
    try {
        for (long n = 1; count < 0 || n <= count; ++n) {
            const std::string value = name + "-" + std::to_string(n);
            for (const char* key : {"PoolSize", "BleachStrength", "UOM"})
                registry.WriteSetting("Poolwright", "Defaults", key, value);
        }
    } catch (const SettingsError& error) {
        std::fprintf(stderr, "%s (%d)\n", error.what(), error.number());
        return 1;
    }
    return 0;
}
