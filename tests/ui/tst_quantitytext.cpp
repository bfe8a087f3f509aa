// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/columns.h"
#include "support/markingtranslator.h"
#include "ui/quantitytext.h"

#include <QCoreApplication>
#include <QTest>

#include <functional>

using calc::UnitSystem;
using Phrase = std::function<QString()>;
Q_DECLARE_METATYPE(Phrase)

// The quantities as the windows write them, in English (no translation loaded).
class QuantityTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void weightText_data();
    void weightText();
    void bleachTexts_data();
    void bleachTexts();
    void everyWordIsTranslated_data();
    void everyWordIsTranslated();
};

void QuantityTextTest::weightText_data()
{
    QTest::addColumn<bool>("imperial");
    QTest::addColumn<double>("weight");
    QTest::addColumn<QString>("text");
    QTest::newRow("0 ounces") << true << 0.0 << "0 pound(s) and 0 ounce(s)";
    QTest::newRow("32.5 ounces floor to 2 pounds") << true << 32.5 << "2 pound(s) and 0 ounce(s)";
    QTest::newRow("16.9 ounces floor to 1 pound") << true << 16.9 << "1 pound(s) and 0 ounce(s)";
    QTest::newRow("15.99 ounces stay ounces") << true << 15.99 << "0 pound(s) and 15 ounce(s)";
    QTest::newRow("many pounds") << true << 16.0 * 1234 + 7.5 << "1234 pound(s) and 7 ounce(s)";
    QTest::newRow("negative floors down") << true << -1.0 << "-1 pound(s) and 15 ounce(s)";
    // Beyond an int: the count still picks a form, the number is written whole.
    QTest::newRow("billions of pounds")
        << true << 16.0 * 5e9 + 1 << "5000000000 pound(s) and 1 ounce(s)";
    QTest::newRow("kilograms unrounded") << false << 1.23456 << "1.23456 kilogram(s)";
    QTest::newRow("kilograms zero") << false << -0.0 << "0 kilogram(s)";
}

void QuantityTextTest::weightText()
{
    QFETCH(bool, imperial);
    QFETCH(double, weight);
    QFETCH(QString, text);
    QCOMPARE(ui::WeightText(imperial ? UnitSystem::Imperial : UnitSystem::Metric, weight,
                            QLocale(QStringLiteral("en_US"))),
             text);
}

void QuantityTextTest::bleachTexts_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("volume");
    AddColumns<QString>({"gallons", "imperial", "metric"});
    QTest::newRow("a third of a gallon") << "en_US" << 1.0 / 3 << "0.3 Gallon(s)"
        << "0 Gallon(s), 1 quart(s), 1 cup(s) and 3 ounce(s)" << "0.3 Litre(s)";
    QTest::newRow("nothing") << "en_US" << 0.0 << "0 Gallon(s)"
        << "0 Gallon(s), 0 quart(s), 0 cup(s) and 0 ounce(s)" << "0 Litre(s)";
    QTest::newRow("gallons and parts") << "en_US" << 2.0 + 75.0 / 128 << "2.6 Gallon(s)"
        << "2 Gallon(s), 2 quart(s), 1 cup(s) and 3 ounce(s)" << "2.6 Litre(s)";
    QTest::newRow("a tenth rounds half to even") << "en_US" << 0.25 << "0.2 Gallon(s)"
        << "0 Gallon(s), 1 quart(s), 0 cup(s) and 0 ounce(s)" << "0.2 Litre(s)";
    QTest::newRow("7.6 oz do not carry into the cups") << "en_US" << 7.6 / 128 << "0.1 Gallon(s)"
        << "0 Gallon(s), 0 quart(s), 0 cup(s) and 0 ounce(s)" << "0.1 Litre(s)";
    QTest::newRow("decimal comma") << "de_DE" << 12.5 + 1.0 / 128 << "12,5 Gallon(s)"
        << "12 Gallon(s), 2 quart(s), 0 cup(s) and 1 ounce(s)" << "12,5 Litre(s)";
    // clang-format on
}

void QuantityTextTest::bleachTexts()
{
    QFETCH(QString, locale);
    QFETCH(double, volume);
    const QLocale in(locale);
    QTEST(ui::GallonsText(volume, in), "gallons");
    QTEST(ui::LiquidMeasureText(UnitSystem::Imperial, volume, in), "imperial");
    QTEST(ui::LiquidMeasureText(UnitSystem::Metric, volume, in), "metric");
}

void QuantityTextTest::everyWordIsTranslated_data()
{
    QTest::addColumn<Phrase>("phrase");
    QTest::addColumn<QStringList>("asked"); // context|text|comment|count
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    // clang-format off
    QTest::newRow("pounds and ounces")
        << Phrase([english] { return ui::WeightText(UnitSystem::Imperial, 16.0 * 21 + 1, english); })
        << QStringList{"Quantities|%1 pound(s)||21", "Quantities|%1 ounce(s)|ounces of weight|1",
                       "Quantities|%1 and %2|a weight: pounds and ounces|-1"};
    QTest::newRow("kilograms")
        << Phrase([english] { return ui::WeightText(UnitSystem::Metric, 2.5, english); })
        << QStringList{"Quantities|%1 kilogram(s)||-1"};
    QTest::newRow("tenths of gallons")
        << Phrase([english] { return ui::GallonsText(2.5, english); })
        << QStringList{"Quantities|%1 Gallon(s)|tenths of a gallon|-1"};
    QTest::newRow("litres")
        << Phrase([english] { return ui::LiquidMeasureText(UnitSystem::Metric, 2.5, english); })
        << QStringList{"Quantities|%1 Litre(s)|tenths of a litre|-1"};
    QTest::newRow("gallons and parts")
        << Phrase([english] {
               return ui::LiquidMeasureText(UnitSystem::Imperial, 2.0 + 75.0 / 128, english);
           })
        << QStringList{"Quantities|%1 Gallon(s)|whole gallons|2", "Quantities|%1 quart(s)||2",
                       "Quantities|%1 cup(s)||1", "Quantities|%1 ounce(s)|fluid ounces|3",
                       "Quantities|%1, %2, %3 and %4|"
                       "a liquid measure: gallons, quarts, cups and fluid ounces|-1"};
    // clang-format on
}

void QuantityTextTest::everyWordIsTranslated()
{
    QFETCH(Phrase, phrase);
    QFETCH(QStringList, asked);
    const QString untranslated = phrase();
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QString translated = phrase();
    QCoreApplication::removeTranslator(&translator);
    // In any order: the compiler picks the order in which arguments are worked out.
    translator.asked.sort();
    asked.sort();
    QCOMPARE(translator.asked, asked);
    // Every word was the translator's: without its brackets, the English text is left.
    QVERIFY2(translated.startsWith(QLatin1Char('<')), qPrintable(translated));
    translated.remove(QLatin1Char('<')).remove(QLatin1Char('>'));
    QCOMPARE(translated, untranslated);
}

QTEST_GUILESS_MAIN(QuantityTextTest)
#include "tst_quantitytext.moc"
