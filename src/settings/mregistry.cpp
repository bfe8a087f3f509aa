// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/mregistry.h"

#include <algorithm>
#include <optional>
#include <utility>

SettingsError::SettingsError(std::int32_t number, Fault fault, std::string key)
    : m_number(number), m_fault(fault), m_source("Poolwright"), m_key(std::move(key))
{
}

const char* SettingsError::what() const noexcept
{
    switch (m_fault) {
    case Fault::AppNameEmpty:
        return "SettingsError: AppNameEmpty";
    case Fault::SectionEmpty:
        return "SettingsError: SectionEmpty";
    case Fault::KeyEmpty:
        return "SettingsError: KeyEmpty";
    case Fault::SectionNotOpened:
        return "SettingsError: SectionNotOpened";
    case Fault::NotAString:
        return "SettingsError: NotAString";
    case Fault::SectionNotCreated:
        return "SettingsError: SectionNotCreated";
    case Fault::ValueNotSet:
        return "SettingsError: ValueNotSet";
    }
    return "SettingsError";
}

SettingsError& SettingsError::setLocation(std::string location)
{
    m_location = std::move(location);
    return *this;
}

SettingsError& SettingsError::setResultCode(long code)
{
    m_resultCode = code;
    return *this;
}

SettingsError& SettingsError::setValueType(std::uint32_t type)
{
    m_valueType = type;
    return *this;
}

SettingsError& SettingsError::setCause(SettingsCause cause)
{
    m_cause = std::move(cause);
    return *this;
}

SettingsError& SettingsError::setSaveProgress(std::vector<std::string> saved,
                                              std::vector<std::string> notSaved)
{
    m_saved = std::move(saved);
    m_notSaved = std::move(notSaved);
    return *this;
}

namespace {

std::string TrimSpaces(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A failure of the store's call with result code `result`, which the number adds.
SettingsError StoreError(long result, SettingsError::Fault fault, const std::string& key,
                         SettingsCause cause)
{
    // Wraps around as the platform's signed 32-bit error numbers do.
    SettingsError error(
        static_cast<std::int32_t>(MRegistry::kStoreErrorBase + static_cast<std::uint32_t>(result)),
        fault, key);
    error.setResultCode(result).setCause(std::move(cause));
    return error;
}

// The argument checks and the section's path, shared by reading and writing. Only the
// application and section names are trimmed, and only for the path; the key is used as given.
std::string SectionPath(const std::string& appName, const std::string& section,
                        const std::string& key)
{
    const std::string app = TrimSpaces(appName);
    if (app.empty())
        throw SettingsError(MRegistry::kAppNameEmpty, SettingsError::Fault::AppNameEmpty);
    const std::string sectionName = TrimSpaces(section);
    if (sectionName.empty())
        throw SettingsError(MRegistry::kSectionEmpty, SettingsError::Fault::SectionEmpty);
    if (TrimSpaces(key).empty())
        throw SettingsError(MRegistry::kKeyEmpty, SettingsError::Fault::KeyEmpty, key);
    return "SOFTWARE\\" + app + "\\" + sectionName;
}

// Closes an open key exactly once: explicitly before an error is raised, or on the way out
// should the store itself throw. The result of closing is of no interest.
class OpenKey
{
public:
    OpenKey(SettingsStore& store, SettingsStore::Key key) : m_store(store), m_key(key) {}
    ~OpenKey() { close(); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    SettingsStore::Key key() const { return m_key; }
    void close()
    {
        if (m_open) {
            m_open = false;
            m_store.CloseKey(m_key);
        }
    }

private:
    SettingsStore& m_store;
    SettingsStore::Key m_key;
    bool m_open = true;
};

} // namespace

std::string MRegistry::ReadSetting(std::string appName, std::string section, std::string key,
                                   std::string defaultValue) const
{
    const std::string path = SectionPath(appName, section, key);

    SettingsStore::Key handle = 0;
    const long opened = m_store.OpenKey(path, handle);
    if (opened == SettingsStore::kFileNotFound)
        return defaultValue;
    if (opened != SettingsStore::kSuccess)
        throw StoreError(opened, SettingsError::Fault::SectionNotOpened, key,
                         m_store.TakeFailureCause());
    OpenKey open(m_store, handle);

    std::string result = defaultValue;
    std::optional<SettingsError> held;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (m_store.QueryValue(handle, key, type, nullptr, size) != SettingsStore::kSuccess) {
        // a missing value, among others: the default
    } else if (type != SettingsStore::kString) {
        // The number adds the value's type; the store did not fail, so it has no cause.
        held = SettingsError(static_cast<std::int32_t>(kStoreErrorBase + type),
                             SettingsError::Fault::NotAString, key);
        held->setValueType(type).setLocation(m_store.Location(path));
    } else if (size == 0) {
        result.clear();
    } else {
        std::string buffer(size, '\0');
        std::uint32_t copied = size;
        if (m_store.QueryValue(handle, key, type, buffer.data(), copied) ==
            SettingsStore::kSuccess) {
            // The final byte is the terminating zero.
            buffer.resize(std::min<std::size_t>(copied, buffer.size()));
            if (!buffer.empty())
                buffer.pop_back();
            result = std::move(buffer);
        }
    }

    open.close();
    if (held)
        throw *held;
    return result;
}

void MRegistry::WriteSetting(std::string appName, std::string section, std::string key,
                             std::string value) const
{
    const std::string path = SectionPath(appName, section, key);

    SettingsStore::Key handle = 0;
    const long created = m_store.CreateKey(path, handle);
    if (created != SettingsStore::kSuccess)
        throw StoreError(created, SettingsError::Fault::SectionNotCreated, key,
                         m_store.TakeFailureCause());
    OpenKey open(m_store, handle);

    const std::string data = value + '\0';
    const long stored = m_store.SetValue(handle, key, SettingsStore::kString, data.data(),
                                         static_cast<std::uint32_t>(data.size()));
    SettingsCause cause =
        stored != SettingsStore::kSuccess ? m_store.TakeFailureCause() : SettingsCause();
    open.close();
    if (stored != SettingsStore::kSuccess)
        throw StoreError(stored, SettingsError::Fault::ValueNotSet, key, std::move(cause));
}
