// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/handlerrules.h"

#include <QString>

// The warnings of a refused press, word for word as the user reads them: the three fixed
// texts of the required-field check, and the program's own, written out here so that a
// changed wording fails a test.
namespace message {

inline const QString kFillAllWhiteBoxes = QString::fromLatin1(ui::kFillAllWhiteBoxes);
inline const QString kFillAllFields = QString::fromLatin1(ui::kFillAllFields);
inline const QString kFillPpmIncrease = QString::fromLatin1(ui::kFillPpmIncrease);

inline const QString kEmpty =
    QStringLiteral("A white box is empty. Please fill in a number before hitting calculate!");
inline const QString kBlank = QStringLiteral(
    "A box holds only blanks, which is not a number. Please enter a number before hitting "
    "calculate!");
inline const QString kTooLarge = QStringLiteral(
    "The result is too large to be worked out. Please check the figures in the white boxes.");
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
