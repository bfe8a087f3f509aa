// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculatorwindow.h"

#include <memory>

namespace Ui {
class Form5;
}

// The cyanuric acid that raises the stabiliser level by a wanted number of ppm.
class CyanuricWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit CyanuricWindow(const WindowServices& services, QWidget* parent = nullptr);
    ~CyanuricWindow() override;

    void load() override;

private:
    void calculate();

    std::unique_ptr<Ui::Form5> m_ui;
};
