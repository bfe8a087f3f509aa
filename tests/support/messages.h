// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The warnings the user reads, word for word. They are written out here, never taken from the
// program, so that a changed wording fails a test.
namespace message {

// The required-field check's three fixed texts.
inline const QString kFillAllWhiteBoxes =
    QStringLiteral("Please fill in all white boxes before hitting calculate!");
inline const QString kFillAllFields =
    QStringLiteral("Please fill in all fields before hitting calculate!");
inline const QString kFillPpmIncrease =
    QStringLiteral("Please fill in how much PPM increase is required before hitting calculate!");

// A press refused for what a box holds, or for what it would work out.
inline const QString kEmpty =
    QStringLiteral("A white box is empty. Please fill in a number before hitting calculate!");
inline const QString kBlank = QStringLiteral(
    "A box holds only blanks, which is not a number. Please enter a number before hitting "
    "calculate!");
inline const QString kTooLarge = QStringLiteral(
    "The result is too large to be worked out. Please check the figures in the white boxes.");
inline const QString kSameReadings = QStringLiteral(
    "The share to drain cannot be worked out when the refill water reads the same as the pool.");
inline const QString kPoolSizeZero = QStringLiteral("The pool size may not be 0.");
// Save & Close with neither unit button chosen, which only a failed read leaves.
inline const QString kChooseUnit =
    QStringLiteral("Please choose Imperial or Metric before hitting Save & Close!");

// Why a setting stored as something else than text cannot be read, in a message that names it.
inline QString NotText(const QString& key, const QString& file)
{
    return QStringLiteral("The setting %1 in %2 is not stored as text, so it cannot be read. "
                          "Saving a new value replaces it.")
        .arg(key, file);
}

// The warning for a box whose text is no number.
inline QString NotANumber(const QString& shown)
{
    return QStringLiteral("\"%1\" is not a number. Please enter a number before hitting "
                          "calculate!")
        .arg(shown);
}

} // namespace message
