// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/saturationwindow.h"

#include "calc/saturation.h"
#include "ui_saturationwindow.h"

const ui::WindowDescription& SaturationWindow::description()
{
    using enum ui::Role;
    static const ui::WindowDescription window{
        .form = ui::SetUpForm<Ui::Form12>,
        // The index box stays white and editable; the next press overwrites whatever is
        // typed. It has no caption of its own; the window's heading names it.
        .boxes = {{"txtpH", Input, "Label1", {QT_TR_NOOP("The pH of the pool water.")}},
                  {"txtTemp",
                   Input,
                   "Label2",
                   {QT_TR_NOOP("The water temperature, in degrees Fahrenheit."),
                    QT_TR_NOOP("The water temperature, in degrees Celsius.")}},
                  {"txtCa", Input, "Label3", {QT_TR_NOOP("The calcium hardness, in ppm.")}},
                  {"txtTa", Input, "Label4", {QT_TR_NOOP("The total alkalinity, in ppm.")}},
                  {"txtSI",
                   Input,
                   "Label8",
                   {QT_TR_NOOP("The Langelier saturation index of the water, worked out from "
                               "the four readings above.")}}},
        .unitCaptions = {{"Label2", {QT_TR_NOOP("Temp, Deg F"), QT_TR_NOOP("Temp, Deg C")}}},
        .headings = {{"Label8", 13.5, ui::Slant::Italic}},
        // The unit system is read first. No box is required: an empty one is met as a text
        // that is no number, in the order the calculation reads them. The button's caption is
        // a placeholder; a screen reader says what it does.
        .buttons = {{"Command1",
                     {"txtpH", "txtTemp", "txtCa", "txtTa", "txtSI"},
                     {},
                     nullptr,
                     ui::UnitsRead::BeforeCheck,
                     calculate,
                     QT_TR_NOOP("Calculate")}},
        .load = {{defaults::Default::UnitSystem}},
        .withIcon = false,
    };
    return window;
}

void SaturationWindow::calculate(ui::Press& press)
{
    const double temperature = press.number("txtTemp");
    const double calciumHardness = press.number("txtCa");
    const double totalAlkalinity = press.number("txtTa");
    const double pH = press.number("txtpH");
    press.show("txtSI", calc::NumberText(calc::SaturationIndex(pH, temperature, calciumHardness,
                                                               totalAlkalinity, press.units())));
}
