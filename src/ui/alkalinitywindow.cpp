// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alkalinitywindow.h"

#include "calc/alkalinity.h"
#include "ui/captions.h"
#include "ui/handlerrules.h"
#include "ui/programlook.h"
#include "ui_alkalinitywindow.h"

AlkalinityWindow::AlkalinityWindow(const WindowServices& services, QWidget* parent)
    : CalculatorWindow(services, parent), m_ui(new Ui::Form3)
{
    m_ui->setupUi(this);
    setUpCalculator({m_ui->txtOz});
    ui::WireButton(m_services.feedback, this, m_ui->Command1, {m_ui->txtGal, m_ui->txtPPM},
                   [this] { calculate(); });
    ui::NameByCaptions({{m_ui->txtGal, m_ui->Label2},
                        {m_ui->txtPPM, m_ui->Label3},
                        {m_ui->txtOz, m_ui->Label5, m_ui->Label4}});
    describeBoxes({ui::PoolSizeTip(m_ui->txtGal),
                   {m_ui->txtPPM, "The rise in total alkalinity you want, in ppm."},
                   {m_ui->txtOz, "Sodium bicarbonate (baking soda) to add, in pounds and ounces.",
                    "Sodium bicarbonate (baking soda) to add, in kilograms."}});
    ui::SetHeadingFont(m_ui->Label1, 18, ui::Slant::Italic);
    ui::SetHeadingFont(m_ui->Label4, 8.25);
}

AlkalinityWindow::~AlkalinityWindow() = default;

void AlkalinityWindow::load()
{
    // The pool size is read before the unit system; a failure of one does not stop the other.
    m_ui->txtGal->setText(storedPoolSize());
    showUnitCaptions({ui::PoolSizeCaption(m_ui->Label2)});
}

void AlkalinityWindow::calculate()
{
    // The boxes are checked before the unit system is read.
    if (!requireFilled({m_ui->txtGal, m_ui->txtPPM}, ui::kFillAllWhiteBoxes))
        return;
    const calc::UnitSystem units = storedUnitSystem();
    const double poolSize = ui::BoxNumber(m_ui->txtGal);
    const double ppm = ui::BoxNumber(m_ui->txtPPM);
    const double dose = units == calc::UnitSystem::Imperial
                            ? calc::BicarbonateOunces(poolSize, ppm)
                            : calc::BicarbonateKilograms(poolSize, ppm);
    ui::ShowResult(m_ui->txtOz, ui::WeightText(units, dose));
}
