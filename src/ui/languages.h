// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The languages Poolwright speaks. English is the language its texts are written in; each
// other language is a translation, compiled into the program with Qt's own words (the message
// box's button, a text box's menu) in the same language.
namespace ui {

// The translations compiled into the program, by their names ("de", "pt_BR", ...), as in
// translations/poolwright_<name>.ts.
QStringList Translations();

// The one of translations for the first of uiLanguages (most preferred first, as
// QLocale::uiLanguages() gives them: "fr-CA", "pt", "en-US", ...) that Poolwright speaks, or
// the empty text for English: where English comes before any translation, or none matches.
// Portuguese of any country takes the Brazilian translation.
QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& translations);

// Puts the program's words and Qt's into language (one of Translations(), or empty for English,
// which takes back any translation put in before). False where a translation is missing from
// the program, which then speaks English.
bool UseLanguage(const QString& language);

} // namespace ui
