// The program without a mouse: Enter in a white box presses its window's button, Escape
// loses nothing, and the menu opens from the keyboard.
#include "support/columns.h"
#include "support/keptwindowstestcase.h"
#include "ui/windowkeeper.h"
#include "ui/handlerrules.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <map>


namespace {

const QString kImperial = QStringLiteral("Imperial");

struct WhiteBoxes
{
    const char* window;
    WindowKind kind;
    const char* button;
    QStringList boxes;
};

// Every white box of the program and the button Enter in it presses.
const WhiteBoxes kWhiteBoxes[] = {
    {"main",
     WindowKind::Main,
     "Command1",
     {"txtGal", "txtChlorPerc", "txtQuantBleach", "txtPPMTarget"}},
    {"alkalinity", WindowKind::Alkalinity, "Command1", {"txtGal", "txtPPM"}},
    {"calcium", WindowKind::CalciumHardness, "Command1", {"txtGal", "txtPPM"}},
    {"cyanuric", WindowKind::CyanuricAcid, "Command1", {"txtGal", "txtPPM"}},
    {"pH", WindowKind::Ph, "Command1", {"txtGal"}},
    {"dilution", WindowKind::Dilution, "Command1", {"txtGal", "txtPr", "txtSr", "txtFr"}},
    {"borax", WindowKind::Borax, "Command1", {"txtGal", "txtNa2B4O7"}},
    {"volume", WindowKind::PoolVolume, "Command1", {"txtRLength", "txtRWidth", "txtRAvgDepth"}},
    {"volume", WindowKind::PoolVolume, "Command2", {"txtOLength", "txtOWidth", "txtOAvgDepth"}},
    {"volume", WindowKind::PoolVolume, "Command3", {"txtDiam", "txtDepth"}},
    {"salt", WindowKind::Salt, "Command1", {"txtGal", "txtSalt", "txtPPMInc"}},
    {"settings", WindowKind::Settings, "Command1", {"txtPoolSize", "txtBleachStrength"}},
    // Its index box is white and may be typed in too.
    {"saturation",
     WindowKind::SaturationIndex,
     "Command1",
     {"txtpH", "txtTemp", "txtCa", "txtTa", "txtSI"}},
};

} // namespace

class KeyboardTest : public KeptWindowsTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void enterPressesTheBoxsButton_data();
    void enterPressesTheBoxsButton();
    void enterInAGreyBoxPressesNothing_data();
    void enterInAGreyBoxPressesNothing();
    void enterCalculates();
    void escapeLosesNothing_data();
    void escapeLosesNothing();
    void menuOpensWithTheKeyboard_data();
    void menuOpensWithTheKeyboard();
};

void KeyboardTest::enterPressesTheBoxsButton_data()
{
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"box", "button"});
    for (const WhiteBoxes& row : kWhiteBoxes)
        for (const QString& box : row.boxes)
            QTest::addRow("%s %s", row.window, qPrintable(box))
                << row.kind << box << QString::fromLatin1(row.button);
}

void KeyboardTest::enterPressesTheBoxsButton()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, box);
    QFETCH(QString, button);

    QWidget* window = open(kind, kImperial);
    std::map<QString, std::unique_ptr<QSignalSpy>> presses;
    for (QPushButton* each : window->findChildren<QPushButton*>())
        presses[each->objectName()] = std::make_unique<QSignalSpy>(each, &QPushButton::clicked);
    auto* line = window->findChild<QLineEdit*>(box);
    QVERIFY(line != nullptr);
    QVERIFY2(!line->isReadOnly(), "a white box");

    QTest::keyClick(line, Qt::Key_Return);
    for (const auto& [name, spy] : presses)
        QCOMPARE(spy->count(), name == button ? 1 : 0);
}

void KeyboardTest::enterInAGreyBoxPressesNothing_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("box");
    QTest::newRow("main ppm") << WindowKind::Main << "txtPPM";
    QTest::newRow("main bleach required") << WindowKind::Main << "txtGalReq";
    QTest::newRow("calcium dihydrate") << WindowKind::CalciumHardness << "txtCaCl2";
    QTest::newRow("volume rectangular volume") << WindowKind::PoolVolume << "txtRVolume";
    QTest::newRow("dilution volume to drain") << WindowKind::Dilution << "txtVolDrain";
}

void KeyboardTest::enterInAGreyBoxPressesNothing()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, box);

    QWidget* window = open(kind, kImperial);
    auto* line = window->findChild<QLineEdit*>(box);
    QVERIFY(line != nullptr);
    QVERIFY(line->isReadOnly());
    QList<std::shared_ptr<QSignalSpy>> presses;
    for (QPushButton* each : window->findChildren<QPushButton*>())
        presses << std::make_shared<QSignalSpy>(each, &QPushButton::clicked);

    QTest::keyClick(line, Qt::Key_Return);
    for (const auto& spy : presses)
        QCOMPARE(spy->count(), 0);
    QCOMPARE(kept().feedback.beeps, 0);
}

void KeyboardTest::enterCalculates()
{
    // The press is the button's own: same checks, same result, same message on failure.
    QWidget* window = open(WindowKind::Alkalinity, kImperial);
    auto* ppm = window->findChild<QLineEdit*>(QStringLiteral("txtPPM"));
    QTest::keyClick(ppm, Qt::Key_Enter); // the keypad's Enter
    QCOMPARE(kept().feedback.warnings, QStringList{QString::fromLatin1(ui::kFillAllWhiteBoxes)});
    QTest::keyClicks(ppm, QStringLiteral("10"));
    QTest::keyClick(ppm, Qt::Key_Enter);
    QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txtOz"))->text(),
             QStringLiteral("2 pound(s) and 12 ounce(s)"));
}

void KeyboardTest::escapeLosesNothing_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("box");
    for (const WhiteBoxes& row : kWhiteBoxes)
        QTest::addRow("%s %s", row.window, qPrintable(row.boxes.first()))
            << row.kind << row.boxes.first();
}

void KeyboardTest::escapeLosesNothing()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, box);

    QWidget* window = open(kind, kImperial);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* line = window->findChild<QLineEdit*>(box);
    line->setFocus();
    QTest::keyClicks(line, QStringLiteral("12"));
    const QString typed = line->text();

    QTest::keyClick(line, Qt::Key_Escape);
    QTest::keyClick(window, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(kept().keeper.openWindow(kind), window);
    QVERIFY(window->isVisible());
    QCOMPARE(line->text(), typed);
    QCOMPARE(kept().feedback.beeps, 0);
    QVERIFY(kept().feedback.warnings.isEmpty());
}

void KeyboardTest::menuOpensWithTheKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Alt, as in every Qt program") << int(Qt::Key_Alt);
    QTest::newRow("F10, as on GNOME and KDE") << int(Qt::Key_F10);
}

void KeyboardTest::menuOpensWithTheKeyboard()
{
    QFETCH(int, key);

    auto* window = qobject_cast<QMainWindow*>(open(WindowKind::Main, kImperial));
    QVERIFY(window != nullptr);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* more = window->findChild<QMenu*>(QStringLiteral("man"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(window->menuBar()->activeAction(), more->menuAction());
    if (!more->isVisible()) // Alt only highlights the menu; Down opens it
        QTest::keyClick(window->menuBar(), Qt::Key_Down);
    QTRY_VERIFY(more->isVisible());

    // Down to the second entry, Alkalinity, and open it.
    if (more->activeAction() == nullptr)
        QTest::keyClick(more, Qt::Key_Down);
    QTest::keyClick(more, Qt::Key_Down);
    QCOMPARE(more->activeAction()->text(), QStringLiteral("Alkalinity"));
    QTest::keyClick(more, Qt::Key_Return);
    QTRY_VERIFY(kept().keeper.openWindow(WindowKind::Alkalinity) != nullptr);
    QVERIFY(!more->isVisible());
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
