// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// A translator of the program's own contexts that puts every text it is asked for between
// angle brackets, and records what it was asked ("context|text|comment|n"), so that a test sees
// which words went through translation, in which context, and with which count.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override
    {
        const QString scope = QString::fromUtf8(context);
        if (scope != QLatin1String("Messages") && scope != QLatin1String("SettingsMessages") &&
            scope != QLatin1String("Quantities"))
            return {};
        asked << scope + QLatin1Char('|') + QString::fromUtf8(sourceText) + QLatin1Char('|') +
                     QString::fromUtf8(disambiguation ? disambiguation : "") + QLatin1Char('|') +
                     QString::number(n);
        return QLatin1Char('<') + QString::fromUtf8(sourceText) + QLatin1Char('>');
    }

    mutable QStringList asked;
};
