// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/usermessages.h"

#include <QList>
#include <QString>

#include <functional>
#include <initializer_list>

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
bool RequireFilled(UserFeedback& feedback, QWidget* window,
                   std::initializer_list<const QLineEdit*> boxes, const char* message);

// The number in box. A text that is no number leaves the running handler (see RunHandler).
double BoxNumber(QLineEdit* box);

// Runs a load step or a button handler. A text that is no number or a calculation that cannot
// be done (a division by zero, an overflow) gives a beep and a warning and changes no box; a
// SettingsError is shown under settingsFailure, with its description and its number.
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
