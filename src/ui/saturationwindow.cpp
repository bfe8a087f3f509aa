// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/saturationwindow.h"

#include "calc/saturation.h"
#include "ui/captions.h"
#include "ui/handlerrules.h"
#include "ui/programlook.h"
#include "ui_saturationwindow.h"

SaturationWindow::SaturationWindow(const WindowServices& services, QWidget* parent)
    : CalculatorWindow(services, parent), m_ui(new Ui::Form12)
{
    m_ui->setupUi(this);
    // The index box stays white and editable; the next press overwrites whatever is typed.
    setUpCalculator({}, /*withIcon=*/false);
    ui::WireButton(m_services.feedback, this, m_ui->Command1,
                   {m_ui->txtpH, m_ui->txtTemp, m_ui->txtCa, m_ui->txtTa, m_ui->txtSI},
                   [this] { calculate(); });
    // The index has no caption of its own; the window's heading names it.
    ui::NameByCaptions({{m_ui->txtpH, m_ui->Label1},
                        {m_ui->txtTemp, m_ui->Label2},
                        {m_ui->txtCa, m_ui->Label3},
                        {m_ui->txtTa, m_ui->Label4},
                        {m_ui->txtSI, m_ui->Label8}});
    describeBoxes({{m_ui->txtpH, "The pH of the pool water."},
                   {m_ui->txtTemp, "The water temperature, in degrees Fahrenheit.",
                    "The water temperature, in degrees Celsius."},
                   {m_ui->txtCa, "The calcium hardness, in ppm."},
                   {m_ui->txtTa, "The total alkalinity, in ppm."},
                   {m_ui->txtSI, "The Langelier saturation index of the water, worked out from "
                                 "the four readings above."}});
    // Its caption is a placeholder; a screen reader says what the button does.
    m_ui->Command1->setAccessibleName(QStringLiteral("Calculate"));
    ui::SetHeadingFont(m_ui->Label8, 13.5, ui::Slant::Italic);
}

SaturationWindow::~SaturationWindow() = default;

void SaturationWindow::load()
{
    showUnitCaptions({{m_ui->Label2, "Temp, Deg F", "Temp, Deg C"}});
}

void SaturationWindow::calculate()
{
    // The unit system is read first. No box is required: an empty one is met as a text that is
    // no number, in the order the boxes are read here.
    const calc::UnitSystem units = storedUnitSystem();
    const double temperature = ui::BoxNumber(m_ui->txtTemp);
    const double calciumHardness = ui::BoxNumber(m_ui->txtCa);
    const double totalAlkalinity = ui::BoxNumber(m_ui->txtTa);
    const double pH = ui::BoxNumber(m_ui->txtpH);
    ui::ShowResult(m_ui->txtSI, calc::NumberText(calc::SaturationIndex(
                                    pH, temperature, calciumHardness, totalAlkalinity, units)));
}
