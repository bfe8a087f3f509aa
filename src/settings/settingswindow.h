// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/windowdescription.h"
#include "ui/windowkeeper.h"
#include "ui/windowservices.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace Ui {
class Form11;
}

// Edits the three defaults. While it is open it is the program's only window: opening it
// closes every other one, and saving hands over to a freshly loaded main window.
class SettingsWindow : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    explicit SettingsWindow(const WindowServices& services, QWidget* parent = nullptr);
    ~SettingsWindow() override;

    void load() override;

    // Its two boxes; the rest of the window is its own.
    static const std::vector<ui::Box>& boxes();

private:
    // Tells what the boxes hold, in the unit system the option buttons choose.
    void describeBoxes();
    void saveAndClose();

    const WindowServices m_services;
    std::unique_ptr<Ui::Form11> m_ui;
    // Whether load read the box's value; one that could not be read is not saved over unasked.
    bool m_poolSizeRead = true;
    bool m_bleachStrengthRead = true;
};
