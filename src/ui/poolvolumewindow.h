// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/calculatorwindow.h"

#include <memory>

namespace Ui {
class Form9;
}

// A pool's volume from its shape: three independent rows (rectangular, oval, round), each
// with its own boxes, button and output.
class PoolVolumeWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit PoolVolumeWindow(const WindowServices& services, QWidget* parent = nullptr);
    ~PoolVolumeWindow() override;

    void load() override;

private:
    // One handler a row, each reading and writing its own row only.
    void calculateRectangular();
    void calculateOval();
    void calculateRound();

    std::unique_ptr<Ui::Form9> m_ui;
};
