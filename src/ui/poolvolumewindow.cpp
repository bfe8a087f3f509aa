// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/poolvolumewindow.h"

#include "calc/volume.h"
#include "ui/usermessages.h"
#include "ui_poolvolumewindow.h"

const ui::WindowDescription& PoolVolumeWindow::description()
{
    using enum ui::Role;
    using ui::UnitsRead;
    // Every row has the same column captions, so the row's heading joins each name. The oval's
    // factor is the rectangle's times pi/4: an ellipse of that length and width.
    static const ui::WindowDescription window{
        .form = ui::SetUpForm<Ui::Form9>,
        .boxes = {{"txtRLength",
                   Input,
                   "Label3",
                   {QT_TR_NOOP("The length of the rectangular pool, in feet."),
                    QT_TR_NOOP("The length of the rectangular pool, in metres.")},
                   "Label2"},
                  {"txtRWidth",
                   Input,
                   "Label4",
                   {QT_TR_NOOP("The width of the rectangular pool, in feet."),
                    QT_TR_NOOP("The width of the rectangular pool, in metres.")},
                   "Label2"},
                  {"txtRAvgDepth",
                   Input,
                   "lblRAveDepth",
                   {QT_TR_NOOP("The average depth of the rectangular pool, in feet."),
                    QT_TR_NOOP("The average depth of the rectangular pool, in metres.")},
                   "Label2"},
                  {"txtRVolume",
                   Output,
                   "Label6",
                   {QT_TR_NOOP("The water in the rectangular pool, in US gallons."),
                    QT_TR_NOOP("The water in the rectangular pool, in litres.")},
                   "Label2"},
                  {"txtOLength",
                   Input,
                   "Label9",
                   {QT_TR_NOOP("The length of the oval pool, the longest way across, in feet. Oval "
                               "means an ellipse."),
                    QT_TR_NOOP(
                        "The length of the oval pool, the longest way across, in metres. Oval "
                        "means an ellipse.")},
                   "Label10"},
                  {"txtOWidth",
                   Input,
                   "Label8",
                   {QT_TR_NOOP("The width of the oval pool, the widest way across the length, in "
                               "feet."),
                    QT_TR_NOOP("The width of the oval pool, the widest way across the length, in "
                               "metres.")},
                   "Label10"},
                  {"txtOAvgDepth",
                   Input,
                   "Label5",
                   {QT_TR_NOOP("The average depth of the oval pool, in feet."),
                    QT_TR_NOOP("The average depth of the oval pool, in metres.")},
                   "Label10"},
                  {"txtOVolume",
                   Output,
                   "Label7",
                   {QT_TR_NOOP("The water in the oval pool, taken as an ellipse, in US gallons."),
                    QT_TR_NOOP("The water in the oval pool, taken as an ellipse, in litres.")},
                   "Label10"},
                  {"txtDiam",
                   Input,
                   "Label14",
                   {QT_TR_NOOP("The diameter of the round pool, in feet."),
                    QT_TR_NOOP("The diameter of the round pool, in metres.")},
                   "Label15"},
                  {"txtDepth",
                   Input,
                   "lblRoundHt",
                   {QT_TR_NOOP("The depth of the round pool, in feet."),
                    QT_TR_NOOP("The depth of the round pool, in metres.")},
                   "Label15"},
                  {"txtVolume",
                   Output,
                   "Label12",
                   {QT_TR_NOOP("The water in the round pool, in US gallons."),
                    QT_TR_NOOP("The water in the round pool, in litres.")},
                   "Label15"}},
        .unitCaptions = {{"lblUOM",
                          {QT_TR_NOOP("All Measurements in FEET, volumes in GALLONS"),
                           QT_TR_NOOP("All Measurements in METRES, volumes in LITRES")}}},
        .headings = {{"Label1", 18}, {"Label2", 8.25}, {"Label10", 8.25}, {"Label15", 8.25}},
        // Each row's button reads the unit system before its boxes are checked.
        .buttons = {{"Command1",
                     {"txtRLength", "txtRWidth", "txtRAvgDepth"},
                     {"txtRLength", "txtRWidth", "txtRAvgDepth"},
                     ui::kFillAllFields,
                     UnitsRead::BeforeCheck,
                     calculateRectangular},
                    {"Command2",
                     {"txtOLength", "txtOWidth", "txtOAvgDepth"},
                     {"txtOLength", "txtOWidth", "txtOAvgDepth"},
                     ui::kFillAllFields,
                     UnitsRead::BeforeCheck,
                     calculateOval},
                    {"Command3",
                     {"txtDiam", "txtDepth"},
                     {"txtDiam", "txtDepth"},
                     ui::kFillAllFields,
                     UnitsRead::BeforeCheck,
                     calculateRound}},
        // No pool size here: the window works it out.
        .load = {{defaults::Default::UnitSystem}},
    };
    return window;
}

void PoolVolumeWindow::calculateRectangular(ui::Press& press)
{
    const double volume =
        calc::RectangularVolume(press.number("txtRLength"), press.number("txtRWidth"),
                                press.number("txtRAvgDepth"), press.units());
    press.show("txtRVolume", calc::NumberText(volume));
}

void PoolVolumeWindow::calculateOval(ui::Press& press)
{
    const double volume = calc::OvalVolume(press.number("txtOLength"), press.number("txtOWidth"),
                                           press.number("txtOAvgDepth"), press.units());
    press.show("txtOVolume", calc::NumberText(volume));
}

void PoolVolumeWindow::calculateRound(ui::Press& press)
{
    const double volume =
        calc::RoundVolume(press.number("txtDiam"), press.number("txtDepth"), press.units());
    press.show("txtVolume", calc::NumberText(volume));
}
