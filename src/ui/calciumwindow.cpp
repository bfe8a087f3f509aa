// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calciumwindow.h"

#include "calc/calcium.h"
#include "ui/captions.h"
#include "ui/handlerrules.h"
#include "ui/programlook.h"
#include "ui_calciumwindow.h"

CalciumWindow::CalciumWindow(const WindowServices& services, QWidget* parent)
    : CalculatorWindow(services, parent), m_ui(new Ui::Form4)
{
    m_ui->setupUi(this);
    setUpCalculator({m_ui->txtCaCl, m_ui->txtCaCl2});
    ui::WireButton(m_services.feedback, this, m_ui->Command1, {m_ui->txtGal, m_ui->txtPPM},
                   [this] { calculate(); });
    ui::NameByCaptions({{m_ui->txtGal, m_ui->Label2},
                        {m_ui->txtPPM, m_ui->Label3},
                        {m_ui->txtCaCl, m_ui->Label4},
                        {m_ui->txtCaCl2, m_ui->Label5}});
    // The two results are alternatives: the same calcium from either product.
    describeBoxes({ui::PoolSizeTip(m_ui->txtGal),
                   {m_ui->txtPPM, "The rise in calcium hardness you want, in ppm."},
                   {m_ui->txtCaCl,
                    "Calcium chloride, anhydrous, to add, in pounds and ounces. Add this or the "
                    "dihydrate below, not both.",
                    "Calcium chloride, anhydrous, to add, in kilograms. Add this or the dihydrate "
                    "below, not both."},
                   {m_ui->txtCaCl2,
                    "Calcium chloride dihydrate to add, in pounds and ounces. Add this or the "
                    "anhydrous calcium chloride above, not both.",
                    "Calcium chloride dihydrate to add, in kilograms. Add this or the anhydrous "
                    "calcium chloride above, not both."}});
    ui::SetHeadingFont(m_ui->Label1, 18, ui::Slant::Italic);
}

CalciumWindow::~CalciumWindow() = default;

void CalciumWindow::load()
{
    // The pool size is read before the unit system; a failure of one does not stop the other.
    m_ui->txtGal->setText(storedPoolSize());
    showUnitCaptions({ui::PoolSizeCaption(m_ui->Label2)});
}

void CalciumWindow::calculate()
{
    // The unit system is read before the boxes are checked.
    const calc::UnitSystem units = storedUnitSystem();
    if (!requireFilled({m_ui->txtGal, m_ui->txtPPM}, ui::kFillAllWhiteBoxes))
        return;
    const double poolSize = ui::BoxNumber(m_ui->txtGal);
    const double ppm = ui::BoxNumber(m_ui->txtPPM);
    const bool imperial = units == calc::UnitSystem::Imperial;
    const double chloride = imperial ? calc::CalciumChlorideOunces(poolSize, ppm)
                                     : calc::CalciumChlorideKilograms(poolSize, ppm);
    const double dihydrate = imperial ? calc::CalciumChlorideDihydrateOunces(poolSize, ppm)
                                      : calc::CalciumChlorideDihydrateKilograms(poolSize, ppm);
    ui::ShowResult(m_ui->txtCaCl, ui::WeightText(units, chloride));
    ui::ShowResult(m_ui->txtCaCl2, ui::WeightText(units, dihydrate));
}
