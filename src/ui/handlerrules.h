// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/usermessages.h"

#include <QList>
#include <QString>

#include <functional>

class QLineEdit;
class QPushButton;
class QWidget;
class UserFeedback;

// How a load step or a button handler meets the user: the required-field check, reading a
// number from a box, the one place where a failure is shown, and the wiring of a button. The
// words shown are those of usermessages.h.
namespace ui {

// True when no box is empty (a blank is not empty). Otherwise beeps, shows message (one of the
// kFill texts) in a modal warning, puts the cursor in the first empty box in tab order (the message
// names none) and gives false: the handler ends with nothing changed.
bool RequireFilled(UserFeedback& feedback, QWidget* window, const QList<const QLineEdit*>& boxes,
                   const char* message);

// A press stopped by box, whose text is no number: a beep and a warning that quotes the text,
// and the cursor in the box with its text selected, ready to be typed over.
void RefuseNumber(UserFeedback& feedback, QWidget* window, QLineEdit* box);

// Runs a load step or a button handler. A calculation that cannot be done (a division by zero,
// an overflow) gives a beep and a warning and changes no box; a SettingsError is shown under
// settingsFailure, with its description and its number.
void RunHandler(UserFeedback& feedback, QWidget* window, const std::function<void()>& handler,
                const char* settingsFailure = kSettingsNotRead);

// Gives the focus to window's first white box in tab order with its text selected, so that
// typing replaces it, as when Tab reaches the box.
void FocusFirstBox(QWidget* window);

// The one way a button is wired: a press of button runs handler under RunHandler, and Enter
// (or Return) in any of enterBoxes presses button. Every white box is one button's.
void WireButton(UserFeedback& feedback, QWidget* window, QPushButton* button,
                const QList<QLineEdit*>& enterBoxes, const std::function<void()>& handler,
                const char* settingsFailure = kSettingsNotRead);

} // namespace ui
