// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/arithmetic.h"

#include <QString>

class SettingsError;

// Every warning and error a window shows the user, word for word. The layers below say what
// failed (a calc::Failure, a SettingsError); the words are chosen here.
namespace ui {

// The required-field check: each window uses one of these three.
inline constexpr char kFillAllWhiteBoxes[] =
    "Please fill in all white boxes before hitting calculate!";
inline constexpr char kFillAllFields[] = "Please fill in all fields before hitting calculate!";
inline constexpr char kFillPpmIncrease[] =
    "Please fill in how much PPM increase is required before hitting calculate!";

// Save & Close with neither unit button chosen, which only a failed read leaves.
inline constexpr char kChooseUnit[] =
    "Please choose Imperial or Metric before hitting Save & Close!";

// What a settings failure is reported under: on loading a window or pressing Calculate, and on
// saving.
inline constexpr char kSettingsNotRead[] = "The settings could not be read.";
inline constexpr char kSettingsNotSaved[] =
    "The settings could not be saved. What you typed is kept, so you can try again.";

// A box whose text is no number: empty, only blanks, or the text itself, cut short.
QString NotANumberMessage(const QString& text);

// A calculation that cannot be done.
QString CalculationMessage(calc::Failure failure);

// A failure of the settings under its heading (one of the two above), with the store's
// description, the error's number, and its cause where there is one.
QString SettingsFailureMessage(const char* heading, const SettingsError& failure);

} // namespace ui
