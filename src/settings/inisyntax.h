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
    // Whether the line is a section header: it starts with '['.
    bool header = false;
    // What Qt puts before the keys of the line's section (the one a header opens): "Defaults/"
    // for "[ Defaults ]"; empty in [General], the section of the lines before any header.
    QString section;

    // The key of a key=value line, decoded, without its section; empty for any other line.
    QString key() const;
};

// Calls visit for every line of data, past a UTF-8 byte-order mark at its start. This is the
// one reading of lines and section headers the store does itself.
void ForEachLine(QByteArrayView data, const std::function<void(const Line&)>& visit);

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
