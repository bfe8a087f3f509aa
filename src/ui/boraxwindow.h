// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculatorwindow.h"

// The tetraborate ppm that an amount of borax gives the pool.
class BoraxWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit BoraxWindow(const WindowServices& services, QWidget* parent = nullptr)
        : CalculatorWindow(services, description(), staticMetaObject, parent)
    {
    }

    static const ui::WindowDescription& description();

private:
    static void calculate(ui::Press& press);
};
