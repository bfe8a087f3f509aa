// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever bytes the settings file holds: reading the three defaults either gives a text or
// raises a SettingsError, and a save over it always works and reads back exactly.
#include "settings/inistore.h"
#include "settings/mregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    static IniStore store(dir.path());
    const QString file = store.filePath("SOFTWARE\\Poolwright\\Defaults");
    QDir(dir.path()).removeRecursively();
    QDir().mkpath(QFileInfo(file).path());
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            std::abort();
        out.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }

    const MRegistry registry(store);
    for (const char* key : {"PoolSize", "BleachStrength", "UOM"}) {
        try {
            registry.ReadSetting("Poolwright", "Defaults", key, "default");
        } catch (const SettingsError& error) {
            if (error.fault() != SettingsError::Fault::NotAString)
                std::abort();
        }
    }
    registry.WriteSetting("Poolwright", "Defaults", "PoolSize", " 20,000 ; =x ");
    if (registry.ReadSetting("Poolwright", "Defaults", "PoolSize", "") != " 20,000 ; =x ")
        std::abort();
    store.TakeNotice();
    return 0;
}
