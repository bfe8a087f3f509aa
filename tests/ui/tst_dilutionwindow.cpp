// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/columns.h"
#include "support/messages.h"
#include "support/windowdriver.h"
#include "support/windowtests.h"
#include "ui/dilutionwindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

std::unique_ptr<WindowDriver> Open(const QString& uom = QStringLiteral("Imperial"))
{
    auto driver = Drive<DilutionWindow>(uom);
    driver->setText("txtPercDrain", QStringLiteral("old"));
    driver->setText("txtVolDrain", QStringLiteral("old"));
    return driver;
}

// The white boxes: the pool size, the pool's and the refill water's readings, the level wanted.
const QList<const char*> kReadings{"txtGal", "txtPr", "txtSr", "txtFr"};

QString Outputs(const WindowDriver& driver)
{
    return driver.text("txtPercDrain") + '|' + driver.text("txtVolDrain");
}

} // namespace

class DilutionWindowTest : public WindowTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void shareIsWrittenBeforeThePoolSizeIsRead_data();
    void shareIsWrittenBeforeThePoolSizeIsRead();
    void noSettingIsReadOnCalculate();

    void layout();
};

void DilutionWindowTest::shareIsWrittenBeforeThePoolSizeIsRead_data()
{
    AddColumns<QString>({"poolSize", "message"});
    QTest::newRow("pool size unreadable") << "big" << message::NotANumber("big");
    QTest::newRow("pool size a blank") << " " << message::kBlank;
    QTest::newRow("volume beyond a double") << "1e308" << message::kTooLarge;
}

void DilutionWindowTest::shareIsWrittenBeforeThePoolSizeIsRead()
{
    QFETCH(QString, poolSize);
    QFETCH(QString, message);
    const auto driver = Open();
    driver->typeInto(kReadings, {"1000", "100", "0", "75"});
    driver->press();
    QCOMPARE(Outputs(*driver), QStringLiteral("0.25|250"));
    driver->type("txtGal", poolSize);
    driver->type("txtFr", QStringLiteral("-100"));
    driver->press();
    QCOMPARE(Outputs(*driver), QStringLiteral("2|250"));
    QCOMPARE(driver->feedback().heard(), (QStringList{"beep", message}));
}

void DilutionWindowTest::noSettingIsReadOnCalculate()
{
    const auto driver = Open(QStringLiteral("Metric"));
    driver->typeInto(kReadings, {"20000", "100", "0", "75"});
    // A folder in the settings file's place: any read would now fail with a settings error.
    const QString file = driver->settings().filePath();
    QVERIFY(QFile::remove(file) && QDir().mkpath(file));
    driver->press();
    QCOMPARE(Outputs(*driver), QStringLiteral("0.25|5000"));
    QCOMPARE(driver->feedback().heard(), QStringList());
}

void DilutionWindowTest::layout()
{
    const auto driver = Drive<DilutionWindow>(QStringLiteral("Imperial"));
    QWidget* window = driver->window();
    const auto geometry = [window](const char* name) {
        return window->findChild<QWidget*>(QLatin1String(name))->geometry();
    };

    auto* heading = window->findChild<QLabel*>("Label2");
    QCOMPARE(heading->text(), QStringLiteral("Dilution Calcs"));
    QVERIFY(heading->font().bold() && heading->font().italic());
    QCOMPARE(heading->font().pointSizeF(), 18.0);
    QVERIFY(heading->alignment() & Qt::AlignHCenter);
    QCOMPARE(geometry("Label2").left(), 0);
    QCOMPARE(geometry("Label2").width(), window->width());
    QCOMPARE(window->findChild<QPushButton*>("Command1")->text(), QStringLiteral("Calculate!"));

    // One line each, top to bottom, each label at the left of its box and level with it.
    const std::pair<const char*, const char*> lines[] = {
        {"Label1", "txtGal"},      {"Label3", "txtPr"},        {"Label4", "txtSr"},
        {"Label5", "txtFr"},       {"Label6", "txtPercDrain"}, {nullptr, "Label8"},
        {"Label7", "txtVolDrain"}, {nullptr, "Command1"}};
    int above = geometry("Label2").bottom();
    for (const auto& [label, control] : lines) {
        const QRect box = geometry(control);
        QVERIFY2(box.top() > above, control);
        above = box.bottom();
        if (label != nullptr) {
            QVERIFY2(geometry(label).right() < box.left(), label);
            QVERIFY2(geometry(label).top() == box.top(), label);
        }
        QVERIFY2(window->rect().contains(box), control);
    }
    // The alternatives stand one above the other, "- OR -" between them.
    QCOMPARE(geometry("Label8").center().x(), geometry("txtPercDrain").center().x());
    QVERIFY(geometry("Label8").bottom() < geometry("txtVolDrain").top());
}

QTEST_MAIN(DilutionWindowTest)
#include "tst_dilutionwindow.moc"
