// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculatorwindow.h"

#include <memory>

namespace Ui {
class Form3;
}

// The sodium bicarbonate that raises total alkalinity by a wanted number of ppm.
class AlkalinityWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit AlkalinityWindow(const WindowServices& services, QWidget* parent = nullptr);
    ~AlkalinityWindow() override;

    void load() override;

private:
    void calculate();

    std::unique_ptr<Ui::Form3> m_ui;
};
