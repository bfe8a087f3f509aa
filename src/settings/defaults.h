// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/conversions.h"
#include "settings/mregistry.h"
#include "settings/settingsfault.h"

#include <QString>

#include <optional>
#include <vector>

class SettingsStore;

// The program's three defaults, kept in section "Defaults" of application "Poolwright".
// Windows read and write them here, converting their texts at this edge; a failure of the
// store is a SettingsError.
namespace defaults {

inline constexpr char kPoolSize[] = "PoolSize";
inline constexpr char kBleachStrength[] = "BleachStrength";
inline constexpr char kUnitOfMeasure[] = "UOM"; // "Imperial" or "Metric"

QString Read(SettingsStore& store, const char* key, const QString& defaultValue = QString());
void Write(SettingsStore& store, const char* key, const QString& value);

// The windows read each default through its own reader, afresh at every call.
// The stored "PoolSize" as it is: no parsing, no formatting.
QString ReadPoolSize(SettingsStore& store);
// The stored "BleachStrength" as it is, or ifMissing where none is stored.
QString ReadBleachStrength(SettingsStore& store, const QString& ifMissing = QString());
// The unit system of the stored "UOM" (see calc::UnitSystemFromText).
calc::UnitSystem ReadUnitSystem(SettingsStore& store);

// The three defaults as one window reads them when it opens: each one asked for is either read
// or failed, and the first failure, in the order read, is the one the window reports.
enum class Default
{
    PoolSize,
    BleachStrength,
    UnitSystem,
};

// Whether the first failure stops the reading, leaving the rest unread.
enum class OnFailure
{
    ReadTheRest,
    Stop,
};

// Each value is nullopt where it was not asked for, not read after a failure, or failed.
struct Snapshot
{
    std::optional<QString> poolSize;
    std::optional<QString> bleachStrength;
    std::optional<calc::UnitSystem> unitSystem;
    std::optional<SettingsError> firstFailure;
};

// Reads the defaults in order, each through its reader below. bleachIfMissing is the bleach
// strength where none is stored.
Snapshot ReadDefaults(SettingsStore& store, const std::vector<Default>& order, OnFailure onFailure,
                      const QString& bleachIfMissing = QString());

// Writes the three in this order, the unit system as calc::UnitSystemText gives it; one given
// as nullopt is left as it is stored. A failure stops at the failing one, and its
// SettingsError tells which were saved before it and which were not (by their keys).
void WriteAll(SettingsStore& store, const std::optional<QString>& poolSize,
              const std::optional<QString>& bleachStrength, std::optional<calc::UnitSystem> units);

// What the store has to tell the user after saving; nullopt when nothing.
std::optional<SettingsNotice> TakeStoreNotice(SettingsStore& store);

} // namespace defaults
