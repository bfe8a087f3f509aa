// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/columns.h"
#include "ui/quantitytext.h"

#include <QTest>

using calc::UnitSystem;

// The quantities as the windows write them, in English (no translation loaded).
class QuantityTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void weightText_data();
    void weightText();
    void bleachTexts_data();
    void bleachTexts();
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

QTEST_APPLESS_MAIN(QuantityTextTest)
#include "tst_quantitytext.moc"
