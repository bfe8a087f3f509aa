// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program without a mouse: a window opens with its first box ready to be typed over,
// Enter in a white box presses its window's button, a refused press leaves the cursor in the
// box to fill, Escape loses nothing, and the menu opens from the keyboard.
#include "support/columns.h"
#include "support/keptwindowstestcase.h"
#include "support/keyboardandnames.h"
#include "support/messages.h"
#include "ui/windowkeeper.h"

#include <QApplication>
#include <QJsonObject>
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

} // namespace

class KeyboardTest : public KeptWindowsTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void opensReadyToTypeOver_data();
    void opensReadyToTypeOver();
    void refusedPressGoesToTheFirstEmptyBox_data();
    void refusedPressGoesToTheFirstEmptyBox();
    void everyWhiteBoxIsListed_data();
    void everyWhiteBoxIsListed();
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

void KeyboardTest::opensReadyToTypeOver_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("box");
    // The first white box in tab order; most hold the stored pool size.
    ForEveryWindow(keys::Enter(), [](const WindowRow& window, const keys::EnterBoxes& row) {
        if (row.button == QLatin1String("Command1"))
            QTest::newRow(window.shortName) << row.kind << row.boxes.first();
    });
}

void KeyboardTest::opensReadyToTypeOver()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, box);
    QWidget* window = open(kind, kImperial);
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* first = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(first != nullptr);
    QCOMPARE(first->objectName(), box);
    QCOMPARE(first->selectedText(), first->text());

    QTest::keyClicks(first, QStringLiteral("35"));
    QCOMPARE(first->text(), QStringLiteral("35"));
}

void KeyboardTest::refusedPressGoesToTheFirstEmptyBox_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("button");
    // boxes: what the white boxes hold before the press; empty: where the cursor goes.
    QTest::addColumn<QJsonObject>("boxes");
    QTest::addColumn<QString>("empty");
    for (const keys::Refusal& row : keys::Refusals())
        QTest::newRow(row.tag.constData()) << row.kind << row.button << row.boxes << row.empty;
}

void KeyboardTest::refusedPressGoesToTheFirstEmptyBox()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, button);
    QFETCH(QJsonObject, boxes);
    QFETCH(QString, empty);
    QWidget* window = open(kind, kImperial);
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (auto it = boxes.begin(); it != boxes.end(); ++it)
        window->findChild<QLineEdit*>(it.key())->setText(it.value().toString());
    auto* press = window->findChild<QPushButton*>(button);
    press->setFocus();

    QTest::keyClick(press, Qt::Key_Space);
    QCOMPARE(kept().feedback.warnings.size(), 1);
    QVERIFY(QApplication::focusWidget() != nullptr);
    QCOMPARE(QApplication::focusWidget()->objectName(), empty);
}

void KeyboardTest::everyWhiteBoxIsListed_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QStringList>("listed");
    const std::vector<keys::EnterBoxes> enter = keys::Enter();
    ForEveryWindow(enter, [&enter](const WindowRow& window, const keys::EnterBoxes& row) {
        if (row.button != QLatin1String("Command1"))
            return;
        QStringList listed;
        for (const keys::EnterBoxes& other : enter)
            if (other.kind == row.kind)
                listed += other.boxes;
        listed.sort();
        QTest::newRow(window.shortName) << row.kind << listed;
    });
}

// Each button is wired to the boxes its window names; a white box left out of them would
// press nothing, so every white box must be in the table of Enter boxes, whose rows are tested
// below.
void KeyboardTest::everyWhiteBoxIsListed()
{
    QFETCH(WindowKind, kind);
    QFETCH(QStringList, listed);
    QWidget* window = open(kind, kImperial);
    QStringList white;
    for (const QLineEdit* box : window->findChildren<QLineEdit*>())
        if (!box->isReadOnly())
            white << box->objectName();
    white.sort();
    QCOMPARE(white, listed);
}

void KeyboardTest::enterPressesTheBoxsButton_data()
{
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"box", "button"});
    ForEveryWindow(keys::Enter(), [](const WindowRow& window, const keys::EnterBoxes& row) {
        for (const QString& box : row.boxes)
            QTest::addRow("%s %s", window.shortName, qPrintable(box))
                << row.kind << box << row.button;
    });
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
    QCOMPARE(kept().feedback.warnings, QStringList{message::kFillAllWhiteBoxes});
    QTest::keyClicks(ppm, QStringLiteral("10"));
    QTest::keyClick(ppm, Qt::Key_Enter);
    QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txtOz"))->text(),
             QStringLiteral("2 pound(s) and 12 ounce(s)"));
}

void KeyboardTest::escapeLosesNothing_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("box");
    ForEveryWindow(keys::Enter(), [](const WindowRow& window, const keys::EnterBoxes& row) {
        if (!row.boxes.isEmpty())
            QTest::addRow("%s %s", window.shortName, qPrintable(row.boxes.first()))
                << row.kind << row.boxes.first();
    });
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
