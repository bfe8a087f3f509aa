// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculatorwindow.h"

// A pool's volume from its shape: three independent rows (rectangular, oval, round), each
// with its own boxes, button and output.
class PoolVolumeWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit PoolVolumeWindow(const WindowServices& services, QWidget* parent = nullptr)
        : CalculatorWindow(services, description(), staticMetaObject, parent)
    {
    }

    static const ui::WindowDescription& description();

private:
    static void calculateRectangular(ui::Press& press);
    static void calculateOval(ui::Press& press);
    static void calculateRound(ui::Press& press);
};
