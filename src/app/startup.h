// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/userfeedback.h"
#include "ui/windowkeeper.h"
#include "ui/windowservices.h"

#include <memory>

class QApplication;
class SettingsStore;

// What the program's windows are given, for as long as it runs: the platform's settings store,
// the desktop's beep and message boxes (or those the caller gives), and the window keeper.
class Program
{
public:
    explicit Program(UserFeedback* feedback = nullptr);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    WindowKeeper& keeper() { return m_keeper; }
    const WindowServices& services() const { return m_services; }

private:
    std::unique_ptr<SettingsStore> m_store;
    DesktopFeedback m_desktopFeedback;
    WindowKeeper m_keeper;
    WindowServices m_services;
};

// Everything main() does before the event loop: the program's look, the catalogue of windows,
// quitting with the keeper's last window, and the main window on screen. Shared with the
// start-up benchmark, so that it times exactly what a user starts. The program returned must
// outlive its windows.
std::unique_ptr<Program> StartPoolwright(QApplication& app, UserFeedback* feedback = nullptr);
