// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class SettingsStore;

// The store the program's settings live in on this platform: the registry on Windows, the INI
// file under the user's configuration folder elsewhere.
std::unique_ptr<SettingsStore> MakePlatformStore();
