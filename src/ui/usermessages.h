// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/arithmetic.h"

#include <QString>
#include <QtGlobal>

class SettingsError;

// Every warning and error a window shows the user, word for word, in the user's language
// (translation context "Messages"). The layers below say what failed (a calc::Failure, a
// SettingsError); the words are chosen here and in settingsmessages.h.
namespace ui {

// The fixed texts below are marked for translation and translated where they are shown, so that
// callers can pass them on as they are.

// The required-field check: each window uses one of these three.
inline constexpr char kFillAllWhiteBoxes[] =
    QT_TRANSLATE_NOOP("Messages", "Please fill in all white boxes before hitting calculate!");
inline constexpr char kFillAllFields[] =
    QT_TRANSLATE_NOOP("Messages", "Please fill in all fields before hitting calculate!");
inline constexpr char kFillPpmIncrease[] = QT_TRANSLATE_NOOP(
    "Messages", "Please fill in how much PPM increase is required before hitting calculate!");

// Save & Close with neither unit button chosen, which only a failed read leaves.
inline constexpr char kChooseUnit[] =
    QT_TRANSLATE_NOOP("Messages", "Please choose Imperial or Metric before hitting Save & Close!");

// What a settings failure is reported under: on loading a window or pressing Calculate, and on
// saving.
inline constexpr char kSettingsNotRead[] =
    QT_TRANSLATE_NOOP("Messages", "The settings could not be read.");
inline constexpr char kSettingsNotSaved[] = QT_TRANSLATE_NOOP(
    "Messages", "The settings could not be saved. What you typed is kept, so you can try again.");

// One of the fixed texts above as the user reads it.
QString MessageText(const char* message);

// A box whose text is no number: empty, only blanks, or the text itself, cut short.
QString NotANumberMessage(const QString& text);

// A calculation that cannot be done.
QString CalculationMessage(calc::Failure failure);

// A failure of the settings under its heading (one of the two above), with the failure's
// description, the error's number, and what else is known of it (settingsmessages.h).
QString SettingsFailureMessage(const char* heading, const SettingsError& failure);

} // namespace ui
