// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/defaults.h"

#include "settings/mregistry.h"
#include "settings/settingsstore.h"

#include <cctype>
#include <iterator>
#include <string>
#include <vector>

namespace defaults {

namespace {

constexpr char kApplication[] = "Poolwright";
constexpr char kSection[] = "Defaults";

// "the pool size", "the pool size and the bleach strength", ...
std::string Joined(const std::vector<const char*>& names)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += i + 1 == names.size() ? " and " : ", ";
        text += names[i];
    }
    return text;
}

// Which settings a save that stopped with a failure did save, and which it did not.
std::string SavedSoFar(const std::vector<const char*>& saved,
                       const std::vector<const char*>& notSaved)
{
    if (saved.empty())
        return "None of the three settings was saved.";
    std::string text = Joined(saved) + (saved.size() == 1 ? " was saved; " : " were saved; ") +
                       Joined(notSaved) + (notSaved.size() == 1 ? " was not." : " were not.");
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

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
        const char* name; // as the user knows it
        const std::optional<QString>& text;
    };
    const Value values[] = {{kPoolSize, "the pool size", poolSize},
                            {kBleachStrength, "the bleach strength", bleachStrength},
                            {kUnitOfMeasure, "the unit of measure", uom}};
    std::vector<const char*> saved;
    for (std::size_t failing = 0; failing < std::size(values); ++failing) {
        if (!values[failing].text)
            continue;
        try {
            Write(store, values[failing].key, *values[failing].text);
        } catch (const SettingsError& failure) {
            std::vector<const char*> notSaved;
            for (std::size_t next = failing; next < std::size(values); ++next) {
                if (values[next].text)
                    notSaved.push_back(values[next].name);
            }
            const std::string said = SavedSoFar(saved, notSaved);
            throw SettingsError(failure.number(), failure.description(),
                                failure.cause().empty() ? said : failure.cause() + "\n" + said);
        }
        saved.push_back(values[failing].name);
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

QString TakeStoreNotice(SettingsStore& store)
{
    return QString::fromStdString(store.TakeNotice());
}

} // namespace defaults
