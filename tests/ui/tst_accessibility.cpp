// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears: every box named by its caption, in the caption's current words,
// and described in the words of its tooltip; buttons and menu entries without the ampersands of
// their captions.
#include "support/columns.h"
#include "support/keptwindowstestcase.h"
#include "ui/windowkeeper.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

QString AccessibleName(QObject* object, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QStringLiteral("(no accessible interface)");
}

QString AccessibleName(QWidget* window, const QString& name)
{
    auto* widget = window->findChild<QWidget*>(name);
    return widget ? AccessibleName(widget) : QStringLiteral("(no %1)").arg(name);
}

} // namespace

class AccessibilityTest : public KeptWindowsTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void everyBoxIsNamedAndDescribed_data();
    void everyBoxIsNamedAndDescribed();
    void names_data();
    void names();
    void nameFollowsTheUnitSystem_data();
    void nameFollowsTheUnitSystem();
    void buttons_data();
    void buttons();
    void menu();
};

void AccessibilityTest::everyBoxIsNamedAndDescribed_data()
{
    QTest::addColumn<WindowKind>("kind");
    for (const WindowRow& window : Windows())
        if (window.kind != WindowKind::About) // it has no box
            QTest::newRow(window.shortName) << window.kind;
}

void AccessibilityTest::everyBoxIsNamedAndDescribed()
{
    QFETCH(WindowKind, kind);
    QWidget* window = open(kind, QStringLiteral("Metric"));
    QList<QWidget*> boxes;
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        boxes << box;
    for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>())
        boxes << box;
    QVERIFY(!boxes.isEmpty());
    for (QWidget* box : boxes) {
        const QString name = AccessibleName(box);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(box->objectName() + " has no name"));
        QVERIFY2(!name.contains(QLatin1Char('&')), qPrintable(box->objectName() + ": " + name));
        // What the box holds, in the words the mouse finds in its tooltip.
        const QString description = AccessibleName(box, QAccessible::Description);
        QVERIFY2(!description.isEmpty(), qPrintable(box->objectName() + " is not described"));
        QCOMPARE(description, box->toolTip());
    }
}

void AccessibilityTest::names_data()
{
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"box", "name"});

    QTest::newRow("main: short bleach output") << WindowKind::Main << "txtGalReq"
                                               << "Bleach required";
    QTest::newRow("main: long bleach output shares the caption") << WindowKind::Main << "txtLongGal"
                                                                 << "Bleach required";
    QTest::newRow("main: caption with a hint") << WindowKind::Main << "txtChlorPerc"
                                               << "Chlorine Strength (enter 6% as 6)";
    QTest::newRow("main: grey output") << WindowKind::Main << "txtPPM"
                                       << "PPM Increase";
    QTest::newRow("calcium: dihydrate") << WindowKind::CalciumHardness << "txtCaCl2"
                                        << "Calcium Chloride Dihydrate";
    QTest::newRow("alkalinity: dose joins its two-part caption")
        << WindowKind::Alkalinity << "txtOz"
        << "RAISE with Sodium Bicarbonate";
    QTest::newRow("cyanuric: output") << WindowKind::CyanuricAcid << "txtCya"
                                      << "Cyanuric Acid";
    QTest::newRow("dilution: share to drain") << WindowKind::Dilution << "txtPercDrain"
                                              << "Percentage to drain";
    QTest::newRow("dilution: refill reading") << WindowKind::Dilution << "txtSr"
                                              << "Test reading of the refill water in PPM";
    QTest::newRow("volume: rectangular length") << WindowKind::PoolVolume << "txtRLength"
                                                << "Rectangular Length";
    QTest::newRow("volume: oval depth") << WindowKind::PoolVolume << "txtOAvgDepth"
                                        << "Oval Avg Depth";
    QTest::newRow("volume: round volume") << WindowKind::PoolVolume << "txtVolume"
                                          << "Round Volume";
    QTest::newRow("volume: round depth") << WindowKind::PoolVolume << "txtDepth"
                                         << "Round Depth";
    QTest::newRow("saturation: index named by the heading")
        << WindowKind::SaturationIndex << "txtSI"
        << "Langelier Saturation Index";
    QTest::newRow("settings: pool size") << WindowKind::Settings << "txtPoolSize"
                                         << "Default Pool Size";
    QTest::newRow("settings: bleach strength") << WindowKind::Settings << "txtBleachStrength"
                                               << "Default Bleach Strength";
}

void AccessibilityTest::names()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, box);
    QFETCH(QString, name);
    QCOMPARE(AccessibleName(open(kind, QStringLiteral("Imperial")), box), name);
}

void AccessibilityTest::nameFollowsTheUnitSystem_data()
{
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"box", "imperial", "metric"});

    QTest::newRow("main pool size") << WindowKind::Main << "txtGal"
                                    << "Pool Size (Gal.)"
                                    << "Pool Size (L)";
    QTest::newRow("main bleach quantity") << WindowKind::Main << "txtQuantBleach"
                                          << "Quantity of bleach (Gal.)"
                                          << "Quantity of bleach (L)";
    QTest::newRow("alkalinity pool size") << WindowKind::Alkalinity << "txtGal"
                                          << "Pool Size (Gal.)"
                                          << "Pool Size (L)";
    QTest::newRow("borax weight") << WindowKind::Borax << "txtNa2B4O7"
                                  << "Sodium Tetraborate Decahydrate (Oz.)"
                                  << "Sodium Tetraborate Decahydrate (k)";
    QTest::newRow("pH soda ash") << WindowKind::Ph << "txtNa2CO3"
                                 << "Sodium Carbonate (Oz)"
                                 << "Sodium Carbonate (g)";
    QTest::newRow("pH muriatic acid") << WindowKind::Ph << "txtHCl"
                                      << "Muriatic Acid 31% (Oz.)"
                                      << "Muriatic Acid 31% (ml)";
    QTest::newRow("salt to add") << WindowKind::Salt << "txtSalt"
                                 << "Pounds of salt"
                                 << "Kilos of salt";
    QTest::newRow("salt needed") << WindowKind::Salt << "txtLbsNeeded"
                                 << "Pounds of salt needed"
                                 << "Kilos of salt needed";
    QTest::newRow("dilution pool size") << WindowKind::Dilution << "txtGal"
                                        << "Pool Size (Gal.)"
                                        << "Pool Size (L)";
    QTest::newRow("saturation temperature") << WindowKind::SaturationIndex << "txtTemp"
                                            << "Temp, Deg F"
                                            << "Temp, Deg C";
}

void AccessibilityTest::nameFollowsTheUnitSystem()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, box);
    QFETCH(QString, imperial);
    QFETCH(QString, metric);

    QWidget* window = open(kind, QStringLiteral("Imperial"));
    QCOMPARE(AccessibleName(window, box), imperial);
    // The same window loaded again after another writer changed the unit system.
    kept().settings.store(QStringLiteral("20000"), QStringLiteral("6"), QStringLiteral("Metric"));
    dynamic_cast<LoadStep*>(window)->load();
    QCOMPARE(AccessibleName(window, box), metric);
}

void AccessibilityTest::buttons_data()
{
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"button", "name"});

    QTest::newRow("settings: one ampersand, read as a word") << WindowKind::Settings << "Command1"
                                                             << "Save & Close";
    QTest::newRow("main") << WindowKind::Main << "Command1"
                          << "Calculate";
    QTest::newRow("alkalinity") << WindowKind::Alkalinity << "Command1"
                                << "Calculate!";
    QTest::newRow("volume: oval row") << WindowKind::PoolVolume << "Command2"
                                      << "Calculate!";
    QTest::newRow("saturation: placeholder caption is not read")
        << WindowKind::SaturationIndex << "Command1"
        << "Calculate";
}

void AccessibilityTest::buttons()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, button);
    QFETCH(QString, name);
    QCOMPARE(AccessibleName(open(kind, QStringLiteral("Metric")), button), name);
}

void AccessibilityTest::menu()
{
    auto* window = qobject_cast<QMainWindow*>(open(WindowKind::Main, QStringLiteral("Metric")));
    QVERIFY(window != nullptr);
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(window->menuBar());
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->childCount(), 1);
    QCOMPARE(bar->child(0)->text(QAccessible::Name), QStringLiteral("More Calcs"));

    auto* more = window->findChild<QMenu*>(QStringLiteral("man"));
    QAccessibleInterface* entries = QAccessible::queryAccessibleInterface(more);
    QVERIFY(entries != nullptr);
    QStringList names;
    for (int i = 0; i < entries->childCount(); ++i)
        names << entries->child(i)->text(QAccessible::Name);
    QCOMPARE(names, (QStringList{"About", "Alkalinity", "Borax", "Calcium Hardness",
                                 "Cyanuric Acid", "Dilution", "Saturation Index", "pH",
                                 "Pool Volume", "Salt Calcs", "Settings"}));
    // The switched-off entry says so.
    QVERIFY(entries->child(6)->state().disabled);
    QVERIFY(!entries->child(5)->state().disabled);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
