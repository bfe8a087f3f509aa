// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The side effects that reach the user outside a window's boxes: the system beep and the
// modal message boxes. Everything goes through this interface so that tests can record
// what the user would hear and see instead of blocking on a dialog.
class UserFeedback
{
public:
    virtual ~UserFeedback() = default;
    virtual void beep() = 0;
    // A modal box with an exclamation icon, one OK button and the caption "Poolwright".
    virtual void warn(QWidget* parent, const QString& message) = 0;
    // A modal box that tells the user something the program did for them.
    virtual void inform(QWidget* parent, const QString& message) = 0;
    // A modal box for a failure of the program itself (the settings store).
    virtual void reportError(QWidget* parent, const QString& message) = 0;
};

// The system beep and Qt's message boxes, titled "Poolwright".
class DesktopFeedback : public UserFeedback
{
public:
    void beep() override;
    void warn(QWidget* parent, const QString& message) override;
    void inform(QWidget* parent, const QString& message) override;
    void reportError(QWidget* parent, const QString& message) override;
};
