// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/conversions.h"
#include "calc/saturation.h"
#include "support/columns.h"

#include <QLocale>
#include <QTest>

#include <type_traits>

using calc::UnitSystem;

Q_DECLARE_METATYPE(calc::UnitSystem)

static_assert(std::is_same_v<decltype(calc::TemperatureFactor(0.0, UnitSystem::Metric)), float>,
              "the temperature factor is single precision");

class SaturationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void temperatureFactor_data();
    void temperatureFactor();
    void ppmFactors_data();
    void ppmFactors();
    void index_data();
    void index();
};

void SaturationTest::temperatureFactor_data()
{
    QTest::addColumn<UnitSystem>("units");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<float>("factor");
    const auto f = UnitSystem::Imperial;
    const auto c = UnitSystem::Metric;
    QTest::newRow("F: freezing") << f << 20.0 << 0.0F;
    QTest::newRow("F: just below 37") << f << 36.9 << 0.0F;
    QTest::newRow("F: 37") << f << 37.0 << 0.1F;
    QTest::newRow("F: 46 is the 37-46 row") << f << 46.0 << 0.1F;
    QTest::newRow("F: 46.5") << f << 46.5 << 0.2F;
    QTest::newRow("F: 52") << f << 52.0 << 0.2F;
    QTest::newRow("F: 53") << f << 53.0 << 0.3F;
    QTest::newRow("F: 59") << f << 59.0 << 0.3F;
    QTest::newRow("F: 60") << f << 60.0 << 0.4F;
    QTest::newRow("F: 65") << f << 65.0 << 0.4F;
    QTest::newRow("F: 66") << f << 66.0 << 0.5F;
    QTest::newRow("F: 75") << f << 75.0 << 0.5F;
    QTest::newRow("F: 76") << f << 76.0 << 0.6F;
    QTest::newRow("F: 83") << f << 83.0 << 0.6F;
    QTest::newRow("F: 84") << f << 84.0 << 0.7F;
    QTest::newRow("F: 93") << f << 93.0 << 0.7F;
    QTest::newRow("F: 94") << f << 94.0 << 0.8F;
    QTest::newRow("F: 104") << f << 104.0 << 0.8F;
    QTest::newRow("F: 105") << f << 105.0 << 0.9F;
    QTest::newRow("F: 127") << f << 127.0 << 0.9F;
    QTest::newRow("F: 127.5") << f << 127.5 << 1.0F;
    QTest::newRow("F: boiling") << f << 212.0 << 1.0F;
    QTest::newRow("F gap: 52.5 keeps the row below") << f << 52.5 << 0.2F;
    QTest::newRow("F gap: 83.5 keeps the row below") << f << 83.5 << 0.6F;
    QTest::newRow("F gap: 104.9 keeps the row below") << f << 104.9 << 0.8F;
    QTest::newRow("C: -5") << c << -5.0 << 0.0F;
    QTest::newRow("C: 2.5") << c << 2.5 << 0.0F;
    QTest::newRow("C: 3") << c << 3.0 << 0.1F;
    QTest::newRow("C: 7") << c << 7.0 << 0.1F;
    QTest::newRow("C: 8") << c << 8.0 << 0.2F;
    QTest::newRow("C: 11") << c << 11.0 << 0.2F;
    QTest::newRow("C: 12") << c << 12.0 << 0.3F;
    QTest::newRow("C: 16") << c << 16.0 << 0.4F;
    QTest::newRow("C: 19") << c << 19.0 << 0.5F;
    QTest::newRow("C: 24") << c << 24.0 << 0.6F;
    QTest::newRow("C: 27") << c << 27.0 << 0.6F;
    QTest::newRow("C: 29") << c << 29.0 << 0.7F;
    QTest::newRow("C: 30 (the metric table, not F)") << c << 30.0 << 0.7F;
    QTest::newRow("C: 34") << c << 34.0 << 0.8F;
    QTest::newRow("C: 41") << c << 41.0 << 0.9F;
    QTest::newRow("C: 52") << c << 52.0 << 0.9F;
    QTest::newRow("C: 52.5") << c << 52.5 << 1.0F;
    QTest::newRow("C gap: 7.5 keeps the row below") << c << 7.5 << 0.1F;
    QTest::newRow("C gap: 40.5 keeps the row below") << c << 40.5 << 0.8F;
}

void SaturationTest::temperatureFactor()
{
    QFETCH(UnitSystem, units);
    QFETCH(double, temperature);
    QFETCH(float, factor);
    // Exact: the table holds the single-precision numbers nearest to the tenths.
    QCOMPARE(calc::TemperatureFactor(temperature, units), factor);
}

void SaturationTest::ppmFactors_data()
{
    AddColumns<double>({"ppm", "calcium", "alkalinity"});
    QTest::newRow("0") << 0.0 << 0.3 << 0.7;
    QTest::newRow("24.9") << 24.9 << 0.3 << 0.7;
    QTest::newRow("26") << 26.0 << 1.0 << 1.4;
    QTest::newRow("49") << 49.0 << 1.0 << 1.4;
    QTest::newRow("50") << 50.0 << 1.3 << 1.7;
    QTest::newRow("74") << 74.0 << 1.3 << 1.7;
    QTest::newRow("75") << 75.0 << 1.5 << 1.9;
    QTest::newRow("99") << 99.0 << 1.5 << 1.9;
    QTest::newRow("100") << 100.0 << 1.6 << 2.0;
    QTest::newRow("149") << 149.0 << 1.6 << 2.0;
    QTest::newRow("150") << 150.0 << 1.8 << 2.2;
    QTest::newRow("199") << 199.0 << 1.8 << 2.2;
    QTest::newRow("200") << 200.0 << 1.9 << 2.3;
    QTest::newRow("299") << 299.0 << 1.9 << 2.3;
    QTest::newRow("300") << 300.0 << 2.1 << 2.5;
    QTest::newRow("399") << 399.0 << 2.1 << 2.5;
    QTest::newRow("400") << 400.0 << 2.2 << 2.6;
    QTest::newRow("799") << 799.0 << 2.2 << 2.6;
    QTest::newRow("800") << 800.0 << 2.5 << 2.9;
    QTest::newRow("999") << 999.0 << 2.5 << 2.9;
    QTest::newRow("1000") << 1000.0 << 2.6 << 3.0;
    QTest::newRow("5000") << 5000.0 << 2.6 << 3.0;
    QTest::newRow("gap: 25 keeps the row below") << 25.0 << 0.3 << 0.7;
    QTest::newRow("gap: 25.9 keeps the row below") << 25.9 << 0.3 << 0.7;
    QTest::newRow("gap: 49.5 keeps the row below") << 49.5 << 1.0 << 1.4;
    QTest::newRow("gap: 399.5 keeps the row below") << 399.5 << 2.1 << 2.5;
    QTest::newRow("gap: 999.5 keeps the row below") << 999.5 << 2.5 << 2.9;
}

void SaturationTest::ppmFactors()
{
    QFETCH(double, ppm);
    QFETCH(double, calcium);
    QFETCH(double, alkalinity);
    QCOMPARE(calc::CalciumHardnessFactor(ppm), calcium);
    QCOMPARE(calc::AlkalinityFactor(ppm), alkalinity);
}

void SaturationTest::index_data()
{
    QTest::addColumn<UnitSystem>("units");
    AddColumns<double>({"pH", "temperature", "calcium", "alkalinity"});
    QTest::addColumn<QString>("index");
    const auto f = UnitSystem::Imperial;
    const auto c = UnitSystem::Metric;
    // The single-precision temperature factor shows in the last digits.
    QTest::newRow("F: 0.7 in single precision")
        << f << 7.6 << 84.0 << 400.0 << 150.0 << "0.599999988079071";
    QTest::newRow("F: below zero") << f << 7.2 << 80.0 << 100.0 << 100.0 << "-0.699999976158141";
    QTest::newRow("F: the top rows") << f << 7.0 << 128.0 << 1000.0 << 1000.0 << "1.5";
    QTest::newRow("C: 27 degrees") << c << 7.5 << 27.0 << 100.0 << 100.0 << "-0.399999976158142";
    QTest::newRow("C: 30 is 0.7 from the metric table")
        << c << 7.6 << 30.0 << 400.0 << 150.0 << "0.599999988079071";
    QTest::newRow("gap readings stay near their neighbours")
        << f << 7.5 << 83.5 << 25.0 << 999.5 << "-0.799999976158141";
}

void SaturationTest::index()
{
    QFETCH(UnitSystem, units);
    QFETCH(double, pH);
    QFETCH(double, temperature);
    QFETCH(double, calcium);
    QFETCH(double, alkalinity);
    QFETCH(QString, index);
    const double result = calc::SaturationIndex(pH, temperature, calcium, alkalinity, units);
    QCOMPARE(calc::NumberText(result, QLocale(QLocale::English, QLocale::UnitedStates)), index);
}

QTEST_APPLESS_MAIN(SaturationTest)
#include "tst_saturation.moc"
