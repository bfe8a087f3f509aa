// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/windowbehaviour.h"
#include "ui/windowkeeper.h"
#include "ui/windowservices.h"

#include <QWidget>

#include <optional>

// What the calculator windows of the "More Calcs" menu share: a fixed size, the pool icon, and
// the behaviour their descriptions give them. A window's class hands over its description and
// holds the calculations behind its buttons.
class CalculatorWindow : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    void load() override { m_behaviour->load(); }

protected:
    // Sets up the window's form and gives it the behaviour of its description; type is the
    // window's class.
    CalculatorWindow(const WindowServices& services, const ui::WindowDescription& description,
                     const QMetaObject& type, QWidget* parent);

private:
    std::optional<ui::WindowBehaviour> m_behaviour;
};
