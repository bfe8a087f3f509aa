// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculatorwindow.h"

#include <memory>

namespace Ui {
class Form8;
}

// The tetraborate ppm that an amount of borax gives the pool.
class BoraxWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit BoraxWindow(const WindowServices& services, QWidget* parent = nullptr);
    ~BoraxWindow() override;

    void load() override;

private:
    void calculate();

    std::unique_ptr<Ui::Form8> m_ui;
};
