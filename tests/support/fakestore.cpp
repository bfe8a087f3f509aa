// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakestore.h"

#include <algorithm>
#include <cstring>

long FakeStore::OpenKey(const std::string& path, Key& key)
{
    return handOut("open " + path, openResult, key);
}

long FakeStore::CreateKey(const std::string& path, Key& key)
{
    return handOut("create " + path, createResult, key);
}

long FakeStore::handOut(const std::string& call, long result, Key& key)
{
    calls.push_back(call);
    if (result == kSuccess) {
        key = kHandle;
        ++openHandles;
    }
    return result;
}

long FakeStore::QueryValue(Key key, const std::string& name, std::uint32_t& type, char* data,
                           std::uint32_t& size)
{
    calls.push_back((data == nullptr ? "query " : "read ") + name);
    if (key != kHandle)
        return 6; // invalid handle
    type = valueType;
    if (data == nullptr) {
        size = static_cast<std::uint32_t>(valueBytes.size());
        return firstQueryResult;
    }
    if (secondQueryResult != kSuccess)
        return secondQueryResult;
    const auto copied = std::min<std::size_t>(size, valueBytes.size());
    std::memcpy(data, valueBytes.data(), copied);
    size = secondQuerySize >= 0 ? static_cast<std::uint32_t>(secondQuerySize)
                                : static_cast<std::uint32_t>(copied);
    return kSuccess;
}

long FakeStore::SetValue(Key key, const std::string& name, std::uint32_t type, const char* data,
                         std::uint32_t size)
{
    calls.push_back("set " + name);
    if (key != kHandle)
        return 6;
    setName = name;
    setType = type;
    setData.assign(data, size);
    return setResult;
}

long FakeStore::CloseKey(Key key)
{
    calls.push_back("close");
    if (key == kHandle)
        --openHandles;
    return closeResult;
}
