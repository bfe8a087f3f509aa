// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/recordingfeedback.h"
#include "support/temporarysettings.h"
#include "ui/windowkeeper.h"
#include "ui/windowservices.h"

#include <QString>

// What a test's windows are given: the settings in a temporary folder, beeps and messages
// recorded, and a keeper of their own. Every window the keeper holds is closed at the end.
class KeptWindows
{
public:
    KeptWindows() = default;
    ~KeptWindows();
    KeptWindows(const KeptWindows&) = delete;
    KeptWindows& operator=(const KeptWindows&) = delete;

    // Stores a pool size of 20000, a strength of 6 and uom, then opens the window of kind.
    QWidget* open(WindowKind kind, const QString& uom);

    TemporarySettings settings;
    RecordingFeedback feedback;
    WindowKeeper keeper{feedback};
    const WindowServices services{keeper, feedback, settings};
};
