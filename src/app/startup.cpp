// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/windowcatalog.h"
#include "settings/platformstore.h"
#include "settings/settingsstore.h"
#include "ui/languages.h"
#include "ui/programlook.h"

#include <QApplication>
#include <QLocale>

Program::Program(UserFeedback* feedback)
    : m_store(MakePlatformStore()), m_keeper(feedback != nullptr ? *feedback : m_desktopFeedback),
      m_services{m_keeper, feedback != nullptr ? *feedback : m_desktopFeedback, *m_store}
{
}

Program::~Program() = default;

std::unique_ptr<Program> StartPoolwright(QApplication& app, UserFeedback* feedback)
{
    QApplication::setApplicationName(QStringLiteral("Poolwright"));
    // Ties the windows to the installed desktop entry, its name and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.poolwright.Poolwright"));
    ui::ApplyProgramLook();
    // The user's language where Poolwright speaks it, before any window is made.
    ui::UseLanguage(ui::ChooseLanguage(QLocale::system().uiLanguages(), ui::Translations()));

    // The keeper, not Qt, says when the last window is gone: the Settings window closes all
    // others before it shows itself, and that must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    auto program = std::make_unique<Program>(feedback);
    QObject::connect(&program->keeper(), &WindowKeeper::lastWindowClosed, &app,
                     &QCoreApplication::quit);

    RegisterWindows(program->services());
    program->keeper().show(Windows().front().kind);
    return program;
}
