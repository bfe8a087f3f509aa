// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settingsstore.h"

#include <cstdint>
#include <exception>
#include <string>

// A failure of the settings store: the error number (an application-defined number from
// 0x80040000 on), a description for the user, and the program as its source. The number and
// the description are fixed for each kind of failure; the cause adds what is known of this one
// in plain words (which file, and what is wrong with it; which value is not text), and may be
// empty.
class SettingsError : public std::exception
{
public:
    SettingsError(std::int32_t number, std::string description, std::string cause = {});

    std::int32_t number() const noexcept { return m_number; }
    const std::string& description() const noexcept { return m_description; }
    const std::string& source() const noexcept { return m_source; }
    const std::string& cause() const noexcept { return m_cause; }
    const char* what() const noexcept override { return m_description.c_str(); }

private:
    std::int32_t m_number;
    std::string m_description;
    std::string m_source;
    std::string m_cause;
};

// Reads and writes text settings by application, section and key. Stateless: every call
// opens its own key and closes it again before it returns or raises, and every read goes to
// the store, so a value written is seen by the very next read.
class MRegistry
{
public:
    explicit MRegistry(SettingsStore& store) : m_store(store) {}

    // The stored text; the empty text for empty data; defaultValue when the section or the
    // value does not exist or cannot be queried. Raises SettingsError.
    std::string ReadSetting(std::string appName, std::string section, std::string key,
                            std::string defaultValue) const;

    // Stores value as text under key, exactly as given. Raises SettingsError.
    void WriteSetting(std::string appName, std::string section, std::string key,
                      std::string value) const;

    static constexpr std::int32_t kAppNameEmpty = static_cast<std::int32_t>(0x800403E8);
    static constexpr std::int32_t kSectionEmpty = static_cast<std::int32_t>(0x800403E9);
    static constexpr std::int32_t kKeyEmpty = static_cast<std::int32_t>(0x800403EA);
    // Store failures add the platform's result code, or the value's type, to this number.
    static constexpr std::uint32_t kStoreErrorBase = 0x800407D0;

private:
    SettingsStore& m_store;
};
