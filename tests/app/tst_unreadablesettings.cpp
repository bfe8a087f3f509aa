// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/columns.h"
#include "support/keptwindowstestcase.h"
#include "support/messages.h"
#include "support/windowdriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Every window opened over a settings file that a person wrote by hand, with a value in it that
// is not text: the window opens, says once which setting it could not read and where, and its
// captions name the units its Calculate works in. Labels and boxes are given as "name=text"
// pairs joined by '|'.
class UnreadableSettingsTest : public KeptWindowsTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void windowOpens_data();
    void windowOpens();
    void calculateWorksInTheCaptionsUnits_data();
    void calculateWorksInTheCaptionsUnits();
    void pressReadsInItsOrder_data();
    void pressReadsInItsOrder();
};

void UnreadableSettingsTest::windowOpens_data()
{
    // clang-format off
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QByteArray>("file");
    AddColumns<QString>({"captions", "boxes", "notText"});
    const QByteArray poolSizeNotText = SettingsFile(kStoredNumber, "6", "Metric");
    const QByteArray unitNotText = SettingsFile("20,000", "6", kStoredNumber);
    // Every window of the table opens here but About, which reads no setting, and Settings,
    // which tst_oddsettingsfiles opens over such files.
    std::set<WindowKind> opened{WindowKind::About, WindowKind::Settings};
    const auto row = [&opened](const char* tag, WindowKind kind) -> QTestData& {
        opened.insert(kind);
        return QTest::newRow(tag) << kind;
    };

    // The main window reads the unit first and stops at a failure.
    const QString gallons =
        QStringLiteral("Label1=Pool Size (Gal.)|Label3=Quantity of bleach (Gal.)");
    const QString litres = QStringLiteral("Label1=Pool Size (L)|Label3=Quantity of bleach (L)");
    row("main, pool size not text: the captions of the unit read", WindowKind::Main)
        << SettingsFile(kStoredNumber, "6", "Imperial") << gallons
        << "txtGal=|txtChlorPerc=" << "PoolSize";
    row("main, strength not text: the pool size read before it", WindowKind::Main)
        << SettingsFile("20,000", kStoredBytes, "Imperial") << gallons
        << "txtGal=20,000|txtChlorPerc=" << "BleachStrength";
    row("main, unit not text: Metric, nothing read after it", WindowKind::Main)
        << unitNotText << litres << "txtGal=|txtChlorPerc=" << "UOM";

    // The calculator windows that read the pool size first still read the unit.
    const QString pool = QStringLiteral("=Pool Size (L)");
    row("alkalinity, pool size not text", WindowKind::Alkalinity)
        << poolSizeNotText << "Label2" + pool << "txtGal=" << "PoolSize";
    row("calcium, pool size not text", WindowKind::CalciumHardness)
        << poolSizeNotText << "Label2" + pool << "txtGal=" << "PoolSize";
    row("cyanuric, pool size not text", WindowKind::CyanuricAcid)
        << poolSizeNotText << "Label2" + pool << "txtGal=" << "PoolSize";
    row("pH, pool size not text", WindowKind::Ph)
        << poolSizeNotText << "Label2" + pool +
               "|Label5=Sodium Carbonate (g)|Label8=Sodium Bisulfate (dry acid) (g)|"
               "Label9=Muriatic Acid 31% (ml)"
        << "txtGal=" << "PoolSize";
    row("dilution, pool size not text", WindowKind::Dilution)
        << poolSizeNotText << "Label1" + pool << "txtGal=" << "PoolSize";
    row("borax, pool size not text", WindowKind::Borax)
        << poolSizeNotText << "Label1" + pool + "|Label2=Sodium Tetraborate Decahydrate (k)"
        << "txtGal=" << "PoolSize";
    row("alkalinity, unit not text: Metric, the pool size read", WindowKind::Alkalinity)
        << unitNotText << "Label2" + pool << "txtGal=20,000" << "UOM";
    row("alkalinity, both not text: the first is told", WindowKind::Alkalinity)
        << SettingsFile(kStoredBytes, "6", kStoredNumber) << "Label2" + pool << "txtGal="
        << "PoolSize";

    // The Salt window reads the unit first, as the main window does.
    const QString salt = "Label1" + pool + "|Label2=Kilos of salt|Label6=Kilos of salt needed";
    row("salt, pool size not text", WindowKind::Salt)
        << poolSizeNotText << salt << "txtGal=" << "PoolSize";
    row("salt, unit not text: Metric, nothing read after it", WindowKind::Salt)
        << unitNotText << salt << "txtGal=" << "UOM";

    row("pool volume, unit not text", WindowKind::PoolVolume)
        << unitNotText << "lblUOM=All Measurements in METRES, volumes in LITRES" << "" << "UOM";
    row("saturation, unit not text", WindowKind::SaturationIndex)
        << unitNotText << "Label2=Temp, Deg C" << "" << "UOM";
    FailForWindowsNotIn(opened);
    // clang-format on
}

void UnreadableSettingsTest::windowOpens()
{
    QFETCH(WindowKind, kind);
    QFETCH(QByteArray, file);
    QFETCH(QString, captions);
    QFETCH(QString, boxes);
    QFETCH(QString, notText);
    kept().settings.writeFile(file);
    QWidget* window = keeper().show(kind);
    QVERIFY(window->isVisible());

    for (const auto& [name, text] : BoxPairs(captions))
        QCOMPARE(window->findChild<QLabel*>(name)->text(), text);
    for (const auto& [name, text] : BoxPairs(boxes))
        QCOMPARE(window->findChild<QLineEdit*>(name)->text(), text);
    QCOMPARE(kept().feedback.errors.size(), 1);
    const QString& error = kept().feedback.errors.first();
    QVERIFY2(error.startsWith("The settings could not be read.\n\nRegistry data not a string\n"
                              "Error number "),
             qPrintable(error));
    QVERIFY2(error.endsWith("\n\n" + message::NotText(notText, kept().settings.filePath())),
             qPrintable(error));
}

void UnreadableSettingsTest::calculateWorksInTheCaptionsUnits_data()
{
    // clang-format off
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QByteArray>("uom");
    AddColumns<QString>({"caption", "inputs", "output"});
    QTest::newRow("main, Imperial: gallons")
        << WindowKind::Main << QByteArray("Imperial") << "Label1=Pool Size (Gal.)"
        << "txtGal=10000|txtChlorPerc=6|txtPPMTarget=2" << "txtGalReq=0.3 Gallon(s)";
    QTest::newRow("alkalinity, Metric: litres")
        << WindowKind::Alkalinity << QByteArray("Metric") << "Label2=Pool Size (L)"
        << "txtGal=50000|txtPPM=10" << "txtOz=0.84 kilogram(s)";
    // clang-format on
}

// The load failed on the pool size; the unit system its captions show is the one its formulas
// use.
void UnreadableSettingsTest::calculateWorksInTheCaptionsUnits()
{
    QFETCH(WindowKind, kind);
    QFETCH(QByteArray, uom);
    QFETCH(QString, caption);
    QFETCH(QString, inputs);
    QFETCH(QString, output);
    kept().settings.writeFile(SettingsFile(kStoredNumber, "6", uom));
    QWidget* window = keeper().show(kind);
    QCOMPARE(kept().feedback.errors.size(), 1);
    for (const auto& [name, text] : BoxPairs(inputs)) {
        auto* box = window->findChild<QLineEdit*>(name);
        box->clear();
        QTest::keyClicks(box, text);
    }
    QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    for (const auto& [name, text] : BoxPairs(caption + '|' + output)) {
        const auto* label = window->findChild<QLabel*>(name);
        QCOMPARE(label ? label->text() : window->findChild<QLineEdit*>(name)->text(), text);
    }
    QCOMPARE(kept().feedback.errors.size(), 1);
}

void UnreadableSettingsTest::pressReadsInItsOrder_data()
{
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"button", "boxes", "warning"});
    QTest::addColumn<bool>("settingsError");
    // With the unit of measure unreadable, a press with an empty box is refused by whichever
    // comes first: the required-field check, or the unit system's read, which fails.
    const QString fill = message::kFillAllWhiteBoxes;
    const auto row = [](const char* tag, WindowKind kind, const char* boxes, const QString& warning,
                        bool settingsError, const char* button = "Command1") {
        QTest::newRow(tag) << kind << button << boxes << warning << settingsError;
    };
    row("main: the unit first", WindowKind::Main, "txtGal=|txtChlorPerc=", "", true);
    row("alkalinity: the boxes first", WindowKind::Alkalinity, "txtGal=|txtPPM=", fill, false);
    row("alkalinity: the unit after the boxes", WindowKind::Alkalinity, "txtGal=1|txtPPM=1", "",
        true);
    row("calcium: the unit first", WindowKind::CalciumHardness, "txtGal=|txtPPM=", "", true);
    row("cyanuric: the unit first", WindowKind::CyanuricAcid, "txtGal=|txtPPM=", "", true);
    row("pH: the box first", WindowKind::Ph, "txtGal=", fill, false);
    row("pH: the unit after the box", WindowKind::Ph, "txtGal=1", "", true);
    row("borax: the boxes first", WindowKind::Borax, "txtGal=|txtNa2B4O7=", fill, false);
    row("borax: the unit after the boxes", WindowKind::Borax, "txtGal=1|txtNa2B4O7=1", "", true);
    row("salt: the unit first", WindowKind::Salt, "txtGal=", "", true);
    row("dilution: no setting", WindowKind::Dilution, "txtGal=1|txtPr=3|txtSr=0|txtFr=2", "",
        false);
    row("volume, rectangular: the unit first", WindowKind::PoolVolume, "txtRLength=", "", true);
    row("volume, oval: the unit first", WindowKind::PoolVolume, "txtOLength=", "", true,
        "Command2");
    row("volume, round: the unit first", WindowKind::PoolVolume, "txtDiam=", "", true, "Command3");
    // Its boxes are not required; an empty one would be met as a text that is no number.
    row("saturation: the unit first", WindowKind::SaturationIndex, "txtpH=", "", true);
}

void UnreadableSettingsTest::pressReadsInItsOrder()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, button);
    QFETCH(QString, boxes);
    QFETCH(QString, warning);
    QFETCH(bool, settingsError);
    kept().settings.writeFile(SettingsFile("20000", "6", kStoredNumber));
    QWidget* window = keeper().show(kind);
    QCOMPARE(kept().feedback.errors.size(), 1); // the load's
    for (const auto& [name, text] : BoxPairs(boxes))
        window->findChild<QLineEdit*>(name)->setText(text);

    window->findChild<QPushButton*>(button)->click();
    QCOMPARE(kept().feedback.warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
    QCOMPARE(kept().feedback.errors.size(), settingsError ? 2 : 1);
}

QTEST_MAIN(UnreadableSettingsTest)
#include "tst_unreadablesettings.moc"
