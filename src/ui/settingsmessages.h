// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/mregistry.h"
#include "settings/settingsfault.h"

#include <QString>

#include <optional>
#include <string>

// The words for what the settings store reports as data (translation context
// "SettingsMessages"): a failure's description and cause, and the notice after a save.
namespace ui {

// The fixed description of each kind of failure ("Could not set key value").
QString SettingsFaultText(SettingsError::Fault fault);

// The store's cause, naming the file and what is wrong with it; empty for Kind::None.
QString SettingsCauseText(const SettingsCause& cause);

// What is known of a failure beyond its description, a line each: the store's cause, which
// value is not text, and which settings a save wrote before it failed and which it did not.
// Empty when nothing is known.
QString SettingsFailureDetails(const SettingsError& failure);

// A default as the user knows it, by its key ("PoolSize": "the pool size"), as it reads inside
// a sentence.
QString DefaultName(const std::string& key);

// The notice of a copy kept before a save, and why; empty for nullopt.
QString StoreNoticeText(const std::optional<SettingsNotice>& notice);

} // namespace ui
