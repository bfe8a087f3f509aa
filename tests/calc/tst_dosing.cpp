// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/arithmetic.h"
#include "calc/borax.h"
#include "calc/doserate.h"
#include "calc/ph.h"
#include "calc/salt.h"
#include "support/columns.h"
#include "ui/quantitytext.h"

#include <QTest>

#include <functional>

using calc::UnitSystem;
using DoseFunction = std::function<double(double, double)>;
Q_DECLARE_METATYPE(DoseFunction)

namespace {

// The dose of one product in one unit system, as a function of the water and the rise.
DoseFunction Dose(const calc::DoseRate& rate, UnitSystem units)
{
    return [rate, units](double poolSize, double ppm) {
        return calc::Dose(rate, units, poolSize, ppm);
    };
}

} // namespace

// The dosing formulas, each against worked figures and the boundaries of what is shown:
// the displayed text is compared where the text is the point.
class DosingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void doses_data();
    void doses();
    void weightsAsShown_data();
    void weightsAsShown();
    void phDoses_data();
    void phDoses();
    void tetraborate_data();
    void tetraborate();
    void salt_data();
    void salt();
    void failures_data();
    void failures();
};

void DosingTest::doses_data()
{
    // clang-format off
    QTest::addColumn<DoseFunction>("dose");
    AddColumns<double>({"volume", "ppm", "expected"});
    QTest::newRow("bicarbonate oz") << Dose(calc::kSodiumBicarbonate, UnitSystem::Imperial) << 10000.0 << 10.0 << 22.4;
    QTest::newRow("bicarbonate kg") << Dose(calc::kSodiumBicarbonate, UnitSystem::Metric) << 50000.0 << 10.0 << 0.84;
    QTest::newRow("bicarbonate kg small") << Dose(calc::kSodiumBicarbonate, UnitSystem::Metric) << 1000.0 << 1.0
                                          << 0.00168;
    QTest::newRow("calcium chloride oz") << Dose(calc::kCalciumChloride, UnitSystem::Imperial) << 25000.0 << 30.0
                                         << 120.0;
    QTest::newRow("dihydrate oz") << Dose(calc::kCalciumChlorideDihydrate, UnitSystem::Imperial) << 25000.0 << 30.0
                                  << 150.0;
    QTest::newRow("calcium chloride kg") << Dose(calc::kCalciumChloride, UnitSystem::Metric) << 50000.0 << 10.0
                                         << 0.6;
    QTest::newRow("dihydrate kg") << Dose(calc::kCalciumChlorideDihydrate, UnitSystem::Metric) << 50000.0
                                  << 10.0 << 0.75;
    QTest::newRow("cyanuric oz") << Dose(calc::kCyanuricAcid, UnitSystem::Imperial) << 20000.0 << 10.0 << 25.6;
    QTest::newRow("cyanuric kg") << Dose(calc::kCyanuricAcid, UnitSystem::Metric) << 40000.0 << 20.0 << 0.768;
    QTest::newRow("no rise") << Dose(calc::kCyanuricAcid, UnitSystem::Imperial) << 20000.0 << 0.0 << 0.0;
    QTest::newRow("negative rise") << Dose(calc::kSodiumBicarbonate, UnitSystem::Imperial) << 10000.0 << -10.0 << -22.4;
    // clang-format on
}

void DosingTest::doses()
{
    QFETCH(DoseFunction, dose);
    QFETCH(double, volume);
    QFETCH(double, ppm);
    QFETCH(double, expected);
    QCOMPARE(dose(volume, ppm), expected);
}

void DosingTest::weightsAsShown_data()
{
    // clang-format off
    QTest::addColumn<DoseFunction>("dose");
    QTest::addColumn<bool>("imperial");
    AddColumns<double>({"volume", "ppm"});
    QTest::addColumn<QString>("shown");
    QTest::newRow("bicarbonate 22.4 oz") << Dose(calc::kSodiumBicarbonate, UnitSystem::Imperial) << true << 10000.0
                                         << 10.0 << "1 pound(s) and 6 ounce(s)";
    QTest::newRow("bicarbonate 44.8 oz drops the 0.8") << Dose(calc::kSodiumBicarbonate, UnitSystem::Imperial) << true
                                                       << 20000.0 << 10.0
                                                       << "2 pound(s) and 12 ounce(s)";
    QTest::newRow("bicarbonate exactly 112 oz") << Dose(calc::kSodiumBicarbonate, UnitSystem::Imperial) << true
                                                << 10000.0 << 50.0 << "7 pound(s) and 0 ounce(s)";
    QTest::newRow("bicarbonate under an ounce") << Dose(calc::kSodiumBicarbonate, UnitSystem::Imperial) << true << 1000.0
                                                << 1.0 << "0 pound(s) and 0 ounce(s)";
    QTest::newRow("bicarbonate negative") << Dose(calc::kSodiumBicarbonate, UnitSystem::Imperial) << true << 10000.0
                                          << -10.0 << "-2 pound(s) and 9 ounce(s)";
    QTest::newRow("calcium chloride 16 oz") << Dose(calc::kCalciumChloride, UnitSystem::Imperial) << true
                                            << 10000.0 << 10.0 << "1 pound(s) and 0 ounce(s)";
    QTest::newRow("dihydrate 20 oz") << Dose(calc::kCalciumChlorideDihydrate, UnitSystem::Imperial) << true
                                     << 10000.0 << 10.0 << "1 pound(s) and 4 ounce(s)";
    QTest::newRow("calcium chloride 0.96 kg hides the noise")
        << Dose(calc::kCalciumChloride, UnitSystem::Metric) << false << 40000.0 << 20.0 << "0.96 kilogram(s)";
    QTest::newRow("dihydrate 1.2 kg") << Dose(calc::kCalciumChlorideDihydrate, UnitSystem::Metric) << false
                                      << 40000.0 << 20.0 << "1.2 kilogram(s)";
    QTest::newRow("cyanuric 12.8 oz") << Dose(calc::kCyanuricAcid, UnitSystem::Imperial) << true << 10000.0 << 10.0
                                      << "0 pound(s) and 12 ounce(s)";
    QTest::newRow("cyanuric 64 oz") << Dose(calc::kCyanuricAcid, UnitSystem::Imperial) << true << 10000.0 << 50.0
                                    << "4 pound(s) and 0 ounce(s)";
    QTest::newRow("cyanuric 0.48 kg") << Dose(calc::kCyanuricAcid, UnitSystem::Metric) << false << 50000.0
                                      << 10.0 << "0.48 kilogram(s)";
    // clang-format on
}

void DosingTest::weightsAsShown()
{
    QFETCH(DoseFunction, dose);
    QFETCH(bool, imperial);
    QFETCH(double, volume);
    QFETCH(double, ppm);
    QFETCH(QString, shown);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(ui::WeightText(imperial ? UnitSystem::Imperial : UnitSystem::Metric, dose(volume, ppm),
                            english),
             shown);
}

void DosingTest::phDoses_data()
{
    QTest::addColumn<bool>("imperial");
    QTest::addColumn<double>("volume");
    QTest::addColumn<QString>("shown");
    QTest::newRow("10000 gal") << true << 10000.0 << "8|10|8";
    QTest::newRow("12345 gal") << true << 12345.0 << "9.876|12.345|9.876";
    QTest::newRow("7500 gal") << true << 7500.0 << "6|7.5|6";
    QTest::newRow("15000 L") << false << 15000.0 << "90|112.5|90";
    QTest::newRow("33333 L") << false << 33333.0 << "199.998|249.9975|199.998";
    QTest::newRow("empty pool") << false << 0.0 << "0|0|0";
    QTest::newRow("negative pool") << true << -10000.0 << "-8|-10|-8";
}

void DosingTest::phDoses()
{
    QFETCH(bool, imperial);
    QFETCH(double, volume);
    QFETCH(QString, shown);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const calc::PhDoses doses =
        calc::PhAdjustmentDoses(volume, imperial ? UnitSystem::Imperial : UnitSystem::Metric);
    QCOMPARE(calc::NumberText(doses.sodiumCarbonate, english) + '|' +
                 calc::NumberText(doses.sodiumBisulfate, english) + '|' +
                 calc::NumberText(doses.muriaticAcid, english),
             shown);
}

void DosingTest::tetraborate_data()
{
    QTest::addColumn<bool>("imperial");
    AddColumns<double>({"borax", "volume"});
    QTest::addColumn<QString>("shown"); // rounded to one decimal
    QTest::newRow("100 oz in 10000 gal") << true << 100.0 << 10000.0 << "30.6";
    QTest::newRow("160 oz in 10000 gal") << true << 160.0 << 10000.0 << "48.9";
    QTest::newRow("only the ratio counts") << true << 16.0 << 1000.0 << "48.9";
    QTest::newRow("5 kg in 40000 L") << false << 5.0 << 40000.0 << "51.1";
    QTest::newRow("10 kg in 50000 L") << false << 10.0 << 50000.0 << "81.7";
    QTest::newRow("1 kg in 1000 L") << false << 1.0 << 1000.0 << "408.4";
    QTest::newRow("no borax") << true << 0.0 << 10000.0 << "0";
}

void DosingTest::tetraborate()
{
    QFETCH(bool, imperial);
    QFETCH(double, borax);
    QFETCH(double, volume);
    QFETCH(QString, shown);
    const double ppm = imperial ? calc::TetraboratePpmFromOunces(borax, volume)
                                : calc::TetraboratePpmFromKilograms(borax, volume);
    QCOMPARE(calc::NumberText(calc::RoundHalfEven(ppm, 1),
                              QLocale(QLocale::English, QLocale::UnitedStates)),
             shown);
}

void DosingTest::salt_data()
{
    // rise: SaltPpmRise, else SaltRequired
    AddColumns<bool>({"imperial", "rise"});
    AddColumns<double>({"amount", "pool"});
    QTest::addColumn<QString>("shown"); // rounded to one decimal
    QTest::newRow("10 lb in 10000 gal") << true << true << 10.0 << 10000.0 << "120";
    QTest::newRow("3000 ppm in 10000 gal") << true << false << 3000.0 << 10000.0 << "250.1";
    QTest::newRow("25 kg in 40000 L") << false << true << 25.0 << 40000.0 << "619.8";
    QTest::newRow("3000 ppm in 40000 L") << false << false << 3000.0 << 40000.0 << "121";
    QTest::newRow("no salt") << true << true << 0.0 << 10000.0 << "0";
    QTest::newRow("no rise") << false << false << 0.0 << 10000.0 << "0";
    QTest::newRow("pool 0 needs no salt") << true << false << 3000.0 << 0.0 << "0";
    QTest::newRow("negative salt") << true << true << -10.0 << 10000.0 << "-120";
}

void DosingTest::salt()
{
    QFETCH(bool, imperial);
    QFETCH(bool, rise);
    QFETCH(double, amount);
    QFETCH(double, pool);
    QFETCH(QString, shown);
    const UnitSystem units = imperial ? UnitSystem::Imperial : UnitSystem::Metric;
    const double result =
        rise ? calc::SaltPpmRise(amount, pool, units) : calc::SaltRequired(amount, pool, units);
    QCOMPARE(calc::NumberText(calc::RoundHalfEven(result, 1),
                              QLocale(QLocale::English, QLocale::UnitedStates)),
             shown);
}

void DosingTest::failures_data()
{
    // clang-format off
    QTest::addColumn<DoseFunction>("dose");
    AddColumns<double>({"first", "second"});
    QTest::addColumn<bool>("zeroDivisor"); // or else an overflow
    QTest::newRow("bicarbonate overflows") << Dose(calc::kSodiumBicarbonate, UnitSystem::Imperial) << 1e300 << 1e300
                                           << false;
    QTest::newRow("dihydrate kg overflows")
        << Dose(calc::kCalciumChlorideDihydrate, UnitSystem::Metric) << 1e200 << 1e200 << false;
    QTest::newRow("cyanuric kg overflows") << Dose(calc::kCyanuricAcid, UnitSystem::Metric) << -1e300 << 1e300
                                           << false;
    QTest::newRow("borax in no pool") << DoseFunction(calc::TetraboratePpmFromOunces) << 100.0 << 0.0
                                      << true;
    QTest::newRow("no borax in no pool") << DoseFunction(calc::TetraboratePpmFromKilograms) << 0.0 << 0.0
                                         << true;
    QTest::newRow("borax ppm overflows") << DoseFunction(calc::TetraboratePpmFromKilograms) << 1e300
                                         << 1e-10 << false;
    QTest::newRow("salt in no pool")
        << DoseFunction([](double salt, double pool) {
               return calc::SaltPpmRise(salt, pool, UnitSystem::Metric);
           })
        << 10.0 << 0.0 << true;
    QTest::newRow("salt required overflows")
        << DoseFunction([](double rise, double pool) {
               return calc::SaltRequired(rise, pool, UnitSystem::Imperial);
           })
        << 1e308 << 1e308 << false;
    // clang-format on
}

void DosingTest::failures()
{
    QFETCH(DoseFunction, dose);
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(bool, zeroDivisor);
    try {
        dose(first, second);
        QFAIL("no failure");
    } catch (const calc::CalculationError& error) {
        QCOMPARE(error.failure(),
                 zeroDivisor ? calc::Failure::PoolSizeZero : calc::Failure::TooLarge);
    }
}

QTEST_APPLESS_MAIN(DosingTest)
#include "tst_dosing.moc"
