// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/boraxwindow.h"

#include "calc/arithmetic.h"
#include "calc/borax.h"
#include "ui/usermessages.h"
#include "ui_boraxwindow.h"

const ui::WindowDescription& BoraxWindow::description()
{
    using enum ui::Role;
    // Boron is 4 x 10.81 of the tetraborate's 155.2 (the mass its share of borax is counted
    // by), so a boron reading is about 0.28 times the tetraborate figure.
    static const ui::WindowDescription window{
        .form = ui::SetUpForm<Ui::Form8>,
        .boxes = {{"txtGal", Input, "Label1", ui::PoolSizeTipWords()},
                  {"txtNa2B4O7",
                   Input,
                   "Label2",
                   {QT_TR_NOOP("Borax (sodium tetraborate decahydrate) to add, in ounces by "
                               "weight."),
                    QT_TR_NOOP("Borax (sodium tetraborate decahydrate) to add, in kilograms.")}},
                  {"txtPPM",
                   Output,
                   "Label4",
                   {QT_TR_NOOP("The tetraborate that the borax adds, in ppm. Test kits give "
                               "borates as ppm of boron, about 0.28 times this figure.")}}},
        .unitCaptions = {{"Label1", ui::PoolSizeCaptionWords()},
                         {"Label2",
                          {QT_TR_NOOP("Sodium Tetraborate Decahydrate (Oz.)"),
                           QT_TR_NOOP("Sodium Tetraborate Decahydrate (k)")}}},
        .headings = {{"Label3", 18, ui::Slant::Italic}},
        // The boxes are checked before the unit system is read.
        .buttons = {{"Command1",
                     {"txtGal", "txtNa2B4O7"},
                     {"txtGal", "txtNa2B4O7"},
                     ui::kFillAllWhiteBoxes,
                     ui::UnitsRead::AfterCheck,
                     calculate}},
        .load = ui::PoolSizeThenUnits(),
    };
    return window;
}

void BoraxWindow::calculate(ui::Press& press)
{
    // The borax is read before the pool size.
    const double borax = press.number("txtNa2B4O7");
    const double poolSize = press.number("txtGal");
    const double ppm = press.units() == calc::UnitSystem::Imperial
                           ? calc::TetraboratePpmFromOunces(borax, poolSize)
                           : calc::TetraboratePpmFromKilograms(borax, poolSize);
    press.show("txtPPM", calc::NumberText(calc::RoundHalfEven(ppm, 1)));
}
