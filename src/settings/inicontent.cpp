// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inicontent.h"

#include "settings/inisyntax.h"

#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <utility>

namespace inicontent {

namespace {

bool HasText(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char ch) { return ch != ' ' && ch != '\t' && ch != '\n' && ch != '\r'; });
}

// Whether what lies between two lines (blanks, line breaks, comments) is only blank: a rewrite
// drops comments. One after a key=value line is let pass, as the value itself is kept.
bool OnlyBlanksBetween(QByteArrayView between, bool afterKey)
{
    const qsizetype lineEnd = between.indexOf('\n');
    const QByteArrayView restOfLine = lineEnd < 0 ? between : between.first(lineEnd);
    const QByteArrayView linesAfter = lineEnd < 0 ? QByteArrayView() : between.sliced(lineEnd);
    return (afterKey || !HasText(restOfLine)) && !HasText(linesAfter);
}

} // namespace

Beginning BeginningOf(QByteArray first, qint64 size)
{
    Beginning beginning{size, std::move(first), false};
    if (beginning.bytes.size() > kLargestFile) {
        beginning.oversized = true;
        // The line cut short at the limit is not read.
        beginning.bytes.truncate(beginning.bytes.lastIndexOf('\n', kLargestFile - 1) + 1);
    } else {
        beginning.oversized = beginning.bytes.count('\n') > kMostLines;
    }
    return beginning;
}

QByteArray LinesGivingSection(QByteArrayView bytes, const QString& group)
{
    const QString prefix = group + QLatin1Char('/');
    QByteArray general;
    QByteArray sections;
    int kept = 0;
    inisyntax::ForEachLine(bytes, [&](const inisyntax::Line& line) {
        if (kept >= kMostLines)
            return;
        if (line.section == prefix) {
            sections += line.text;
            sections += '\n';
            kept += line.header ? 0 : 1;
        } else if (line.section.isEmpty() && line.key().startsWith(prefix)) {
            general += line.text;
            general += '\n';
            ++kept;
        }
    });
    return general + sections;
}

Flaw FirstFlaw(const Beginning& beginning)
{
    if (beginning.oversized)
        return {beginning.size > kLargestFile ? Flaw::kTooLarge : Flaw::kTooManyLines, {}};
    const QByteArray& bytes = beginning.bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes); // only to find bytes that are not UTF-8
    if (bytes.contains('\0') || utf8.hasError())
        return {Flaw::kNotText, {}};
    Flaw flaw;
    QSet<QString> keys; // with their sections, as Qt tells them apart
    qsizetype end = bytes.startsWith("\xef\xbb\xbf") ? 3 : 0; // of the last line read
    bool afterKey = false;
    inisyntax::ForEachLine(bytes, [&](const inisyntax::Line& line) {
        if (flaw.kind != Flaw::kNone)
            return;
        const qsizetype start = line.text.data() - bytes.constData();
        // A line carried over a line break (in quotes, or after a backslash) is rewritten as one.
        const bool oneLine = !line.text.contains('\n') && !line.text.contains('\r');
        // What follows a header's first ']' Qt ignores, and a rewrite drops.
        const QString trimmed = QString::fromUtf8(line.text).trimmed();
        const bool settings =
            line.header ? trimmed.indexOf(u']') == trimmed.size() - 1 : line.equals >= 0;
        if (!OnlyBlanksBetween(bytes.sliced(end, start - end), afterKey) || !oneLine || !settings) {
            flaw.kind = Flaw::kNotSettings;
            return;
        }
        end = start + line.text.size();
        afterKey = !line.header;
        if (line.header)
            return;
        // Qt keeps the last of a key given twice; a save would drop the others unseen.
        const QString path = line.section + line.key();
        if (keys.contains(path))
            flaw = {Flaw::kKeyTwice, QString::fromUtf8(line.text.first(line.equals)).trimmed()};
        keys.insert(path);
    });
    if (flaw.kind == Flaw::kNone && !OnlyBlanksBetween(bytes.sliced(end), afterKey))
        flaw.kind = Flaw::kNotSettings;
    return flaw;
}

} // namespace inicontent
