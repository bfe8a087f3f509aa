// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/poolvolumewindow.h"

#include "calc/volume.h"
#include "ui/captions.h"
#include "ui/handlerrules.h"
#include "ui/programlook.h"
#include "ui_poolvolumewindow.h"

PoolVolumeWindow::PoolVolumeWindow(const WindowServices& services, QWidget* parent)
    : CalculatorWindow(services, parent), m_ui(new Ui::Form9)
{
    m_ui->setupUi(this);
    setUpCalculator({m_ui->txtRVolume, m_ui->txtOVolume, m_ui->txtVolume});
    ui::WireButton(m_services.feedback, this, m_ui->Command1,
                   {m_ui->txtRLength, m_ui->txtRWidth, m_ui->txtRAvgDepth},
                   [this] { calculateRectangular(); });
    ui::WireButton(m_services.feedback, this, m_ui->Command2,
                   {m_ui->txtOLength, m_ui->txtOWidth, m_ui->txtOAvgDepth},
                   [this] { calculateOval(); });
    ui::WireButton(m_services.feedback, this, m_ui->Command3, {m_ui->txtDiam, m_ui->txtDepth},
                   [this] { calculateRound(); });
    // Every row has the same column captions, so the row's heading joins each name.
    ui::NameByCaptions({{m_ui->txtRLength, m_ui->Label3, m_ui->Label2},
                        {m_ui->txtRWidth, m_ui->Label4, m_ui->Label2},
                        {m_ui->txtRAvgDepth, m_ui->lblRAveDepth, m_ui->Label2},
                        {m_ui->txtRVolume, m_ui->Label6, m_ui->Label2},
                        {m_ui->txtOLength, m_ui->Label9, m_ui->Label10},
                        {m_ui->txtOWidth, m_ui->Label8, m_ui->Label10},
                        {m_ui->txtOAvgDepth, m_ui->Label5, m_ui->Label10},
                        {m_ui->txtOVolume, m_ui->Label7, m_ui->Label10},
                        {m_ui->txtDiam, m_ui->Label14, m_ui->Label15},
                        {m_ui->txtDepth, m_ui->lblRoundHt, m_ui->Label15},
                        {m_ui->txtVolume, m_ui->Label12, m_ui->Label15}});
    // The oval's factor is the rectangle's times pi/4: an ellipse of that length and width.
    describeBoxes(
        {{m_ui->txtRLength, "The length of the rectangular pool, in feet.",
          "The length of the rectangular pool, in metres."},
         {m_ui->txtRWidth, "The width of the rectangular pool, in feet.",
          "The width of the rectangular pool, in metres."},
         {m_ui->txtRAvgDepth, "The average depth of the rectangular pool, in feet.",
          "The average depth of the rectangular pool, in metres."},
         {m_ui->txtRVolume, "The water in the rectangular pool, in US gallons.",
          "The water in the rectangular pool, in litres."},
         {m_ui->txtOLength,
          "The length of the oval pool, the longest way across, in feet. Oval means an ellipse.",
          "The length of the oval pool, the longest way across, in metres. Oval means an "
          "ellipse."},
         {m_ui->txtOWidth, "The width of the oval pool, the widest way across the length, in feet.",
          "The width of the oval pool, the widest way across the length, in metres."},
         {m_ui->txtOAvgDepth, "The average depth of the oval pool, in feet.",
          "The average depth of the oval pool, in metres."},
         {m_ui->txtOVolume, "The water in the oval pool, taken as an ellipse, in US gallons.",
          "The water in the oval pool, taken as an ellipse, in litres."},
         {m_ui->txtDiam, "The diameter of the round pool, in feet.",
          "The diameter of the round pool, in metres."},
         {m_ui->txtDepth, "The depth of the round pool, in feet.",
          "The depth of the round pool, in metres."},
         {m_ui->txtVolume, "The water in the round pool, in US gallons.",
          "The water in the round pool, in litres."}});
    ui::SetHeadingFont(m_ui->Label1, 18);
    for (QWidget* rowHeading : {m_ui->Label2, m_ui->Label10, m_ui->Label15})
        ui::SetHeadingFont(rowHeading, 8.25);
}

PoolVolumeWindow::~PoolVolumeWindow() = default;

void PoolVolumeWindow::load()
{
    // No pool size here: the window works it out.
    showUnitCaptions({{m_ui->lblUOM, "All Measurements in FEET, volumes in GALLONS",
                       "All Measurements in METRES, volumes in LITRES"}});
    m_ui->txtRLength->setFocus();
}

// Each row's handler reads the unit system before its boxes are checked.

void PoolVolumeWindow::calculateRectangular()
{
    const calc::UnitSystem units = storedUnitSystem();
    if (!requireFilled({m_ui->txtRLength, m_ui->txtRWidth, m_ui->txtRAvgDepth}, ui::kFillAllFields))
        return;
    const double volume =
        calc::RectangularVolume(ui::BoxNumber(m_ui->txtRLength), ui::BoxNumber(m_ui->txtRWidth),
                                ui::BoxNumber(m_ui->txtRAvgDepth), units);
    ui::ShowResult(m_ui->txtRVolume, calc::NumberText(volume));
}

void PoolVolumeWindow::calculateOval()
{
    const calc::UnitSystem units = storedUnitSystem();
    if (!requireFilled({m_ui->txtOLength, m_ui->txtOWidth, m_ui->txtOAvgDepth}, ui::kFillAllFields))
        return;
    const double volume =
        calc::OvalVolume(ui::BoxNumber(m_ui->txtOLength), ui::BoxNumber(m_ui->txtOWidth),
                         ui::BoxNumber(m_ui->txtOAvgDepth), units);
    ui::ShowResult(m_ui->txtOVolume, calc::NumberText(volume));
}

void PoolVolumeWindow::calculateRound()
{
    const calc::UnitSystem units = storedUnitSystem();
    if (!requireFilled({m_ui->txtDiam, m_ui->txtDepth}, ui::kFillAllFields))
        return;
    const double volume =
        calc::RoundVolume(ui::BoxNumber(m_ui->txtDiam), ui::BoxNumber(m_ui->txtDepth), units);
    ui::ShowResult(m_ui->txtVolume, calc::NumberText(volume));
}
