// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/userfeedback.h"

#include <QStringList>

// Records beeps and message boxes instead of sounding and showing them.
class RecordingFeedback : public UserFeedback
{
public:
    void beep() override { ++beeps; }
    void warn(QWidget*, const QString& message) override { warnings << message; }
    void inform(QWidget*, const QString& message) override { notices << message; }
    void reportError(QWidget*, const QString& message) override { errors << message; }

    // Everything that reached the user, for comparing with what should have: "beep" for each
    // beep, then the warnings, notices and errors. Empty when the user heard nothing.
    QStringList heard() const
    {
        return QStringList(beeps, QStringLiteral("beep")) + warnings + notices + errors;
    }

    int beeps = 0;
    QStringList warnings;
    QStringList notices;
    QStringList errors;
};
