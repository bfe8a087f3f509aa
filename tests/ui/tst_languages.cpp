// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The languages: which one the program takes, that each brings Qt's own words along, that every
// caption fits its box in every language, and that no text a person meets escapes translation.
#include "labelcheck.h"
#include "support/columns.h"
#include "support/keptwindowstestcase.h"
#include "ui/languages.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

namespace {

// Every text it is asked for comes back accented, a third longer and between ⟦ and ⟧, as a
// pseudo-translation does: what shows without the brackets did not pass through translation.
class PseudoTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char*, const char* sourceText, const char*, int) const override
    {
        QString text = QString::fromUtf8(sourceText);
        static const QString plain = QStringLiteral("aeiouAEIOU");
        static const QString accented = QStringLiteral("àéîõüÀÉÎÕÜ");
        for (QChar& letter : text) {
            const qsizetype at = plain.indexOf(letter);
            if (at >= 0)
                letter = accented.at(at);
        }
        return QStringLiteral("⟦") + text + QString((text.size() + 2) / 3, QLatin1Char('~')) +
               QStringLiteral("⟧");
    }
};

// What is left of text once every pseudo-translated part is taken out, less the words that are
// the same in every language.
QString Untranslated(const QString& text)
{
    static const QRegularExpression translated(QStringLiteral("⟦[^⟧]*⟧"));
    static const QRegularExpression sameEverywhere(
        QStringLiteral("\\b(Poolwright|pH|Command1)\\b|[^\\p{L}]"));
    return QString(text).remove(translated).remove(sameEverywhere);
}

} // namespace

class LanguagesTest : public KeptWindowsTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void choice_data();
    void choice();
    void qtWordsComeAlong_data();
    void qtWordsComeAlong();
    void captionsFit_data();
    void captionsFit();
    void noTextEscapesTranslation_data();
    void noTextEscapesTranslation();
};

void LanguagesTest::cleanup()
{
    ui::UseLanguage(QString());
    endKeptWindows();
}

void LanguagesTest::choice_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("expected"); // empty for English
    // clang-format off
    QTest::newRow("French of France") << QStringList{"fr-FR", "fr", "en-US"} << "fr";
    QTest::newRow("French of Canada") << QStringList{"fr-CA"} << "fr";
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Portuguese of Portugal takes Brazil's") << QStringList{"pt-PT", "pt"} << "pt_BR";
    QTest::newRow("Spanish of Mexico") << QStringList{"es-MX", "es-419"} << "es";
    QTest::newRow("German of Austria") << QStringList{"de-AT"} << "de";
    QTest::newRow("Italian, written with an underscore") << QStringList{"it_IT"} << "it";
    QTest::newRow("with a script") << QStringList{"pt-Latn-BR"} << "pt_BR";
    QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << "";
    QTest::newRow("a language it lacks, then one it has") << QStringList{"nl-NL", "de-DE"} << "de";
    QTest::newRow("none it has") << QStringList{"nl-NL", "ja"} << "";
    QTest::newRow("nothing asked for") << QStringList{} << "";
    QTest::newRow("the C locale") << QStringList{"C"} << "";
    QTest::newRow("a name that only starts like one") << QStringList{"french"} << "";
    // clang-format on
}

void LanguagesTest::choice()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, expected);
    QCOMPARE(ui::ChooseLanguage(uiLanguages, ui::Translations()), expected);
}

void LanguagesTest::qtWordsComeAlong_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"fr", "pt_BR", "es", "de", "it"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void LanguagesTest::qtWordsComeAlong()
{
    QFETCH(QString, language);
    QCOMPARE(ui::Translations().contains(language), true);
    QVERIFY(ui::UseLanguage(language));
    // The program's words and Qt's: a text box's menu and a message box's button.
    QVERIFY(QCoreApplication::translate("Menu", "Alkalinity") != QLatin1String("Alkalinity"));
    QVERIFY(QCoreApplication::translate("QLineEdit", "&Undo") != QLatin1String("&Undo"));
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
    // English takes them all back.
    QVERIFY(ui::UseLanguage(QString()));
    QCOMPARE(QCoreApplication::translate("Menu", "Alkalinity"), QLatin1String("Alkalinity"));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QLatin1String("&Undo"));
    QVERIFY(!ui::UseLanguage(QStringLiteral("xx")));
}

void LanguagesTest::captionsFit_data()
{
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"uom", "language"});
    const QStringList languages = QStringList{QString()} + ui::Translations();
    QCOMPARE(languages.size(), 6);
    for (const WindowRow& window : Windows())
        for (const QString& language : languages)
            for (const char* uom : {"Imperial", "Metric"})
                QTest::addRow("%s, %s, %s", window.shortName,
                              language.isEmpty() ? "en" : qPrintable(language), uom)
                    << window.kind << QString::fromLatin1(uom) << language;
}

void LanguagesTest::captionsFit()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, uom);
    QFETCH(QString, language);
    QVERIFY(ui::UseLanguage(language));
    QWidget* window = open(kind, uom);
    const QStringList faults = LabelFaults(window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
}

void LanguagesTest::noTextEscapesTranslation_data()
{
    AddEveryWindowInEachUnitSystem();
}

void LanguagesTest::noTextEscapesTranslation()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, uom);
    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    QWidget* window = open(kind, uom);

    QStringList seen{window->windowTitle()};
    for (const QWidget* widget : window->findChildren<const QWidget*>()) {
        seen << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            seen << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            seen << button->text();
    }
    for (const QAction* action : window->findChildren<const QAction*>())
        seen << action->text();
    // A calculator's press with every box empty: refused with the required-field message, or,
    // where no box is required, with the message about an empty box.
    if (kind != WindowKind::About && kind != WindowKind::Settings) {
        auto* button = window->findChild<QAbstractButton*>(QStringLiteral("Command1"));
        for (QLineEdit* box : window->findChildren<QLineEdit*>())
            if (!box->isReadOnly())
                box->clear();
        button->click();
        seen << kept().feedback.warnings;
    }
    QCoreApplication::removeTranslator(&pseudo);

    QStringList escaped;
    for (const QString& text : seen)
        if (!Untranslated(text).isEmpty())
            escaped << text;
    QVERIFY2(escaped.isEmpty(), qPrintable(escaped.join(QLatin1String(" | "))));
}

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
