// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculatorwindow.h"

// The sodium bicarbonate that raises total alkalinity by a wanted number of ppm.
class AlkalinityWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit AlkalinityWindow(const WindowServices& services, QWidget* parent = nullptr)
        : CalculatorWindow(services, description(), staticMetaObject, parent)
    {
    }

    static const ui::WindowDescription& description();

private:
    static void calculate(ui::Press& press);
};
