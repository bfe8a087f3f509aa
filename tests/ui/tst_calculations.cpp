// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every button's calculation as its window's description gives it, run without a window: the
// sample readings give the sample texts in each unit system, a text that is no number is named
// with its box, and a division by zero or an overflow raises its failure.
#include "app/windowcatalog.h"
#include "calc/arithmetic.h"
#include "support/samplereadings.h"
#include "ui/windowdescription.h"

#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(Sample::Texts)
Q_DECLARE_METATYPE(calc::UnitSystem)
Q_DECLARE_METATYPE(calc::Failure)

namespace {

const ui::Button* ButtonOf(const WindowRow& window, const QByteArray& name)
{
    for (const ui::Button& button : window.describe().buttons)
        if (name == button.name)
            return &button;
    return nullptr;
}

const WindowRow* WindowNamed(const QByteArray& shortName)
{
    for (const WindowRow& window : Windows())
        if (shortName == window.shortName)
            return &window;
    return nullptr;
}

// A press of button with the box texts given (the others empty), in units where the button
// reads them.
ui::Press PressWith(const ui::Button& button, calc::UnitSystem units, const Sample::Texts& texts)
{
    const auto read = button.units == ui::UnitsRead::Never ? std::optional<calc::UnitSystem>()
                                                           : std::optional<calc::UnitSystem>(units);
    return ui::Press(read, [texts](const char* box) {
        for (const auto& [name, text] : texts)
            if (name == box)
                return text;
        return QString();
    });
}

Sample::Texts Shown(const ui::Press& press)
{
    Sample::Texts shown;
    for (const ui::Press::Output& output : press.outputs())
        shown.append({QByteArray(output.box), output.text});
    std::sort(shown.begin(), shown.end());
    return shown;
}

// texts with box's text replaced, or added.
Sample::Texts With(Sample::Texts texts, const QByteArray& box, const QString& text)
{
    for (auto& [name, each] : texts)
        if (name == box)
            each = text;
    if (std::none_of(texts.begin(), texts.end(),
                     [&](const auto& pair) { return pair.first == box; }))
        texts.append({box, text});
    return texts;
}

} // namespace

class CalculationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void samples_data();
    void samples();
    void notANumber_data();
    void notANumber();
    void failures_data();
    void failures();
};

// One row for each sample of each button in each unit system; a button of a description
// without a sample fails, so that a new button cannot be left out.
void CalculationsTest::samples_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<calc::UnitSystem>("units");
    QTest::addColumn<Sample::Texts>("readings");
    QTest::addColumn<Sample::Texts>("outputs");
    for (const WindowRow& window : Windows()) {
        if (window.describe == nullptr)
            continue;
        const auto samples = SamplesOf(window.shortName);
        for (const ui::Button& button : window.describe().buttons) {
            const bool sampled =
                samples && std::any_of(samples->begin(), samples->end(), [&](const Sample& sample) {
                    return sample.button == button.name;
                });
            if (!sampled)
                QTest::qFail(qPrintable(QStringLiteral("no sample readings for %1 %2")
                                            .arg(QLatin1String(window.shortName),
                                                 QLatin1String(button.name))),
                             __FILE__, __LINE__);
        }
        for (const Sample& sample : samples.value_or(std::vector<Sample>{}))
            for (const calc::UnitSystem units :
                 {calc::UnitSystem::Imperial, calc::UnitSystem::Metric})
                QTest::addRow("%s %s, %s", window.shortName, sample.button.constData(),
                              units == calc::UnitSystem::Imperial ? "Imperial" : "Metric")
                    << QByteArray(window.shortName) << sample.button << units << sample.readings
                    << sample.outputs(units);
    }
}

void CalculationsTest::samples()
{
    QFETCH(QByteArray, window);
    QFETCH(QByteArray, button);
    QFETCH(calc::UnitSystem, units);
    QFETCH(Sample::Texts, readings);
    QFETCH(Sample::Texts, outputs);
    const ui::Button* pressed = ButtonOf(*WindowNamed(window), button);
    QVERIFY(pressed != nullptr);
    ui::Press press = PressWith(*pressed, units, readings);
    pressed->calculate(press);
    QCOMPARE(Shown(press), outputs);
}

// Each reading of each sample made letters in turn: the press ends naming that box and text.
void CalculationsTest::notANumber_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<calc::UnitSystem>("units");
    QTest::addColumn<Sample::Texts>("readings");
    QTest::addColumn<QByteArray>("box");
    for (const WindowRow& window : Windows()) {
        for (const Sample& sample : SamplesOf(window.shortName).value_or(std::vector<Sample>{}))
            for (const auto& [box, text] : sample.readings)
                for (const calc::UnitSystem units :
                     {calc::UnitSystem::Imperial, calc::UnitSystem::Metric})
                    QTest::addRow("%s %s, %s", window.shortName, box.constData(),
                                  units == calc::UnitSystem::Imperial ? "Imperial" : "Metric")
                        << QByteArray(window.shortName) << sample.button << units
                        << With(sample.readings, box, QStringLiteral("1,5x")) << box;
    }
}

void CalculationsTest::notANumber()
{
    QFETCH(QByteArray, window);
    QFETCH(QByteArray, button);
    QFETCH(calc::UnitSystem, units);
    QFETCH(Sample::Texts, readings);
    QFETCH(QByteArray, box);
    const ui::Button* pressed = ButtonOf(*WindowNamed(window), button);
    QVERIFY(pressed != nullptr);
    ui::Press press = PressWith(*pressed, units, readings);
    try {
        pressed->calculate(press);
        QFAIL("the press was not refused");
    } catch (const ui::NotANumber& refused) {
        QCOMPARE(QByteArray(refused.box), box);
        QCOMPARE(refused.text, QStringLiteral("1,5x"));
    }
}

void CalculationsTest::failures_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<calc::UnitSystem>("units");
    QTest::addColumn<Sample::Texts>("readings");
    QTest::addColumn<calc::Failure>("failure");
    struct Failing
    {
        const char* tag;
        const char* window;
        const char* button;
        Sample::Texts readings;
        calc::Failure failure;
    };
    using enum calc::Failure;
    // clang-format off
    const Failing rows[] = {
        {"main: no pool", "main", "Command1",
         {{"txtGal", "0"}, {"txtChlorPerc", "6"}, {"txtQuantBleach", "1"}}, PoolSizeZero},
        {"main: bleach of no strength", "main", "Command1",
         {{"txtGal", "10000"}, {"txtChlorPerc", "0"}, {"txtPPMTarget", "2"}}, StrengthZero},
        {"borax: no pool", "borax", "Command1", {{"txtGal", "0"}, {"txtNa2B4O7", "5"}},
         PoolSizeZero},
        {"salt: no pool, the rise", "salt", "Command1", {{"txtGal", "0"}, {"txtSalt", "10"}},
         PoolSizeZero},
        {"dilution: refill reads as the pool", "dilution", "Command1",
         {{"txtGal", "20000"}, {"txtPr", "50"}, {"txtSr", "50"}, {"txtFr", "20"}},
         RefillReadsAsPool},
        {"alkalinity: beyond a double", "alkalinity", "Command1",
         {{"txtGal", "1e300"}, {"txtPPM", "1e300"}}, TooLarge},
        {"volume: beyond a double", "volume", "Command3",
         {{"txtDiam", "1e300"}, {"txtDepth", "1e300"}}, TooLarge},
    };
    // clang-format on
    for (const Failing& row : rows)
        for (const calc::UnitSystem units : {calc::UnitSystem::Imperial, calc::UnitSystem::Metric})
            QTest::addRow("%s, %s", row.tag,
                          units == calc::UnitSystem::Imperial ? "Imperial" : "Metric")
                << QByteArray(row.window) << QByteArray(row.button) << units << row.readings
                << row.failure;
}

void CalculationsTest::failures()
{
    QFETCH(QByteArray, window);
    QFETCH(QByteArray, button);
    QFETCH(calc::UnitSystem, units);
    QFETCH(Sample::Texts, readings);
    QFETCH(calc::Failure, failure);
    const ui::Button* pressed = ButtonOf(*WindowNamed(window), button);
    QVERIFY(pressed != nullptr);
    ui::Press press = PressWith(*pressed, units, readings);
    try {
        pressed->calculate(press);
        QFAIL("the press did not fail");
    } catch (const calc::CalculationError& error) {
        QCOMPARE(error.failure(), failure);
    }
}

QTEST_GUILESS_MAIN(CalculationsTest)
#include "tst_calculations.moc"
