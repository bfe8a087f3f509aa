// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QFont;
class QWidget;

// What a person would miss in a window's captions, as the machine's fonts draw them: a
// caption that does not fit its box once its words wrap, and a letter that the font leaves
// without ink (a glyph a font engine cannot draw). Each fault names the label. Used by the
// window tests and, under Wine, by the snapshot tool's --check.
QStringList LabelFaults(const QWidget* window);

// The letters of text that leave no ink where they stand when text is set in font, at the
// given pixel density; blanks are not looked at.
QString LettersWithoutInk(const QFont& font, const QString& text, qreal devicePixelRatio);
