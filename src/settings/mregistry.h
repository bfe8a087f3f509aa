// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settingsstore.h"

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <vector>

// A failure of the settings store: the error number (an application-defined number from
// 0x80040000 on), the program as its source, and what failed, as data that the windows put into
// words: the kind of failure (one per error number's description), the setting and where it is
// kept where known, the platform's result code or the value's type that the number adds, and the
// store's cause. A failed save of several settings also tells which were saved before it.
class SettingsError : public std::exception
{
public:
    enum class Fault
    {
        AppNameEmpty,
        SectionEmpty,
        KeyEmpty,
        SectionNotOpened,  // for reading
        NotAString,        // a value of another type: valueType
        SectionNotCreated, // for writing
        ValueNotSet
    };

    SettingsError(std::int32_t number, Fault fault, std::string key = {});

    std::int32_t number() const noexcept { return m_number; }
    const std::string& source() const noexcept { return m_source; }
    Fault fault() const noexcept { return m_fault; }
    // The setting's name as given; empty for AppNameEmpty and SectionEmpty.
    const std::string& key() const noexcept { return m_key; }
    // Where the setting is kept, as the store names it (a file, a registry key); may be empty.
    const std::string& location() const noexcept { return m_location; }
    const std::optional<long>& resultCode() const noexcept { return m_resultCode; }
    const std::optional<std::uint32_t>& valueType() const noexcept { return m_valueType; }
    const SettingsCause& cause() const noexcept { return m_cause; }
    // The keys a save of several settings wrote before this failure, and those it did not.
    const std::vector<std::string>& saved() const noexcept { return m_saved; }
    const std::vector<std::string>& notSaved() const noexcept { return m_notSaved; }
    bool partOfASave() const noexcept { return !m_notSaved.empty(); }
    // The fault's name, for a log; never shown to the user.
    const char* what() const noexcept override;

    SettingsError& setLocation(std::string location);
    SettingsError& setResultCode(long code);
    SettingsError& setValueType(std::uint32_t type);
    SettingsError& setCause(SettingsCause cause);
    SettingsError& setSaveProgress(std::vector<std::string> saved,
                                   std::vector<std::string> notSaved);

private:
    std::int32_t m_number;
    Fault m_fault;
    std::string m_source;
    std::string m_key;
    std::string m_location;
    std::optional<long> m_resultCode;
    std::optional<std::uint32_t> m_valueType;
    SettingsCause m_cause;
    std::vector<std::string> m_saved;
    std::vector<std::string> m_notSaved;
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
