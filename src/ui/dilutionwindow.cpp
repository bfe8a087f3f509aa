// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dilutionwindow.h"

#include "calc/dilution.h"
#include "ui/usermessages.h"
#include "ui_dilutionwindow.h"

const ui::WindowDescription& DilutionWindow::description()
{
    using enum ui::Role;
    // The share is a fraction although its caption says percentage.
    static const ui::WindowDescription window{
        .form = ui::SetUpForm<Ui::Form7>,
        .boxes = {{"txtGal", Input, "Label1", ui::PoolSizeTipWords()},
                  {"txtPr",
                   Input,
                   "Label3",
                   {QT_TR_NOOP("The pool water's test reading of what is too high, in ppm.")}},
                  {"txtSr",
                   Input,
                   "Label4",
                   {QT_TR_NOOP("The refill water's test reading of the same, in ppm.")}},
                  {"txtFr",
                   Input,
                   "Label5",
                   {QT_TR_NOOP("The reading you want after draining and refilling, in ppm.")}},
                  {"txtPercDrain",
                   Output,
                   "Label6",
                   {QT_TR_NOOP("The share of the pool to drain and refill, as a fraction: 0.44 "
                               "means 44 % of the pool.")}},
                  {"txtVolDrain",
                   Output,
                   "Label7",
                   {QT_TR_NOOP("The water to drain and refill, in US gallons."),
                    QT_TR_NOOP("The water to drain and refill, in litres.")}}},
        .unitCaptions = {{"Label1", ui::PoolSizeCaptionWords()}},
        .headings = {{"Label2", 18, ui::Slant::Italic}},
        // The same in both unit systems, so no setting is read. The boxes are checked from the
        // wanted reading back.
        .buttons = {{"Command1",
                     {"txtGal", "txtPr", "txtSr", "txtFr"},
                     {"txtFr", "txtSr", "txtPr", "txtGal"},
                     ui::kFillAllWhiteBoxes,
                     ui::UnitsRead::Never,
                     calculate}},
        .load = ui::PoolSizeThenUnits(),
    };
    return window;
}

void DilutionWindow::calculate(ui::Press& press)
{
    // The pool's reading is read first.
    const double pool = press.number("txtPr");
    const double wanted = press.number("txtFr");
    const double refill = press.number("txtSr");
    // The share is written before the pool size is read: a pool size that is no number
    // leaves the new share shown beside the volume of the previous press.
    press.show("txtPercDrain", calc::NumberText(calc::DrainFraction(pool, refill, wanted)));
    press.keepShown();
    const calc::Drain drain = calc::DilutionDrain(press.number("txtGal"), pool, refill, wanted);
    press.show("txtVolDrain", calc::NumberText(drain.volume));
}
