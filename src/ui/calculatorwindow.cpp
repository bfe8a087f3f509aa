// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculatorwindow.h"

#include "ui/programlook.h"

CalculatorWindow::CalculatorWindow(const WindowServices& services,
                                   const ui::WindowDescription& description,
                                   const QMetaObject& type, QWidget* parent)
    : QWidget(parent)
{
    description.form(this);
    ui::SetUpWindow(this, description.withIcon);
    m_behaviour.emplace(this, type, services, description);
}
