// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <cstring>
#include <memory>

namespace ui {

QStringList Translations()
{
    QStringList names;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({"poolwright_*.qm"}))
        names << file.mid(int(std::strlen("poolwright_"))).chopped(int(std::strlen(".qm")));
    return names;
}

QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& translations)
{
    for (const QString& wanted : uiLanguages) {
        // "pt-BR", "pt_BR" and "pt-Latn-BR" all start with the language.
        const QString language =
            wanted.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en"))
            return QString();
        for (const QString& translation : translations) {
            if (translation == language || translation.startsWith(language + QLatin1Char('_')))
                return translation;
        }
    }
    return QString();
}

bool UseLanguage(const QString& language)
{
    // The program's words and Qt's; made once, and emptied again for English.
    static std::unique_ptr<QTranslator> program;
    static std::unique_ptr<QTranslator> qt;
    for (std::unique_ptr<QTranslator>* translator : {&program, &qt}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    if (language.isEmpty())
        return true;
    static const bool dropAtExit = [] {
        qAddPostRoutine([] {
            program.reset();
            qt.reset();
        });
        return true;
    }();
    Q_UNUSED(dropAtExit);
    program = std::make_unique<QTranslator>();
    qt = std::make_unique<QTranslator>();
    const bool loaded = program->load(QStringLiteral(":/i18n/poolwright_%1.qm").arg(language)) &&
                        qt->load(QStringLiteral(":/i18n/qtbase_%1.qm").arg(language));
    if (!loaded) {
        program.reset();
        qt.reset();
        return false;
    }
    QCoreApplication::installTranslator(qt.get());
    QCoreApplication::installTranslator(program.get());
    return true;
}

} // namespace ui
