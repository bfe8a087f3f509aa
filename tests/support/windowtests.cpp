// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/windowtests.h"

#include "ui/programlook.h"

#include <QLocale>
#include <QTemporaryDir>

void StartWindowTests()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ui::ApplyProgramLook();
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
}
