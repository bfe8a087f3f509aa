// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/conversions.h"

#include <QString>

#include <optional>

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

// The unit system of the stored "UOM", read afresh at every call.
calc::UnitSystem ReadUnitSystem(SettingsStore& store);

// The stored "PoolSize" as it is: no parsing, no formatting.
QString ReadPoolSize(SettingsStore& store);

// Writes the three in this order; one given as nullopt is left as it is stored. A failure
// stops at the failing one, and its SettingsError tells, after the store's cause, which were
// saved before it and which were not.
void WriteAll(SettingsStore& store, const std::optional<QString>& poolSize,
              const std::optional<QString>& bleachStrength, const std::optional<QString>& uom);

// What the store has to tell the user after saving, or an empty text.
QString TakeStoreNotice(SettingsStore& store);

} // namespace defaults
