// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/mregistry.h"

#include <algorithm>
#include <optional>
#include <utility>

SettingsError::SettingsError(std::int32_t number, std::string description, std::string cause)
    : m_number(number), m_description(std::move(description)), m_source("Poolwright"),
      m_cause(std::move(cause))
{
}

namespace {

std::string TrimSpaces(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

SettingsError StoreError(std::uint32_t offset, const char* description, std::string cause = {})
{
    // Wraps around as the platform's signed 32-bit error numbers do.
    return SettingsError(static_cast<std::int32_t>(MRegistry::kStoreErrorBase + offset),
                         description, std::move(cause));
}

// The argument checks and the section's path, shared by reading and writing. Only the
// application and section names are trimmed, and only for the path; the key is used as given.
std::string SectionPath(const std::string& appName, const std::string& section,
                        const std::string& key)
{
    const std::string app = TrimSpaces(appName);
    if (app.empty())
        throw SettingsError(MRegistry::kAppNameEmpty, "AppName may not be empty");
    const std::string sectionName = TrimSpaces(section);
    if (sectionName.empty())
        throw SettingsError(MRegistry::kSectionEmpty, "Section may not be empty");
    if (TrimSpaces(key).empty())
        throw SettingsError(MRegistry::kKeyEmpty, "Key may not be empty");
    return "SOFTWARE\\" + app + "\\" + sectionName;
}

// Why a value of another type than text cannot be read, naming the value and where it is.
std::string NotText(const std::string& key, const std::string& location)
{
    return "The setting " + key + (location.empty() ? "" : " in " + location) +
           " is not stored as text, so it cannot be read. Saving a new value replaces it.";
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
        throw StoreError(static_cast<std::uint32_t>(opened), "Could not open registry section",
                         m_store.TakeFailureCause());
    OpenKey open(m_store, handle);

    std::string result = defaultValue;
    std::optional<SettingsError> held;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (m_store.QueryValue(handle, key, type, nullptr, size) != SettingsStore::kSuccess) {
        // a missing value, among others: the default
    } else if (type != SettingsStore::kString) {
        held = StoreError(type, "Registry data not a string", NotText(key, m_store.Location(path)));
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
        throw StoreError(static_cast<std::uint32_t>(created),
                         "Could not open/create registry section", m_store.TakeFailureCause());
    OpenKey open(m_store, handle);

    const std::string data = value + '\0';
    const long stored = m_store.SetValue(handle, key, SettingsStore::kString, data.data(),
                                         static_cast<std::uint32_t>(data.size()));
    const std::string cause = stored != SettingsStore::kSuccess ? m_store.TakeFailureCause() : "";
    open.close();
    if (stored != SettingsStore::kSuccess)
        throw StoreError(static_cast<std::uint32_t>(stored), "Could not set key value", cause);
}
