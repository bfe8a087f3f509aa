// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/conversions.h"
#include "settings/mregistry.h"
#include "ui/captions.h"
#include "ui/windowkeeper.h"
#include "ui/windowservices.h"

#include <QWidget>

#include <initializer_list>
#include <optional>
#include <vector>

class QLineEdit;

// What the calculator windows of the "More Calcs" menu share: a fixed size and the pool icon,
// grey output boxes, the stored defaults, the captions of the stored unit system and the
// required-field check. A window states only its own boxes, captions and formulas, which
// required-field message it gives, and wires each of its buttons to its own handler with
// ui::WireButton.
class CalculatorWindow : public QWidget, public LoadStep
{
    Q_OBJECT

protected:
    CalculatorWindow(const WindowServices& services, QWidget* parent)
        : QWidget(parent), m_services(services)
    {
    }

    // Called once the form is set up.
    void setUpCalculator(std::initializer_list<QWidget*> outputs, bool withIcon = true);

    // The stored defaults. The unit system is read again at every press, so that the formulas
    // follow the store even where the captions, set at load, no longer do.
    calc::UnitSystem storedUnitSystem() const;
    // For the load step. Where it cannot be read before the captions are shown, the empty text,
    // and the failure is held until showUnitCaptions has shown them, so that a failed load
    // still shows the captions of the unit system that Calculate will use.
    QString storedPoolSize();
    // What each box holds, told in its tooltip; shown at once in the Imperial words of the
    // captions laid out, and then with the captions.
    void describeBoxes(std::vector<ui::BoxTip> tips);
    // Gives the captions, and the boxes' tooltips, the words of the stored unit system, or the
    // Metric words (as on a fresh installation) when it cannot be read; then passes on a
    // failure met or held.
    void showUnitCaptions(std::initializer_list<ui::UnitCaption> captions);
    // The required-field check: false, after a beep and message, when one of boxes is empty.
    bool requireFilled(std::initializer_list<const QLineEdit*> boxes, const char* message);

    const WindowServices m_services;

private:
    bool m_captionsShown = false;
    std::optional<SettingsError> m_heldFailure;
    std::vector<ui::BoxTip> m_tips;
};
