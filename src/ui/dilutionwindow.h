// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculatorwindow.h"

// How much water to drain and refill so that a reading that is too high falls to the wanted
// one: as a share of the pool, or as a volume.
class DilutionWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit DilutionWindow(const WindowServices& services, QWidget* parent = nullptr)
        : CalculatorWindow(services, description(), staticMetaObject, parent)
    {
    }

    static const ui::WindowDescription& description();

private:
    static void calculate(ui::Press& press);
};
