// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculatorwindow.h"

// The calcium chloride, plain and as the dihydrate, that raises calcium hardness.
class CalciumWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit CalciumWindow(const WindowServices& services, QWidget* parent = nullptr)
        : CalculatorWindow(services, description(), staticMetaObject, parent)
    {
    }

    static const ui::WindowDescription& description();

private:
    static void calculate(ui::Press& press);
};
