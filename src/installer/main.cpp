// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// settingskey.exe: run by the installer (prepare) and the uninstaller (remove), elevated, to
// make or delete the settings key HKEY_LOCAL_MACHINE\SOFTWARE\Poolwright without ever acting
// through a registry link. What it did goes to its standard output, which the installer shows.
#include "installer/settingskey.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string Narrow(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length,
                        nullptr, nullptr);
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    const bool prepare = argc == 2 && std::strcmp(argv[1], "prepare") == 0;
    const bool remove = argc == 2 && std::strcmp(argv[1], "remove") == 0;
    if (!prepare && !remove) {
        std::fputs("usage: settingskey prepare | remove\n", stderr);
        return 2;
    }
    std::wstring failure;
    const long result = prepare ? settingskey::Prepare(L"Poolwright", failure)
                                : settingskey::Remove(L"Poolwright", failure);
    if (result != ERROR_SUCCESS) {
        std::printf("The settings key could not be %s: error %ld while %s.\n",
                    prepare ? "prepared" : "removed", result, Narrow(failure).c_str());
        return 1;
    }
    std::printf(prepare ? "The settings key is ready: users may save their defaults there.\n"
                        : "The settings key is removed.\n");
    return 0;
}
