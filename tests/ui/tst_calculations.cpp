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

// texts with box's text replaced.
Sample::Texts With(Sample::Texts texts, const QByteArray& box, const QString& text)
{
    for (auto& [name, each] : texts)
        if (name == box)
            each = text;
    return texts;
}

// What a press comes to, in words a failed comparison shows: the texts it shows, sorted by
// box, or why it stopped.
QString Shows(Sample::Texts texts)
{
    std::sort(texts.begin(), texts.end());
    QStringList shown;
    for (const auto& [box, text] : texts)
        shown << QString::fromLatin1(box) + QLatin1Char('=') + text;
    return QStringLiteral("shows ") + shown.join(QLatin1Char('|'));
}

QString NoNumberIn(const QByteArray& box, const QString& text)
{
    return QStringLiteral("no number in %1: %2").arg(QString::fromLatin1(box), text);
}

QString Fails(calc::Failure failure)
{
    return QStringLiteral("fails with calc::Failure %1").arg(static_cast<int>(failure));
}

QString Outcome(const ui::Button& button, calc::UnitSystem units, const Sample::Texts& readings)
{
    ui::Press press = PressWith(button, units, readings);
    try {
        button.calculate(press);
    } catch (const ui::NotANumber& refused) {
        return NoNumberIn(refused.box, refused.text);
    } catch (const calc::CalculationError& error) {
        return Fails(error.failure());
    }
    Sample::Texts shown;
    for (const ui::Press::Output& output : press.outputs())
        shown.append({QByteArray(output.box), output.text});
    return Shows(shown);
}

const char* UnitsName(calc::UnitSystem units)
{
    return units == calc::UnitSystem::Imperial ? "Imperial" : "Metric";
}

constexpr calc::UnitSystem kBoth[] = {calc::UnitSystem::Imperial, calc::UnitSystem::Metric};

} // namespace

class CalculationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void press_data();
    void press();
};

// In each unit system: each sample of each button (a button of a description without a sample
// fails, so that a new button cannot be left out); each reading of a sample made letters in
// turn, which the press names with its box; and presses that divide by zero or overflow.
void CalculationsTest::press_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<calc::UnitSystem>("units");
    QTest::addColumn<Sample::Texts>("readings");
    QTest::addColumn<QString>("outcome");
    for (const WindowRow& window : Windows()) {
        if (window.describe == nullptr)
            continue;
        const auto samples = SamplesOf(window.shortName).value_or(std::vector<Sample>{});
        for (const ui::Button& button : window.describe().buttons)
            if (std::none_of(samples.begin(), samples.end(),
                             [&](const Sample& sample) { return sample.button == button.name; }))
                QTest::qFail(qPrintable(QStringLiteral("no sample readings for %1 %2")
                                            .arg(QLatin1String(window.shortName),
                                                 QLatin1String(button.name))),
                             __FILE__, __LINE__);
        for (const Sample& sample : samples) {
            for (const calc::UnitSystem units : kBoth) {
                QTest::addRow("%s %s, %s", window.shortName, sample.button.constData(),
                              UnitsName(units))
                    << QByteArray(window.shortName) << sample.button << units << sample.readings
                    << Shows(sample.outputs(units));
                for (const auto& [box, text] : sample.readings)
                    QTest::addRow("%s %s no number, %s", window.shortName, box.constData(),
                                  UnitsName(units))
                        << QByteArray(window.shortName) << sample.button << units
                        << With(sample.readings, box, QStringLiteral("1,5x"))
                        << NoNumberIn(box, QStringLiteral("1,5x"));
            }
        }
    }
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
        for (const calc::UnitSystem units : kBoth)
            QTest::addRow("%s, %s", row.tag, UnitsName(units))
                << QByteArray(row.window) << QByteArray(row.button) << units << row.readings
                << Fails(row.failure);
}

void CalculationsTest::press()
{
    QFETCH(QByteArray, window);
    QFETCH(QByteArray, button);
    QFETCH(calc::UnitSystem, units);
    QFETCH(Sample::Texts, readings);
    QFETCH(QString, outcome);
    const ui::Button* pressed = ButtonOf(*WindowNamed(window), button);
    QVERIFY(pressed != nullptr);
    QCOMPARE(Outcome(*pressed, units, readings), outcome);
}

QTEST_GUILESS_MAIN(CalculationsTest)
#include "tst_calculations.moc"
