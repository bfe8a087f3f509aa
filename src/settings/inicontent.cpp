// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inicontent.h"

#include "settings/inisyntax.h"

#include <QSet>
#include <QStringDecoder>

#include <utility>

namespace inicontent {

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
    if (beginning.bytes.contains('\0'))
        return {Flaw::kNotText, {}};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(beginning.bytes);
    if (utf8.hasError())
        return {Flaw::kNotText, {}};
    QString section;
    QSet<QString> keys;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed().toString();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            return {Flaw::kNotSettings, {}};
        // Qt keeps the last of a key given twice; a save would drop the others unseen.
        const QString key = line.left(equals).trimmed().toString();
        const QString path = section + QLatin1Char('/') + key;
        if (keys.contains(path))
            return {Flaw::kKeyTwice, key};
        keys.insert(path);
    }
    return {};
}

} // namespace inicontent
