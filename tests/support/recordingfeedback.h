#pragma once

#include "ui/userfeedback.h"

#include <QStringList>

// Records beeps and message boxes instead of sounding and showing them. Installed for the
// lifetime of the object.
class RecordingFeedback : public UserFeedback
{
public:
    RecordingFeedback() { ReplaceFeedback(this); }
    ~RecordingFeedback() override { ReplaceFeedback(nullptr); }

    void beep() override { ++beeps; }
    void warn(QWidget*, const QString& message) override { warnings << message; }
    void inform(QWidget*, const QString& message) override { notices << message; }
    void reportError(QWidget*, const QString& message) override { errors << message; }

    int beeps = 0;
    QStringList warnings;
    QStringList notices;
    QStringList errors;
};
