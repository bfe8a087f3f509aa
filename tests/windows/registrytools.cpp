// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "registrytools.h"

#include <windows.h>

#include <sddl.h>

#include <cstdint>
#include <cstdio>

extern "C" __declspec(dllimport) LONG WINAPI NtDeleteKey(HANDLE key);

namespace registrytools {

namespace {

constexpr REGSAM kView = KEY_WOW64_64KEY;

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end()); // the tests' paths are ASCII
}

HKEY Open(const std::string& path, REGSAM access)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(path).c_str(), REG_OPTION_OPEN_LINK, access | kView,
                      &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

bool IsLink(HKEY key)
{
    DWORD type = REG_NONE;
    return RegQueryValueExW(key, L"SymbolicLinkValue", nullptr, &type, nullptr, nullptr) ==
               ERROR_SUCCESS &&
           type == REG_LINK;
}

std::vector<std::uint64_t> Security(HKEY key, SECURITY_INFORMATION what)
{
    DWORD size = 0;
    RegGetKeySecurity(key, what, nullptr, &size);
    std::vector<std::uint64_t> buffer((size + 7) / 8 + 1);
    size = static_cast<DWORD>(buffer.size() * 8);
    if (RegGetKeySecurity(key, what, buffer.data(), &size) != ERROR_SUCCESS)
        return {};
    return buffer;
}

std::string SidText(PSID sid)
{
    LPSTR text = nullptr;
    if (!ConvertSidToStringSidA(sid, &text))
        return "?";
    std::string result = text;
    LocalFree(text);
    return result;
}

std::vector<Entry> EntriesOf(HKEY key)
{
    const std::vector<std::uint64_t> descriptor = Security(key, DACL_SECURITY_INFORMATION);
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    if (descriptor.empty() ||
        !GetSecurityDescriptorDacl(const_cast<std::uint64_t*>(descriptor.data()), &present, &dacl,
                                   &defaulted))
        return {"unreadable"};
    if (!present || dacl == nullptr)
        return {"no permissions at all"};
    std::vector<Entry> entries;
    for (DWORD index = 0; index < dacl->AceCount; ++index) {
        void* ace = nullptr;
        if (!GetAce(dacl, index, &ace))
            return {"unreadable entry"};
        const auto* header = static_cast<ACE_HEADER*>(ace);
        char text[64];
        if (header->AceType == ACCESS_ALLOWED_ACE_TYPE ||
            header->AceType == ACCESS_DENIED_ACE_TYPE) {
            const auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
            std::snprintf(text, sizeof text, "%s 0x%02X 0x%08lX ",
                          header->AceType == ACCESS_ALLOWED_ACE_TYPE ? "A" : "D", header->AceFlags,
                          static_cast<unsigned long>(allowed->Mask));
            entries.push_back(text + SidText(const_cast<DWORD*>(&allowed->SidStart)));
        } else {
            std::snprintf(text, sizeof text, "type %u 0x%02X", header->AceType, header->AceFlags);
            entries.push_back(text);
        }
    }
    return entries;
}

bool DeleteOpen(HKEY key, int depth)
{
    if (depth > 32)
        return false;
    if (!IsLink(key)) {
        for (;;) {
            wchar_t name[256];
            DWORD length = 256;
            if (RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            HKEY child = nullptr;
            if (RegOpenKeyExW(key, name, REG_OPTION_OPEN_LINK, KEY_READ | DELETE | kView, &child) !=
                ERROR_SUCCESS)
                return false;
            const bool deleted = DeleteOpen(child, depth + 1);
            RegCloseKey(child);
            if (!deleted)
                return false;
        }
    }
    return NtDeleteKey(key) == 0;
}

std::string ValuesOf(HKEY key)
{
    std::string out;
    for (DWORD index = 0;; ++index) {
        char valueName[256];
        DWORD nameLength = sizeof valueName;
        BYTE data[1024];
        DWORD size = sizeof data;
        DWORD type = 0;
        if (RegEnumValueA(key, index, valueName, &nameLength, nullptr, &type, data, &size) !=
            ERROR_SUCCESS)
            break;
        out += " " + std::string(valueName, nameLength) + ":" + std::to_string(type) + "=";
        // Bytes as they are where printable, so that a value's end and its zero show.
        for (DWORD at = 0; at < size; ++at) {
            if (data[at] >= 0x20 && data[at] < 0x7F && data[at] != '\\') {
                out += static_cast<char>(data[at]);
            } else {
                char shown[8];
                std::snprintf(shown, sizeof shown, "\\x%02X", data[at]);
                out += shown;
            }
        }
    }
    return out;
}

void Describe(HKEY key, const std::string& name, std::string& out, int depth)
{
    out += "[" + name + "] ";
    const std::vector<std::uint64_t> descriptor = Security(
        key, OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION);
    LPSTR sddl = nullptr;
    if (!descriptor.empty() &&
        ConvertSecurityDescriptorToStringSecurityDescriptorA(
            const_cast<std::uint64_t*>(descriptor.data()), SDDL_REVISION_1,
            OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
            &sddl, nullptr)) {
        out += sddl;
        LocalFree(sddl);
    }
    out += ValuesOf(key) + "; ";
    if (depth > 8)
        return;
    for (DWORD index = 0;; ++index) {
        char child[256];
        DWORD length = sizeof child;
        if (RegEnumKeyExA(key, index, child, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        HKEY sub = nullptr;
        if (RegOpenKeyExA(key, child, REG_OPTION_OPEN_LINK, KEY_READ | kView, &sub) ==
            ERROR_SUCCESS) {
            Describe(sub, name + "\\" + child, out, depth + 1);
            RegCloseKey(sub);
        }
    }
}

} // namespace

std::vector<Entry> Entries(const std::string& path)
{
    HKEY key = Open(path, READ_CONTROL);
    if (key == nullptr)
        return {"no key"};
    std::vector<Entry> entries = EntriesOf(key);
    RegCloseKey(key);
    return entries;
}

std::string Owner(const std::string& path)
{
    HKEY key = Open(path, READ_CONTROL);
    if (key == nullptr)
        return {};
    const std::vector<std::uint64_t> descriptor = Security(key, OWNER_SECURITY_INFORMATION);
    RegCloseKey(key);
    PSID owner = nullptr;
    BOOL defaulted = FALSE;
    if (descriptor.empty() ||
        !GetSecurityDescriptorOwner(const_cast<std::uint64_t*>(descriptor.data()), &owner,
                                    &defaulted) ||
        owner == nullptr)
        return "none";
    return SidText(owner);
}

std::string Values(const std::string& path)
{
    HKEY key = Open(path, KEY_QUERY_VALUE);
    if (key == nullptr)
        return {};
    std::string values = ValuesOf(key);
    RegCloseKey(key);
    return values;
}

std::vector<Entry> FreshEntries(const std::string& parent)
{
    const std::string probe = parent + "\\PermissionProbe";
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(probe).c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_READ | DELETE | kView, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return {"no probe"};
    std::vector<Entry> entries = EntriesOf(key);
    NtDeleteKey(key);
    RegCloseKey(key);
    return entries;
}

Kind KindOf(const std::string& path)
{
    HKEY key = Open(path, KEY_QUERY_VALUE);
    if (key == nullptr)
        return Kind::Absent;
    const bool link = IsLink(key);
    RegCloseKey(key);
    return link ? Kind::Link : Kind::Key;
}

bool PlantLink(const std::string& path, const std::string& target)
{
    if (!Delete(path))
        return false;
    HKEY link = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(path).c_str(), 0, nullptr, REG_OPTION_CREATE_LINK,
                        KEY_ALL_ACCESS | kView, nullptr, &link, nullptr) != ERROR_SUCCESS)
        return false;
    // The target's name as the kernel knows it, without a terminating zero.
    const std::wstring name = L"\\Registry\\Machine\\" + Wide(target);
    const bool set =
        RegSetValueExW(link, L"SymbolicLinkValue", 0, REG_LINK,
                       reinterpret_cast<const BYTE*>(name.data()),
                       static_cast<DWORD>(name.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
    RegCloseKey(link);
    return set;
}

bool MakeCanary(const std::string& path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(path + "\\Inner").c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS | kView, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const bool inner = RegSetValueExA(key, "Kept", 0, REG_SZ,
                                      reinterpret_cast<const BYTE*>("inner"), 6) == ERROR_SUCCESS;
    RegCloseKey(key);
    key = Open(path, KEY_SET_VALUE);
    if (key == nullptr)
        return false;
    const bool outer =
        RegSetValueExA(key, "Secret", 0, REG_SZ, reinterpret_cast<const BYTE*>("untouched"), 10) ==
        ERROR_SUCCESS;
    RegCloseKey(key);
    return inner && outer;
}

std::string Snapshot(const std::string& path)
{
    HKEY key = Open(path, KEY_READ);
    if (key == nullptr)
        return "no key";
    std::string out;
    Describe(key, path, out, 0);
    RegCloseKey(key);
    return out;
}

bool Delete(const std::string& path)
{
    HKEY key = Open(path, KEY_READ | DELETE);
    if (key == nullptr)
        return KindOf(path) == Kind::Absent;
    const bool deleted = DeleteOpen(key, 0);
    RegCloseKey(key);
    return deleted;
}

} // namespace registrytools
