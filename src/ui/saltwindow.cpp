// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/saltwindow.h"

#include "calc/arithmetic.h"
#include "calc/salt.h"
#include "ui/usermessages.h"
#include "ui_saltwindow.h"

const ui::WindowDescription& SaltWindow::description()
{
    using enum ui::Role;
    static const ui::WindowDescription window{
        .form = ui::SetUpForm<Ui::Form10>,
        .boxes = {{"txtGal", Input, "Label1", ui::PoolSizeTipWords()},
                  {"txtSalt",
                   Input,
                   "Label2",
                   {QT_TR_NOOP("An amount of salt, in pounds: Calculate gives the rise in salt "
                               "it makes."),
                    QT_TR_NOOP("An amount of salt, in kilograms: Calculate gives the rise in "
                               "salt it makes.")}},
                  {"txtPPMInc",
                   Input,
                   "Label3",
                   {QT_TR_NOOP("The rise in salt you want, in ppm: Calculate gives the salt it "
                               "takes.")}},
                  {"txtPPMup",
                   Output,
                   "Label5",
                   {QT_TR_NOOP("The rise in salt, in ppm, that the amount of salt makes.")}},
                  {"txtLbsNeeded",
                   Output,
                   "Label6",
                   {QT_TR_NOOP("Salt to add, in pounds."),
                    QT_TR_NOOP("Salt to add, in kilograms.")}}},
        .unitCaptions = {{"Label1", ui::PoolSizeCaptionWords()},
                         {"Label2", {QT_TR_NOOP("Pounds of salt"), QT_TR_NOOP("Kilos of salt")}},
                         {"Label6",
                          {QT_TR_NOOP("Pounds of salt needed"),
                           QT_TR_NOOP("Kilos of salt needed")}}},
        .headings = {{"Label8", 13.5, ui::Slant::Italic}, {"Label4", 12}},
        // The unit system is read before the pool size is checked, as in the main window.
        .buttons = {{"Command1",
                     {"txtGal", "txtSalt", "txtPPMInc"},
                     {"txtGal"},
                     ui::kFillPpmIncrease,
                     ui::UnitsRead::BeforeCheck,
                     calculate}},
        // The unit system first; where it cannot be read, the pool size is not read either.
        .load = {{defaults::Default::UnitSystem, defaults::Default::PoolSize},
                 defaults::OnFailure::Stop,
                 "txtGal"},
    };
    return window;
}

void SaltWindow::calculate(ui::Press& press)
{
    // A direction whose box is empty is skipped, and its output kept. Both are worked out
    // before either box is written.
    if (!press.isEmpty("txtSalt")) {
        const double ppm =
            calc::SaltPpmRise(press.number("txtSalt"), press.number("txtGal"), press.units());
        press.show("txtPPMup", calc::NumberText(calc::RoundHalfEven(ppm, 1)));
    }
    if (!press.isEmpty("txtPPMInc")) {
        const double salt =
            calc::SaltRequired(press.number("txtPPMInc"), press.number("txtGal"), press.units());
        press.show("txtLbsNeeded", calc::NumberText(calc::RoundHalfEven(salt, 1)));
    }
}
