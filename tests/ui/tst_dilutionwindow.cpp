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

const QString kSameReadings = QStringLiteral(
    "The share to drain cannot be worked out when the refill water reads the same as the pool.");

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
    void calculate_data();
    void calculate();
    void refused_data();
    void refused();
    void shareIsWrittenBeforeThePoolSizeIsRead_data();
    void shareIsWrittenBeforeThePoolSizeIsRead();
    void noSettingIsReadOnCalculate();

    void layout();
};

void DilutionWindowTest::calculate_data()
{
    // clang-format off
    // outputs: txtPercDrain|txtVolDrain
    AddColumns<QString>({"uom", "poolSize", "pool", "refill", "wanted", "outputs"});
    QTest::newRow("a quarter shows 0.25, not 25")
        << "Imperial" << "20000" << "100" << "0" << "75" << "0.25|5000";
    QTest::newRow("the same in litres")
        << "Metric" << "20000" << "100" << "0" << "75" << "0.25|5000";
    QTest::newRow("volume from the unrounded share")
        << "Imperial" << "10000" << "90" << "0" << "60" << "0.33|3333";
    QTest::newRow("refill water has some")
        << "Metric" << "25000" << "4000" << "200" << "1000" << "0.79|19737";
    QTest::newRow("share half rounds to even")
        << "Imperial" << "1000" << "8" << "0" << "7" << "0.12|125";
    QTest::newRow("volume half rounds to even")
        << "Imperial" << "5" << "2" << "0" << "1" << "0.5|2";
    QTest::newRow("wanted above the pool: negative")
        << "Imperial" << "10000" << "50" << "0" << "80" << "-0.6|-6000";
    QTest::newRow("already there") << "Imperial" << "10000" << "50" << "10" << "50" << "0|0";
    QTest::newRow("blanks around the numbers")
        << "Imperial" << " 20000" << "100 " << " 0 " << "75" << "0.25|5000";
    // clang-format on
}

void DilutionWindowTest::calculate()
{
    QFETCH(QString, uom);
    QFETCH(QString, poolSize);
    QFETCH(QString, pool);
    QFETCH(QString, refill);
    QFETCH(QString, wanted);
    QFETCH(QString, outputs);
    const auto driver = Open(uom);
    driver->typeInto(kReadings, {poolSize, pool, refill, wanted});
    driver->press();
    QCOMPARE(Outputs(*driver), outputs);
    QCOMPARE(driver->feedback().heard(), QStringList());
}

void DilutionWindowTest::refused_data()
{
    // clang-format off
    AddColumns<QString>({"poolSize", "pool", "refill", "wanted", "message"});
    const QString& fill = message::kFillAllWhiteBoxes;
    QTest::newRow("no pool size") << "" << "100" << "0" << "75" << fill;
    QTest::newRow("no pool reading") << "20000" << "" << "0" << "75" << fill;
    QTest::newRow("no refill reading") << "20000" << "100" << "" << "75" << fill;
    QTest::newRow("no wanted reading") << "20000" << "100" << "0" << "" << fill;
    QTest::newRow("empty, and another box unreadable") << "" << "x" << "0" << "75" << fill;
    QTest::newRow("refill reads as the pool") << "20000" << "50" << "50" << "20" << kSameReadings;
    QTest::newRow("all three the same, 0 / 0") << "20000" << "50" << "50" << "50" << kSameReadings;
    QTest::newRow("pool reading unreadable")
        << "20000" << "lots" << "0" << "75" << message::NotANumber("lots");
    QTest::newRow("wanted met before refill")
        << "20000" << "100" << "r" << "w" << message::NotANumber("w");
    QTest::newRow("share beyond a double")
        << "20000" << "1e308" << "0" << "-1e308" << message::kTooLarge;
    // clang-format on
}

void DilutionWindowTest::refused()
{
    QFETCH(QString, poolSize);
    QFETCH(QString, pool);
    QFETCH(QString, refill);
    QFETCH(QString, wanted);
    QFETCH(QString, message);
    const auto driver = Open();
    driver->typeInto(kReadings, {poolSize, pool, refill, wanted});
    QCOMPARE(driver->pressRefused(), message);
}

// The one press that changes a box and still complains: the share is shown, the volume kept.
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
