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

// The calculator windows, driven as a user would: one table per concern, one row per window
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

class CalculatorWindowsTest : public WindowTestCase
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

void CalculatorWindowsTest::calculate_data()
{
    // clang-format off
    AddColumns<QString>({"form", "uom", "button", "inputs", "outputs"});

    QTest::newRow("alkalinity 22.4 oz") << "alkalinity" << "Imperial" << "Command1" << "txtGal=10000|txtPPM=10"
                                        << "txtOz=1 pound(s) and 6 ounce(s)";
    QTest::newRow("alkalinity drops the 0.8 oz") << "alkalinity" << "Imperial" << "Command1" << "txtGal=20000|txtPPM=10"
                                                 << "txtOz=2 pound(s) and 12 ounce(s)";
    QTest::newRow("alkalinity negative") << "alkalinity" << "Imperial" << "Command1" << "txtGal=10000|txtPPM=-10"
                                         << "txtOz=-2 pound(s) and 9 ounce(s)";
    QTest::newRow("alkalinity kg") << "alkalinity" << "Metric" << "Command1" << "txtGal=50000|txtPPM=10"
                                   << "txtOz=0.84 kilogram(s)";
    QTest::newRow("alkalinity no rise") << "alkalinity" << "" << "Command1" << "txtGal=1000|txtPPM=0"
                                        << "txtOz=0 kilogram(s)";
    QTest::newRow("calcium oz") << "calcium" << "Imperial" << "Command1" << "txtGal=25000|txtPPM=30"
                                << "txtCaCl=7 pound(s) and 8 ounce(s)|txtCaCl2=9 pound(s) and 6 ounce(s)";
    QTest::newRow("calcium kg") << "calcium" << "Metric" << "Command1" << "txtGal=40000|txtPPM=20"
                                << "txtCaCl=0.96 kilogram(s)|txtCaCl2=1.2 kilogram(s)";
    QTest::newRow("cyanuric oz") << "cyanuric" << "Imperial" << "Command1" << "txtGal=20000|txtPPM=10"
                                 << "txtCya=1 pound(s) and 9 ounce(s)";
    QTest::newRow("cyanuric kg") << "cyanuric" << "Metric" << "Command1" << "txtGal=50000|txtPPM=10"
                                 << "txtCya=0.48 kilogram(s)";
    QTest::newRow("pH gallons") << "ph" << "Imperial" << "Command1" << "txtGal=12345"
                                << "txtNa2CO3=9.876|txtNaHSO4=12.345|txtHCl=9.876";
    QTest::newRow("pH litres") << "ph" << "Metric" << "Command1" << "txtGal=33333"
                               << "txtNa2CO3=199.998|txtNaHSO4=249.9975|txtHCl=199.998";
    QTest::newRow("pH empty pool") << "ph" << "Metric" << "Command1" << "txtGal=0"
                                   << "txtNa2CO3=0|txtNaHSO4=0|txtHCl=0";
    QTest::newRow("borax oz") << "borax" << "Imperial" << "Command1" << "txtGal=10000|txtNa2B4O7=100"
                              << "txtPPM=30.6";
    QTest::newRow("borax kg") << "borax" << "Metric" << "Command1" << "txtGal=40000|txtNa2B4O7=5"
                              << "txtPPM=51.1";
    QTest::newRow("borax none") << "borax" << "Metric" << "Command1" << "txtGal=40000|txtNa2B4O7=0"
                                << "txtPPM=0";
    QTest::newRow("salt both directions") << "salt" << "Imperial" << "Command1"
                                          << "txtGal=10000|txtSalt=10|txtPPMInc=3000"
                                          << "txtPPMup=120|txtLbsNeeded=250.1";
    QTest::newRow("salt only the amount") << "salt" << "Metric" << "Command1" << "txtGal=40000|txtSalt=25"
                                          << "txtPPMup=619.8|txtLbsNeeded=old";
    QTest::newRow("salt only the rise") << "salt" << "Metric" << "Command1" << "txtGal=40000|txtPPMInc=3000"
                                        << "txtPPMup=old|txtLbsNeeded=121";
    QTest::newRow("salt neither: nothing") << "salt" << "Metric" << "Command1" << "txtGal=40000"
                                           << "txtPPMup=old|txtLbsNeeded=old";
    QTest::newRow("salt in no pool needs none") << "salt" << "Metric" << "Command1" << "txtGal=0|txtPPMInc=3000"
                                                << "txtPPMup=old|txtLbsNeeded=0";
    // outputs not written stay "old"
    QTest::newRow("dilution: a quarter shows 0.25, not 25") << "dilution" << "Imperial" << "Command1"
        << "txtGal=20000|txtPr=100|txtSr=0|txtFr=75" << "txtPercDrain=0.25|txtVolDrain=5000";
    QTest::newRow("dilution: the same in litres") << "dilution" << "Metric" << "Command1"
        << "txtGal=20000|txtPr=100|txtSr=0|txtFr=75" << "txtPercDrain=0.25|txtVolDrain=5000";
    QTest::newRow("dilution: volume from the unrounded share") << "dilution" << "Imperial" << "Command1"
        << "txtGal=10000|txtPr=90|txtSr=0|txtFr=60" << "txtPercDrain=0.33|txtVolDrain=3333";
    QTest::newRow("dilution: refill water has some") << "dilution" << "Metric" << "Command1"
        << "txtGal=25000|txtPr=4000|txtSr=200|txtFr=1000" << "txtPercDrain=0.79|txtVolDrain=19737";
    QTest::newRow("dilution: share half rounds to even") << "dilution" << "Imperial" << "Command1"
        << "txtGal=1000|txtPr=8|txtSr=0|txtFr=7" << "txtPercDrain=0.12|txtVolDrain=125";
    QTest::newRow("dilution: volume half rounds to even") << "dilution" << "Imperial" << "Command1"
        << "txtGal=5|txtPr=2|txtSr=0|txtFr=1" << "txtPercDrain=0.5|txtVolDrain=2";
    QTest::newRow("dilution: wanted above the pool: negative") << "dilution" << "Imperial" << "Command1"
        << "txtGal=10000|txtPr=50|txtSr=0|txtFr=80" << "txtPercDrain=-0.6|txtVolDrain=-6000";
    QTest::newRow("dilution: already there") << "dilution" << "Imperial" << "Command1"
        << "txtGal=10000|txtPr=50|txtSr=10|txtFr=50" << "txtPercDrain=0|txtVolDrain=0";
    QTest::newRow("dilution: blanks around the numbers") << "dilution" << "Imperial" << "Command1"
        << "txtGal= 20000|txtPr=100 |txtSr= 0 |txtFr=75" << "txtPercDrain=0.25|txtVolDrain=5000";

    const QString rectangle = "txtRLength=20|txtRWidth=10|txtRAvgDepth=5";
    const QString oval = "txtOLength=30|txtOWidth=15|txtOAvgDepth=4.5";
    const QString round = "txtDiam=24|txtDepth=4";
    const auto volumes = [](const char* rectangular, const char* ovalVolume, const char* roundVolume) {
        return QStringLiteral("txtRVolume=%1|txtOVolume=%2|txtVolume=%3")
            .arg(QLatin1String(rectangular), QLatin1String(ovalVolume), QLatin1String(roundVolume));
    };
    QTest::newRow("volume: rectangular, gallons")
        << "volume" << "Imperial" << "Command1" << rectangle << volumes("7500", "old", "old");
    QTest::newRow("volume: rectangular, litres") << "volume" << "Metric" << "Command1"
        << "txtRLength=10|txtRWidth=5|txtRAvgDepth=1.5" << volumes("75000", "old", "old");
    QTest::newRow("volume: rectangular, 15 digits hide the rounding error") << "volume" << "Metric" << "Command1"
        << "txtRLength=0.1|txtRWidth=0.2|txtRAvgDepth=0.3" << volumes("6", "old", "old");
    QTest::newRow("volume: oval, gallons")
        << "volume" << "Imperial" << "Command2" << oval << volumes("old", "11927.25", "old");
    QTest::newRow("volume: round, gallons")
        << "volume" << "Imperial" << "Command3" << round << volumes("old", "old", "13570.56");
    QTest::newRow("volume: round, litres") << "volume" << "Metric" << "Command3"
        << "txtDiam=5|txtDepth=1.2" << volumes("old", "old", "23550");
    QTest::newRow("volume: never stored is metric") << "volume" << "" << "Command3"
        << "txtDiam=5|txtDepth=1.2" << volumes("old", "old", "23550");
    QTest::newRow("volume: round, negative diameter squares away") << "volume" << "Metric" << "Command3"
        << "txtDiam=-5|txtDepth=1.2" << volumes("old", "old", "23550");
    QTest::newRow("volume: rectangular, nothing deep") << "volume" << "Imperial" << "Command1"
        << "txtRLength=20|txtRWidth=10|txtRAvgDepth=0" << volumes("0", "old", "old");
    QTest::newRow("volume: blanks around the numbers") << "volume" << "Imperial" << "Command1"
        << "txtRLength= 20 |txtRWidth=10 |txtRAvgDepth= 5" << volumes("7500", "old", "old");
    // Each button reads and writes its own row only.
    QTest::newRow("volume: oval, the other rows empty")
        << "volume" << "Imperial" << "Command2" << oval << volumes("old", "11927.25", "old");
    QTest::newRow("volume: rectangular, the other rows hold text") << "volume" << "Imperial" << "Command1"
        << rectangle + "|txtOLength=x|txtOWidth=y|txtOAvgDepth=z|txtDiam=q|txtDepth=r"
        << volumes("7500", "old", "old");
    QTest::newRow("volume: round, the other rows filled") << "volume" << "Imperial" << "Command3"
        << rectangle + '|' + oval + '|' + round << volumes("old", "old", "13570.56");

    // The index box is white and editable, yet overwritten.
    QTest::newRow("saturation: 84 F, single-precision 0.7") << "saturation" << "Imperial" << "Command1"
        << "txtpH=7.6|txtTemp=84|txtCa=400|txtTa=150" << "txtSI=0.599999988079071";
    QTest::newRow("saturation: 80 F") << "saturation" << "Imperial" << "Command1"
        << "txtpH=7.2|txtTemp=80|txtCa=100|txtTa=100" << "txtSI=-0.699999976158141";
    QTest::newRow("saturation: the top rows") << "saturation" << "Imperial" << "Command1"
        << "txtpH=7.0|txtTemp=128|txtCa=1000|txtTa=1000" << "txtSI=1.5";
    QTest::newRow("saturation: 27 C") << "saturation" << "Metric" << "Command1"
        << "txtpH=7.5|txtTemp=27|txtCa=100|txtTa=100" << "txtSI=-0.399999976158142";
    QTest::newRow("saturation: never stored is Celsius") << "saturation" << "" << "Command1"
        << "txtpH=7.5|txtTemp=27|txtCa=100|txtTa=100" << "txtSI=-0.399999976158142";
    QTest::newRow("saturation: a gap reading keeps the row below") << "saturation" << "Imperial" << "Command1"
        << "txtpH=7.5|txtTemp=83.5|txtCa=25|txtTa=999.5" << "txtSI=-0.799999976158141";
    QTest::newRow("saturation: blanks around the numbers") << "saturation" << "Imperial" << "Command1"
        << "txtpH= 7.0|txtTemp=128 |txtCa= 1000 |txtTa=1000" << "txtSI=1.5";
    // clang-format on
}

void CalculatorWindowsTest::calculate()
{
    QFETCH(QString, form);
    QFETCH(QString, uom);
    QFETCH(QString, button);
    QFETCH(QString, inputs);
    QFETCH(QString, outputs);
    const auto driver = Open(form, uom);
    const auto expected = BoxPairs(outputs);
    for (const auto& [box, text] : expected)
        driver->setText(box, QStringLiteral("old"));
    driver->typeEach(inputs);
    driver->press(qPrintable(button));
    for (const auto& [box, text] : expected)
        QCOMPARE(driver->text(box), text);
    QCOMPARE(driver->feedback().heard(), QStringList());
}

void CalculatorWindowsTest::refused_data()
{
    // clang-format off
    AddColumns<QString>({"form", "button", "inputs", "message"});
    using namespace message;
    for (const char* form : {"alkalinity", "calcium", "cyanuric"}) {
        QTest::addRow("%s empty pool size", form) << form << "Command1" << "txtPPM=10" << kFillAllWhiteBoxes;
        QTest::addRow("%s empty ppm", form) << form << "Command1" << "txtGal=10000" << kFillAllWhiteBoxes;
        QTest::addRow("%s letters", form) << form << "Command1" << "txtGal=10000|txtPPM=ten" << NotANumber("ten");
        QTest::addRow("%s a blank", form) << form << "Command1" << "txtGal= |txtPPM=10" << kBlank;
        QTest::addRow("%s overflow", form) << form << "Command1" << "txtGal=1e300|txtPPM=1e300" << kTooLarge;
    }
    QTest::newRow("pH empty pool size") << "ph" << "Command1" << "" << kFillAllWhiteBoxes;
    QTest::newRow("pH a blank") << "ph" << "Command1" << "txtGal= " << kBlank;
    QTest::newRow("pH letters") << "ph" << "Command1" << "txtGal=big" << NotANumber("big");
    QTest::newRow("borax empty amount") << "borax" << "Command1" << "txtGal=10000" << kFillAllWhiteBoxes;
    QTest::newRow("borax empty pool") << "borax" << "Command1" << "txtNa2B4O7=5" << kFillAllWhiteBoxes;
    QTest::newRow("borax pool 0") << "borax" << "Command1" << "txtGal=0|txtNa2B4O7=5" << kPoolSizeZero;
    QTest::newRow("borax 0 in pool 0") << "borax" << "Command1" << "txtGal=0|txtNa2B4O7=0" << kPoolSizeZero;
    QTest::newRow("borax hex") << "borax" << "Command1" << "txtGal=0x10|txtNa2B4O7=5" << NotANumber("0x10");
    QTest::newRow("salt empty pool") << "salt" << "Command1" << "txtSalt=10|txtPPMInc=3000" << kFillPpmIncrease;
    QTest::newRow("salt pool 0 backwards") << "salt" << "Command1" << "txtGal=0|txtSalt=10" << kPoolSizeZero;
    QTest::newRow("salt second direction fails, first not written")
        << "salt" << "Command1" << "txtGal=10000|txtSalt=10|txtPPMInc=lots" << NotANumber("lots");
    QTest::newRow("salt a blank pool") << "salt" << "Command1" << "txtGal= |txtPPMInc=3000" << kBlank;
    const QString& fillAll = kFillAllWhiteBoxes;
    QTest::newRow("dilution: no pool size") << "dilution" << "Command1" << "txtGal=|txtPr=100|txtSr=0|txtFr=75" << fillAll;
    QTest::newRow("dilution: no pool reading") << "dilution" << "Command1" << "txtGal=20000|txtPr=|txtSr=0|txtFr=75" << fillAll;
    QTest::newRow("dilution: no refill reading") << "dilution" << "Command1" << "txtGal=20000|txtPr=100|txtSr=|txtFr=75" << fillAll;
    QTest::newRow("dilution: no wanted reading") << "dilution" << "Command1" << "txtGal=20000|txtPr=100|txtSr=0|txtFr=" << fillAll;
    QTest::newRow("dilution: empty, and another box unreadable") << "dilution" << "Command1" << "txtGal=|txtPr=x|txtSr=0|txtFr=75" << fillAll;
    QTest::newRow("dilution: refill reads as the pool") << "dilution" << "Command1" << "txtGal=20000|txtPr=50|txtSr=50|txtFr=20" << kSameReadings;
    QTest::newRow("dilution: all three the same, 0 / 0") << "dilution" << "Command1" << "txtGal=20000|txtPr=50|txtSr=50|txtFr=50" << kSameReadings;
    QTest::newRow("dilution: pool reading unreadable") << "dilution" << "Command1" << "txtGal=20000|txtPr=lots|txtSr=0|txtFr=75" << NotANumber("lots");
    QTest::newRow("dilution: wanted met before refill") << "dilution" << "Command1" << "txtGal=20000|txtPr=100|txtSr=r|txtFr=w" << NotANumber("w");
    QTest::newRow("dilution: share beyond a double") << "dilution" << "Command1" << "txtGal=20000|txtPr=1e308|txtSr=0|txtFr=-1e308" << kTooLarge;
    QTest::newRow("volume: rectangular, no depth") << "volume" << "Command1" << "txtRLength=20|txtRWidth=10" << kFillAllFields;
    QTest::newRow("volume: rectangular, no length") << "volume" << "Command1" << "txtRWidth=10|txtRAvgDepth=5" << kFillAllFields;
    QTest::newRow("volume: oval empty, rectangular filled") << "volume" << "Command2" << "txtRLength=20|txtRWidth=10|txtRAvgDepth=5" << kFillAllFields;
    QTest::newRow("volume: oval, no width") << "volume" << "Command2" << "txtOLength=30|txtOAvgDepth=4.5" << kFillAllFields;
    QTest::newRow("volume: oval, no depth") << "volume" << "Command2" << "txtOLength=30|txtOWidth=15" << kFillAllFields;
    QTest::newRow("volume: round, no depth") << "volume" << "Command3" << "txtDiam=24" << kFillAllFields;
    QTest::newRow("volume: round, no diameter") << "volume" << "Command3" << "txtDepth=4" << kFillAllFields;
    QTest::newRow("volume: a blank counts as filled and is no number") << "volume" << "Command3" << "txtDiam= |txtDepth=4" << kBlank;
    QTest::newRow("volume: letters") << "volume" << "Command2" << "txtOLength=30|txtOWidth=wide|txtOAvgDepth=4.5" << NotANumber("wide");
    QTest::newRow("volume: another locale's decimal comma") << "volume" << "Command1" << "txtRLength=2,5|txtRWidth=10|txtRAvgDepth=5" << NotANumber("2,5");
    QTest::newRow("volume: rectangular overflow") << "volume" << "Command1" << "txtRLength=1e200|txtRWidth=1e200|txtRAvgDepth=1" << kTooLarge;
    QTest::newRow("volume: round overflow") << "volume" << "Command3" << "txtDiam=1e200|txtDepth=0" << kTooLarge;
    // clang-format on
}

void CalculatorWindowsTest::refused()
{
    QFETCH(QString, form);
    QFETCH(QString, button);
    QFETCH(QString, inputs);
    QFETCH(QString, message);
    const auto driver = Open(form, QStringLiteral("Imperial"));
    for (QLineEdit* box : driver->window()->findChildren<QLineEdit*>())
        box->setText(box->isReadOnly() ? QStringLiteral("old") : QString());
    driver->typeEach(inputs);
    QCOMPARE(driver->pressRefused(qPrintable(button)), message);
}

void CalculatorWindowsTest::formulasFollowTheStore_data()
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

void CalculatorWindowsTest::formulasFollowTheStore()
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

QTEST_MAIN(CalculatorWindowsTest)
#include "tst_calculatorwindows.moc"
