// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculatorwindow.h"

// The salt for a wanted salt ppm rise, and the rise that an amount of salt gives.
class SaltWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit SaltWindow(const WindowServices& services, QWidget* parent = nullptr)
        : CalculatorWindow(services, description(), staticMetaObject, parent)
    {
    }

    static const ui::WindowDescription& description();

private:
    static void calculate(ui::Press& press);
};
