// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The installer's settings-key helper over the real registry API. Every case works under
// HKEY_LOCAL_MACHINE\SOFTWARE\PoolwrightKeyTest, with a key someone else owns beside it
// (PoolwrightKeyTestCanary) that links planted by a hostile user point at: the helper must
// give users no more than saving needs and never change the canary.

#include "installer/settingskey.h"
#include "registrytools.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using registrytools::Entry;
using registrytools::Kind;

const std::wstring kApp = L"PoolwrightKeyTest";
const std::string kAppPath = "SOFTWARE\\PoolwrightKeyTest";
const std::string kDefaults = kAppPath + "\\Defaults";
const std::string kCanary = "SOFTWARE\\PoolwrightKeyTestCanary";
// Read access and the right to set a value, in an entry no child inherits.
const Entry kUsersMaySave = "A 0x00 0x0002001B S-1-5-32-545";

// A case returns what went wrong, or the empty text when it passed.
using Failure = std::string;

std::string Joined(const std::vector<Entry>& entries)
{
    std::string text;
    for (const Entry& entry : entries)
        text += (text.empty() ? "" : " | ") + entry;
    return text;
}

Failure Expect(bool ok, const std::string& what)
{
    return ok ? Failure() : what;
}

std::string Narrow(const std::wstring& wide)
{
    return std::string(wide.begin(), wide.end());
}

Failure Run(long (*step)(const std::wstring&, std::wstring&), const char* name)
{
    std::wstring failure;
    const long result = step(kApp, failure);
    return Expect(result == ERROR_SUCCESS, std::string(name) + " failed with " +
                                               std::to_string(result) + " while " +
                                               Narrow(failure));
}

Failure Prepare()
{
    return Run(settingskey::Prepare, "prepare");
}

Failure Remove()
{
    return Run(settingskey::Remove, "remove");
}

// The application key holds only what a new key under SOFTWARE gets; Defaults adds the one
// entry for users to that, and has no subkeys.
Failure ExpectLeastRights()
{
    const std::vector<Entry> app = registrytools::Entries(kAppPath);
    const std::vector<Entry> fresh = registrytools::FreshEntries("SOFTWARE");
    if (app != fresh)
        return "the application key's permissions are " + Joined(app) + ", expected " +
               Joined(fresh);
    std::vector<Entry> expected = registrytools::FreshEntries(kAppPath);
    expected.insert(expected.begin(), kUsersMaySave);
    const std::vector<Entry> defaults = registrytools::Entries(kDefaults);
    if (defaults != expected)
        return "Defaults' permissions are " + Joined(defaults) + ", expected " + Joined(expected);
    if (registrytools::KindOf(kDefaults) != Kind::Key)
        return "Defaults is no real key";
    // An owner may always change the permissions: only administrators may own the keys.
    for (const std::string& path : {kAppPath, kDefaults}) {
        if (registrytools::Owner(path) != "S-1-5-32-544")
            return path + " is owned by " + registrytools::Owner(path);
    }
    return {};
}

bool SetValue(const std::string& path, const char* name, const std::string& text)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const bool set =
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}

bool MakeKey(const std::string& path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WOW64_64KEY,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// What the 1.0.0 installer left: users with full control of the application key and, by
// inheritance, of everything under it; saved values; and what a user then could add: a
// subkey, a subkey of Defaults, and a link to someone else's key.
Failure InstallLikeVersion1()
{
    if (!SetValue(kDefaults, "PoolSize", "20000") ||
        !SetValue(kDefaults, "BleachStrength", " 12.5 ") || !SetValue(kDefaults, "UOM", "Imperial"))
        return "could not store the old values";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"D:(A;OICI;KA;;;BU)", SDDL_REVISION_1, &descriptor, nullptr))
        return "could not make the old grant";
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL grant = nullptr;
    GetSecurityDescriptorDacl(descriptor, &present, &grant, &defaulted);
    bool granted = true;
    for (const wchar_t* object : {L"MACHINE\\SOFTWARE\\PoolwrightKeyTest",
                                  L"MACHINE\\SOFTWARE\\PoolwrightKeyTest\\Defaults"})
        granted = granted && SetNamedSecurityInfoW(
                                 const_cast<wchar_t*>(object), SE_REGISTRY_KEY,
                                 DACL_SECURITY_INFORMATION | UNPROTECTED_DACL_SECURITY_INFORMATION,
                                 nullptr, nullptr, grant, nullptr) == ERROR_SUCCESS;
    LocalFree(descriptor);
    if (!granted)
        return "could not give the old grant";
    if (!MakeKey(kAppPath + "\\Planted\\Deeper") || !MakeKey(kDefaults + "\\Inside") ||
        !registrytools::PlantLink(kAppPath + "\\Sneaky", kCanary))
        return "could not plant what a user could add";
    return {};
}

std::string DefaultsValues()
{
    return registrytools::Values(kDefaults);
}

struct Case
{
    const char* name;
    std::function<Failure()> run;
};

// Each step in turn until one fails.
Failure Steps(std::initializer_list<std::function<Failure()>> steps)
{
    for (const auto& step : steps) {
        if (Failure failure = step(); !failure.empty())
            return failure;
    }
    return {};
}

std::function<Failure()> CanaryUnchangedBy(std::function<Failure()> action)
{
    return [action] {
        const std::string before = registrytools::Snapshot(kCanary);
        if (Failure failure = action(); !failure.empty())
            return failure;
        const std::string after = registrytools::Snapshot(kCanary);
        return Expect(before == after, "the canary changed from " + before + " to " + after);
    };
}

std::function<Failure()> Plant(const std::string& at)
{
    return [at] {
        return Expect(registrytools::PlantLink(at, kCanary) &&
                          registrytools::KindOf(at) == Kind::Link,
                      "could not plant a link at " + at);
    };
}

std::function<Failure()> Gone()
{
    return [] {
        return Expect(registrytools::KindOf(kAppPath) == Kind::Absent,
                      "the application key is still there");
    };
}

std::vector<Case> Cases()
{
    // clang-format off
    return {
        {"a fresh install gives users read and set-value on Defaults alone",
         [] {
             return Steps({Prepare, ExpectLeastRights, [] {
                               return Expect(DefaultsValues().empty(), "Defaults holds values");
                           }});
         }},
        {"installing again keeps the saved values and the rights",
         [] {
             std::string before;
             return Steps({Prepare,
                           [] {
                               return Expect(SetValue(kDefaults, "PoolSize", "1,5") &&
                                                 SetValue(kDefaults, "UOM", "Metric"),
                                             "could not save");
                           },
                           [&before] {
                               before = DefaultsValues();
                               return Failure();
                           },
                           Prepare, ExpectLeastRights, [&before] {
                               return Expect(DefaultsValues() == before,
                                             "values " + DefaultsValues() + ", expected " + before);
                           }});
         }},
        {"upgrading from 1.0.0 takes back its grant, keeps the values and removes what users added",
         [] {
             std::string before;
             return Steps({InstallLikeVersion1,
                           [&before] {
                               before = DefaultsValues();
                               return Expect(before.find("Imperial") != std::string::npos,
                                             "the old values are not there: " + before);
                           },
                           CanaryUnchangedBy(Prepare), ExpectLeastRights,
                           [&before] {
                               return Expect(DefaultsValues() == before,
                                             "values " + DefaultsValues() + ", expected " + before);
                           },
                           [] {
                               const std::string tree = registrytools::Snapshot(kAppPath);
                               return Expect(tree.find("Planted") == std::string::npos &&
                                                 tree.find("Sneaky") == std::string::npos &&
                                                 tree.find("Inside") == std::string::npos,
                                             "a user's subkey is left: " + tree);
                           }});
         }},
        {"a link at Defaults is replaced by a real key, its target untouched",
         [] {
             return Steps({Prepare, Plant(kDefaults), CanaryUnchangedBy(Prepare),
                           ExpectLeastRights});
         }},
        {"a link at the application key is replaced by a real key, its target untouched",
         [] { return Steps({Plant(kAppPath), CanaryUnchangedBy(Prepare), ExpectLeastRights}); }},
        {"uninstalling deletes a link at Defaults, not its target",
         [] { return Steps({Prepare, Plant(kDefaults), CanaryUnchangedBy(Remove), Gone()}); }},
        {"uninstalling deletes a link at the application key, not its target",
         [] { return Steps({Plant(kAppPath), CanaryUnchangedBy(Remove), Gone()}); }},
        {"uninstalling 1.0.0 with what users added deletes it all, and no more",
         [] { return Steps({InstallLikeVersion1, CanaryUnchangedBy(Remove), Gone()}); }},
        {"uninstalling with nothing installed succeeds", [] { return Steps({Remove, Gone()}); }},
    };
    // clang-format on
}

} // namespace

int main()
{
    int passed = 0;
    int failed = 0;
    for (const Case& testCase : Cases()) {
        registrytools::Delete(kAppPath);
        registrytools::Delete(kCanary);
        Failure failure;
        if (!registrytools::MakeCanary(kCanary))
            failure = "could not make the canary";
        else
            failure = testCase.run();
        if (failure.empty()) {
            ++passed;
            std::printf("PASS  %s\n", testCase.name);
        } else {
            ++failed;
            std::printf("FAIL  %s\n      %s\n", testCase.name, failure.c_str());
        }
    }
    const bool cleaned = registrytools::Delete(kAppPath) && registrytools::Delete(kCanary);
    if (!cleaned) {
        ++failed;
        std::printf("FAIL  the test's keys could not be removed\n");
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
