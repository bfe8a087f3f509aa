#include "app/windowcatalog.h"
#include "support/windowtests.h"
#include "support/fakestore.h"
#include "support/windowchecks.h"
#include "support/keptwindows.h"
#include "support/windowdriver.h"
#include "ui/dilutionwindow.h"
#include "ui/windowkeeper.h"
#include "ui/handlerrules.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kWhiteBoxes = QString::fromLatin1(ui::kFillAllWhiteBoxes);
const QString kSameReadings = QStringLiteral(
    "The share to drain cannot be worked out when the refill water reads the same as the pool.");
const QString kTooLarge = QStringLiteral(
    "The result is too large to be worked out. Please check the figures in the white boxes.");
const QString kNotANumber =
    QStringLiteral("\"%1\" is not a number. Please enter a number before hitting calculate!");

std::unique_ptr<WindowDriver> Open(const QString& uom = QStringLiteral("Imperial"))
{
    auto driver = Drive<DilutionWindow>(uom);
    driver->setText("txtPercDrain", QStringLiteral("old"));
    driver->setText("txtVolDrain", QStringLiteral("old"));
    return driver;
}

void TypeReadings(WindowDriver& driver, const QString& poolSize, const QString& pool,
                  const QString& refill, const QString& wanted)
{
    driver.type("txtGal", poolSize);
    driver.type("txtPr", pool);
    driver.type("txtSr", refill);
    driver.type("txtFr", wanted);
}

QString Outputs(const WindowDriver& driver)
{
    return driver.text("txtPercDrain") + '|' + driver.text("txtVolDrain");
}

} // namespace

class DilutionWindowTest : public WindowTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void loadStep_data();
    void loadStep();
    void calculate_data();
    void calculate();
    void refused_data();
    void refused();
    void shareIsWrittenBeforeThePoolSizeIsRead_data();
    void shareIsWrittenBeforeThePoolSizeIsRead();
    void noSettingIsReadOnCalculate();

    void layout();
    void tabOrder();
    void menuEntryOpensOneWindow();
};

void DilutionWindowTest::loadStep_data()
{
    QTest::addColumn<QString>("uom");
    QTest::addColumn<QString>("poolSize");
    QTest::addColumn<QString>("caption");
    QTest::newRow("imperial") << "Imperial" << "20000" << "Pool Size (Gal.)";
    QTest::newRow("metric") << "Metric" << "75000" << "Pool Size (L)";
    QTest::newRow("never stored") << "" << "" << "Pool Size (L)";
    QTest::newRow("pool size kept as stored") << "IMPERIAL" << " 12,500 gal " << "Pool Size (L)";
}

void DilutionWindowTest::loadStep()
{
    QFETCH(QString, uom);
    QFETCH(QString, poolSize);
    QFETCH(QString, caption);
    const auto driver = Drive<DilutionWindow>(uom, poolSize);
    QCOMPARE(driver->text("Label1"), caption);
    QCOMPARE(driver->text("txtGal"), poolSize);
    for (const char* empty : {"txtPr", "txtSr", "txtFr", "txtPercDrain", "txtVolDrain"})
        QCOMPARE(driver->text(empty), QString());
}

void DilutionWindowTest::calculate_data()
{
    QTest::addColumn<QString>("uom");
    QTest::addColumn<QString>("poolSize");
    QTest::addColumn<QString>("pool");
    QTest::addColumn<QString>("refill");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("outputs"); // txtPercDrain|txtVolDrain
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
    TypeReadings(*driver, poolSize, pool, refill, wanted);
    driver->press();
    QCOMPARE(Outputs(*driver), outputs);
    QCOMPARE(driver->feedback().beeps, 0);
    QCOMPARE(driver->feedback().warnings, QStringList());
}

void DilutionWindowTest::refused_data()
{
    QTest::addColumn<QString>("poolSize");
    QTest::addColumn<QString>("pool");
    QTest::addColumn<QString>("refill");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("message");
    QTest::newRow("no pool size") << "" << "100" << "0" << "75" << kWhiteBoxes;
    QTest::newRow("no pool reading") << "20000" << "" << "0" << "75" << kWhiteBoxes;
    QTest::newRow("no refill reading") << "20000" << "100" << "" << "75" << kWhiteBoxes;
    QTest::newRow("no wanted reading") << "20000" << "100" << "0" << "" << kWhiteBoxes;
    QTest::newRow("empty, and another box unreadable") << "" << "x" << "0" << "75" << kWhiteBoxes;
    QTest::newRow("refill reads as the pool") << "20000" << "50" << "50" << "20" << kSameReadings;
    QTest::newRow("all three the same, 0 / 0") << "20000" << "50" << "50" << "50" << kSameReadings;
    QTest::newRow("pool reading unreadable")
        << "20000" << "lots" << "0" << "75" << kNotANumber.arg("lots");
    QTest::newRow("wanted met before refill")
        << "20000" << "100" << "r" << "w" << kNotANumber.arg("w");
    QTest::newRow("share beyond a double") << "20000" << "1e308" << "0" << "-1e308" << kTooLarge;
}

void DilutionWindowTest::refused()
{
    QFETCH(QString, poolSize);
    QFETCH(QString, pool);
    QFETCH(QString, refill);
    QFETCH(QString, wanted);
    QFETCH(QString, message);
    const auto driver = Open();
    TypeReadings(*driver, poolSize, pool, refill, wanted);
    const QStringList before = driver->boxTexts();
    driver->press();
    QCOMPARE(driver->feedback().beeps, 1);
    QCOMPARE(driver->feedback().warnings, QStringList{message});
    QCOMPARE(driver->boxTexts(), before);
}

// The one press that changes a box and still complains: the share is shown, the volume kept.
void DilutionWindowTest::shareIsWrittenBeforeThePoolSizeIsRead_data()
{
    QTest::addColumn<QString>("poolSize");
    QTest::addColumn<QString>("message");
    QTest::newRow("pool size unreadable") << "big" << kNotANumber.arg("big");
    QTest::newRow("pool size a blank")
        << " "
        << "A box holds only blanks, which is not a number. Please enter a number before "
           "hitting calculate!";
    QTest::newRow("volume beyond a double") << "1e308" << kTooLarge;
}

void DilutionWindowTest::shareIsWrittenBeforeThePoolSizeIsRead()
{
    QFETCH(QString, poolSize);
    QFETCH(QString, message);
    const auto driver = Open();
    TypeReadings(*driver, QStringLiteral("1000"), QStringLiteral("100"), QStringLiteral("0"),
                 QStringLiteral("75"));
    driver->press();
    QCOMPARE(Outputs(*driver), QStringLiteral("0.25|250"));
    driver->type("txtGal", poolSize);
    driver->type("txtFr", QStringLiteral("-100"));
    driver->press();
    QCOMPARE(Outputs(*driver), QStringLiteral("2|250"));
    QCOMPARE(driver->feedback().beeps, 1);
    QCOMPARE(driver->feedback().warnings, QStringList{message});
}

void DilutionWindowTest::noSettingIsReadOnCalculate()
{
    const auto driver = Open(QStringLiteral("Metric"));
    TypeReadings(*driver, QStringLiteral("20000"), QStringLiteral("100"), QStringLiteral("0"),
                 QStringLiteral("75"));
    FakeStore broken; // any read would fail with a settings error
    broken.openResult = SettingsStore::kAccessDenied;
    driver->settings().divertTo(&broken);
    driver->press();
    driver->settings().divertTo(nullptr);
    QCOMPARE(Outputs(*driver), QStringLiteral("0.25|5000"));
    QCOMPARE(broken.calls.size(), std::size_t{0});
    QCOMPARE(driver->feedback().errors, QStringList());
}

void DilutionWindowTest::layout()
{
    for (const char* uom : {"Imperial", "Metric"}) {
        const auto driver = Drive<DilutionWindow>(QLatin1String(uom));
        QWidget* window = driver->window();
        QCOMPARE(window->objectName(), QStringLiteral("Form7"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Dilution Calcs"));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!window->windowIcon().isNull());
        const QStringList clipped = ClippedLabels(window);
        QVERIFY2(clipped.isEmpty(), qPrintable(QLatin1String(uom) + ": " + clipped.join("; ")));
    }
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
    for (const char* name : {"txtPercDrain", "txtVolDrain"}) {
        const auto* output = window->findChild<QLineEdit*>(name);
        QVERIFY2(IsGrey(output) && output->isReadOnly(), name);
    }
    for (const char* name : {"txtGal", "txtPr", "txtSr", "txtFr"}) {
        const auto* input = window->findChild<QLineEdit*>(name);
        QVERIFY2(!IsGrey(input) && !input->isReadOnly(), name);
    }
}

void DilutionWindowTest::tabOrder()
{
    const auto driver = Drive<DilutionWindow>(QStringLiteral("Imperial"));
    QWidget* window = driver->window();
    QCOMPARE(TabOrder(window, window->findChild<QWidget*>("txtGal"), 7),
             (QStringList{"txtGal", "txtPr", "txtSr", "txtFr", "txtPercDrain", "txtVolDrain",
                          "Command1", "txtGal"}));
}

void DilutionWindowTest::menuEntryOpensOneWindow()
{
    KeptWindows kept; // closes every window at the end
    kept.settings.store(QStringLiteral("30000"), QString(), QStringLiteral("Imperial"));
    RegisterWindows(kept.services);
    WindowKeeper& keeper = kept.keeper;
    QWidget* main = keeper.show(WindowKind::Main);
    auto* entry = main->findChild<QAction*>(QStringLiteral("dilution"));
    QVERIFY(entry != nullptr);
    QCOMPARE(entry->text(), QStringLiteral("Dilution"));
    QVERIFY(entry->isEnabled());

    entry->trigger();
    auto* window = qobject_cast<DilutionWindow*>(keeper.openWindow(WindowKind::Dilution));
    QVERIFY(window != nullptr && window->isVisible());
    QCOMPARE(window->findChild<QLineEdit*>("txtGal")->text(), QStringLiteral("30000"));
    QCOMPARE(window->findChild<QLabel*>("Label1")->text(), QStringLiteral("Pool Size (Gal.)"));
    QTest::keyClicks(window->findChild<QLineEdit*>("txtPr"), QStringLiteral("90"));
    entry->trigger();
    QCOMPARE(keeper.openWindow(WindowKind::Dilution), window);
    QCOMPARE(window->findChild<QLineEdit*>("txtPr")->text(), QStringLiteral("90"));
    QCOMPARE(keeper.openCount(), 2);
    QCOMPARE(kept.feedback.errors, QStringList());
}

QTEST_MAIN(DilutionWindowTest)
#include "tst_dilutionwindow.moc"
