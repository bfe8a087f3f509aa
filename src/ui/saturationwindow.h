// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculatorwindow.h"

#include <memory>

namespace Ui {
class Form12;
}

// The Langelier saturation index from pH, temperature, calcium hardness and alkalinity. Its
// menu entry is switched off, so only code opens it.
class SaturationWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit SaturationWindow(const WindowServices& services, QWidget* parent = nullptr);
    ~SaturationWindow() override;

    void load() override;

private:
    void calculate();

    std::unique_ptr<Ui::Form12> m_ui;
};
