// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/defaults.h"

#include "settings/mregistry.h"
#include "settings/settingsstore.h"

#include <iterator>
#include <string>
#include <vector>

namespace defaults {

namespace {

constexpr char kApplication[] = "Poolwright";
constexpr char kSection[] = "Defaults";

} // namespace

QString Read(SettingsStore& store, const char* key, const QString& defaultValue)
{
    return QString::fromStdString(
        MRegistry(store).ReadSetting(kApplication, kSection, key, defaultValue.toStdString()));
}

void Write(SettingsStore& store, const char* key, const QString& value)
{
    MRegistry(store).WriteSetting(kApplication, kSection, key, value.toStdString());
}

void WriteAll(SettingsStore& store, const std::optional<QString>& poolSize,
              const std::optional<QString>& bleachStrength, std::optional<calc::UnitSystem> units)
{
    std::optional<QString> uom;
    if (units)
        uom = calc::UnitSystemText(*units);
    struct Value
    {
        const char* key;
        const std::optional<QString>& text;
    };
    const Value values[] = {
        {kPoolSize, poolSize}, {kBleachStrength, bleachStrength}, {kUnitOfMeasure, uom}};
    std::vector<std::string> saved;
    for (std::size_t failing = 0; failing < std::size(values); ++failing) {
        if (!values[failing].text)
            continue;
        try {
            Write(store, values[failing].key, *values[failing].text);
        } catch (SettingsError& failure) {
            std::vector<std::string> notSaved;
            for (std::size_t next = failing; next < std::size(values); ++next) {
                if (values[next].text)
                    notSaved.emplace_back(values[next].key);
            }
            failure.setSaveProgress(std::move(saved), std::move(notSaved));
            throw;
        }
        saved.emplace_back(values[failing].key);
    }
}

QString ReadPoolSize(SettingsStore& store)
{
    return Read(store, kPoolSize);
}

QString ReadBleachStrength(SettingsStore& store, const QString& ifMissing)
{
    return Read(store, kBleachStrength, ifMissing);
}

calc::UnitSystem ReadUnitSystem(SettingsStore& store)
{
    return calc::UnitSystemFromText(Read(store, kUnitOfMeasure));
}

Snapshot ReadDefaults(SettingsStore& store, const std::vector<Default>& order, OnFailure onFailure,
                      const QString& bleachIfMissing)
{
    Snapshot snapshot;
    for (const Default which : order) {
        try {
            switch (which) {
            case Default::PoolSize:
                snapshot.poolSize = ReadPoolSize(store);
                break;
            case Default::BleachStrength:
                snapshot.bleachStrength = ReadBleachStrength(store, bleachIfMissing);
                break;
            case Default::UnitSystem:
                snapshot.unitSystem = ReadUnitSystem(store);
                break;
            }
        } catch (const SettingsError& failure) {
            if (!snapshot.firstFailure)
                snapshot.firstFailure = failure;
            if (onFailure == OnFailure::Stop)
                break;
        }
    }
    return snapshot;
}

std::optional<SettingsNotice> TakeStoreNotice(SettingsStore& store)
{
    return store.TakeNotice();
}

} // namespace defaults
