// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/arithmetic.h"
#include "calc/chlorine.h"
#include "support/columns.h"

#include <QTest>

using calc::Failure;
Q_DECLARE_METATYPE(Failure)

class ChlorineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ppmFromBleach_data();
    void ppmFromBleach();
    void bleachRequired_data();
    void bleachRequired();
    void gallonBreakdown_data();
    void gallonBreakdown();
    void failures_data();
    void failures();
};

void ChlorineTest::ppmFromBleach_data()
{
    AddColumns<double>({"poolSize", "strength", "quantity", "ppm"});
    QTest::newRow("a gallon of 6 % in 10000 gal") << 10000.0 << 6.0 << 1.0 << 6.0;
    QTest::newRow("a litre of 12.5 % in 50000 L") << 50000.0 << 12.5 << 1.0 << 2.5;
    QTest::newRow("no bleach") << 10000.0 << 6.0 << 0.0 << 0.0;
    QTest::newRow("strength 0 is no error here") << 10000.0 << 0.0 << 1.0 << 0.0;
    QTest::newRow("negative quantity goes through") << 10000.0 << 6.0 << -1.0 << -6.0;
}

void ChlorineTest::ppmFromBleach()
{
    QFETCH(double, poolSize);
    QFETCH(double, strength);
    QFETCH(double, quantity);
    QFETCH(double, ppm);
    QCOMPARE(calc::PpmFromBleach(poolSize, strength, quantity), ppm);
}

void ChlorineTest::bleachRequired_data()
{
    AddColumns<double>({"poolSize", "strength", "ppmIncrease", "volume"});
    QTest::newRow("worked example") << 10000.0 << 6.0 << 2.0 << 2.0 / 6.0;
    QTest::newRow("no rise") << 10000.0 << 6.0 << 0.0 << 0.0;
    QTest::newRow("metric") << 50000.0 << 12.5 << 5.0 << 2.0;
    QTest::newRow("negative rise") << 10000.0 << 6.0 << -3.0 << -0.5;
}

void ChlorineTest::bleachRequired()
{
    QFETCH(double, poolSize);
    QFETCH(double, strength);
    QFETCH(double, ppmIncrease);
    QFETCH(double, volume);
    QCOMPARE(calc::BleachRequired(poolSize, strength, ppmIncrease), volume);
}

void ChlorineTest::gallonBreakdown_data()
{
    AddColumns<double>({"gallons", "wholeGallons", "quarts", "cups"});
    QTest::addColumn<int>("ounces");
    QTest::newRow("worked example, 42.67 oz") << 2.0 / 6.0 << 0.0 << 1.0 << 1.0 << 3;
    QTest::newRow("nothing") << 0.0 << 0.0 << 0.0 << 0.0 << 0;
    QTest::newRow("whole gallons") << 3.0 << 3.0 << 0.0 << 0.0 << 0;
    QTest::newRow("7.6 oz rounds to 8, no carry into cups") << 7.6 / 128 << 0.0 << 0.0 << 0.0 << 0;
    QTest::newRow("7.4 oz") << 7.4 / 128 << 0.0 << 0.0 << 0.0 << 7;
    QTest::newRow("half an ounce rounds to even 0") << 0.5 / 128 << 0.0 << 0.0 << 0.0 << 0;
    QTest::newRow("1.5 oz rounds to even 2") << 1.5 / 128 << 0.0 << 0.0 << 0.0 << 2;
    QTest::newRow("just under a gallon") << 127.6 / 128 << 0.0 << 3.0 << 3.0 << 0;
    QTest::newRow("quart boundary") << 32.0 / 128 << 0.0 << 1.0 << 0.0 << 0;
    QTest::newRow("gallons and parts") << 2.0 + 75.0 / 128 << 2.0 << 2.0 << 1.0 << 3;
    QTest::newRow("negative floors down") << -1.0 / 128 << -1.0 << 3.0 << 3.0 << 7;
}

void ChlorineTest::gallonBreakdown()
{
    QFETCH(double, gallons);
    QFETCH(double, wholeGallons);
    QFETCH(double, quarts);
    QFETCH(double, cups);
    QFETCH(int, ounces);
    const calc::GallonParts parts = calc::GallonBreakdown(gallons);
    QCOMPARE(parts.gallons, wholeGallons);
    QCOMPARE(parts.quarts, quarts);
    QCOMPARE(parts.cups, cups);
    QCOMPARE(parts.ounces, ounces);
}

void ChlorineTest::failures_data()
{
    QTest::addColumn<int>("operation");
    AddColumns<double>({"poolSize", "strength", "amount"});
    QTest::addColumn<Failure>("failure");
    QTest::newRow("ppm, pool 0") << 0 << 0.0 << 6.0 << 1.0 << Failure::PoolSizeZero;
    QTest::newRow("bleach, pool 0") << 1 << 0.0 << 6.0 << 2.0 << Failure::PoolSizeZero;
    QTest::newRow("bleach, strength 0") << 1 << 10000.0 << 0.0 << 2.0 << Failure::StrengthZero;
    QTest::newRow("ppm overflows") << 0 << 1e-300 << 6.0 << 1e300 << Failure::TooLarge;
    QTest::newRow("pool too small to divide") << 1 << 1e-310 << 6.0 << 2.0 << Failure::TooLarge;
    QTest::newRow("gallons overflow") << 2 << 0.0 << 0.0 << 1.7e308 << Failure::TooLarge;
}

void ChlorineTest::failures()
{
    QFETCH(int, operation);
    QFETCH(double, poolSize);
    QFETCH(double, strength);
    QFETCH(double, amount);
    QFETCH(Failure, failure);
    try {
        if (operation == 0)
            calc::PpmFromBleach(poolSize, strength, amount);
        else if (operation == 1)
            calc::BleachRequired(poolSize, strength, amount);
        else
            calc::GallonBreakdown(amount);
        QFAIL("no failure");
    } catch (const calc::CalculationError& error) {
        QCOMPARE(error.failure(), failure);
    }
}

QTEST_APPLESS_MAIN(ChlorineTest)
#include "tst_chlorine.moc"
