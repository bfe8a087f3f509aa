// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/arithmetic.h"
#include "calc/conversions.h"
#include "calc/volume.h"
#include "support/columns.h"

#include <QLocale>
#include <QTest>

using calc::UnitSystem;

Q_DECLARE_METATYPE(calc::UnitSystem)

class VolumeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boxShapes_data();
    void boxShapes();
    void round_data();
    void round();
    void overflow_data();
    void overflow();
};

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

} // namespace

// The texts are what the window shows, so that the last digit of the product counts.
void VolumeTest::boxShapes_data()
{
    QTest::addColumn<bool>("oval");
    QTest::addColumn<UnitSystem>("units");
    AddColumns<double>({"length", "width", "depth"});
    QTest::addColumn<QString>("volume");
    const auto imperial = UnitSystem::Imperial;
    const auto metric = UnitSystem::Metric;
    QTest::newRow("rectangular, 7.5 gal per cubic foot")
        << false << imperial << 20.0 << 10.0 << 5.0 << "7500";
    QTest::newRow("rectangular, 1000 L per cubic metre")
        << false << metric << 10.0 << 5.0 << 1.5 << "75000";
    QTest::newRow("rectangular, 6.000000000000001 shows 6")
        << false << metric << 0.1 << 0.2 << 0.3 << "6";
    QTest::newRow("rectangular, zero depth") << false << imperial << 20.0 << 10.0 << 0.0 << "0";
    QTest::newRow("rectangular, negative goes through")
        << false << metric << -2.0 << 3.0 << 1.0 << "-6000";
    QTest::newRow("oval, 5.89 and not 5.875")
        << true << imperial << 30.0 << 15.0 << 4.5 << "11927.25";
    QTest::newRow("oval, 785 and not 785.398") << true << metric << 10.0 << 5.0 << 1.5 << "58875";
    QTest::newRow("oval, fractions") << true << imperial << 12.5 << 7.25 << 3.5 << "1868.234375";
}

void VolumeTest::boxShapes()
{
    QFETCH(bool, oval);
    QFETCH(UnitSystem, units);
    QFETCH(double, length);
    QFETCH(double, width);
    QFETCH(double, depth);
    QFETCH(QString, volume);
    const double result = oval ? calc::OvalVolume(length, width, depth, units)
                               : calc::RectangularVolume(length, width, depth, units);
    QCOMPARE(calc::NumberText(result, kEnglish), volume);
}

void VolumeTest::round_data()
{
    QTest::addColumn<UnitSystem>("units");
    AddColumns<double>({"diameter", "depth"});
    QTest::addColumn<QString>("volume");
    QTest::newRow("imperial 24 ft across, 4 ft deep")
        << UnitSystem::Imperial << 24.0 << 4.0 << "13570.56";
    QTest::newRow("metric 5 m across, 1.2 m deep") << UnitSystem::Metric << 5.0 << 1.2 << "23550";
    QTest::newRow("negative diameter squares away") << UnitSystem::Metric << -5.0 << 1.2 << "23550";
    QTest::newRow("zero diameter") << UnitSystem::Imperial << 0.0 << 4.0 << "0";
    QTest::newRow("negative depth goes through") << UnitSystem::Imperial << 10.0 << -1.0 << "-589";
}

void VolumeTest::round()
{
    QFETCH(UnitSystem, units);
    QFETCH(double, diameter);
    QFETCH(double, depth);
    QFETCH(QString, volume);
    QCOMPARE(calc::NumberText(calc::RoundVolume(diameter, depth, units), kEnglish), volume);
}

void VolumeTest::overflow_data()
{
    QTest::addColumn<int>("shape"); // 0 rectangular, 1 oval, 2 round
    AddColumns<double>({"first", "second", "third"});
    QTest::newRow("rectangular product") << 0 << 1e200 << 1e200 << 1.0;
    QTest::newRow("beyond range, then times 0") << 0 << 1e200 << 1e200 << 0.0;
    QTest::newRow("oval factor tips it over") << 1 << 1e300 << 1e8 << 1.0;
    QTest::newRow("round diameter squared") << 2 << 1e200 << 1.0 << 0.0;
    QTest::newRow("round, depth tips it over") << 2 << 1e150 << 1e10 << 0.0;
}

void VolumeTest::overflow()
{
    QFETCH(int, shape);
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(double, third);
    const auto units = UnitSystem::Metric;
    switch (shape) {
    case 0:
        QVERIFY_THROWS_EXCEPTION(calc::CalculationError,
                                 calc::RectangularVolume(first, second, third, units));
        break;
    case 1:
        QVERIFY_THROWS_EXCEPTION(calc::CalculationError,
                                 calc::OvalVolume(first, second, third, units));
        break;
    default:
        QVERIFY_THROWS_EXCEPTION(calc::CalculationError, calc::RoundVolume(first, second, units));
        break;
    }
}

QTEST_APPLESS_MAIN(VolumeTest)
#include "tst_volume.moc"
