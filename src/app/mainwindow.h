// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/windowbehaviour.h"
#include "ui/windowkeeper.h"
#include "ui/windowservices.h"

#include <QMainWindow>

#include <memory>
#include <optional>

namespace Ui {
class Form1;
}

// The window the program opens with: the chlorine dose calculator and the "More Calcs" menu
// that opens every other window.
class MainWindow : public QMainWindow, public LoadStep
{
    Q_OBJECT

public:
    explicit MainWindow(const WindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    void load() override { m_behaviour->load(); }

    static const ui::WindowDescription& description();

private:
    void addMenuEntries();
    static void calculate(ui::Press& press);

    const WindowServices m_services;
    std::unique_ptr<Ui::Form1> m_ui;
    std::optional<ui::WindowBehaviour> m_behaviour;
};
