// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculatorwindow.h"

// The Langelier saturation index from pH, temperature, calcium hardness and alkalinity. Its
// menu entry is switched off, so only code opens it.
class SaturationWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit SaturationWindow(const WindowServices& services, QWidget* parent = nullptr)
        : CalculatorWindow(services, description(), staticMetaObject, parent)
    {
    }

    static const ui::WindowDescription& description();

private:
    static void calculate(ui::Press& press);
};
