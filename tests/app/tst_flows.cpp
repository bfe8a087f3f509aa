// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/defaults.h"
#include "support/keptwindowstestcase.h"
#include "support/windowchecks.h"
#include "ui/windowkeeper.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// How the windows meet: the keeper, the menu, and the Settings window's hand-over.
class FlowsTest : public KeptWindowsTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void menuEntryOpensOneWindow_data();
    void menuEntryOpensOneWindow();
    void closedWindowComesBackFresh();
    void settingsClosesEveryOtherWindow();
    void savingReopensAFreshMainWindow();
    void closingTheMainWindowLeavesTheOthers();
    void closingSettingsAloneEndsTheProgram();
    void nothingIsMadeBeforeItIsChosen();

private:
    static void choose(QWidget* mainWindow, const char* entry)
    {
        mainWindow->findChild<QAction*>(QLatin1String(entry))->trigger();
    }
};

void FlowsTest::cleanup()
{
    CloseEveryWindow(keeper());
    QCOMPARE(keeper().openCount(), 0);
    QCOMPARE(kept().feedback.errors, QStringList());
    endKeptWindows();
}

void FlowsTest::menuEntryOpensOneWindow_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("loaded"); // a box or caption the load step fills: "name=text"
    QTest::addColumn<QString>("box");    // a white box to type in
    struct Flow
    {
        WindowKind kind;
        const char* entry; // none where the window is not opened by an entry of its own here
        const char* loaded;
        const char* box;
    };
    const char* const poolSize = "txtGal=30000";
    const Flow flows[] = {
        {WindowKind::Main, nullptr, nullptr, nullptr}, // it holds the menu
        {WindowKind::About, "abt", "", ""},
        {WindowKind::Alkalinity, "alk", poolSize, "txtPPM"},
        {WindowKind::CalciumHardness, "CaHard", poolSize, "txtPPM"},
        {WindowKind::CyanuricAcid, "cyan", poolSize, "txtPPM"},
        {WindowKind::Ph, "ph", poolSize, "txtGal"},
        {WindowKind::Dilution, "dilution", "Label1=Pool Size (Gal.)", "txtPr"},
        {WindowKind::Borax, "borax", poolSize, "txtNa2B4O7"},
        {WindowKind::PoolVolume, "volume", "lblUOM=All Measurements in FEET, volumes in GALLONS",
         "txtDiam"},
        {WindowKind::Salt, "salt", poolSize, "txtSalt"},
        // Its entry closes the main window: the tests below follow it.
        {WindowKind::Settings, nullptr, nullptr, nullptr},
        {WindowKind::SaturationIndex, nullptr, nullptr, nullptr}, // its entry is switched off
    };
    ForEveryWindow(flows, [](const WindowRow& window, const Flow& flow) {
        if (flow.entry != nullptr)
            QTest::newRow(window.shortName)
                << QString::fromLatin1(flow.entry) << flow.kind << QString::fromLatin1(flow.loaded)
                << QString::fromLatin1(flow.box);
    });
}

// A menu choice opens its window loaded; a second choice raises it as it is.
void FlowsTest::menuEntryOpensOneWindow()
{
    QFETCH(QString, entry);
    QFETCH(WindowKind, kind);
    QFETCH(QString, loaded);
    QFETCH(QString, box);
    kept().settings.store(QStringLiteral("30000"), QString(), QStringLiteral("Imperial"));
    QWidget* main = keeper().show(WindowKind::Main);
    choose(main, qPrintable(entry));
    QWidget* window = keeper().openWindow(kind);
    QVERIFY(window != nullptr && window->isVisible());
    if (!loaded.isEmpty()) {
        const QStringList nameAndText = loaded.split(QLatin1Char('='));
        QCOMPARE(window->findChild<QWidget*>(nameAndText[0])->property("text").toString(),
                 nameAndText[1]);
    }
    QLineEdit* typedIn = box.isEmpty() ? nullptr : window->findChild<QLineEdit*>(box);
    QString typed;
    if (typedIn != nullptr) {
        QTest::keyClicks(typedIn, QStringLiteral("24"));
        typed = typedIn->text();
    }

    choose(main, qPrintable(entry));
    QCOMPARE(keeper().openWindow(kind), window);
    if (typedIn != nullptr)
        QCOMPARE(typedIn->text(), typed);
    QCOMPARE(keeper().openCount(), 2);
    QCOMPARE(keeper().show(WindowKind::Main), main);
}

void FlowsTest::closedWindowComesBackFresh()
{
    kept().settings.store(QStringLiteral("100"), QString(), QStringLiteral("Metric"));
    QWidget* main = keeper().show(WindowKind::Main);
    auto* pool = main->findChild<QLineEdit*>("txtGal");
    QTest::keyClicks(pool, QStringLiteral("99")); // over the stored size, selected at opening
    QCOMPARE(keeper().show(WindowKind::Main)->findChild<QLineEdit*>("txtGal")->text(),
             QStringLiteral("99")); // raised unchanged

    QPointer<QWidget> closed = main;
    main->close();
    QCOMPARE(keeper().openWindow(WindowKind::Main), nullptr);
    QWidget* fresh = keeper().show(WindowKind::Main);
    QVERIFY(fresh != closed.data() || closed.isNull());
    QCOMPARE(fresh->findChild<QLineEdit*>("txtGal")->text(), QStringLiteral("100"));
    QTRY_VERIFY(closed.isNull()); // the closed one is deleted
}

void FlowsTest::settingsClosesEveryOtherWindow()
{
    QSignalSpy ended(&keeper(), &WindowKeeper::lastWindowClosed);
    QWidget* main = keeper().show(WindowKind::Main);
    choose(main, "abt");
    for (const char* calculator : {"alk", "borax", "CaHard", "cyan", "ph", "salt"})
        choose(main, calculator);
    QCOMPARE(keeper().openCount(), 8);
    QPointer<QWidget> mainWindow = main;
    QPointer<QWidget> about = keeper().openWindow(WindowKind::About);
    QPointer<QWidget> salt = keeper().openWindow(WindowKind::Salt);
    QTest::keyClicks(salt->findChild<QLineEdit*>("txtSalt"), QStringLiteral("typed"));

    choose(main, "settings");
    QVERIFY(keeper().openWindow(WindowKind::Settings) != nullptr);
    QCOMPARE(keeper().openWindow(WindowKind::Main), nullptr);
    QCOMPARE(keeper().openWindow(WindowKind::About), nullptr);
    QCOMPARE(keeper().openCount(), 1);
    QTRY_VERIFY(mainWindow.isNull() && about.isNull() && salt.isNull());
    // Opened again, a calculator starts afresh: what was typed is gone.
    QCOMPARE(keeper().show(WindowKind::Salt)->findChild<QLineEdit*>("txtSalt")->text(), QString());
    QCOMPARE(ended.count(), 0); // the program goes on
}

void FlowsTest::savingReopensAFreshMainWindow()
{
    QWidget* main = keeper().show(WindowKind::Main);
    choose(main, "settings");
    QWidget* settings = keeper().openWindow(WindowKind::Settings);
    QTest::keyClicks(settings->findChild<QLineEdit*>("txtPoolSize"), QStringLiteral("abc"));
    QTest::keyClicks(settings->findChild<QLineEdit*>("txtBleachStrength"), QStringLiteral("8.25"));
    QTest::mouseClick(settings->findChild<QWidget*>("optImperial"), Qt::LeftButton);
    QTest::mouseClick(settings->findChild<QPushButton*>("Command1"), Qt::LeftButton);

    QCOMPARE(keeper().openWindow(WindowKind::Settings), nullptr);
    QWidget* reopened = keeper().openWindow(WindowKind::Main);
    QVERIFY(reopened != nullptr && reopened->isVisible());
    QCOMPARE(keeper().openCount(), 1);
    QCOMPARE(reopened->findChild<QLineEdit*>("txtGal")->text(), QStringLiteral("abc"));
    QCOMPARE(reopened->findChild<QLineEdit*>("txtChlorPerc")->text(), QStringLiteral("8.25"));
    QCOMPARE(reopened->findChild<QWidget*>("Label1")->property("text").toString(),
             QStringLiteral("Pool Size (Gal.)"));
}

void FlowsTest::closingTheMainWindowLeavesTheOthers()
{
    kept().settings.store(QStringLiteral("10000"), QString(), QStringLiteral("Imperial"));
    QSignalSpy ended(&keeper(), &WindowKeeper::lastWindowClosed);
    QWidget* main = keeper().show(WindowKind::Main);
    choose(main, "abt");
    choose(main, "alk");
    QPointer<QWidget> closedMain = main;
    main->close();
    QTRY_VERIFY(closedMain.isNull());

    QWidget* alkalinity = keeper().openWindow(WindowKind::Alkalinity);
    QVERIFY(alkalinity != nullptr && alkalinity->isVisible());
    QTest::keyClicks(alkalinity->findChild<QLineEdit*>("txtPPM"), QStringLiteral("10"));
    QTest::mouseClick(alkalinity->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(alkalinity->findChild<QLineEdit*>("txtOz")->text(),
             QStringLiteral("1 pound(s) and 6 ounce(s)"));
    QCOMPARE(ended.count(), 0);

    keeper().close(WindowKind::About);
    QCOMPARE(ended.count(), 0);
    alkalinity->close();
    QCOMPARE(ended.count(), 1);
}

void FlowsTest::closingSettingsAloneEndsTheProgram()
{
    kept().settings.store(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("Imperial"));
    QSignalSpy ended(&keeper(), &WindowKeeper::lastWindowClosed);
    QWidget* settings = keeper().show(WindowKind::Settings);
    QTest::keyClicks(settings->findChild<QLineEdit*>("txtPoolSize"), QStringLiteral("999"));
    settings->close();
    QCOMPARE(ended.count(), 1);
    QCOMPARE(kept().settings.read(defaults::kPoolSize), QStringLiteral("1")); // nothing stored
}

void FlowsTest::nothingIsMadeBeforeItIsChosen()
{
    keeper().show(WindowKind::Main);
    QCOMPARE(keeper().openCount(), 1);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows)
        QVERIFY2(!window->objectName().startsWith(QLatin1String("Form")) ||
                     window->objectName() == QLatin1String("Form1"),
                 qPrintable(window->objectName()));
}

QTEST_MAIN(FlowsTest)
#include "tst_flows.moc"
