// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculatorwindow.h"

#include <memory>

namespace Ui {
class Form4;
}

// The calcium chloride, plain and as the dihydrate, that raises calcium hardness.
class CalciumWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit CalciumWindow(const WindowServices& services, QWidget* parent = nullptr);
    ~CalciumWindow() override;

    void load() override;

private:
    void calculate();

    std::unique_ptr<Ui::Form4> m_ui;
};
