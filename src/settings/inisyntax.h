// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

// The lines of an INI file as Qt's QSettings reads them, for the two places where the store
// looks at a file's lines itself: the part of a very large file that it reads, and the text of
// a value that a person wrote with commas in it. Qt stays the authority on everything else;
// these follow its reading step by step, so that the store finds what Qt would find.
namespace inisyntax {

// One line as Qt splits a file: a section header, key=value, or something else. A quoted value
// and a backslash at a line's end carry it on over the line break; comments, blank lines and
// the blanks before a line are no part of it.
struct Line
{
    QByteArrayView text;
    qsizetype equals = -1; // the first '=' outside quotes, within text; -1 for none
};

// Calls visit for every line of data, past a UTF-8 byte-order mark at its start.
void ForEachLine(QByteArrayView data, const std::function<void(const Line&)>& visit);

// What a header line such as "[ Defaults ]" puts before the keys of the lines after it, as Qt
// reads it: "Defaults/"; the empty text for [General], the section of the lines before any
// header. nullopt for a line that is no header.
std::optional<QString> SectionPrefix(QByteArrayView line);

// A key as Qt decodes it: %XX and %UXXXX escapes, and a backslash standing for '/'.
QString DecodedKey(QByteArrayView key);

// The bytes after the '=' of the line that gives key in section, where Qt finds it: the last
// one under [section], or else the last section\key in [General]; nullopt when none gives it.
std::optional<QByteArray> RawValue(QByteArrayView data, const QString& section, const QString& key);

// The text of a raw value, read as Qt reads a value, with one difference: a comma outside
// quotes is part of the text, where Qt would start a list. So quotes, backslash escapes, the
// blanks around the value, '@@' and "@String(...)" mean what they mean to Qt. nullopt for
// Qt's notation of a value that is not text, such as "@Variant(...)" or "@ByteArray(...)".
std::optional<QString> TextWithCommas(QByteArrayView raw);

} // namespace inisyntax
