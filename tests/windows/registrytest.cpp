// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MRegistry over the real Windows registry. Every case runs under the key
// HKEY_LOCAL_MACHINE\SOFTWARE\PoolwrightRegistryTest, deleted before and after, so the
// program's own settings are never touched. The bytes the registry ends up holding are
// checked with the registry API itself.

#include "settings/mregistry.h"
#include "settings/platformstore.h"
#include "settings/registrystore.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

const char* const kApp = "PoolwrightRegistryTest";
const char* const kTestRoot = "SOFTWARE\\PoolwrightRegistryTest";
const std::string kDefaults = std::string(kTestRoot) + "\\Defaults";

// A case returns what went wrong, or the empty text when it passed.
using Failure = std::string;

struct Case
{
    std::string name;
    std::function<Failure()> run;
};

std::string Visible(const std::string& bytes)
{
    std::string out = "\"";
    for (const unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out + "\"";
}

Failure Expect(bool ok, const std::string& what)
{
    return ok ? Failure() : what;
}

Failure ExpectText(const std::string& actual, const std::string& expected, const char* what)
{
    return Expect(actual == expected, std::string(what) + ": got " + Visible(actual) +
                                          ", expected " + Visible(expected));
}

std::string Hex(std::int32_t number)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<std::uint32_t>(number));
    return text;
}

// The type and the exact bytes of a value, straight from the registry.
struct RawValue
{
    long result = -1;
    DWORD type = 0;
    std::string bytes;
};

RawValue ReadRaw(const std::string& path, const std::string& name)
{
    RawValue value;
    HKEY key = nullptr;
    value.result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key);
    if (value.result != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    value.result = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size);
    if (value.result == ERROR_SUCCESS) {
        value.bytes.assign(size, '\0');
        value.result = RegQueryValueExA(key, name.c_str(), nullptr, &value.type,
                                        reinterpret_cast<BYTE*>(value.bytes.data()), &size);
        value.bytes.resize(size);
    }
    RegCloseKey(key);
    return value;
}

long WriteRaw(const std::string& path, const std::string& name, DWORD type,
              const std::string& bytes)
{
    HKEY key = nullptr;
    long result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS)
        return result;
    result = RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                            static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return result;
}

bool KeyExists(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void DeleteTestRoot()
{
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestRoot);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kTestRoot);
}

// Runs body and reports the SettingsError it raises, or that it raised none.
Failure ExpectError(const std::function<void()>& body, std::int32_t number,
                    SettingsError::Fault fault)
{
    try {
        body();
    } catch (const SettingsError& error) {
        if (error.number() != number || error.fault() != fault || error.source() != "Poolwright")
            return "raised " + Hex(error.number()) + " " + error.what() + " from \"" +
                   error.source() + "\", expected " + Hex(number) + " " +
                   SettingsError(number, fault).what();
        return {};
    }
    return "raised nothing, expected " + Hex(number);
}

std::vector<Case> Cases(RegistryStore& store, MRegistry& settings)
{
    // clang-format off
    std::vector<Case> cases;

    // Round trips: what MRegistry reads back, and the ANSI bytes the registry holds, with the
    // one terminating zero counted in the size.
    struct RoundTrip
    {
        const char* label;
        const char* key;
        std::string text;         // UTF-8, as the program holds it
        std::string ansi;         // the same text in code page 1252
    };
    const std::vector<RoundTrip> roundTrips = {
        {"plain text", "PoolSize", "20000", "20000"},
        {"the empty text", "BleachStrength", "", ""},
        {"leading and trailing blanks", "UOM", "  Imperial ", "  Imperial "},
        {"only blanks", "Blanks", "   ", "   "},
        {"non-ASCII", "Note", "Größe ½ m³ – 5 €", "Gr\xF6\xDF" "e \xBD m\xB3 \x96 5 \x80"},
        {"punctuation", "Punctuation", "a\tb \"c\" \\d%", "a\tb \"c\" \\d%"},
    };
    for (const RoundTrip& row : roundTrips) {
        cases.push_back({std::string("write and read back: ") + row.label, [&, row] {
            const bool nonAscii = row.text != row.ansi;
            if (nonAscii && GetACP() != 1252)
                return "needs the ANSI code page 1252, this system's is " +
                       std::to_string(GetACP());
            settings.WriteSetting(kApp, "Defaults", row.key, row.text);
            Failure failure = ExpectText(
                settings.ReadSetting(kApp, "Defaults", row.key, "the default"), row.text,
                "read back");
            if (!failure.empty())
                return failure;
            const RawValue raw = ReadRaw(kDefaults, row.key);
            if (raw.result != ERROR_SUCCESS || raw.type != REG_SZ)
                return "RegQueryValueExA: result " + std::to_string(raw.result) + ", type " +
                       std::to_string(raw.type);
            return ExpectText(raw.bytes, row.ansi + '\0', "registry bytes");
        }});
    }

    cases.push_back({"a shorter text replaces a longer one", [&] {
        settings.WriteSetting(kApp, "Defaults", "Replaced", "a rather long text");
        settings.WriteSetting(kApp, "Defaults", "Replaced", "x");
        const RawValue raw = ReadRaw(kDefaults, "Replaced");
        Failure failure = ExpectText(raw.bytes, std::string("x") + '\0', "registry bytes");
        if (!failure.empty())
            return failure;
        return ExpectText(settings.ReadSetting(kApp, "Defaults", "Replaced", "d"), "x",
                          "read back");
    }});

    // Sizes as the store reports them to MRegistry are those of the UTF-8 text plus its zero.
    cases.push_back({"the store reports UTF-8 sizes for ANSI data", [&] {
        if (GetACP() != 1252)
            return "needs the ANSI code page 1252, this system's is " + std::to_string(GetACP());
        settings.WriteSetting(kApp, "Defaults", "Sizes", "é");
        SettingsStore::Key key = 0;
        if (store.OpenKey(kDefaults, key) != SettingsStore::kSuccess)
            return std::string("could not open the section");
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        const long first = store.QueryValue(key, "Sizes", type, nullptr, size);
        char small[2] = {};
        std::uint32_t smallSize = sizeof small;
        const long tooSmall = store.QueryValue(key, "Sizes", type, small, smallSize);
        store.CloseKey(key);
        const RawValue raw = ReadRaw(kDefaults, "Sizes");
        return Expect(first == 0 && type == SettingsStore::kString && size == 3 &&
                          tooSmall == SettingsStore::kMoreData && smallSize == 3 &&
                          raw.bytes.size() == 2,
                      "query " + std::to_string(first) + " size " + std::to_string(size) +
                          ", small buffer " + std::to_string(tooSmall) + " size " +
                          std::to_string(smallSize) + ", registry size " +
                          std::to_string(raw.bytes.size()) + " (expected 3, 234 and 3, 2)");
    }});

    // Refused rather than stored with a question mark, or with "a" for "ā" (best fit).
    for (const char* text : {"水", "ā"}) {
        cases.push_back({std::string("a text the ANSI code page cannot hold is refused: ") + text,
                         [&, text] {
            if (GetACP() != 1252)
                return "needs the ANSI code page 1252, this system's is " +
                       std::to_string(GetACP());
            settings.WriteSetting(kApp, "Defaults", "Unmappable", "kept");
            const Failure failure = ExpectError(
                [&] { settings.WriteSetting(kApp, "Defaults", "Unmappable", text); },
                static_cast<std::int32_t>(MRegistry::kStoreErrorBase +
                                          RegistryStore::kNoUnicodeTranslation),
                SettingsError::Fault::ValueNotSet);
            if (!failure.empty())
                return failure;
            return ExpectText(settings.ReadSetting(kApp, "Defaults", "Unmappable", "d"), "kept",
                              "the old value");
        }});
    }

    // Texts that another program put there.
    struct Foreign
    {
        const char* label;
        std::string bytes;        // REG_SZ data as written by RegSetValueExA
        std::string expected;
    };
    const std::vector<Foreign> foreign = {
        {"ANSI bytes read as UTF-8", std::string("\xE9t\xE9") + '\0', "été"},
        {"no terminating zero", "abc", "abc"},
        {"no data at all: the empty text", "", ""},
    };
    for (const Foreign& row : foreign) {
        cases.push_back({std::string("written by another program, ") + row.label, [&, row] {
            if (GetACP() != 1252)
                return "needs the ANSI code page 1252, this system's is " +
                       std::to_string(GetACP());
            const long written = WriteRaw(kDefaults, "Foreign", REG_SZ, row.bytes);
            if (written != ERROR_SUCCESS)
                return "RegSetValueExA: " + std::to_string(written);
            return ExpectText(settings.ReadSetting(kApp, "Defaults", "Foreign", "the default"),
                              row.expected, "read back");
        }});
    }

    // Absent things read as the default.
    struct Missing
    {
        const char* label;
        const char* app;
        const char* section;
        const char* key;
    };
    const std::vector<Missing> missing = {
        {"application key", "PoolwrightRegistryTestAbsent", "Defaults", "PoolSize"},
        {"section key", kApp, "Absent", "PoolSize"},
        {"value", kApp, "Defaults", "NeverWritten"},
        {"value (the key is not trimmed)", kApp, "Defaults", "PoolSize "},
    };
    for (const Missing& row : missing) {
        cases.push_back({std::string("missing ") + row.label + " reads the default", [&, row] {
            settings.WriteSetting(kApp, "Defaults", "PoolSize", "20000");
            return ExpectText(settings.ReadSetting(row.app, row.section, row.key, "the default"),
                              "the default", "read");
        }});
    }

    // Values of other types are refused with the type added to the error number.
    struct OtherType
    {
        const char* label;
        DWORD type;
        std::string bytes;
        std::int32_t number;
    };
    const std::vector<OtherType> otherTypes = {
        {"REG_DWORD", REG_DWORD, std::string("\x2A\0\0\0", 4), -2147219500},
        {"REG_EXPAND_SZ", REG_EXPAND_SZ, std::string("%TEMP%") + '\0',
         static_cast<std::int32_t>(0x800407D2)},
        {"REG_BINARY", REG_BINARY, std::string("\x01\x02", 2),
         static_cast<std::int32_t>(0x800407D3)},
        {"REG_MULTI_SZ", REG_MULTI_SZ, std::string("a\0b\0\0", 5),
         static_cast<std::int32_t>(0x800407D7)},
    };
    for (const OtherType& row : otherTypes) {
        cases.push_back({std::string("a ") + row.label + " value is not a string", [&, row] {
            const long written = WriteRaw(kDefaults, "Typed", row.type, row.bytes);
            if (written != ERROR_SUCCESS)
                return "RegSetValueExA: " + std::to_string(written);
            return ExpectError([&] { settings.ReadSetting(kApp, "Defaults", "Typed", "d"); },
                               row.number, SettingsError::Fault::NotAString);
        }});
    }
    cases.push_back({"application and section names trimmed in the path, the key not", [&] {
        settings.WriteSetting("  PoolwrightRegistryTest ", " Trimmed  ", " Padded key ", "v");
        const std::string path = std::string(kTestRoot) + "\\Trimmed";
        if (!KeyExists(path))
            return "no key " + path;
        if (KeyExists("SOFTWARE\\  PoolwrightRegistryTest "))
            return std::string("the untrimmed application name made a key");
        Failure failure =
            ExpectText(ReadRaw(path, " Padded key ").bytes, std::string("v") + '\0', "value");
        if (!failure.empty())
            return failure;
        if (ReadRaw(path, "Padded key").result != ERROR_FILE_NOT_FOUND)
            return std::string("a value named by the trimmed key exists");
        failure = ExpectText(settings.ReadSetting(kApp, "Trimmed", " Padded key ", "d"), "v",
                             "read with the padded key");
        if (!failure.empty())
            return failure;
        return ExpectText(settings.ReadSetting(" PoolwrightRegistryTest", "Trimmed ",
                                               "Padded key", "d"),
                          "d", "read with the trimmed key");
    }});

    cases.push_back({"the program's store on Windows is the registry", [&] {
        const std::unique_ptr<SettingsStore> store = MakePlatformStore();
        return Expect(dynamic_cast<RegistryStore*>(store.get()) != nullptr,
                      "MakePlatformStore() is not a RegistryStore");
    }});

    return cases;
    // clang-format on
}

} // namespace

int main()
{
    std::printf("ANSI code page %u\n", GetACP());
    DeleteTestRoot();

    RegistryStore store;
    MRegistry settings(store);
    int passed = 0;
    int failed = 0;
    for (const Case& testCase : Cases(store, settings)) {
        Failure failure;
        try {
            failure = testCase.run();
        } catch (const SettingsError& error) {
            failure = "SettingsError " + Hex(error.number()) + " " + error.what();
        } catch (const std::exception& error) {
            failure = std::string("exception: ") + error.what();
        }
        if (failure.empty()) {
            ++passed;
            std::printf("PASS  %s\n", testCase.name.c_str());
        } else {
            ++failed;
            std::printf("FAIL  %s\n      %s\n", testCase.name.c_str(), failure.c_str());
        }
    }

    DeleteTestRoot();
    if (KeyExists(kTestRoot)) {
        ++failed;
        std::printf("FAIL  the test's key could not be removed\n");
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
