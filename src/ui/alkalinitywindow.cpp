// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alkalinitywindow.h"

#include "ui/usermessages.h"
#include "ui_alkalinitywindow.h"

const ui::WindowDescription& AlkalinityWindow::description()
{
    using enum ui::Role;
    static const ui::WindowDescription window{
        .form = ui::SetUpForm<Ui::Form3>,
        .boxes = {{"txtGal", Input, "Label2", ui::PoolSizeTipWords()},
                  {"txtPPM",
                   Input,
                   "Label3",
                   {QT_TR_NOOP("The rise in total alkalinity you want, in ppm.")}},
                  {"txtOz",
                   Output,
                   "Label5",
                   {QT_TR_NOOP("Sodium bicarbonate (baking soda) to add, in pounds and ounces."),
                    QT_TR_NOOP("Sodium bicarbonate (baking soda) to add, in kilograms.")},
                   "Label4"}},
        .unitCaptions = {{"Label2", ui::PoolSizeCaptionWords()}},
        .headings = {{"Label1", 18, ui::Slant::Italic}, {"Label4", 8.25}},
        // The boxes are checked before the unit system is read.
        .buttons = {{"Command1",
                     {"txtGal", "txtPPM"},
                     {"txtGal", "txtPPM"},
                     ui::kFillAllWhiteBoxes,
                     ui::UnitsRead::AfterCheck,
                     calculate}},
        .load = ui::PoolSizeThenUnits(),
    };
    return window;
}

void AlkalinityWindow::calculate(ui::Press& press)
{
    ui::ShowDose(press, calc::kSodiumBicarbonate, "txtOz");
}
