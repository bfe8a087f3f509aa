// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/columns.h"
#include "support/messages.h"
#include "support/windowdriver.h"
#include "support/windowtests.h"
#include "ui/poolvolumewindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kMetres = QStringLiteral("All Measurements in METRES, volumes in LITRES");

QString Outputs(const WindowDriver& driver)
{
    return driver.text("txtRVolume") + '|' + driver.text("txtOVolume") + '|' +
           driver.text("txtVolume");
}

void PresetOutputs(WindowDriver& driver)
{
    for (const char* output : {"txtRVolume", "txtOVolume", "txtVolume"})
        driver.setText(output, QStringLiteral("old"));
}

} // namespace

class PoolVolumeWindowTest : public WindowTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void calculate_data();
    void calculate();
    void refused_data();
    void refused();
    void unitSystemIsReadAtEveryPress();

    void layout();
    void everyBoxIsATabStop();
};

void PoolVolumeWindowTest::calculate_data()
{
    // clang-format off
    // outputs: txtRVolume|txtOVolume|txtVolume
    AddColumns<QString>({"uom", "button", "inputs", "outputs"});

    const QString rectangle = "txtRLength=20|txtRWidth=10|txtRAvgDepth=5";
    const QString oval = "txtOLength=30|txtOWidth=15|txtOAvgDepth=4.5";
    const QString round = "txtDiam=24|txtDepth=4";
    QTest::newRow("rectangular, gallons")
        << "Imperial" << "Command1" << rectangle << "7500|old|old";
    QTest::newRow("rectangular, litres") << "Metric"
                                         << "Command1"
                                         << "txtRLength=10|txtRWidth=5|txtRAvgDepth=1.5"
                                         << "75000|old|old";
    QTest::newRow("rectangular, 15 digits hide the rounding error")
        << "Metric" << "Command1" << "txtRLength=0.1|txtRWidth=0.2|txtRAvgDepth=0.3" << "6|old|old";
    QTest::newRow("oval, gallons") << "Imperial" << "Command2" << oval << "old|11927.25|old";
    QTest::newRow("round, gallons") << "Imperial" << "Command3" << round << "old|old|13570.56";
    QTest::newRow("round, litres")
        << "Metric" << "Command3" << "txtDiam=5|txtDepth=1.2" << "old|old|23550";
    QTest::newRow("never stored is metric")
        << "" << "Command3" << "txtDiam=5|txtDepth=1.2" << "old|old|23550";
    QTest::newRow("round, negative diameter squares away")
        << "Metric" << "Command3" << "txtDiam=-5|txtDepth=1.2" << "old|old|23550";
    QTest::newRow("rectangular, nothing deep")
        << "Imperial" << "Command1" << "txtRLength=20|txtRWidth=10|txtRAvgDepth=0" << "0|old|old";
    QTest::newRow("blanks around the numbers") << "Imperial"
                                               << "Command1"
                                               << "txtRLength= 20 |txtRWidth=10 |txtRAvgDepth= 5"
                                               << "7500|old|old";
    // Each button reads and writes its own row only.
    QTest::newRow("oval, the other rows empty")
        << "Imperial" << "Command2" << oval << "old|11927.25|old";
    QTest::newRow("rectangular, the other rows hold text")
        << "Imperial"
        << "Command1" << rectangle + "|txtOLength=x|txtOWidth=y|txtOAvgDepth=z|txtDiam=q|txtDepth=r"
        << "7500|old|old";
    QTest::newRow("round, the other rows filled")
        << "Imperial" << "Command3" << rectangle + '|' + oval + '|' + round << "old|old|13570.56";
    // clang-format on
}

void PoolVolumeWindowTest::calculate()
{
    QFETCH(QString, uom);
    QFETCH(QString, button);
    QFETCH(QString, inputs);
    QFETCH(QString, outputs);
    const auto driver = Drive<PoolVolumeWindow>(uom);
    PresetOutputs(*driver);
    driver->typeEach(inputs);
    driver->press(button.toLatin1().constData());
    QCOMPARE(Outputs(*driver), outputs);
    QCOMPARE(driver->feedback().heard(), QStringList());
}

void PoolVolumeWindowTest::refused_data()
{
    // clang-format off
    AddColumns<QString>({"button", "inputs", "message"});
    QTest::newRow("rectangular, no depth")
        << "Command1" << "txtRLength=20|txtRWidth=10" << message::kFillAllFields;
    QTest::newRow("rectangular, no length")
        << "Command1" << "txtRWidth=10|txtRAvgDepth=5" << message::kFillAllFields;
    QTest::newRow("oval empty, rectangular filled")
        << "Command2" << "txtRLength=20|txtRWidth=10|txtRAvgDepth=5" << message::kFillAllFields;
    QTest::newRow("oval, no width")
        << "Command2" << "txtOLength=30|txtOAvgDepth=4.5" << message::kFillAllFields;
    QTest::newRow("oval, no depth")
        << "Command2" << "txtOLength=30|txtOWidth=15" << message::kFillAllFields;
    QTest::newRow("round, no depth") << "Command3" << "txtDiam=24" << message::kFillAllFields;
    QTest::newRow("round, no diameter") << "Command3" << "txtDepth=4" << message::kFillAllFields;
    QTest::newRow("a blank counts as filled and is no number")
        << "Command3"
        << "txtDiam= |txtDepth=4" << message::kBlank;
    QTest::newRow("letters") << "Command2" << "txtOLength=30|txtOWidth=wide|txtOAvgDepth=4.5"
                             << message::NotANumber("wide");
    QTest::newRow("another locale's decimal comma")
        << "Command1" << "txtRLength=2,5|txtRWidth=10|txtRAvgDepth=5" << message::NotANumber("2,5");
    QTest::newRow("rectangular overflow")
        << "Command1" << "txtRLength=1e200|txtRWidth=1e200|txtRAvgDepth=1" << message::kTooLarge;
    QTest::newRow("round overflow")
        << "Command3" << "txtDiam=1e200|txtDepth=0" << message::kTooLarge;
    // clang-format on
}

void PoolVolumeWindowTest::refused()
{
    QFETCH(QString, button);
    QFETCH(QString, inputs);
    QFETCH(QString, message);
    const auto driver = Drive<PoolVolumeWindow>(QStringLiteral("Imperial"));
    PresetOutputs(*driver);
    driver->typeEach(inputs);
    QCOMPARE(driver->pressRefused(button.toLatin1().constData()), message);
}

void PoolVolumeWindowTest::unitSystemIsReadAtEveryPress()
{
    const auto driver = Drive<PoolVolumeWindow>(QStringLiteral("Metric"));
    driver->typeEach(QStringLiteral("txtRLength=20|txtRWidth=10|txtRAvgDepth=5"));
    driver->press("Command1");
    QCOMPARE(driver->text("txtRVolume"), QStringLiteral("1000000"));
    // Another writer switches the store while the window is open.
    driver->settings().store(QString(), QString(), QStringLiteral("Imperial"));
    driver->press("Command1");
    QCOMPARE(driver->text("txtRVolume"), QStringLiteral("7500"));
    QCOMPARE(driver->text("lblUOM"), kMetres);
}

void PoolVolumeWindowTest::layout()
{
    // Where each control stands: tst_windowtables.
    const auto driver = Drive<PoolVolumeWindow>(QStringLiteral("Imperial"));
    QWidget* window = driver->window();
    for (const auto& [name, y] : {std::pair{"Line3", 72}, {"Line1", 160}, {"Line2", 248}}) {
        const auto* line = window->findChild<QFrame*>(name);
        QCOMPARE(line->frameShape(), QFrame::HLine);
        QCOMPARE(line->geometry().center().y(), y);
        QCOMPARE(line->width(), 456);
    }
    for (const char* button : {"Command1", "Command2", "Command3"})
        QCOMPARE(window->findChild<QPushButton*>(button)->text(), QStringLiteral("Calculate!"));

    const QFont heading = window->findChild<QLabel*>("Label1")->font();
    QVERIFY(heading.bold() && !heading.italic());
    QCOMPARE(heading.pointSizeF(), 18.0);
    for (const char* rowHeading : {"Label2", "Label10", "Label15"}) {
        const QFont font = window->findChild<QLabel*>(rowHeading)->font();
        QVERIFY2(font.bold() && !font.italic(), rowHeading);
        QCOMPARE(font.pointSizeF(), 8.25);
    }
    QVERIFY(!window->findChild<QLabel*>("Label3")->font().bold());
    for (const char* centred : {"Label1", "lblUOM", "lblRoundHt"})
        QVERIFY2(window->findChild<QLabel*>(centred)->alignment() & Qt::AlignHCenter, centred);
}

void PoolVolumeWindowTest::everyBoxIsATabStop()
{
    const auto driver = Drive<PoolVolumeWindow>(QStringLiteral("Imperial"));
    for (const QLineEdit* box : driver->window()->findChildren<QLineEdit*>())
        QVERIFY2(box->focusPolicy() == Qt::StrongFocus, qPrintable(box->objectName()));
}

QTEST_MAIN(PoolVolumeWindowTest)
#include "tst_poolvolumewindow.moc"
