// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowcatalog.h"
#include "support/columns.h"
#include "support/keptwindows.h"
#include "support/messages.h"
#include "support/windowdriver.h"
#include "support/windowtests.h"
#include "ui/saturationwindow.h"
#include "ui/windowkeeper.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// pH, temperature, calcium hardness and total alkalinity, top to bottom.
const QList<const char*> kReadings{"txtpH", "txtTemp", "txtCa", "txtTa"};

} // namespace

class SaturationWindowTest : public WindowTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void unreadable_data();
    void unreadable();
    void unitSystemIsReadAtEveryPress();

    void layout();
    void menuEntryIsSwitchedOff();
};

void SaturationWindowTest::unreadable_data()
{
    // clang-format off
    AddColumns<QString>({"pH", "temperature", "calcium", "alkalinity", "message", "firstFailure"});
    QTest::newRow("all empty: the temperature first")
        << "" << "" << "" << "" << message::kEmpty << "txtTemp";
    QTest::newRow("calcium before alkalinity")
        << "7" << "80" << "x" << "y" << message::NotANumber("x") << "txtCa";
    QTest::newRow("alkalinity before pH")
        << "p" << "80" << "100" << "y" << message::NotANumber("y") << "txtTa";
    QTest::newRow("pH last") << "" << "80" << "100" << "100" << message::kEmpty << "txtpH";
    QTest::newRow("a blank temperature")
        << "7" << " " << "100" << "100" << message::kBlank << "txtTemp";
    // clang-format on
}

void SaturationWindowTest::unreadable()
{
    QFETCH(QString, pH);
    QFETCH(QString, temperature);
    QFETCH(QString, calcium);
    QFETCH(QString, alkalinity);
    QFETCH(QString, message);
    QFETCH(QString, firstFailure);
    const auto driver = Drive<SaturationWindow>(QStringLiteral("Imperial"));
    driver->typeInto(kReadings, {pH, temperature, calcium, alkalinity});
    driver->setText("txtSI", QStringLiteral("old"));
    QCOMPARE(driver->pressRefused(), message);
    QCOMPARE(driver->window()->focusWidget()->objectName(), firstFailure);
}

void SaturationWindowTest::unitSystemIsReadAtEveryPress()
{
    const auto driver = Drive<SaturationWindow>(QStringLiteral("Imperial"));
    driver->typeInto(kReadings, {"7.6", "30", "400", "150"});
    driver->press();
    QCOMPARE(driver->text("txtSI"),
             QStringLiteral("-0.0999999999999996")); // 30 F: factor 0, unrounded
    // Another writer stores Metric while the window stays open: 30 is now 30 C, factor 0.7.
    driver->settings().store(QString(), QString(), QStringLiteral("Metric"));
    driver->press();
    QCOMPARE(driver->text("txtSI"), QStringLiteral("0.599999988079071"));
    QCOMPARE(driver->text("Label2"), QStringLiteral("Temp, Deg F"));
}

void SaturationWindowTest::layout()
{
    const auto driver = Drive<SaturationWindow>(QStringLiteral("Imperial"));
    QWidget* window = driver->window();
    QCOMPARE(window->findChild<QPushButton*>("Command1")->text(), QStringLiteral("Command1"));
    const auto geometry = [window](const char* name) {
        return window->findChild<QWidget*>(QLatin1String(name))->geometry();
    };

    auto* heading = window->findChild<QLabel*>("Label8");
    QVERIFY(heading->font().bold() && heading->font().italic());
    QCOMPARE(heading->font().pointSizeF(), 13.5);
    QVERIFY(heading->alignment() & Qt::AlignHCenter);
    QCOMPARE(geometry("Label8").width(), window->width());

    // Each label right-aligned at the left of its box, one reading per line.
    const std::pair<const char*, const char*> readings[] = {
        {"Label1", "txtpH"}, {"Label2", "txtTemp"}, {"Label3", "txtCa"}, {"Label4", "txtTa"}};
    int above = geometry("Label8").bottom();
    for (const auto& [label, box] : readings) {
        QVERIFY2(window->findChild<QLabel*>(label)->alignment() & Qt::AlignRight, label);
        QVERIFY2(geometry(label).right() < geometry(box).left(), label);
        QVERIFY2(geometry(label).top() == geometry(box).top(), label);
        QVERIFY2(geometry(box).top() > above, box);
        above = geometry(box).bottom();
    }
    // Then the index, then the button, lowest; all inside the window.
    QVERIFY(geometry("txtSI").top() > above);
    QVERIFY(geometry("Command1").top() > geometry("txtSI").bottom());
    for (const char* name : {"Label8", "txtpH", "txtTa", "txtSI", "Command1"})
        QVERIFY2(window->rect().contains(geometry(name)), name);

    for (const QLineEdit* box : window->findChildren<QLineEdit*>())
        QVERIFY2(box->focusPolicy() == Qt::StrongFocus, qPrintable(box->objectName()));
}

// The window is complete, but the user cannot reach it: its entry is there, switched off.
void SaturationWindowTest::menuEntryIsSwitchedOff()
{
    KeptWindows kept; // closes every window at the end
    RegisterWindows(kept.services);
    WindowKeeper& keeper = kept.keeper;
    QWidget* main = keeper.show(WindowKind::Main);
    auto* entry = main->findChild<QAction*>(QStringLiteral("satind"));
    QVERIFY(entry != nullptr);
    QCOMPARE(entry->text(), QStringLiteral("Saturation Index"));
    QVERIFY(!entry->isEnabled());
    entry->trigger();
    QCOMPARE(keeper.openWindow(WindowKind::SaturationIndex), nullptr);

    // Made through the keeper, as only code can, it is loaded like any other window.
    kept.settings.store(QString(), QString(), QStringLiteral("Imperial"));
    auto* window = qobject_cast<SaturationWindow*>(keeper.show(WindowKind::SaturationIndex));
    QVERIFY(window != nullptr);
    QCOMPARE(window->findChild<QLabel*>("Label2")->text(), QStringLiteral("Temp, Deg F"));
    QCOMPARE(keeper.show(WindowKind::SaturationIndex), window);
    QCOMPARE(kept.feedback.errors, QStringList());
}

QTEST_MAIN(SaturationWindowTest)
#include "tst_saturationwindow.moc"
