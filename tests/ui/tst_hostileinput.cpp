// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "calc/conversions.h"
#include "support/keptwindowstestcase.h"
#include "support/windowdriver.h"
#include "support/windowtests.h"
#include "ui/alkalinitywindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <map>

// Every white box of every calculator window against texts a person should not type but
// might: the program never crashes, never shows inf, nan or -0, and either writes what the
// same figure typed plainly would give or refuses with a warning and changes no box.
namespace {

struct WindowCase
{
    const char* name;
    WindowDriver::Make make;
    // A valid figure for each white box, so that only the hostile box can go wrong.
    std::map<QString, QString> valid;
    // A box the window writes before it meets a pool size it cannot read.
    const char* writtenFirst = nullptr;
};

// What each window of the program's table needs here. Only the calculators are tried.
struct Expected
{
    WindowKind kind;
    bool calculator;
    std::map<QString, QString> valid;
    const char* writtenFirst = nullptr;
};

const Expected kExpected[] = {
    {WindowKind::Main,
     true,
     {{"txtGal", "10000"}, {"txtChlorPerc", "6"}, {"txtQuantBleach", "1"}, {"txtPPMTarget", "2"}}},
    {WindowKind::About, false, {}},
    {WindowKind::Alkalinity, true, {}},
    {WindowKind::CalciumHardness, true, {}},
    {WindowKind::CyanuricAcid, true, {}},
    {WindowKind::Ph, true, {}},
    {WindowKind::Dilution,
     true,
     {{"txtGal", "20000"}, {"txtPr", "5"}, {"txtSr", "0"}, {"txtFr", "3"}},
     "txtPercDrain"},
    {WindowKind::Borax, true, {}},
    {WindowKind::PoolVolume, true, {}},
    {WindowKind::Salt, true, {}},
    {WindowKind::Settings, false, {}},
    {WindowKind::SaturationIndex,
     true,
     {{"txtpH", "7.5"}, {"txtTemp", "80"}, {"txtCa", "300"}, {"txtTa", "100"}, {"txtSI", ""}}},
};

// The windows tried, made as the program makes them; filled by the rows.
std::vector<WindowCase>& Cases()
{
    static std::vector<WindowCase> cases;
    return cases;
}

QStringList HostileTexts()
{
    return {QString(),
            QStringLiteral(" "),
            QStringLiteral("abc"),
            QStringLiteral("1e400"),
            QStringLiteral("-1e308"),
            QStringLiteral("1e308"),
            QStringLiteral("1e-320"),
            QStringLiteral("nan"),
            QStringLiteral("inf"),
            QStringLiteral("-inf"),
            QStringLiteral("0x10"),
            QStringLiteral("1,5"),
            QStringLiteral("1.5"),
            QStringLiteral("1 000"),
            QStringLiteral("1234567"),
            QString(10000, QLatin1Char('9')),
            QString::fromUtf8("\u0661\u0662"), // Arabic-Indic digits
            QString::fromUtf8("\u0967\u0968"), // Devanagari digits
            QString::fromUtf8("\uff11\uff12"), // full-width digits
            QStringLiteral("-"),
            QStringLiteral("."),
            QStringLiteral("+"),
            QStringLiteral("1e"),
            QStringLiteral("--1"),
            QStringLiteral("0"),
            QStringLiteral("-0"),
            QStringLiteral("\t5"),
            QStringLiteral("5%")};
}

void Fill(WindowDriver& driver, const WindowCase& window)
{
    for (QLineEdit* box : driver.window()->findChildren<QLineEdit*>()) {
        const auto valid = window.valid.find(box->objectName());
        if (box->isReadOnly())
            box->setText(QStringLiteral("old"));
        else
            box->setText(valid != window.valid.end() ? valid->second : QStringLiteral("3"));
    }
}

QStringList Without(QStringList boxes, const QString& name)
{
    boxes.removeIf([&](const QString& box) { return box.startsWith(name + '='); });
    return boxes;
}

} // namespace

class HostileInputTest : public WindowTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void everyWhiteBox_data();
    void everyWhiteBox();
    void decimalCommaLocale();
};

void HostileInputTest::cleanup()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void HostileInputTest::everyWhiteBox_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("window");
    Cases().clear();
    ForEveryWindow(kExpected, [](const WindowRow& row, const Expected& expected) {
        if (!expected.calculator)
            return;
        const auto make = [make = row.make](const WindowServices& services) {
            return std::unique_ptr<QWidget>(make(services));
        };
        Cases().push_back({row.shortName, make, expected.valid, expected.writtenFirst});
    });
    for (const char* locale : {"en_US", "de_DE"})
        for (int window = 0; window < static_cast<int>(Cases().size()); ++window)
            QTest::addRow("%s %s", locale, Cases()[window].name) << locale << window;
}

void HostileInputTest::everyWhiteBox()
{
    QFETCH(QString, locale);
    QFETCH(int, window);
    QLocale::setDefault(QLocale(locale));
    const WindowCase& subject = Cases()[window];
    const QRegularExpression shownWrong(QStringLiteral("inf|nan|(?<![\\d.,])-0(?![\\d.,])"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression groupSeparator(QStringLiteral("\\d,\\d\\d\\d(?!\\d)"));

    int tried = 0;
    const auto probe = WindowDriver(subject.make, QStringLiteral("Imperial"));
    QStringList whiteBoxes, buttons;
    for (const QLineEdit* box : probe.window()->findChildren<QLineEdit*>())
        if (!box->isReadOnly())
            whiteBoxes << box->objectName();
    for (const QPushButton* button : probe.window()->findChildren<QPushButton*>())
        buttons << button->objectName();
    // A window whose boxes or buttons are not found would pass having pressed nothing.
    QVERIFY2(!whiteBoxes.isEmpty(), "no white box to type into");
    QVERIFY2(!buttons.isEmpty(), "no button to press");

    for (const QString& boxName : whiteBoxes) {
        const QByteArray box = boxName.toLatin1();
        for (const QString& hostile : HostileTexts()) {
            for (const QString& button : buttons) {
                ++tried;
                const QString where =
                    QStringLiteral("%1 %2 <- \"%3\" (%4)")
                        .arg(QLatin1String(subject.name), boxName, hostile.left(20), button);
                WindowDriver driver(subject.make, QStringLiteral("Imperial"));
                Fill(driver, subject);
                driver.setText(box, hostile);
                const QStringList before = driver.boxTexts();
                driver.press(button.toLatin1());
                const QStringList after = driver.boxTexts();

                for (const QString& text : Without(after, boxName)) {
                    QVERIFY2(!shownWrong.match(text).hasMatch(), qPrintable(where + ": " + text));
                    if (locale == QLatin1String("en_US"))
                        QVERIFY2(!groupSeparator.match(text).hasMatch(),
                                 qPrintable(where + ": " + text));
                }
                if (!driver.feedback().warnings.isEmpty()) {
                    QCOMPARE(driver.feedback().warnings.size(), 1);
                    QCOMPARE(driver.feedback().beeps, 1);
                    QStringList kept = before, now = after;
                    if (subject.writtenFirst != nullptr && boxName == QLatin1String("txtGal")) {
                        kept = Without(kept, QLatin1String(subject.writtenFirst));
                        now = Without(now, QLatin1String(subject.writtenFirst));
                    }
                    QVERIFY2(now == kept, qPrintable(where + ": a refused press changed a box"));
                    continue;
                }
                // Accepted: the same press with the figure typed plainly gives the same. A text
                // that is no number must not have been read at all (another row's box, or an
                // output box): the press then gives what it gives with a valid figure there.
                const std::optional<double> figure = calc::ParseNumber(hostile);
                WindowDriver reference(subject.make, QStringLiteral("Imperial"));
                Fill(reference, subject);
                if (figure)
                    reference.setText(box, calc::NumberText(*figure));
                else if (hostile.isEmpty())
                    reference.setText(box, QString());
                reference.press(button.toLatin1());
                QVERIFY2(reference.feedback().warnings.isEmpty(), qPrintable(where));
                QCOMPARE(Without(after, boxName), Without(reference.boxTexts(), boxName));
            }
        }
    }
    qInfo("%s, %s: %d hostile presses over %lld white boxes; none crashed or showed inf, nan "
          "or -0",
          subject.name, qPrintable(locale), tried, static_cast<long long>(whiteBoxes.size()));
}

void HostileInputTest::decimalCommaLocale()
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    WindowDriver driver(&Make<MainWindow>, QStringLiteral("Metric"));
    driver.type("txtGal", QStringLiteral("10000"));
    driver.type("txtChlorPerc", QStringLiteral("12,5"));
    driver.type("txtQuantBleach", QStringLiteral("0,5"));
    driver.type("txtPPMTarget", QStringLiteral("2,5"));
    driver.press();
    QCOMPARE(driver.feedback().warnings, QStringList());
    QCOMPARE(driver.text("txtLongGal"), QStringLiteral("0,2 Litre(s)"));
    QCOMPARE(driver.text("txtPPM"), QStringLiteral("6,2")); // 6.25 rounds half to even

    WindowDriver alkalinity(&Make<AlkalinityWindow>, QStringLiteral("Metric"));
    alkalinity.type("txtGal", QStringLiteral("50000"));
    alkalinity.type("txtPPM", QStringLiteral("10"));
    alkalinity.press();
    QCOMPARE(alkalinity.text("txtOz"), QStringLiteral("0,84 kilogram(s)"));
}

QTEST_MAIN(HostileInputTest)
#include "tst_hostileinput.moc"
