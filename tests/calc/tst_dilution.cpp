// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/arithmetic.h"
#include "calc/conversions.h"
#include "calc/dilution.h"
#include "support/columns.h"

#include <QLocale>
#include <QTest>

using calc::Failure;
Q_DECLARE_METATYPE(Failure)

class DilutionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drain_data();
    void drain();
    void cannotBeWorkedOut_data();
    void cannotBeWorkedOut();
};

void DilutionTest::drain_data()
{
    // clang-format off
    AddColumns<double>({"poolSize", "pool", "refill", "wanted"});
    AddColumns<QString>({"fraction", "volume"});
    QTest::newRow("a quarter is 0.25, not 25")
        << 20000.0 << 100.0 << 0.0 << 75.0 << "0.25" << "5000";
    QTest::newRow("volume from the unrounded third")
        << 10000.0 << 90.0 << 0.0 << 60.0 << "0.33" << "3333";
    QTest::newRow("refill water has some")
        << 25000.0 << 4000.0 << 200.0 << 1000.0 << "0.79" << "19737";
    QTest::newRow("0.125 rounds to even 0.12") << 1000.0 << 8.0 << 0.0 << 7.0 << "0.12" << "125";
    QTest::newRow("0.375 rounds to even 0.38") << 1000.0 << 8.0 << 0.0 << 5.0 << "0.38" << "375";
    QTest::newRow("2.5 rounds to even 2") << 5.0 << 2.0 << 0.0 << 1.0 << "0.5" << "2";
    QTest::newRow("3.5 rounds to even 4") << 7.0 << 2.0 << 0.0 << 1.0 << "0.5" << "4";
    QTest::newRow("wanted above the pool: negative")
        << 10000.0 << 50.0 << 0.0 << 80.0 << "-0.6" << "-6000";
    QTest::newRow("already there") << 10000.0 << 50.0 << 10.0 << 50.0 << "0" << "0";
    QTest::newRow("already there, refill above: 0, not -0")
        << 10000.0 << 50.0 << 90.0 << 50.0 << "0" << "0";
    QTest::newRow("refill above the pool, wanted below: negative")
        << 10000.0 << 50.0 << 100.0 << 25.0 << "-0.5" << "-5000";
    QTest::newRow("empty pool") << 0.0 << 100.0 << 0.0 << 75.0 << "0.25" << "0";
    // clang-format on
}

void DilutionTest::drain()
{
    QFETCH(double, poolSize);
    QFETCH(double, pool);
    QFETCH(double, refill);
    QFETCH(double, wanted);
    QFETCH(QString, fraction);
    QFETCH(QString, volume);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const calc::Drain drain = calc::DilutionDrain(poolSize, pool, refill, wanted);
    QCOMPARE(calc::NumberText(drain.fraction, english), fraction);
    QCOMPARE(calc::NumberText(drain.volume, english), volume);
    QCOMPARE(calc::DrainFraction(pool, refill, wanted), drain.fraction);
}

void DilutionTest::cannotBeWorkedOut_data()
{
    AddColumns<double>({"poolSize", "pool", "refill", "wanted"});
    QTest::addColumn<bool>("fractionFails");
    QTest::addColumn<Failure>("failure");
    QTest::newRow("refill reads as the pool")
        << 10000.0 << 50.0 << 50.0 << 20.0 << true << Failure::RefillReadsAsPool;
    QTest::newRow("all three the same, 0 / 0")
        << 10000.0 << 50.0 << 50.0 << 50.0 << true << Failure::RefillReadsAsPool;
    QTest::newRow("difference beyond a double")
        << 10000.0 << 1e308 << 0.0 << -1e308 << true << Failure::TooLarge;
    QTest::newRow("share beyond a double")
        << 10000.0 << 1.0 << 1.0 - 1e-16 << -1e306 << true << Failure::TooLarge;
    QTest::newRow("share in hundredths beyond a double")
        << 10000.0 << 1.0 << 0.9 << -1e306 << true << Failure::TooLarge;
    QTest::newRow("only the volume overflows")
        << 1e308 << 100.0 << 0.0 << -900.0 << false << Failure::TooLarge;
}

void DilutionTest::cannotBeWorkedOut()
{
    QFETCH(double, poolSize);
    QFETCH(double, pool);
    QFETCH(double, refill);
    QFETCH(double, wanted);
    QFETCH(bool, fractionFails);
    QFETCH(Failure, failure);
    if (fractionFails)
        QVERIFY_THROWS_EXCEPTION(calc::CalculationError, calc::DrainFraction(pool, refill, wanted));
    else
        QCOMPARE(calc::DrainFraction(pool, refill, wanted), 10.0);
    try {
        calc::DilutionDrain(poolSize, pool, refill, wanted);
        QFAIL("no failure");
    } catch (const calc::CalculationError& error) {
        QCOMPARE(error.failure(), failure);
    }
}

QTEST_APPLESS_MAIN(DilutionTest)
#include "tst_dilution.moc"
