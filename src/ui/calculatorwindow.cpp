// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculatorwindow.h"

#include "settings/defaults.h"
#include "ui/handlerrules.h"
#include "ui/programlook.h"
#include "ui/windowservices.h"

#include <QLineEdit>

#include <utility>

void CalculatorWindow::setUpCalculator(std::initializer_list<QWidget*> outputs, bool withIcon)
{
    ui::SetUpWindow(this, withIcon);
    ui::MakeOutputBoxes(outputs);
}

calc::UnitSystem CalculatorWindow::storedUnitSystem() const
{
    return defaults::ReadUnitSystem(m_services.store);
}

QString CalculatorWindow::storedPoolSize()
{
    try {
        return defaults::ReadPoolSize(m_services.store);
    } catch (const SettingsError& failure) {
        if (m_captionsShown)
            throw;
        m_heldFailure = failure;
        return QString();
    }
}

void CalculatorWindow::describeBoxes(std::vector<ui::BoxTip> tips)
{
    m_tips = std::move(tips);
    ui::ShowBoxTips(calc::UnitSystem::Imperial, m_tips);
}

void CalculatorWindow::showUnitCaptions(std::initializer_list<ui::UnitCaption> captions)
{
    m_captionsShown = true;
    std::optional<SettingsError> failure = std::exchange(m_heldFailure, std::nullopt);
    calc::UnitSystem units = calc::UnitSystem::Metric;
    try {
        units = storedUnitSystem();
    } catch (const SettingsError& unitFailure) {
        if (!failure)
            failure = unitFailure; // the first failure is the one reported
    }
    ui::ShowUnitCaptions(units, captions);
    ui::ShowBoxTips(units, m_tips);
    if (failure)
        throw *failure;
}

bool CalculatorWindow::requireFilled(std::initializer_list<const QLineEdit*> boxes,
                                     const char* message)
{
    return ui::RequireFilled(m_services.feedback, this, boxes, message);
}
