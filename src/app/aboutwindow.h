// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Form2;
}

// What the program is, its disclaimer, an invitation to write, and a photograph of a pool.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);
    ~AboutWindow() override;

private:
    std::unique_ptr<Ui::Form2> m_ui;
};
