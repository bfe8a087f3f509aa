// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cyanuricwindow.h"

#include "ui/usermessages.h"
#include "ui_cyanuricwindow.h"

const ui::WindowDescription& CyanuricWindow::description()
{
    using enum ui::Role;
    static const ui::WindowDescription window{
        .form = ui::SetUpForm<Ui::Form5>,
        .boxes = {{"txtGal", Input, "Label2", ui::PoolSizeTipWords()},
                  {"txtPPM",
                   Input,
                   "Label3",
                   {QT_TR_NOOP("The rise in cyanuric acid (stabiliser) you want, in ppm.")}},
                  {"txtCya",
                   Output,
                   "Label4",
                   {QT_TR_NOOP("Cyanuric acid (stabiliser) to add, in pounds and ounces."),
                    QT_TR_NOOP("Cyanuric acid (stabiliser) to add, in kilograms.")}}},
        .unitCaptions = {{"Label2", ui::PoolSizeCaptionWords()}},
        .headings = {{"Label1", 18, ui::Slant::Italic}},
        // The unit system is read before the boxes are checked.
        .buttons = {{"Command1",
                     {"txtGal", "txtPPM"},
                     {"txtGal", "txtPPM"},
                     ui::kFillAllWhiteBoxes,
                     ui::UnitsRead::BeforeCheck,
                     calculate}},
        .load = ui::PoolSizeThenUnits(),
    };
    return window;
}

void CyanuricWindow::calculate(ui::Press& press)
{
    ui::ShowDose(press, calc::kCyanuricAcid, "txtCya");
}
