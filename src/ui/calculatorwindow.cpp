// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculatorwindow.h"

#include "ui/programlook.h"

void CalculatorWindow::setUp(const ui::WindowDescription& description)
{
    ui::SetUpWindow(this, description.withIcon);
    m_behaviour.emplace(this, m_services, description);
}
