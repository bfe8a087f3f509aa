// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The quantities that ShowResult writes, in the user's words; every window with a result has
// them here.
#include "ui/quantitytext.h"

#include <QtGlobal>

#include <initializer_list>

class QIcon;
class QLineEdit;
class QPlainTextEdit;
class QString;
class QWidget;

// How every window looks: the program's font and style, the pool icon, headings, and the
// colours of the boxes: white for what the user types, grey for what a calculation writes.
namespace ui {

// Before the application is made: on Windows, text is drawn with FreeType, which draws the
// reference font's bitmaps whole (GDI and DirectWrite drop letters), as on Linux. A platform
// the user chose with QT_QPA_PLATFORM is left as it is.
void ChooseTextRenderer();

// The program-wide font ("MS Sans Serif" 8.25 pt or the closest font at hand) and style.
void ApplyProgramLook();

// A fixed client size, as laid out, the pool icon unless withIcon is false, and the boxes of
// SetUpBoxes.
void SetUpWindow(QWidget* window, bool withIcon = true);
// Every text box of window white with black text, whatever colours the desktop hands out, and
// a text too long for its box given whole in the box's tooltip, above what the box holds.
void SetUpBoxes(QWidget* window);
QIcon PoolIcon();
// A heading's font: the scalable font closest to the program's, bold, in the given size, and
// italic where asked.
enum class Slant
{
    Upright,
    Italic
};
void SetHeadingFont(QWidget* widget, qreal points, Slant slant = Slant::Upright);

// A grey, read-only box with black text, which a calculation writes and never reads.
void MakeOutputBox(QWidget* box);
// Writes a result into its box, shown from its start. A line box keeps its cursor in view and
// setting a text leaves the cursor at the end, so a long figure would lose its first digits.
void ShowResult(QLineEdit* box, const QString& text);
void ShowResult(QPlainTextEdit* box, const QString& text);

} // namespace ui
