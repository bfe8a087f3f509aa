// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cyanuricwindow.h"

#include "calc/cyanuric.h"
#include "ui/captions.h"
#include "ui/handlerrules.h"
#include "ui/programlook.h"
#include "ui_cyanuricwindow.h"

CyanuricWindow::CyanuricWindow(const WindowServices& services, QWidget* parent)
    : CalculatorWindow(services, parent), m_ui(new Ui::Form5)
{
    m_ui->setupUi(this);
    setUpCalculator({m_ui->txtCya});
    ui::WireButton(m_services.feedback, this, m_ui->Command1, {m_ui->txtGal, m_ui->txtPPM},
                   [this] { calculate(); });
    ui::NameByCaptions(
        {{m_ui->txtGal, m_ui->Label2}, {m_ui->txtPPM, m_ui->Label3}, {m_ui->txtCya, m_ui->Label4}});
    describeBoxes({ui::PoolSizeTip(m_ui->txtGal),
                   {m_ui->txtPPM, "The rise in cyanuric acid (stabiliser) you want, in ppm."},
                   {m_ui->txtCya, "Cyanuric acid (stabiliser) to add, in pounds and ounces.",
                    "Cyanuric acid (stabiliser) to add, in kilograms."}});
    ui::SetHeadingFont(m_ui->Label1, 18, ui::Slant::Italic);
}

CyanuricWindow::~CyanuricWindow() = default;

void CyanuricWindow::load()
{
    // The pool size is read before the unit system; a failure of one does not stop the other.
    m_ui->txtGal->setText(storedPoolSize());
    showUnitCaptions({ui::PoolSizeCaption(m_ui->Label2)});
}

void CyanuricWindow::calculate()
{
    // The unit system is read before the boxes are checked.
    const calc::UnitSystem units = storedUnitSystem();
    if (!requireFilled({m_ui->txtGal, m_ui->txtPPM}, ui::kFillAllWhiteBoxes))
        return;
    const double poolSize = ui::BoxNumber(m_ui->txtGal);
    const double ppm = ui::BoxNumber(m_ui->txtPPM);
    const double dose = units == calc::UnitSystem::Imperial
                            ? calc::CyanuricAcidOunces(poolSize, ppm)
                            : calc::CyanuricAcidKilograms(poolSize, ppm);
    ui::ShowResult(m_ui->txtCya, ui::WeightText(units, dose));
}
