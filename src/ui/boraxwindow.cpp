// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/boraxwindow.h"

#include "calc/arithmetic.h"
#include "calc/borax.h"
#include "ui/captions.h"
#include "ui/handlerrules.h"
#include "ui/programlook.h"
#include "ui_boraxwindow.h"

BoraxWindow::BoraxWindow(const WindowServices& services, QWidget* parent)
    : CalculatorWindow(services, parent), m_ui(new Ui::Form8)
{
    m_ui->setupUi(this);
    setUpCalculator({m_ui->txtPPM});
    ui::WireButton(m_services.feedback, this, m_ui->Command1, {m_ui->txtGal, m_ui->txtNa2B4O7},
                   [this] { calculate(); });
    ui::NameByCaptions({{m_ui->txtGal, m_ui->Label1},
                        {m_ui->txtNa2B4O7, m_ui->Label2},
                        {m_ui->txtPPM, m_ui->Label4}});
    // Boron is 4 x 10.81 of the tetraborate's 155.2 (the mass its share of borax is counted
    // by), so a boron reading is about 0.28 times the tetraborate figure.
    describeBoxes(
        {ui::PoolSizeTip(m_ui->txtGal),
         {m_ui->txtNa2B4O7, "Borax (sodium tetraborate decahydrate) to add, in ounces by weight.",
          "Borax (sodium tetraborate decahydrate) to add, in kilograms."},
         {m_ui->txtPPM, "The tetraborate that the borax adds, in ppm. Test kits give "
                        "borates as ppm of boron, about 0.28 times this figure."}});
    ui::SetHeadingFont(m_ui->Label3, 18, ui::Slant::Italic);
}

BoraxWindow::~BoraxWindow() = default;

void BoraxWindow::load()
{
    // The pool size is read before the unit system; a failure of one does not stop the other.
    m_ui->txtGal->setText(storedPoolSize());
    showUnitCaptions({ui::PoolSizeCaption(m_ui->Label1),
                      {m_ui->Label2, "Sodium Tetraborate Decahydrate (Oz.)",
                       "Sodium Tetraborate Decahydrate (k)"}});
}

void BoraxWindow::calculate()
{
    // The boxes are checked before the unit system is read, the borax before the pool size.
    if (!requireFilled({m_ui->txtGal, m_ui->txtNa2B4O7}, ui::kFillAllWhiteBoxes))
        return;
    const calc::UnitSystem units = storedUnitSystem();
    const double borax = ui::BoxNumber(m_ui->txtNa2B4O7);
    const double poolSize = ui::BoxNumber(m_ui->txtGal);
    const double ppm = units == calc::UnitSystem::Imperial
                           ? calc::TetraboratePpmFromOunces(borax, poolSize)
                           : calc::TetraboratePpmFromKilograms(borax, poolSize);
    ui::ShowResult(m_ui->txtPPM, calc::NumberText(calc::RoundHalfEven(ppm, 1)));
}
