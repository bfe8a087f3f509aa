#pragma once

#include "support/recordingfeedback.h"
#include "support/temporarysettings.h"
#include "ui/windowkeeper.h"

#include <QString>

// The program's windows as the window keeper opens them, with the settings in a temporary
// folder and beeps and messages recorded. Every window is closed again at the end.
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
};
