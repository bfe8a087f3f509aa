// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settingsstore.h"

#include <string>
#include <utility>
#include <vector>

// A store whose every answer is set in advance and whose every call is recorded, to drive
// MRegistry down each of its paths.
class FakeStore : public SettingsStore
{
public:
    static constexpr Key kHandle = 42;

    // Answers.
    long openResult = kSuccess;
    long createResult = kSuccess;
    long firstQueryResult = kSuccess;
    long secondQueryResult = kSuccess;
    long setResult = kSuccess;
    long closeResult = kSuccess;
    std::uint32_t valueType = kString;
    std::string valueBytes;            // as stored, with its terminating zero
    std::int64_t secondQuerySize = -1; // the size the second query reports; -1: as stored
    SettingsCause failureCause;        // what a failing open, create or set adds
    std::string location;              // where it says a key is kept

    // What was asked.
    std::vector<std::string> calls; // "open <path>", "query <name>", "close", ...
    std::string setName;
    std::string setData;
    std::uint32_t setType = 0;
    int openHandles = 0;
    std::string locationAsked; // the key whose location was asked for

    long OpenKey(const std::string& path, Key& key) override;
    long CreateKey(const std::string& path, Key& key) override;
    long QueryValue(Key key, const std::string& name, std::uint32_t& type, char* data,
                    std::uint32_t& size) override;
    long SetValue(Key key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size) override;
    long CloseKey(Key key) override;
    SettingsCause TakeFailureCause() override
    {
        return std::exchange(failureCause, SettingsCause());
    }
    std::string Location(const std::string& path) override
    {
        locationAsked = path;
        return location;
    }

private:
    // Records call; on success, hands out the one handle and counts it open.
    long handOut(const std::string& call, long result, Key& key);
};
