// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "installer/settingskey.h"

#include <windows.h>

#include <sddl.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// ntdll: deleting a key through its own handle is the one way to delete a registry link
// without following it (RegDeleteKey opens the name, and so its target).
extern "C" __declspec(dllimport) LONG WINAPI NtDeleteKey(HANDLE key);
extern "C" __declspec(dllimport) ULONG WINAPI RtlNtStatusToDosError(LONG status);

namespace settingskey {

namespace {

// The 64-bit view, where the 64-bit program keeps its settings.
constexpr REGSAM kView = KEY_WOW64_64KEY;
// What walking and deleting a key needs: its values, its subkeys, and deleting it.
constexpr REGSAM kWalk = KEY_READ | DELETE;
// Registry keys nest at most 512 deep; the program's own are two.
constexpr int kDeepest = 64;

struct Failed
{
    long error;
    std::wstring step;
};

void Check(long result, const std::wstring& step)
{
    if (result != ERROR_SUCCESS)
        throw Failed{result, step};
}

void CheckCall(BOOL succeeded, const std::wstring& step)
{
    if (!succeeded)
        throw Failed{static_cast<long>(GetLastError()), step};
}

class Key
{
public:
    Key() = default;
    explicit Key(HKEY handle) : m_handle(handle) {}
    Key(Key&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    Key& operator=(Key&& other) noexcept
    {
        std::swap(m_handle, other.m_handle);
        return *this;
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key()
    {
        if (m_handle != nullptr)
            RegCloseKey(m_handle);
    }

    HKEY get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    HKEY m_handle = nullptr;
};

using LocalMemory = std::unique_ptr<void, decltype(&LocalFree)>;

// A security descriptor written in SDDL, for the handful the installer sets.
LocalMemory Descriptor(const wchar_t* sddl)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    CheckCall(ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1,
                                                                   &descriptor, nullptr),
              L"reading a security descriptor");
    return LocalMemory(descriptor, &LocalFree);
}

// Administrators own the key and only they and the system have access, so that no user can
// open it any more while it is taken apart. Set on the handle: the name could lead elsewhere.
void CloseToUsers(HKEY key, const std::wstring& path)
{
    const LocalMemory locked = Descriptor(L"O:BAD:P(A;;KA;;;SY)(A;;KA;;;BA)");
    Check(RegSetKeySecurity(key, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
                            locked.get()),
          L"closing " + path + L" to users");
}

// A key that a user of an older installation could write to may deny even administrators.
// Administrators may always take ownership, and the owner may always change the permissions.
void Reclaim(HKEY parent, const std::wstring& name, const std::wstring& path)
{
    HKEY handle = nullptr;
    Check(RegOpenKeyExW(parent, name.c_str(), REG_OPTION_OPEN_LINK, WRITE_OWNER | kView, &handle),
          L"taking ownership of " + path);
    Key owned(handle);
    const LocalMemory owner = Descriptor(L"O:BA");
    Check(RegSetKeySecurity(owned.get(), OWNER_SECURITY_INFORMATION, owner.get()),
          L"taking ownership of " + path);
    Check(RegOpenKeyExW(parent, name.c_str(), REG_OPTION_OPEN_LINK, WRITE_DAC | kView, &handle),
          L"reclaiming " + path);
    Key reclaimed(handle);
    CloseToUsers(reclaimed.get(), path);
}

// The key name under parent, never followed if it is a link; empty when there is none.
Key OpenUnfollowed(HKEY parent, const std::wstring& name, REGSAM access, const std::wstring& path)
{
    HKEY handle = nullptr;
    long result =
        RegOpenKeyExW(parent, name.c_str(), REG_OPTION_OPEN_LINK, access | kView, &handle);
    if (result == ERROR_ACCESS_DENIED) {
        Reclaim(parent, name, path);
        result = RegOpenKeyExW(parent, name.c_str(), REG_OPTION_OPEN_LINK, access | kView, &handle);
    }
    if (result == ERROR_FILE_NOT_FOUND)
        return {};
    Check(result, L"opening " + path);
    return Key(handle);
}

// A link opened as itself holds its target's name in this value, of type REG_LINK.
bool IsLink(HKEY key)
{
    DWORD type = REG_NONE;
    return RegQueryValueExW(key, L"SymbolicLinkValue", nullptr, &type, nullptr, nullptr) ==
               ERROR_SUCCESS &&
           type == REG_LINK;
}

void DeleteOpenKey(Key key, const std::wstring& path)
{
    const LONG status = NtDeleteKey(key.get());
    if (status != 0)
        throw Failed{static_cast<long>(RtlNtStatusToDosError(status)), L"deleting " + path};
}

// Deletes the key and everything under it, opening each subkey as itself: a link is deleted,
// never entered.
void DeleteTree(Key key, const std::wstring& path, int depth = 0)
{
    if (depth > kDeepest)
        throw Failed{ERROR_BAD_PATHNAME, L"deleting " + path + L": too deep"};
    if (!IsLink(key.get())) {
        // Key names are at most 255 characters. Each pass takes the first subkey left; one
        // that vanished before it could be opened is looked for again, a bounded number of times.
        for (int pass = 0; pass < 100000; ++pass) {
            wchar_t name[256];
            DWORD length = 256;
            const long result =
                RegEnumKeyExW(key.get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (result == ERROR_NO_MORE_ITEMS)
                break;
            Check(result, L"listing the keys under " + path);
            const std::wstring child(name, length);
            const std::wstring childPath = path + L"\\" + child;
            if (Key subkey = OpenUnfollowed(key.get(), child, kWalk, childPath))
                DeleteTree(std::move(subkey), childPath, depth + 1);
        }
    }
    DeleteOpenKey(std::move(key), path);
}

struct Value
{
    std::wstring name;
    DWORD type;
    std::vector<BYTE> data;
};

std::vector<Value> ReadValues(HKEY key, const std::wstring& path)
{
    DWORD count = 0;
    DWORD longestName = 0;
    DWORD largestData = 0;
    Check(RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                           &longestName, &largestData, nullptr, nullptr),
          L"reading the values of " + path);
    std::vector<Value> values;
    for (DWORD index = 0; index < count; ++index) {
        std::vector<wchar_t> name(longestName + 1);
        DWORD nameLength = longestName + 1;
        Value value{{}, REG_NONE, std::vector<BYTE>(largestData)};
        DWORD size = largestData;
        Check(RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &value.type,
                            value.data.data(), &size),
              L"reading the values of " + path);
        value.name.assign(name.data(), nameLength);
        value.data.resize(size);
        values.push_back(std::move(value));
    }
    return values;
}

// Makes name under parent; fails if it is there already, as it never is once deleted.
Key CreateAfresh(HKEY parent, const std::wstring& name, REGSAM access, const std::wstring& path)
{
    HKEY handle = nullptr;
    DWORD disposition = 0;
    Check(RegCreateKeyExW(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access | kView,
                          nullptr, &handle, &disposition),
          L"making " + path);
    Key key(handle);
    if (disposition != REG_CREATED_NEW_KEY)
        throw Failed{ERROR_ALREADY_EXISTS, L"making " + path + L" afresh"};
    return key;
}

// Adds the Users entry to what the new key inherited: read access and KEY_SET_VALUE, in an
// entry that no child inherits. An explicit entry goes before the inherited ones. The owner is
// set with it, as administrators, whoever the system made the owner.
void GrantUsersSetValue(HKEY key, const std::wstring& path)
{
    const std::wstring step = L"giving users the right to save in " + path;
    DWORD size = 0;
    const long sizing = RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
    if (sizing != ERROR_INSUFFICIENT_BUFFER)
        Check(sizing, step);
    std::vector<std::uint64_t> current((size + 7) / 8);
    Check(RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, current.data(), &size), step);
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL inherited = nullptr;
    CheckCall(GetSecurityDescriptorDacl(current.data(), &present, &inherited, &defaulted), step);
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    CheckCall(GetSecurityDescriptorControl(current.data(), &control, &revision), step);

    BYTE users[SECURITY_MAX_SID_SIZE];
    DWORD usersSize = sizeof users;
    CheckCall(CreateWellKnownSid(WinBuiltinUsersSid, nullptr, users, &usersSize), step);

    ACL_SIZE_INFORMATION inheritedSize{};
    if (present && inherited != nullptr)
        CheckCall(
            GetAclInformation(inherited, &inheritedSize, sizeof inheritedSize, AclSizeInformation),
            step);
    const DWORD aclRevision =
        present && inherited != nullptr && inherited->AclRevision > ACL_REVISION
            ? inherited->AclRevision
            : ACL_REVISION;
    const DWORD aclSize = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD) +
                          GetLengthSid(users) + inheritedSize.AclBytesInUse;
    std::vector<std::uint64_t> aclMemory((aclSize + 7) / 8);
    auto* acl = reinterpret_cast<PACL>(aclMemory.data());
    CheckCall(InitializeAcl(acl, aclSize, aclRevision), step);
    CheckCall(AddAccessAllowedAceEx(acl, aclRevision, 0, kUsersAccess, users), step);
    for (DWORD index = 0; index < inheritedSize.AceCount; ++index) {
        void* entry = nullptr;
        CheckCall(GetAce(inherited, index, &entry), step);
        CheckCall(
            AddAce(acl, aclRevision, MAXDWORD, entry, static_cast<ACE_HEADER*>(entry)->AceSize),
            step);
    }

    BYTE administrators[SECURITY_MAX_SID_SIZE];
    DWORD administratorsSize = sizeof administrators;
    CheckCall(CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators,
                                 &administratorsSize),
              step);
    SECURITY_DESCRIPTOR descriptor;
    CheckCall(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION), step);
    CheckCall(SetSecurityDescriptorOwner(&descriptor, administrators, FALSE), step);
    CheckCall(SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE), step);
    CheckCall(SetSecurityDescriptorControl(&descriptor, SE_DACL_AUTO_INHERITED,
                                           control & SE_DACL_AUTO_INHERITED),
              step);
    Check(
        RegSetKeySecurity(key, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &descriptor),
        step);
}

// Administrators may take ownership of any key; the privilege is switched on for this process
// only. Where it cannot be, a key that denies administrators stays out of reach.
void EnableTakeOwnership()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token))
        return;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, L"SeTakeOwnershipPrivilege", &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
}

Key OpenSoftware(REGSAM access)
{
    HKEY handle = nullptr;
    Check(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE", 0, access | kView, &handle),
          L"opening HKEY_LOCAL_MACHINE\\SOFTWARE");
    return Key(handle);
}

// Deletes the application key, first closed to users when it is a real key, and gives the
// values its Defaults held.
std::vector<Value> TakeApart(HKEY software, const std::wstring& application,
                             const std::wstring& path)
{
    std::vector<Value> values;
    Key app = OpenUnfollowed(software, application, kWalk | WRITE_DAC | WRITE_OWNER, path);
    if (!app)
        return values;
    if (!IsLink(app.get())) {
        CloseToUsers(app.get(), path);
        const std::wstring defaultsPath = path + L"\\Defaults";
        if (Key defaults = OpenUnfollowed(app.get(), L"Defaults", KEY_QUERY_VALUE, defaultsPath);
            defaults && !IsLink(defaults.get()))
            values = ReadValues(defaults.get(), defaultsPath);
    }
    DeleteTree(std::move(app), path);
    return values;
}

template <typename Work> long Run(std::wstring& failure, Work work)
{
    failure.clear();
    try {
        EnableTakeOwnership();
        work();
        return ERROR_SUCCESS;
    } catch (const Failed& failed) {
        failure = failed.step;
        return failed.error;
    } catch (const std::bad_alloc&) {
        failure = L"running out of memory";
        return ERROR_OUTOFMEMORY;
    }
}

} // namespace

long Prepare(const std::wstring& application, std::wstring& failure)
{
    return Run(failure, [&application] {
        const Key software = OpenSoftware(KEY_READ | KEY_CREATE_SUB_KEY);
        const std::wstring path = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\" + application;
        const std::vector<Value> saved = TakeApart(software.get(), application, path);
        const Key app = CreateAfresh(software.get(), application, KEY_CREATE_SUB_KEY, path);
        const std::wstring defaultsPath = path + L"\\Defaults";
        const Key defaults =
            CreateAfresh(app.get(), L"Defaults",
                         KEY_SET_VALUE | READ_CONTROL | WRITE_DAC | WRITE_OWNER, defaultsPath);
        GrantUsersSetValue(defaults.get(), defaultsPath);
        for (const Value& value : saved)
            Check(RegSetValueExW(defaults.get(), value.name.c_str(), 0, value.type,
                                 value.data.data(), static_cast<DWORD>(value.data.size())),
                  L"writing back the saved value " + value.name);
    });
}

long Remove(const std::wstring& application, std::wstring& failure)
{
    return Run(failure, [&application] {
        const Key software = OpenSoftware(KEY_READ);
        TakeApart(software.get(), application, L"HKEY_LOCAL_MACHINE\\SOFTWARE\\" + application);
    });
}

} // namespace settingskey
