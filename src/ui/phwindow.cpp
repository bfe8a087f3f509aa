// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/phwindow.h"

#include "calc/ph.h"
#include "ui/usermessages.h"
#include "ui_phwindow.h"

const ui::WindowDescription& PhWindow::description()
{
    using enum ui::Role;
    // Each acid's dose moves the pH the whole step on its own.
    static const ui::WindowDescription window{
        .form = ui::SetUpForm<Ui::Form6>,
        .boxes =
            {{"txtGal", Input, "Label2", ui::PoolSizeTipWords()},
             {"txtNa2CO3",
              Output,
              "Label5",
              {QT_TR_NOOP("Sodium carbonate (soda ash) that raises the pH by 0.2, in ounces by "
                          "weight."),
               QT_TR_NOOP("Sodium carbonate (soda ash) that raises the pH by 0.2, in grams.")}},
             {"txtNaHSO4",
              Output,
              "Label8",
              {QT_TR_NOOP("Sodium bisulfate (dry acid) that lowers the pH by 0.2, in ounces by "
                          "weight. Add this or the muriatic acid, not both."),
               QT_TR_NOOP("Sodium bisulfate (dry acid) that lowers the pH by 0.2, in grams. Add "
                          "this or the muriatic acid, not both.")}},
             {"txtHCl",
              Output,
              "Label9",
              {QT_TR_NOOP("Muriatic acid of 31 % (sold as 31.45 %) that lowers the pH by 0.2, "
                          "in US fluid ounces. Add this or the dry acid, not both."),
               QT_TR_NOOP("Muriatic acid of 31 % (sold as 31.45 %) that lowers the pH by 0.2, "
                          "in millilitres. Add this or the dry acid, not both.")}}},
        // The soda ash caption has no point after "Oz"; the acids' captions have one.
        .unitCaptions =
            {{"Label2", ui::PoolSizeCaptionWords()},
             {"Label5", {QT_TR_NOOP("Sodium Carbonate (Oz)"), QT_TR_NOOP("Sodium Carbonate (g)")}},
             {"Label8",
              {QT_TR_NOOP("Sodium Bisulfate (dry acid) (Oz.)"),
               QT_TR_NOOP("Sodium Bisulfate (dry acid) (g)")}},
             {"Label9",
              {QT_TR_NOOP("Muriatic Acid 31% (Oz.)"), QT_TR_NOOP("Muriatic Acid 31% (ml)")}}},
        .headings = {{"Label1", 18, ui::Slant::Italic}, {"Label3", 8.25}, {"Label7", 8.25}},
        // The box is checked before the unit system is read.
        .buttons = {{"Command1",
                     {"txtGal"},
                     {"txtGal"},
                     ui::kFillAllWhiteBoxes,
                     ui::UnitsRead::AfterCheck,
                     calculate}},
        .load = ui::PoolSizeThenUnits(),
    };
    return window;
}

void PhWindow::calculate(ui::Press& press)
{
    const calc::PhDoses doses = calc::PhAdjustmentDoses(press.number("txtGal"), press.units());
    press.show("txtNa2CO3", calc::NumberText(doses.sodiumCarbonate));
    press.show("txtNaHSO4", calc::NumberText(doses.sodiumBisulfate));
    press.show("txtHCl", calc::NumberText(doses.muriaticAcid));
}
