// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

// What the INI store makes of a settings file's bytes, with no file system: how much of the file
// is read, the lines that give one section's values, and whether rewriting the file would lose
// anything of it. Its lines and section headers are read as inisyntax reads them, as Qt does.
namespace inicontent {

// Three values fill a file of a few lines and a few hundred kilobytes at most (the Settings
// window takes up to 32767 characters a box). A file larger than kLargestFile or of more than
// kMostLines lines is not one this program wrote, and parsing it whole would cost seconds at
// every read and every save: only its first kLargestFile bytes are looked at.
inline constexpr qint64 kLargestFile = 1024 * 1024;
inline constexpr int kMostLines = 1000;

// The beginning of a settings file, at most kLargestFile bytes of it, and whether the file is
// larger than three values can need.
struct Beginning
{
    qint64 size = 0; // of the whole file
    QByteArray bytes;
    bool oversized = false;
};

// The beginning of a file of size bytes, from its first kLargestFile + 1 bytes (or all of it).
// Of an oversized file, the line cut short at the limit is left out.
Beginning BeginningOf(QByteArray first, qint64 size);

// The lines of bytes (a file's beginning) that give values of [group], as a file of their own,
// from which the values of a file too large to be read whole are read: the group\key lines of
// [General], and each section that Qt takes for [group], under its own header. At most
// kMostLines of them.
QByteArray LinesGivingSection(QByteArrayView bytes, const QString& group);

// Why a file would not come through a rewrite intact, the first reason found; kNone when it
// is clean: UTF-8 text of blank lines, [sections] and key=value lines only, each key once in
// its section, and not oversized.
struct Flaw
{
    enum Kind
    {
        kNone,
        kTooLarge,
        kTooManyLines,
        kNotText,
        kNotSettings,
        kKeyTwice
    };
    Kind kind = kNone;
    QString key; // kKeyTwice: the key, as written
};
Flaw FirstFlaw(const Beginning& beginning);

} // namespace inicontent
