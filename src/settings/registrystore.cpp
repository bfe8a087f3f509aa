// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/registrystore.h"

#include <windows.h>

#include <climits>
#include <cstring>

namespace {

HKEY Handle(SettingsStore::Key key)
{
    return reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(key));
}

SettingsStore::Key KeyOf(HKEY handle)
{
    return static_cast<SettingsStore::Key>(reinterpret_cast<std::uintptr_t>(handle));
}

bool ToWide(UINT codePage, const std::string& text, std::wstring& wide)
{
    wide.clear();
    if (text.empty())
        return true;
    if (text.size() > INT_MAX)
        return false;
    const int length = static_cast<int>(text.size());
    const int wideLength =
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (wideLength <= 0)
        return false;
    wide.resize(static_cast<std::size_t>(wideLength));
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(),
                               wideLength) == wideLength;
}

// usedDefault is only asked for where the code page allows it: UTF-8 refuses the argument.
bool FromWide(UINT codePage, const std::wstring& wide, std::string& text)
{
    text.clear();
    if (wide.empty())
        return true;
    const int wideLength = static_cast<int>(wide.size());
    const bool utf8 = codePage == CP_UTF8 || (codePage == CP_ACP && GetACP() == CP_UTF8);
    // No best fit: an "ā" must not quietly become an "a" in the ANSI code page.
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
    const int length = WideCharToMultiByte(codePage, flags, wide.data(), wideLength, nullptr, 0,
                                           nullptr, usedDefaultOut);
    if (length <= 0 || usedDefault)
        return false;
    text.resize(static_cast<std::size_t>(length));
    return WideCharToMultiByte(codePage, flags, wide.data(), wideLength, text.data(), length,
                               nullptr, usedDefaultOut) == length &&
           !usedDefault;
}

// The value's type and bytes as the registry keeps them. The size that a query without a
// buffer reports may be more than the data (the A calls answer with an upper bound), so the
// size that counts is the one the query into the buffer reports.
long ReadRaw(HKEY handle, const std::string& name, DWORD& type, std::string& bytes)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = 0;
        long result = RegQueryValueExA(handle, name.c_str(), nullptr, &type, nullptr, &size);
        if (result != ERROR_SUCCESS)
            return result;
        bytes.assign(size, '\0');
        result = RegQueryValueExA(handle, name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(bytes.data()), &size);
        if (result == ERROR_MORE_DATA)
            continue; // another writer made it longer in between
        if (result != ERROR_SUCCESS)
            return result;
        bytes.resize(size);
        return ERROR_SUCCESS;
    }
    return ERROR_MORE_DATA;
}

} // namespace

bool RegistryStore::ToAnsi(const std::string& utf8, std::string& ansi)
{
    std::wstring wide;
    return ToWide(CP_UTF8, utf8, wide) && FromWide(CP_ACP, wide, ansi);
}

bool RegistryStore::FromAnsi(const std::string& ansi, std::string& utf8)
{
    std::wstring wide;
    return ToWide(CP_ACP, ansi, wide) && FromWide(CP_UTF8, wide, utf8);
}

long RegistryStore::OpenKey(const std::string& path, Key& key)
{
    std::string ansiPath;
    if (!ToAnsi(path, ansiPath))
        return kNoUnicodeTranslation;
    HKEY handle = nullptr;
    const long result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, ansiPath.c_str(), 0, kKeyRead, &handle);
    if (result == ERROR_SUCCESS)
        key = KeyOf(handle);
    return result;
}

long RegistryStore::CreateKey(const std::string& path, Key& key)
{
    std::string ansiPath;
    if (!ToAnsi(path, ansiPath))
        return kNoUnicodeTranslation;
    HKEY handle = nullptr;
    DWORD disposition = 0;
    const long result =
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, ansiPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        kKeySetValue, nullptr, &handle, &disposition);
    if (result == ERROR_SUCCESS)
        key = KeyOf(handle);
    return result;
}

long RegistryStore::QueryValue(Key key, const std::string& name, std::uint32_t& type, char* data,
                               std::uint32_t& size)
{
    std::string ansiName;
    if (!ToAnsi(name, ansiName))
        return kNoUnicodeTranslation;
    DWORD rawType = 0;
    std::string raw;
    const long result = ReadRaw(Handle(key), ansiName, rawType, raw);
    if (result != ERROR_SUCCESS)
        return result;

    std::string value;
    if (rawType == REG_SZ && !raw.empty()) {
        // Whatever wrote it, the text is handed on with exactly one terminating zero.
        if (raw.back() == '\0')
            raw.pop_back();
        if (!FromAnsi(raw, value))
            return kNoUnicodeTranslation;
        value.push_back('\0');
    } else {
        value = std::move(raw);
    }

    type = rawType;
    const auto needed = static_cast<std::uint32_t>(value.size());
    if (data == nullptr) {
        size = needed;
        return ERROR_SUCCESS;
    }
    if (needed > size) {
        size = needed;
        return kMoreData;
    }
    if (needed > 0)
        std::memcpy(data, value.data(), needed);
    size = needed;
    return ERROR_SUCCESS;
}

long RegistryStore::SetValue(Key key, const std::string& name, std::uint32_t type, const char* data,
                             std::uint32_t size)
{
    std::string ansiName;
    if (!ToAnsi(name, ansiName))
        return kNoUnicodeTranslation;
    std::string bytes = data != nullptr ? std::string(data, size) : std::string();
    if (type == REG_SZ) {
        if (!bytes.empty() && bytes.back() == '\0')
            bytes.pop_back();
        std::string ansi;
        if (!ToAnsi(bytes, ansi))
            return kNoUnicodeTranslation;
        // The empty text is the single zero byte.
        bytes = ansi + '\0';
    }
    return RegSetValueExA(Handle(key), ansiName.c_str(), 0, type,
                          reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size()));
}

long RegistryStore::CloseKey(Key key)
{
    return RegCloseKey(Handle(key));
}

std::string RegistryStore::Location(const std::string& path)
{
    return "HKEY_LOCAL_MACHINE\\" + path;
}
