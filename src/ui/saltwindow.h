// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculatorwindow.h"

#include <memory>

namespace Ui {
class Form10;
}

// The salt for a wanted salt ppm rise, and the rise that an amount of salt gives.
class SaltWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit SaltWindow(const WindowServices& services, QWidget* parent = nullptr);
    ~SaltWindow() override;

    void load() override;

private:
    void calculate();

    std::unique_ptr<Ui::Form10> m_ui;
};
