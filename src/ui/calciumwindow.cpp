// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calciumwindow.h"

#include "ui/usermessages.h"
#include "ui_calciumwindow.h"

const ui::WindowDescription& CalciumWindow::description()
{
    using enum ui::Role;
    // The two results are alternatives: the same calcium from either product.
    static const ui::WindowDescription window{
        .form = ui::SetUpForm<Ui::Form4>,
        .boxes = {{"txtGal", Input, "Label2", ui::PoolSizeTipWords()},
                  {"txtPPM",
                   Input,
                   "Label3",
                   {QT_TR_NOOP("The rise in calcium hardness you want, in ppm.")}},
                  {"txtCaCl",
                   Output,
                   "Label4",
                   {QT_TR_NOOP("Calcium chloride, anhydrous, to add, in pounds and ounces. Add "
                               "this or the dihydrate below, not both."),
                    QT_TR_NOOP("Calcium chloride, anhydrous, to add, in kilograms. Add this or "
                               "the dihydrate below, not both.")}},
                  {"txtCaCl2",
                   Output,
                   "Label5",
                   {QT_TR_NOOP("Calcium chloride dihydrate to add, in pounds and ounces. Add "
                               "this or the anhydrous calcium chloride above, not both."),
                    QT_TR_NOOP("Calcium chloride dihydrate to add, in kilograms. Add this or the "
                               "anhydrous calcium chloride above, not both.")}}},
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

void CalciumWindow::calculate(ui::Press& press)
{
    ui::ShowDose(press, calc::kCalciumChloride, "txtCaCl");
    ui::ShowDose(press, calc::kCalciumChlorideDihydrate, "txtCaCl2");
}
