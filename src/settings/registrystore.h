// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settingsstore.h"

#include <cstdint>
#include <string>

// The store as the Windows registry, under HKEY_LOCAL_MACHINE, through the single-byte (A)
// calls of advapi32. Windows only; standard C++ in its interface, so that it builds without Qt.
//
// The program's texts are UTF-8; the registry holds them in the system's ANSI code page. Key
// paths and value names are converted on the way in. String values (REG_SZ) are converted
// both ways, and the sizes this store reports are those of the UTF-8 text plus its one
// terminating zero byte, which need not be the size the registry keeps (that one counts the
// ANSI bytes and their zero). A text that the ANSI code page cannot hold is refused with
// ERROR_NO_UNICODE_TRANSLATION rather than stored with question marks. Values of any other
// type pass through as the registry holds them.
class RegistryStore : public SettingsStore
{
public:
    // Access masks, as the registry numbers them. Saving asks only for KEY_SET_VALUE, the one
    // right the installer gives users on the settings key beside reading.
    static constexpr std::uint32_t kKeyRead = 0x20019;
    static constexpr std::uint32_t kKeySetValue = 0x0002;
    // The registry's answer to a text that cannot be converted.
    static constexpr long kNoUnicodeTranslation = 1113;

    long OpenKey(const std::string& path, Key& key) override;
    long CreateKey(const std::string& path, Key& key) override;
    long QueryValue(Key key, const std::string& name, std::uint32_t& type, char* data,
                    std::uint32_t& size) override;
    long SetValue(Key key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size) override;
    long CloseKey(Key key) override;
    std::string Location(const std::string& path) override;

    // UTF-8 to the ANSI code page and back; false when the text cannot be converted. Public
    // for the tests, which check the bytes the registry ends up holding.
    static bool ToAnsi(const std::string& utf8, std::string& ansi);
    static bool FromAnsi(const std::string& ansi, std::string& utf8);
};
