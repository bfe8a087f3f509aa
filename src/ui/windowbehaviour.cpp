// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windowbehaviour.h"

#include "settings/defaults.h"
#include "ui/handlerrules.h"
#include "ui/programlook.h"
#include "ui/quantitytext.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace ui {

namespace {

// Writes the first count outputs of press, each from its start.
void Write(const QWidget* window, const Press& press, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const Press::Output& output = press.outputs()[i];
        if (auto* text = window->findChild<QPlainTextEdit*>(QLatin1String(output.box)))
            ShowResult(text, output.text);
        else
            ShowResult(Find<QLineEdit>(window, output.box), output.text);
    }
}

} // namespace

QString Words::in(calc::UnitSystem units, const char* windowContext) const
{
    const char* words = units == calc::UnitSystem::Metric && metric != nullptr ? metric : imperial;
    if (words == nullptr)
        return QString();
    return QCoreApplication::translate(context != nullptr ? context : windowContext, words);
}

calc::UnitSystem Press::units() const
{
    Q_ASSERT(m_units.has_value());
    return *m_units;
}

double Press::number(const char* box) const
{
    const QString text = m_textOf(box);
    const std::optional<double> number = calc::ParseNumber(text);
    if (!number)
        throw NotANumber{box, text};
    return *number;
}

void ShowDose(Press& press, const calc::DoseRate& rate, const char* box)
{
    const double poolSize = press.number("txtGal");
    const double ppm = press.number("txtPPM");
    press.show(box, WeightText(press.units(), calc::Dose(rate, press.units(), poolSize, ppm)));
}

Load PoolSizeThenUnits()
{
    return {{defaults::Default::PoolSize, defaults::Default::UnitSystem},
            defaults::OnFailure::ReadTheRest,
            "txtGal"};
}

Words PoolSizeCaptionWords()
{
    return {QT_TRANSLATE_NOOP("PoolSize", "Pool Size (Gal.)"),
            QT_TRANSLATE_NOOP("PoolSize", "Pool Size (L)"), "PoolSize"};
}

Words PoolSizeTipWords()
{
    return {QT_TRANSLATE_NOOP("PoolSize", "The volume of water in the pool, in US gallons."),
            QT_TRANSLATE_NOOP("PoolSize", "The volume of water in the pool, in litres."),
            "PoolSize"};
}

void NameBoxes(QWidget* window, const std::vector<Box>& boxes)
{
    for (const Box& box : boxes) {
        if (box.caption == nullptr)
            continue;
        auto* control = Find<QWidget>(window, box.name);
        auto* label = Find<QLabel>(window, box.caption);
        if (box.row == nullptr && label->buddy() == nullptr)
            label->setBuddy(control);
        else
            control->setAccessibleName(box.row == nullptr ? label->text()
                                                          : Find<QLabel>(window, box.row)->text() +
                                                                QLatin1Char(' ') + label->text());
    }
}

void ShowBoxTips(QWidget* window, const std::vector<Box>& boxes, calc::UnitSystem units,
                 const char* context)
{
    for (const Box& box : boxes) {
        auto* control = Find<QWidget>(window, box.name);
        const QString words = box.tip.in(units, context);
        control->setToolTip(words);
        control->setAccessibleDescription(words);
    }
}

WindowBehaviour::WindowBehaviour(QWidget* window, const QMetaObject& type,
                                 const WindowServices& services,
                                 const WindowDescription& description)
    : m_window(window), m_context(type.className()), m_services(services),
      m_description(description)
{
    for (const Box& box : description.boxes) {
        if (box.role == Role::Output)
            MakeOutputBox(Find<QWidget>(window, box.name));
    }
    NameBoxes(window, description.boxes);
    // What each box holds is told at once, in the Imperial words of the captions laid out,
    // and again in the words of the stored unit system when the window opens.
    ShowBoxTips(window, description.boxes, calc::UnitSystem::Imperial, m_context);
    for (const Heading& heading : description.headings)
        SetHeadingFont(Find<QWidget>(window, heading.label), heading.points, heading.slant);
    for (const Button& button : description.buttons) {
        auto* control = Find<QPushButton>(window, button.name);
        if (button.accessibleName != nullptr)
            control->setAccessibleName(
                QCoreApplication::translate(m_context, button.accessibleName));
        QList<QLineEdit*> enterBoxes;
        for (const char* box : button.enterBoxes)
            enterBoxes << lineEdit(box);
        WireButton(m_services.feedback, window, control, enterBoxes,
                   [this, &button] { press(button); });
    }
}

void WindowBehaviour::load()
{
    const Load& load = m_description.load;
    const defaults::Snapshot snapshot =
        defaults::ReadDefaults(m_services.store, load.reads, load.onFailure);
    if (load.poolSizeBox != nullptr && snapshot.poolSize)
        lineEdit(load.poolSizeBox)->setText(*snapshot.poolSize);
    if (load.bleachStrengthBox != nullptr && snapshot.bleachStrength)
        lineEdit(load.bleachStrengthBox)->setText(*snapshot.bleachStrength);
    showUnitWords(snapshot.unitSystem.value_or(calc::UnitSystem::Metric));
    if (snapshot.firstFailure)
        throw *snapshot.firstFailure;
}

void WindowBehaviour::showUnitWords(calc::UnitSystem units)
{
    for (const UnitCaption& caption : m_description.unitCaptions)
        Find<QLabel>(m_window, caption.label)->setText(caption.words.in(units, m_context));
    ShowBoxTips(m_window, m_description.boxes, units, m_context);
}

void WindowBehaviour::press(const Button& button)
{
    std::optional<calc::UnitSystem> units;
    if (button.units == UnitsRead::BeforeCheck)
        units = defaults::ReadUnitSystem(m_services.store);
    QList<const QLineEdit*> required;
    for (const char* box : button.required)
        required << lineEdit(box);
    if (!RequireFilled(m_services.feedback, m_window, required, button.requiredMessage))
        return;
    if (button.units == UnitsRead::AfterCheck)
        units = defaults::ReadUnitSystem(m_services.store);

    Press press(units, [this](const char* box) { return lineEdit(box)->text(); });
    try {
        button.calculate(press);
    } catch (const NotANumber& failure) {
        Write(m_window, press, press.kept());
        RefuseNumber(m_services.feedback, m_window, lineEdit(failure.box));
        return;
    } catch (...) {
        Write(m_window, press, press.kept());
        throw;
    }
    Write(m_window, press, press.outputs().size());
}

QLineEdit* WindowBehaviour::lineEdit(const char* name) const
{
    return Find<QLineEdit>(m_window, name);
}

} // namespace ui
