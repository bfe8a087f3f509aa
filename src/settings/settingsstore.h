// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settingsfault.h"

#include <cstdint>
#include <optional>
#include <string>

// The persistent store under the settings: the five operations of the platform's registry,
// with its result codes, so that MRegistry reads and writes the same way over every back-end.
// A key is a section, addressed by a path such as "SOFTWARE\Poolwright\Defaults"; its values
// are typed byte strings. Standard C++ only: this interface is also built without Qt.
class SettingsStore
{
public:
    using Key = std::uint64_t;

    // Result codes, as the registry API returns them.
    static constexpr long kSuccess = 0;
    static constexpr long kFileNotFound = 2;
    static constexpr long kAccessDenied = 5;
    static constexpr long kMoreData = 234;

    // Value types, as the registry numbers them.
    static constexpr std::uint32_t kString = 1;
    static constexpr std::uint32_t kExpandString = 2;
    static constexpr std::uint32_t kBinary = 3;
    static constexpr std::uint32_t kInteger = 4;
    static constexpr std::uint32_t kStringList = 7;
    static constexpr std::uint32_t kInteger64 = 11;

    virtual ~SettingsStore() = default;

    // Opens an existing key for reading; kFileNotFound when it, or its application, is absent.
    virtual long OpenKey(const std::string& path, Key& key) = 0;

    // Opens the key for writing, creating it and the keys along its path as needed.
    virtual long CreateKey(const std::string& path, Key& key) = 0;

    // With data == nullptr: the value's type and its size in bytes. Otherwise copies the value
    // into data, which holds `size` bytes, and sets `size` to the bytes copied (kMoreData when
    // they do not fit). A string's bytes end in one zero byte, counted in its size.
    virtual long QueryValue(Key key, const std::string& name, std::uint32_t& type, char* data,
                            std::uint32_t& size) = 0;

    virtual long SetValue(Key key, const std::string& name, std::uint32_t type, const char* data,
                          std::uint32_t size) = 0;

    virtual long CloseKey(Key key) = 0;

    // Something the store did on the user's behalf that the user should hear of: the copy it
    // kept of a file it could not read in full; nullopt when there is nothing. Taken once.
    virtual std::optional<SettingsNotice> TakeNotice() { return std::nullopt; }

    // Why the last OpenKey, CreateKey or SetValue failed (such as the file being a folder);
    // Kind::None when the store has nothing to add to its result code. Taken once.
    virtual SettingsCause TakeFailureCause() { return {}; }

    // Where the values of the key at path are kept, as the user would look for them (a file,
    // a registry key); empty when the store cannot say.
    virtual std::string Location(const std::string& /*path*/) { return {}; }
};
