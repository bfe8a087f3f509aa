// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/windowkeeper.h"

#include <span>
#include <vector>

class QWidget;
struct WindowServices;
namespace ui {
struct WindowDescription;
}

// A window's entry in the main window's "More Calcs" menu, whose order is not alphabetical and
// whose entries have no shortcuts or access keys.
struct MenuEntry
{
    int place;           // 1 at the top of the menu; 0 for a window without an entry
    const char* name;    // the action's object name
    const char* caption; // translated in the context "Menu"
    bool enabled = true;
};

// One window of the program: all that the menu, the keeper, the tests and the developer tools
// need to know of it besides its own files.
struct WindowRow
{
    WindowKind kind;
    // What tests, the snapshot tool and the benchmark call it: a test row's tag, a picture's
    // file name. Lower case, one word.
    const char* shortName;
    MenuEntry menu;
    QWidget* (*make)(const WindowServices& services);
    // Its boxes and buttons as data, for the tests and tools that follow them; nullptr for a
    // window without a description (About, Settings).
    const ui::WindowDescription& (*describe)() = nullptr;
};

// Every window of the program, in the order of its form number (Form1 .. Form12), which is the
// order the keeper closes them in. The first is the window the program starts with.
std::span<const WindowRow> Windows();
// The windows with a menu entry, in the menu's order.
std::vector<const WindowRow*> MenuWindows();

// Tells the keeper of services how to make each window of the table; every window it makes is
// given services.
void RegisterWindows(const WindowServices& services);
