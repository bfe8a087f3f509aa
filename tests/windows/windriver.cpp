// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Uses the installed Poolwright as a person would, for tools/windows-test: finds its windows
// by their titles, clicks into them, types, presses keys, and reads a box by selecting its
// text and copying it to the clipboard. Qt draws its controls itself, so the controls are
// found by their laid-out positions, which the caller takes from the forms.
//
// One command a line on standard input, one answer a line on standard output:
//   wait SECONDS TITLE       a visible window of that title  -> "ok X Y W H" (its client area)
//   gone SECONDS TITLE       no visible window of that title any more -> "ok"
//   click TITLE X Y          a left click at X,Y of the window's client area
//   type TEXT                the rest of the line, typed on the keyboard
//   key NAME                 Return, Tab, Escape, Down, Up, F10, Alt, space, Delete, or ctrl+a,
//                            ctrl+c, alt+f4
//   read TITLE X Y           clicks the box at X,Y, selects all, copies -> "ok TEXT"
//   copy TITLE               ctrl+c in the window (a message box copies its text) -> "ok TEXT"
//   close TITLE              the window's close box
//   activate TITLE           brings the window to the front, where the keys go
//   uia TITLE                what the window's UI Automation provider hands a screen reader,
//                            as the test's uiautomationcore.dll (uiaprobe.cpp) writes it
//                            -> "ok LINES"
// The registry, below HKEY_LOCAL_MACHINE, each key opened as itself (never through a link):
//   acl KEY                  its permissions, entry by entry -> "ok ENTRY | ENTRY ..."
//   fresh-acl KEY            the permissions a key made now under KEY gets
//   owner KEY                its owner's SID
//   kind KEY                 -> "ok absent", "ok key" or "ok link"
//   link KEY TARGET          replaces KEY (and its tree) with a link to TARGET
//   canary KEY               makes KEY with a value and a subkey, for links to point at
//   snapshot KEY             owner, permissions, values and subkeys, to compare later
//   delete KEY               deletes KEY and its tree, links as themselves
//   titles                   the titles of the visible windows, for a failing test's report
// A failure answers "error WHAT". Texts in answers have their line breaks written as \n.

#include "registrytools.h"

#include <windows.h>

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::wstring Wide(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(std::size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), n);
    return wide;
}

std::string Utf8(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string text(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), text.data(), n, nullptr,
                        nullptr);
    return text;
}

std::string OneLine(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\r')
            continue;
        if (c == '\n')
            out += "\\n";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

struct Search
{
    std::wstring title;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    if (!IsWindowVisible(window))
        return TRUE;
    wchar_t buffer[512];
    const int length = GetWindowTextW(window, buffer, 512);
    if (search->title.empty() || search->title == std::wstring(buffer, std::size_t(length)))
        search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> Windows(const std::wstring& title)
{
    Search search{title, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Find(const std::string& title)
{
    const std::vector<HWND> found = Windows(Wide(title));
    return found.empty() ? nullptr : found.front();
}

HWND WaitFor(const std::string& title, double seconds)
{
    const ULONGLONG deadline = GetTickCount64() + ULONGLONG(seconds * 1000);
    for (;;) {
        if (HWND window = Find(title))
            return window;
        if (GetTickCount64() > deadline)
            return nullptr;
        Sleep(50);
    }
}

void Settle(DWORD milliseconds = 40)
{
    Sleep(milliseconds);
}

void Activate(HWND window)
{
    if (GetForegroundWindow() == window)
        return;
    SetForegroundWindow(window);
    Settle(150);
}

void SendKey(WORD virtualKey, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void Press(std::vector<WORD> modifiers, WORD virtualKey)
{
    for (const WORD modifier : modifiers)
        SendKey(modifier, false);
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        SendKey(*it, true);
    Settle();
}

// Each character as the keys that make it on the keyboard layout, or as the character itself
// where no key makes it.
void Type(const std::wstring& text)
{
    for (const wchar_t c : text) {
        const SHORT scan = VkKeyScanW(c);
        if (scan == -1) {
            INPUT input[2]{};
            input[0].type = input[1].type = INPUT_KEYBOARD;
            input[0].ki.wScan = input[1].ki.wScan = WORD(c);
            input[0].ki.dwFlags = KEYEVENTF_UNICODE;
            input[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
            SendInput(2, input, sizeof input[0]);
            Settle(20);
            continue;
        }
        std::vector<WORD> modifiers;
        if (scan & 0x100)
            modifiers.push_back(VK_SHIFT);
        if (scan & 0x200)
            modifiers.push_back(VK_CONTROL);
        if (scan & 0x400)
            modifiers.push_back(VK_MENU);
        Press(modifiers, WORD(scan & 0xFF));
    }
}

bool PressNamed(const std::string& name)
{
    struct Named
    {
        const char* name;
        std::vector<WORD> modifiers;
        WORD key;
    };
    static const Named keys[] = {
        {"Return", {}, VK_RETURN},
        {"Tab", {}, VK_TAB},
        {"Escape", {}, VK_ESCAPE},
        {"Down", {}, VK_DOWN},
        {"Up", {}, VK_UP},
        {"F10", {}, VK_F10},
        {"Alt", {}, VK_MENU},
        {"space", {}, VK_SPACE},
        {"Delete", {}, VK_DELETE},
        {"ctrl+a", {VK_CONTROL}, 'A'},
        {"ctrl+c", {VK_CONTROL}, 'C'},
        {"alt+f4", {VK_MENU}, VK_F4},
    };
    for (const Named& key : keys) {
        if (name == key.name) {
            Press(key.modifiers, key.key);
            return true;
        }
    }
    return false;
}

bool Click(HWND window, int x, int y)
{
    Activate(window);
    POINT point{x, y};
    if (!ClientToScreen(window, &point))
        return false;
    SetCursorPos(point.x, point.y);
    Settle(60);
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof input[0]);
    Settle(120);
    return true;
}

void ClearClipboard()
{
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

std::string ClipboardText()
{
    std::wstring text;
    for (int attempt = 0; attempt < 20 && text.empty(); ++attempt) {
        Settle(50);
        if (!OpenClipboard(nullptr))
            continue;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = chars;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    return Utf8(text);
}

// Asks the program's window for its UI Automation root, which the test's uiautomationcore.dll
// answers by writing the provider tree to POOLWRIGHT_UIA_OUT.
std::string ProviderTree(HWND window)
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"POOLWRIGHT_UIA_OUT", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "error POOLWRIGHT_UIA_OUT is not set";
    DeleteFileW(path);
    constexpr WPARAM kAskedByDriver = 0x504F4F4C;
    constexpr LONG kUiaRootObjectId = -25;
    DWORD_PTR written = 0;
    if (!SendMessageTimeoutW(window, WM_GETOBJECT, kAskedByDriver, LPARAM(kUiaRootObjectId),
                             SMTO_ABORTIFHUNG, 10000, &written))
        return "error the window did not answer WM_GETOBJECT";
    if (written != 1)
        return "error no provider tree (is the test's uiautomationcore.dll loaded?)";
    FILE* file = _wfopen(path, L"rb");
    if (file == nullptr)
        return "error the provider tree was not written";
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    std::fclose(file);
    return "ok " + OneLine(text);
}

std::string Rest(std::istringstream& in)
{
    std::string rest;
    std::getline(in, rest);
    if (!rest.empty() && rest.front() == ' ')
        rest.erase(0, 1);
    return rest;
}

// TITLE X Y, where the title may hold blanks: the last two words are the position.
bool TitleAndPoint(std::string arguments, std::string& title, int& x, int& y)
{
    while (!arguments.empty() && arguments.back() == ' ')
        arguments.pop_back();
    const std::size_t beforeY = arguments.rfind(' ');
    if (beforeY == std::string::npos || beforeY == 0)
        return false;
    const std::size_t beforeX = arguments.rfind(' ', beforeY - 1);
    if (beforeX == std::string::npos)
        return false;
    try {
        x = std::stoi(arguments.substr(beforeX + 1, beforeY - beforeX - 1));
        y = std::stoi(arguments.substr(beforeY + 1));
    } catch (const std::exception&) {
        return false;
    }
    title = arguments.substr(0, beforeX);
    return true;
}

std::string Run(const std::string& line)
{
    std::istringstream in(line);
    std::string command;
    in >> command;
    if (command == "wait" || command == "gone") {
        double seconds = 0;
        in >> seconds;
        const std::string title = Rest(in);
        if (command == "gone") {
            const ULONGLONG deadline = GetTickCount64() + ULONGLONG(seconds * 1000);
            while (Find(title) != nullptr) {
                if (GetTickCount64() > deadline)
                    return "error still open: " + title;
                Sleep(50);
            }
            return "ok";
        }
        HWND window = WaitFor(title, seconds);
        if (window == nullptr)
            return "error no window: " + title;
        RECT client{};
        GetClientRect(window, &client);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        std::ostringstream out;
        out << "ok " << origin.x << ' ' << origin.y << ' ' << client.right << ' ' << client.bottom;
        return out.str();
    }
    if (command == "click" || command == "read") {
        std::string title;
        int x = 0;
        int y = 0;
        if (!TitleAndPoint(Rest(in), title, x, y))
            return "error usage: " + command + " TITLE X Y";
        HWND window = Find(title);
        if (window == nullptr)
            return "error no window: " + title;
        if (command == "click")
            return Click(window, x, y) ? "ok" : "error click";
        ClearClipboard();
        Click(window, x, y);
        PressNamed("ctrl+a");
        PressNamed("ctrl+c");
        return "ok " + OneLine(ClipboardText());
    }
    if (command == "type") {
        Type(Wide(Rest(in)));
        return "ok";
    }
    if (command == "key")
        return PressNamed(Rest(in)) ? "ok" : "error unknown key";
    if (command == "activate") {
        const std::string title = Rest(in);
        HWND window = Find(title);
        if (window == nullptr)
            return "error no window: " + title;
        Activate(window);
        return "ok";
    }
    if (command == "uia") {
        const std::string title = Rest(in);
        HWND window = Find(title);
        return window == nullptr ? "error no window: " + title : ProviderTree(window);
    }
    if (command == "copy" || command == "close") {
        const std::string title = Rest(in);
        HWND window = Find(title);
        if (window == nullptr)
            return "error no window: " + title;
        if (command == "close") {
            PostMessageW(window, WM_CLOSE, 0, 0);
            return "ok";
        }
        Activate(window);
        ClearClipboard();
        PressNamed("ctrl+c");
        return "ok " + OneLine(ClipboardText());
    }
    if (command == "acl" || command == "fresh-acl") {
        const std::string key = Rest(in);
        std::string entries;
        for (const auto& entry :
             command == "acl" ? registrytools::Entries(key) : registrytools::FreshEntries(key))
            entries += (entries.empty() ? "" : " | ") + entry;
        return "ok " + entries;
    }
    if (command == "owner")
        return "ok " + registrytools::Owner(Rest(in));
    if (command == "kind") {
        static const char* const kinds[] = {"absent", "key", "link"};
        return std::string("ok ") + kinds[int(registrytools::KindOf(Rest(in)))];
    }
    if (command == "link") {
        std::string key, target;
        in >> key >> target;
        return registrytools::PlantLink(key, target) ? "ok" : "error could not plant the link";
    }
    if (command == "canary")
        return registrytools::MakeCanary(Rest(in)) ? "ok" : "error could not make the canary";
    if (command == "snapshot")
        return "ok " + OneLine(registrytools::Snapshot(Rest(in)));
    if (command == "delete")
        return registrytools::Delete(Rest(in)) ? "ok" : "error could not delete";
    if (command == "titles") {
        std::string titles;
        for (HWND window : Windows(L"")) {
            wchar_t buffer[512];
            const int length = GetWindowTextW(window, buffer, 512);
            if (length > 0)
                titles +=
                    (titles.empty() ? "" : " | ") + Utf8(std::wstring(buffer, std::size_t(length)));
        }
        return "ok " + titles;
    }
    return "error unknown command: " + command;
}

} // namespace

int main()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "quit")
            break;
        std::fputs((Run(line) + "\n").c_str(), stdout);
        std::fflush(stdout);
    }
    return 0;
}
