// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowcatalog.h"
#include "support/columns.h"
#include "support/messages.h"
#include "support/windowdriver.h"
#include "support/windowtests.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

// The six dosing windows, driven as a user would: one table per concern, one row per window
// and case. Boxes are given as "name=text" pairs joined by '|'.
namespace {

// The window of the program's table called form (its short name).
WindowDriver::Make Maker(const QString& form)
{
    for (const WindowRow& window : Windows())
        if (form == QLatin1String(window.shortName))
            return [make = window.make](const WindowServices& services) {
                return std::unique_ptr<QWidget>(make(services));
            };
    qFatal("unknown window");
}

std::unique_ptr<WindowDriver> Open(const QString& form, const QString& uom,
                                   const QString& poolSize = QString())
{
    return std::make_unique<WindowDriver>(Maker(form), uom, poolSize);
}

} // namespace

class DosingWindowsTest : public WindowTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void calculate_data();
    void calculate();
    void refused_data();
    void refused();
    void formulasFollowTheStore_data();
    void formulasFollowTheStore();
};

void DosingWindowsTest::calculate_data()
{
    // clang-format off
    AddColumns<QString>({"form", "uom", "inputs", "outputs"});

    QTest::newRow("alkalinity 22.4 oz") << "alkalinity" << "Imperial" << "txtGal=10000|txtPPM=10"
                                        << "txtOz=1 pound(s) and 6 ounce(s)";
    QTest::newRow("alkalinity drops the 0.8 oz") << "alkalinity" << "Imperial" << "txtGal=20000|txtPPM=10"
                                                 << "txtOz=2 pound(s) and 12 ounce(s)";
    QTest::newRow("alkalinity negative") << "alkalinity" << "Imperial" << "txtGal=10000|txtPPM=-10"
                                         << "txtOz=-2 pound(s) and 9 ounce(s)";
    QTest::newRow("alkalinity kg") << "alkalinity" << "Metric" << "txtGal=50000|txtPPM=10"
                                   << "txtOz=0.84 kilogram(s)";
    QTest::newRow("alkalinity no rise") << "alkalinity" << "" << "txtGal=1000|txtPPM=0"
                                        << "txtOz=0 kilogram(s)";
    QTest::newRow("calcium oz") << "calcium" << "Imperial" << "txtGal=25000|txtPPM=30"
                                << "txtCaCl=7 pound(s) and 8 ounce(s)|txtCaCl2=9 pound(s) and 6 ounce(s)";
    QTest::newRow("calcium kg") << "calcium" << "Metric" << "txtGal=40000|txtPPM=20"
                                << "txtCaCl=0.96 kilogram(s)|txtCaCl2=1.2 kilogram(s)";
    QTest::newRow("cyanuric oz") << "cyanuric" << "Imperial" << "txtGal=20000|txtPPM=10"
                                 << "txtCya=1 pound(s) and 9 ounce(s)";
    QTest::newRow("cyanuric kg") << "cyanuric" << "Metric" << "txtGal=50000|txtPPM=10"
                                 << "txtCya=0.48 kilogram(s)";
    QTest::newRow("pH gallons") << "ph" << "Imperial" << "txtGal=12345"
                                << "txtNa2CO3=9.876|txtNaHSO4=12.345|txtHCl=9.876";
    QTest::newRow("pH litres") << "ph" << "Metric" << "txtGal=33333"
                               << "txtNa2CO3=199.998|txtNaHSO4=249.9975|txtHCl=199.998";
    QTest::newRow("pH empty pool") << "ph" << "Metric" << "txtGal=0"
                                   << "txtNa2CO3=0|txtNaHSO4=0|txtHCl=0";
    QTest::newRow("borax oz") << "borax" << "Imperial" << "txtGal=10000|txtNa2B4O7=100"
                              << "txtPPM=30.6";
    QTest::newRow("borax kg") << "borax" << "Metric" << "txtGal=40000|txtNa2B4O7=5"
                              << "txtPPM=51.1";
    QTest::newRow("borax none") << "borax" << "Metric" << "txtGal=40000|txtNa2B4O7=0"
                                << "txtPPM=0";
    QTest::newRow("salt both directions") << "salt" << "Imperial"
                                          << "txtGal=10000|txtSalt=10|txtPPMInc=3000"
                                          << "txtPPMup=120|txtLbsNeeded=250.1";
    QTest::newRow("salt only the amount") << "salt" << "Metric" << "txtGal=40000|txtSalt=25"
                                          << "txtPPMup=619.8|txtLbsNeeded=old";
    QTest::newRow("salt only the rise") << "salt" << "Metric" << "txtGal=40000|txtPPMInc=3000"
                                        << "txtPPMup=old|txtLbsNeeded=121";
    QTest::newRow("salt neither: nothing") << "salt" << "Metric" << "txtGal=40000"
                                           << "txtPPMup=old|txtLbsNeeded=old";
    QTest::newRow("salt in no pool needs none") << "salt" << "Metric" << "txtGal=0|txtPPMInc=3000"
                                                << "txtPPMup=old|txtLbsNeeded=0";
    // clang-format on
}

void DosingWindowsTest::calculate()
{
    QFETCH(QString, form);
    QFETCH(QString, uom);
    QFETCH(QString, inputs);
    QFETCH(QString, outputs);
    const auto driver = Open(form, uom);
    const auto expected = BoxPairs(outputs);
    for (const auto& [box, text] : expected)
        driver->setText(box, QStringLiteral("old"));
    driver->typeEach(inputs);
    driver->press();
    for (const auto& [box, text] : expected)
        QCOMPARE(driver->text(box), text);
    QCOMPARE(driver->feedback().heard(), QStringList());
}

void DosingWindowsTest::refused_data()
{
    // clang-format off
    AddColumns<QString>({"form", "inputs", "message"});
    using namespace message;
    for (const char* form : {"alkalinity", "calcium", "cyanuric"}) {
        QTest::addRow("%s empty pool size", form) << form << "txtPPM=10" << kFillAllWhiteBoxes;
        QTest::addRow("%s empty ppm", form) << form << "txtGal=10000" << kFillAllWhiteBoxes;
        QTest::addRow("%s letters", form) << form << "txtGal=10000|txtPPM=ten" << NotANumber("ten");
        QTest::addRow("%s a blank", form) << form << "txtGal= |txtPPM=10" << kBlank;
        QTest::addRow("%s overflow", form) << form << "txtGal=1e300|txtPPM=1e300" << kTooLarge;
    }
    QTest::newRow("pH empty pool size") << "ph" << "" << kFillAllWhiteBoxes;
    QTest::newRow("pH a blank") << "ph" << "txtGal= " << kBlank;
    QTest::newRow("pH letters") << "ph" << "txtGal=big" << NotANumber("big");
    QTest::newRow("borax empty amount") << "borax" << "txtGal=10000" << kFillAllWhiteBoxes;
    QTest::newRow("borax empty pool") << "borax" << "txtNa2B4O7=5" << kFillAllWhiteBoxes;
    QTest::newRow("borax pool 0") << "borax" << "txtGal=0|txtNa2B4O7=5" << kPoolSizeZero;
    QTest::newRow("borax 0 in pool 0") << "borax" << "txtGal=0|txtNa2B4O7=0" << kPoolSizeZero;
    QTest::newRow("borax hex") << "borax" << "txtGal=0x10|txtNa2B4O7=5" << NotANumber("0x10");
    QTest::newRow("salt empty pool") << "salt" << "txtSalt=10|txtPPMInc=3000" << kFillPpmIncrease;
    QTest::newRow("salt pool 0 backwards") << "salt" << "txtGal=0|txtSalt=10" << kPoolSizeZero;
    QTest::newRow("salt second direction fails, first not written")
        << "salt" << "txtGal=10000|txtSalt=10|txtPPMInc=lots" << NotANumber("lots");
    QTest::newRow("salt a blank pool") << "salt" << "txtGal= |txtPPMInc=3000" << kBlank;
    // clang-format on
}

void DosingWindowsTest::refused()
{
    QFETCH(QString, form);
    QFETCH(QString, inputs);
    QFETCH(QString, message);
    const auto driver = Open(form, QStringLiteral("Imperial"));
    for (QLineEdit* box : driver->window()->findChildren<QLineEdit*>())
        box->setText(box->isReadOnly() ? QStringLiteral("old") : QString());
    driver->typeEach(inputs);
    QCOMPARE(driver->pressRefused(), message);
}

void DosingWindowsTest::formulasFollowTheStore_data()
{
    // clang-format off
    AddColumns<QString>({"form", "inputs", "outputs"});
    QTest::newRow("alkalinity") << "alkalinity" << "txtGal=50000|txtPPM=10" << "txtOz=0.84 kilogram(s)";
    QTest::newRow("calcium") << "calcium" << "txtGal=50000|txtPPM=10"
                             << "txtCaCl=0.6 kilogram(s)|txtCaCl2=0.75 kilogram(s)";
    QTest::newRow("cyanuric") << "cyanuric" << "txtGal=40000|txtPPM=20" << "txtCya=0.768 kilogram(s)";
    QTest::newRow("pH") << "ph" << "txtGal=15000" << "txtNa2CO3=90|txtNaHSO4=112.5|txtHCl=90";
    QTest::newRow("borax") << "borax" << "txtGal=50000|txtNa2B4O7=10" << "txtPPM=81.7";
    QTest::newRow("salt") << "salt" << "txtGal=40000|txtPPMInc=3000" << "txtLbsNeeded=121";
    // clang-format on
}

void DosingWindowsTest::formulasFollowTheStore()
{
    QFETCH(QString, form);
    QFETCH(QString, inputs);
    QFETCH(QString, outputs);
    const auto driver = Open(form, QStringLiteral("Imperial"));
    const QString caption = driver->text(form == "borax" || form == "salt" ? "Label1" : "Label2");
    // Another writer switches the store to Metric while the window is open.
    driver->settings().store(QString(), QString(), QStringLiteral("Metric"));
    driver->typeEach(inputs);
    driver->press();
    for (const auto& [box, text] : BoxPairs(outputs))
        QCOMPARE(driver->text(box), text);
    QCOMPARE(driver->text(form == "borax" || form == "salt" ? "Label1" : "Label2"), caption);
    QCOMPARE(caption, QStringLiteral("Pool Size (Gal.)"));
}

QTEST_MAIN(DosingWindowsTest)
#include "tst_dosingwindows.moc"
