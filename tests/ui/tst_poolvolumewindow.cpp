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

} // namespace

class PoolVolumeWindowTest : public WindowTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void unitSystemIsReadAtEveryPress();

    void layout();
    void everyBoxIsATabStop();
};

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
