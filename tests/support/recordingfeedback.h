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

    int beeps = 0;
    QStringList warnings;
    QStringList notices;
    QStringList errors;
};
